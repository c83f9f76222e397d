# The two commands of the README, and a few helpers.
BUILD ?= build
JOBS ?= $(shell nproc)

FUZZ_SECONDS ?= 60

.PHONY: run test check sanitize fuzz bench screenshots convert-examples deps build

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

# Starts the desktop program.
run: build
	$(BUILD)/ui/quelta-letter

# Converts the sample mails into one import text file, without windows.
convert-examples: build
	$(BUILD)/cli/mail2ren -o $(BUILD)/examples.ren examples/*.wml
	@echo "Wrote $(BUILD)/examples.ren"

# Every test, then again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then each fuzz target for FUZZ_SECONDS.
test: check sanitize fuzz

check: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

sanitize: deps
	cmake -S . -B $(BUILD)-asan -DSANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)-asan -j$(JOBS)
	cd $(BUILD)-asan && ctest --output-on-failure -j$(JOBS)

fuzz: deps
	scripts/run-fuzzers $(FUZZ_SECONDS)

screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/ui/screenshots ui/help/quelta-letter.RTF docs

bench: build
	scripts/install-deps bench
	bench/run $(BUILD)/cli/mail2ren
