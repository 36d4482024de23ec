# The two commands of the README: `make run` and `make test`.
# Everything else here is a step of those two.

BUILD      ?= build
ASAN_BUILD ?= build-asan
BUILD_TYPE ?= RelWithDebInfo
FUZZ_SECONDS ?= 10

CMAKE_FLAGS ?=

.PHONY: all deps configure build run test test-main test-sanitize test-fuzz bench clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) > $(BUILD).configure.log || (cat $(BUILD).configure.log; exit 1)

build: configure
	@cmake --build $(BUILD)

run: build
	@tools/run-ombrix.sh $(BUILD)

test: build
	@tools/check-model-includes.sh $(BUILD)
	@$(MAKE) --no-print-directory test-main
	@$(MAKE) --no-print-directory test-sanitize
	@$(MAKE) --no-print-directory test-fuzz

test-main:
	@QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j2 --timeout 300

# Model, driver and command-line tests again under AddressSanitizer and UBSan,
# built with clang in the same tree as the libFuzzer targets.
$(ASAN_BUILD)/build.ninja:
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	    -DOMBRIX_SANITIZE=ON -DOMBRIX_FUZZ=ON -DOMBRIX_BUILD_UI=OFF -DOMBRIX_BENCH=OFF > $(ASAN_BUILD).configure.log \
	    || (cat $(ASAN_BUILD).configure.log; exit 1)

test-sanitize: deps $(ASAN_BUILD)/build.ninja
	@cmake --build $(ASAN_BUILD)
	@ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --test-dir $(ASAN_BUILD) --output-on-failure -j2 --timeout 600 -L 'model|driver|cli'

# A short bounded run of every fuzz target on its seed corpus.
test-fuzz: deps $(ASAN_BUILD)/build.ninja
	@cmake --build $(ASAN_BUILD)
	@tools/run-fuzzers.sh $(ASAN_BUILD) $(FUZZ_SECONDS)

bench: build
	@tools/run-benchmarks.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BUILD).configure.log $(ASAN_BUILD).configure.log
