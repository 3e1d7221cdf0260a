# Velmora: the two set-up commands are `make run` and `make test`.
JOBS  ?= $(shell nproc)
ARGS  ?=
FUZZ_RUNS ?= 2000000
CMAKE_FLAGS ?=
PREFIX ?= /usr/local
# Each step of the test run reports its wall and processor time (bash's time).
# A timed step is two commands (the format, then `time`): chained with && or
# read through $? it goes in braces, so that both see the timed command.
SHELL := /bin/bash
timed = TIMEFORMAT="== $(1): %R s wall, %U s user, %S s system"; time

.PHONY: run test build deps bench sanitize asan-build tsan-build clang-build check-builds locking fuzz clean install uninstall deb

deps:
	@bash scripts/install-deps

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	@$(call timed,release build) cmake --build build -j$(JOBS)

run: build
	./build/velmora $(ARGS)

# Tools run at build time (icons) and the tests load fontconfig, whose
# process-long caches the leak checker must not count.
LSAN := LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp
# Sanitizer and Clang builds are for finding faults, not for speed: light
# optimisation and line tables only (enough for the reports' stack traces).
CHECK_FLAGS := -O1 -g1 -DNDEBUG
CHECK_BUILD := -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	"-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=$(CHECK_FLAGS)" "-DCMAKE_C_FLAGS_RELWITHDEBINFO=$(CHECK_FLAGS)"
# The fuzzers run for a fixed number of inputs: the same work on any machine.
TEST_FUZZ_RUNS ?= 200000
# Background work at the lowest priority: the tests' processes take the
# processor whenever they want it. (Not SCHED_IDLE: on a machine shared with
# other niced builds that would never run.)
IDLE := nice -n 19

# The self-test's long stretches of audio take about a minute under ASan; it
# runs in the release suite, and the unit tests take its paths under ASan.
ASAN_SKIP := ^app_selftest$$
asan_run = $(call timed,ASan tests) (cd build-asan && $(LSAN) ctest --output-on-failure -L "unit|tsan" -E '$(ASAN_SKIP)' -j$(JOBS))
define asan_tests
	@$(asan_run)
endef
define tsan_tests
	@$(call timed,TSan tests) (cd build-tsan && ctest --output-on-failure -L tsan -j$(JOBS))
endef
locking_run = $(call timed,locking tests) (cd build-fuzz && ctest --output-on-failure -R '^(Audio|Guard\.|Rescue\.)' -j$(JOBS))
define locking_tests
	@$(locking_run)
endef
fuzz_run = $(call timed,fuzzers) bash scripts/run-fuzzers build-fuzz

# Every test: the release build's whole suite, the unit tests again under
# ASan/UBSan, the threaded tests under TSan, the engine's lock discipline proved
# by Clang, and a fixed-size run of each fuzzer. Unit tests run side by side;
# the server scenarios one at a time, since their sound must not compete for
# the processor. The sanitizer and Clang builds compile meanwhile at the
# lowest priority, on the processor time the mostly waiting release tests
# leave, in the order their tests are wanted: each set of tests starts once
# its build is done and the tests before it are over, while the later builds
# go on beside them. The builds' output follows the tests'.
test: build
	@rm -f build/asan-built build/clang-built; \
	{ $(IDLE) $(MAKE) --no-print-directory asan-build && touch build/asan-built && \
	  $(IDLE) $(MAKE) --no-print-directory clang-build && touch build/clang-built && \
	  $(IDLE) $(MAKE) --no-print-directory tsan-build; } >build/check-builds.log 2>&1 & \
	builds=$$!; \
	{ $(call timed,release tests) (cd build && ctest --output-on-failure -LE integration -j$(JOBS)); } && \
	{ $(call timed,server scenarios) (cd build && ctest --output-on-failure -L integration -j1); }; \
	tests=$$?; \
	ready() { while [[ ! -e build/$$1 ]] && kill -0 $$builds 2>/dev/null; do sleep 1; done; [[ -e build/$$1 ]]; }; \
	asan=1; if ready asan-built; then $(asan_run); asan=$$?; fi; \
	clang=1; if ready clang-built; then { $(locking_run); } && { $(fuzz_run) $(TEST_FUZZ_RUNS); }; clang=$$?; fi; \
	wait $$builds; built=$$?; cat build/check-builds.log; \
	[[ $$tests -eq 0 && $$asan -eq 0 && $$clang -eq 0 && $$built -eq 0 ]]
	$(tsan_tests)

# Each sanitizer build compiles only what its tests run.
asan-build: deps
	cmake -S . -B build-asan $(CHECK_BUILD) -DVLM_SANITIZE=address
	@$(call timed,ASan build) $(LSAN) cmake --build build-asan -j$(JOBS) --target vlm_unit_tests

tsan-build: deps
	cmake -S . -B build-tsan $(CHECK_BUILD) -DVLM_SANITIZE=thread
	@$(call timed,TSan build) cmake --build build-tsan -j$(JOBS) --target vlm_tsan_tests

# One Clang build serves the fuzzers and the locking check: the engine's unit
# tests compiled there under the thread-safety analysis, which proves (as an
# error) that every access to the engine's shared state holds its lock.
clang-build: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz $(CHECK_BUILD) -DVLM_FUZZ=ON
	@$(call timed,Clang build) cmake --build build-fuzz -j$(JOBS) --target test_audio_unit vlm_fuzzers

check-builds: asan-build tsan-build clang-build

sanitize: asan-build tsan-build
	$(asan_tests)
	$(tsan_tests)

locking: clang-build
	$(locking_tests)

fuzz: clang-build
	@$(fuzz_run) $(FUZZ_RUNS)

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
	rm -rf build build-asan build-tsan build-fuzz build-deb
