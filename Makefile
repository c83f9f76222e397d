# The two commands of the README, and a few helpers.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test bench screenshots convert-examples deps build

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

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/ui/screenshots ui/help/quelta-letter.RTF docs

bench: build
	scripts/install-deps bench
	bench/run $(BUILD)/cli/mail2ren
