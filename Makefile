# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README. Everything else is a helper target.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
SOAK_GAMES ?= 100

# What install-deps installs and whether the tests are built: `make run` needs the
# programs only, every other target the tests too.
DEPS ?= build test
TESTING ?= ON

.PHONY: run test deps build bench sanitize fuzz-build fuzz fuzz-short soak package clean

run: DEPS = build
run: TESTING = OFF
run: build
	mkdir -p $(BUILD)/data && cd $(BUILD)/data && ../kartenhaus

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

deps:
	bash scripts/install-deps $(DEPS)

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DBUILD_TESTING=$(TESTING) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# The Debian package, in $(BUILD)/package/.
package: DEPS = package
package: TESTING = OFF
package: build
	cmake --build $(BUILD) --target package

bench: build
	@for b in $(BUILD)/tests/bench_*; do [ -x "$$b" ] && "$$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done
	@echo "solver: FreeCell, numbered deals 1-200"
	@$(BUILD)/kartenhaus-cli survey --data $(BUILD)/data --game freecell/freecell --seeds 1-200 --microsoft
	@echo "solver: Klondike (draw one), deals 1-50"
	@$(BUILD)/kartenhaus-cli survey --data $(BUILD)/data --game klondike/klondike --seeds 1-50 --max-seconds 10
	@if command -v kpat >/dev/null; then echo "kpat, same deals:"; \
	  time kpat --solve Freecell --start 1 --end 200; time kpat --solve Klondike --start 1 --end 50; fi

# Every test built with address and undefined-behaviour sanitizers; any report
# fails its test. The build-time generators run without leak checks (their
# libraries keep caches until exit).
sanitize:
	ASAN_OPTIONS=detect_leaks=0 $(MAKE) build BUILD=build-sanitize \
	  CMAKE_FLAGS="-DKH_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-fno-sanitize-recover=all"
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
	  ctest --test-dir build-sanitize --output-on-failure -j $(JOBS)

# libFuzzer targets of the file readers (clang), in their own build directory.
fuzz-build fuzz fuzz-short: DEPS = test fuzz
fuzz-build: deps
	cmake -S tests/fuzz -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# FUZZ_SECONDS per target, one target after the other; the corpus grows in
# $(FUZZ_BUILD)/corpus, crashes land in $(FUZZ_BUILD)/crashes.
fuzz: fuzz-build build
	DATA_BUILD=$(BUILD) FUZZ_BUILD=$(FUZZ_BUILD) tests/fuzz/fuzz.sh $(FUZZ_SECONDS)

# The short run of CI: about five seconds per target.
fuzz-short: fuzz-build build
	DATA_BUILD=$(BUILD) FUZZ_BUILD=$(FUZZ_BUILD) tests/fuzz/fuzz.sh 5

# SOAK_GAMES random games of every game of the collection.
soak: build
	$(BUILD)/kartenhaus-cli soak --data $(BUILD)/data --games $(SOAK_GAMES)

clean:
	rm -rf $(BUILD) build-sanitize $(FUZZ_BUILD)
