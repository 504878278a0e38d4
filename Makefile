# Front door: every target first installs missing Debian packages, then builds with CMake in build/.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test package bench clean

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

bench: deps
	@cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-release -j $(JOBS) --target spanrix_bench
	@QT_QPA_PLATFORM=offscreen build-release/spanrix_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

clean:
	@rm -rf $(BUILD_DIR) build-release
