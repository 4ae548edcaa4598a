# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zelvo developers
# Entry points for a fresh Debian 12 machine: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_CXX   ?= clang++-14
CLANG_BUILD ?= build-clang
CLANG_CXX  ?= clang++-14
JOBS       ?= $(shell nproc)
MAKEFLAGS  += --no-print-directory
CMAKE_FLAGS ?=
# A compiler cache speeds up rebuilds where one is installed; CI has none.
LAUNCHER   := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# The project's own trees treat warnings as errors; a plain configure does not.
WERROR     := -DZELVO_WERROR=ON

.PHONY: all deps build run wendra test test-sanitize test-clang package bench snapshots clean fuzz fuzz-build fuzz-seeds

all: build

deps:
	@./scripts/install-deps.sh

# Configured only once the packages are in place, also under make -j.
$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR) $(LAUNCHER) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@./scripts/run-program.sh $(BUILD)/apps/zelvo/zelvo $(ARGS)

wendra: build
	@./scripts/run-program.sh $(BUILD)/apps/wendra/wendra

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZELVO_SANITIZE=ON -DZELVO_BUILD_BENCH=OFF $(WERROR) $(LAUNCHER)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# The whole tree with clang in Release, so that compiler-specific breakage shows.
test-clang: deps
	cmake -S . -B $(CLANG_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=$(CLANG_CXX) $(WERROR) $(LAUNCHER)
	cmake --build $(CLANG_BUILD) -j $(JOBS)
	cd $(CLANG_BUILD) && ctest --output-on-failure -j $(JOBS)

# A Debian package of both programs: $(BUILD)/zelvo_<version>_<arch>.deb
package: build
	cmake --build $(BUILD) --target package

# The readers and the argument parser under libFuzzer with ASan + UBSan,
# FUZZ_SECONDS per target.
fuzz-build: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=$(FUZZ_CXX) \
	  -DZELVO_FUZZ=ON -DZELVO_WERROR=OFF $(LAUNCHER)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz: fuzz-build
	@./scripts/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# Rewrites the seed corpora in fuzz/corpus with the program's own writers.
fuzz-seeds: fuzz-build
	$(FUZZ_BUILD)/fuzz/make_seeds fuzz/corpus

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b; done
	@echo "== start-up against a bare Qt window"
	@./bench/startup_time.sh $(BUILD)/apps/zelvo/zelvo $(BUILD)/bench/bare_window

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(CLANG_BUILD) $(FUZZ_BUILD)
