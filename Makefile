# Everyday commands.  `make run` and `make test` install what is missing first.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 20
FUZZ_RUNS ?= -1
FUZZERS ?=

.PHONY: deps build run test package sanitize bench fuzz-build fuzz fuzz-long data clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package of the programs and their data, in $(BUILD)/gridwright_<version>_<arch>.deb.
package: build
	cd $(BUILD) && cpack -G DEB

sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DGW_SANITIZE=ON -DGW_BUILD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bin/*_bench; do $$b --benchmark_min_time=0.2; done

fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGW_FUZZ=ON \
	    -DGW_BUILD_GUI=OFF -DGW_BUILD_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target gw_fuzzers

# Each fuzzer replays its kept corpus, then fuzzes for FUZZ_SECONDS.
fuzz: fuzz-build
	@bash scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Each fuzzer in turn (or those named in FUZZERS) for FUZZ_SECONDS (or FUZZ_RUNS executions);
# what it finds is merged into fuzz/corpus, minimized.  Commit the grown corpus.
fuzz-long: fuzz-build
	@bash scripts/fuzz-long.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_RUNS) "$(FUZZERS)"

# Rebuilds the bundled shape and layout libraries and the sample collection in data/.
data: build
	@bash scripts/make-data.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
