# The two everyday commands: `make run` and `make test`. Both install what is missing first.
BUILD       ?= build
ASAN_BUILD  ?= build-asan
FUZZ_BUILD  ?= build-fuzz
BUILD_TYPE  ?= RelWithDebInfo
WERROR      ?= OFF
JOBS        ?= $(shell nproc)
CMAKE_FLAGS  = -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DVARNEL_WERROR=$(WERROR)

.NOTPARALLEL:
.PHONY: all deps configure build test test-main test-asan test-kernel run screenshots bench fuzz fuzz-smoke format clean package

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Every test of the full build, the core and device tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, a short run of every fuzz target,
# then the kernel tests.
# One make run with the steps as prerequisites, so the install check, the
# configure and the build each run once; the steps run one after another.
test: test-main test-asan fuzz-smoke test-kernel

test-main: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The hidraw backend against a real Linux kernel in a QEMU guest, where the
# keyboard is a uhid device (scripts/kernel-tests.sh).
test-kernel: build
	@bash scripts/kernel-tests.sh $(BUILD)

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DVARNEL_SANITIZE=ON \
	    -DVARNEL_WITH_UI=OFF -DVARNEL_WITH_BENCH=OFF > /dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) -L core

# A Debian package of the install (prefix /usr) in $(BUILD)/.
package: build
	@cd $(BUILD) && cpack -G DEB

run: build
	@bash scripts/run.sh $(BUILD)/bin

screenshots: build
	@bash scripts/screenshots.sh $(BUILD)

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; "$$b"; done

# The libFuzzer targets, built with clang, every library instrumented.
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DVARNEL_WERROR=$(WERROR) -DVARNEL_WITH_FUZZ=ON -DVARNEL_WITH_UI=OFF \
	    -DVARNEL_WITH_BENCH=OFF > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers

# A few seconds of every fuzz target from its seed corpus; any finding fails.
fuzz-smoke: fuzz
	@ctest --test-dir $(FUZZ_BUILD) --output-on-failure -j $(JOBS) -L fuzz

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
