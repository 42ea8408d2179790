# The two commands of this project: `make run` and `make test`.
# Both install what is missing (Debian 12 packages), configure and build.

BUILD       ?= build
CLANG_BUILD ?= build-clang
ASAN_BUILD  ?= build-asan
FUZZ_BUILD  ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS        ?= $(shell nproc)
CMAKE_FLAGS  = -G Ninja -Wno-dev
# The three builds of `make test` (the plain one serves `make run` too) refuse any warning.
TEST_FLAGS   = -DVELM_WERROR=ON

.PHONY: run test deps build build-clang build-asan build-fuzz fuzz demo package mingw-check windows windows-test

deps:
	@bash tools/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(TEST_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# The same sources through clang, tests included; the benchmarks once are enough.
build-clang: deps
	@CC=clang CXX=clang++ cmake -S . -B $(CLANG_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DVELM_BENCH=OFF $(TEST_FLAGS) >/dev/null
	@cmake --build $(CLANG_BUILD) -j $(JOBS)

build-asan: deps
	@cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DVELM_SANITIZE=ON $(TEST_FLAGS) >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)

# The fuzz targets against libFuzzer, everything instrumented, through clang.
build-fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELM_FUZZ=ON -DVELM_TESTS=OFF -DVELM_BENCH=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets

# Each target for FUZZ_SECONDS seconds (make fuzz FUZZ_SECONDS=600).
fuzz: build-fuzz
	@FUZZ_SECONDS=$(FUZZ_SECONDS) bash fuzz/run_fuzz.sh $(FUZZ_BUILD)

demo: build
	@cmake --build $(BUILD) --target demo_game >/dev/null

run: demo
	cd $(BUILD)/demo && ../src/velmedit TPERSON.VMR

# Every source of src/ through MinGW-w64, syntax only: the Windows branches
# compile too. Takes its flags and uic's headers from the plain build.
mingw-check: build
	@JOBS=$(JOBS) bash tools/mingw-syntax-check.sh $(BUILD)

test: build build-clang build-asan
	@JOBS=$(JOBS) bash tools/mingw-syntax-check.sh $(BUILD)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(CLANG_BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp:print_suppressions=0 ctest --output-on-failure -j $(JOBS)

# The Debian package of the plain build, written into $(BUILD)/.
package: build
	cd $(BUILD) && cpack -G DEB

# The Windows program, cross-built with MinGW-w64 against Qt and libraries
# built from Debian's sources (once per machine, into ~/.cache/velmedit):
# $(WINDOWS_BUILD)/velmedit-<version>-windows-x86_64.zip and -setup.exe.
WINDOWS_BUILD ?= build-windows
windows: deps
	@bash tools/install-deps.sh windows
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(TEST_FLAGS) >/dev/null
	@JOBS=$(JOBS) bash tools/windows/make-windows.sh $(BUILD) $(WINDOWS_BUILD)

# The Windows program under Wine, compared with the Linux build.
windows-test: windows build
	@bash tools/install-deps.sh windows-test
	@cmake --build $(BUILD) --target demo_game >/dev/null
	@bash tools/windows/test-windows.sh $(BUILD) $(WINDOWS_BUILD)
