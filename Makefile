# Front door: every target first installs missing Debian packages, then builds with CMake in build/.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test package sanitize fuzz bench clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/spanrix

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

package: build
	@cmake --build $(BUILD_DIR) --target package

# The whole suite again, built with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer in build-sanitize/; any report fails the test that made it.
# Unoptimised with line tables only (-g1): all a report needs, and the quickest to build.
SANITIZER_OPTIONS = ASAN_OPTIONS=detect_leaks=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
sanitize: deps
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
		-DSPANRIX_SANITIZE=ON >/dev/null
	@cmake --build build-sanitize -j $(JOBS) --target core_tests cli_tests ui_tests
	@cd build-sanitize && $(SANITIZER_OPTIONS) ctest --output-on-failure -j $(JOBS)

# The libFuzzer harnesses (clang) in build-fuzz/, FUZZ_SECONDS each.
FUZZ_SECONDS ?= 60
fuzz: deps
	@bash scripts/fuzz.sh $(FUZZ_SECONDS)

bench: deps
	@cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-release -j $(JOBS) --target spanrix_bench
	@QT_QPA_PLATFORM=offscreen build-release/spanrix_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

clean:
	@rm -rf $(BUILD_DIR) build-release build-sanitize build-fuzz
