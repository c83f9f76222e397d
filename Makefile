# The two commands of the README, and a few helpers.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test bench deps build

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

# Converts the sample mails into one import text file.
run: build
	$(BUILD)/cli/mail2ren -o $(BUILD)/examples.ren examples/*.wml
	@echo "Wrote $(BUILD)/examples.ren"

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	scripts/install-deps bench
	bench/run $(BUILD)/cli/mail2ren
