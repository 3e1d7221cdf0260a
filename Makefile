# Velmora: the two set-up commands are `make run` and `make test`.
JOBS  ?= $(shell nproc)
ARGS  ?=
FUZZ_RUNS ?= 2000000
CMAKE_FLAGS ?=

.PHONY: run test build deps bench sanitize fuzz clean

deps:
	@bash scripts/install-deps

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS)

run: build
	./build/velmora $(ARGS)

# Every test: the release build's whole suite, the unit tests again under
# ASan/UBSan, the threaded tests under TSan, and a fixed-size run of each fuzzer.
# Unit tests run side by side; the server scenarios one at a time, since their
# sound must not compete for the processor.
test: build
	cd build && ctest --output-on-failure -LE integration -j$(JOBS)
	cd build && ctest --output-on-failure -L integration -j1
	$(MAKE) --no-print-directory sanitize
	$(MAKE) --no-print-directory fuzz FUZZ_RUNS=200000

sanitize: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVLM_SANITIZE=address
	cmake --build build-asan -j$(JOBS)
	cd build-asan && ctest --output-on-failure -L "unit|tsan" -j$(JOBS)
	cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVLM_SANITIZE=thread
	cmake --build build-tsan -j$(JOBS)
	cd build-tsan && ctest --output-on-failure -L tsan -j$(JOBS)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVLM_FUZZ=ON
	cmake --build build-fuzz -j$(JOBS) --target vlm_fuzzers
	bash scripts/run-fuzzers build-fuzz $(FUZZ_RUNS)

bench: build
	./build/bench/velmora_bench

clean:
	rm -rf build build-asan build-tsan build-fuzz
