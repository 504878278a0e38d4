# Front door: every target first installs missing Debian packages, then configures, builds
# and tests through the presets of CMakePresets.json (default: build/, release:
# build-release/, sanitize: build-sanitize/, fuzz: build-fuzz/).
JOBS ?= $(shell nproc)
# ccache speeds up rebuilds when it is installed; nothing needs it.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: deps configure build run test package sanitize fuzz bench clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake --preset default $(LAUNCHER) >/dev/null

build: configure
	@cmake --build --preset default -j $(JOBS)

run: build
	@build/spanrix

test: build
	@ctest --preset default -j $(JOBS)

package: build
	@cmake --build --preset default --target package

# The whole suite again, built with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer; any report fails the test that made it. Unoptimised with line
# tables only (-g1): all a report needs, and the quickest to build.
sanitize: deps
	@cmake --preset sanitize $(LAUNCHER) >/dev/null
	@cmake --build --preset sanitize -j $(JOBS)
	@ctest --preset sanitize -j $(JOBS)

# The libFuzzer harnesses (clang), FUZZ_SECONDS each.
FUZZ_SECONDS ?= 60
fuzz: deps
	@bash scripts/fuzz.sh $(FUZZ_SECONDS)

# Prints each benchmark, then FullCapacityRun against ReferenceGridRun from the same run.
bench: deps
	@cmake --preset release $(LAUNCHER) >/dev/null
	@cmake --build --preset release -j $(JOBS) --target spanrix_bench
	@QT_QPA_PLATFORM=offscreen build-release/spanrix_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

clean:
	@rm -rf build build-release build-sanitize build-fuzz
