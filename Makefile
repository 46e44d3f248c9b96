# The two commands of the README. Everything else is a helper target.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test deps build bench sanitize clean

run: build
	mkdir -p $(BUILD)/data && cd $(BUILD)/data && ../kartenhaus

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

deps:
	bash scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

bench: build
	@for b in $(BUILD)/tests/bench_*; do [ -x "$$b" ] && "$$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

sanitize:
	$(MAKE) test BUILD=build-sanitize CMAKE_FLAGS="-DKH_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"

clean:
	rm -rf $(BUILD) build-sanitize
