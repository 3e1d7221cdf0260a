# Velmora: the two set-up commands are `make run` and `make test`.
JOBS  ?= $(shell nproc)
ARGS  ?=
FUZZ_RUNS ?= 2000000
CMAKE_FLAGS ?=
PREFIX ?= /usr/local

.PHONY: run test build deps bench sanitize locking fuzz clean install uninstall deb

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
	$(MAKE) --no-print-directory locking
	$(MAKE) --no-print-directory fuzz FUZZ_RUNS=200000

# Tools run at build time (icons, screenshots) and the tests load fontconfig,
# whose process-long caches the leak checker must not count.
LSAN := LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp

sanitize: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVLM_SANITIZE=address
	$(LSAN) cmake --build build-asan -j$(JOBS)
	cd build-asan && $(LSAN) ctest --output-on-failure -L "unit|tsan" -j$(JOBS)
	cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVLM_SANITIZE=thread
	cmake --build build-tsan -j$(JOBS)
	cd build-tsan && ctest --output-on-failure -L tsan -j$(JOBS)

# The engine's unit tests built by Clang, whose thread-safety analysis proves
# (as an error) that every access to the engine's shared state holds its lock.
locking: deps
	CC=clang CXX=clang++ cmake -S . -B build-clang -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-clang -j$(JOBS) --target test_audio_unit
	cd build-clang && ctest --output-on-failure -R '^(Audio|Guard\.|Rescue\.)' -j$(JOBS)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVLM_FUZZ=ON
	cmake --build build-fuzz -j$(JOBS) --target vlm_fuzzers
	bash scripts/run-fuzzers build-fuzz $(FUZZ_RUNS)

# Installs into PREFIX (DESTDIR honoured); `make uninstall` removes those files.
install: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=$(PREFIX) $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS)
	DESTDIR=$(DESTDIR) cmake --install build

uninstall:
	DESTDIR=$(DESTDIR) cmake --build build --target uninstall

# The Debian package, built with Debian's hardening flags and checked by lintian.
deb:
	bash scripts/install-deps deb
	bash packaging/build-deb build-deb $(JOBS)

bench: build
	./build/bench/velmora_bench

clean:
	rm -rf build build-asan build-tsan build-fuzz build-clang build-deb
