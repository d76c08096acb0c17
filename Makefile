# make run    install what is missing, build, start the program
# make test   install what is missing, build, run every test with no display, then
#             play the real program in a virtual display (scripts/e2e)
# make bench  install what is missing, build, run the benchmarks

BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build program run test bench clean

all: build

deps:
	@./scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Only the program and the files beside it: a first start need not wait for the
# test and benchmark programs.
program: configure
	@cmake --build $(BUILD) -j $(JOBS) --target Quorvel assets

run: program
	@./scripts/run $(BUILD)/bin/Quorvel

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@./scripts/e2e $(BUILD)/bin

bench: build
	@./scripts/bench $(BUILD)/bin

clean:
	rm -rf $(BUILD)

# make test-asan  build and run the whole suite under AddressSanitizer, with leak
#                 checks, and UndefinedBehaviorSanitizer (build folder BUILD_ASAN)
# make soak       a million operations of seeded play per board and a thousand kills
#                 of a writing process, under the same sanitizers
# make fuzz       every libFuzzer target for FUZZ_SECONDS (default 60) each, built
#                 with clang in BUILD_FUZZ
BUILD_ASAN ?= build-asan
BUILD_FUZZ ?= build-fuzz

.PHONY: test-asan soak fuzz

test-asan: deps
	@JOBS=$(JOBS) ./scripts/test-asan $(BUILD_ASAN)

soak: deps
	@JOBS=$(JOBS) ./scripts/soak $(BUILD_ASAN)

fuzz: deps
	@JOBS=$(JOBS) FUZZ_BUILD=$(BUILD_FUZZ) ./scripts/fuzz
