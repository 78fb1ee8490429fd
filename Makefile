# Two set-up commands: `make run` and `make test`.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
SANITIZE_DIR ?= build-sanitize
BENCH_FLAGS ?=

.PHONY: deps configure build run test check test-sanitize bench storm clean

deps:
	@./scripts/install-deps.sh

# Configures again whenever CMAKE_FLAGS differ from those the build directory was made with.
configure: deps
	@if [ ! -f $(BUILD_DIR)/build.ninja ] || [ "$$(cat $(BUILD_DIR)/.cmake-flags 2>/dev/null)" != "$(CMAKE_FLAGS)" ]; then \
	  cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) && echo "$(CMAKE_FLAGS)" > $(BUILD_DIR)/.cmake-flags; \
	fi

build: configure
	cmake --build $(BUILD_DIR)

run: build
	./$(BUILD_DIR)/lumivor

# Every test: behaviour tests, the real program in an X server, packaging.
test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j2

# The fast tests only: no X server, no packaging.
check: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j2 -L unit

# The whole test suite built with AddressSanitizer and UBSan, in a build
# directory of its own; leaks that system libraries keep at exit are suppressed.
test-sanitize:
	ASAN_OPTIONS=detect_leaks=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	$(MAKE) test BUILD_DIR=$(SANITIZE_DIR) CMAKE_FLAGS="$(CMAKE_FLAGS) -DLUMIVOR_SANITIZE=ON"

# One table of every benchmark program's results.
bench: build
	python3 bench/run-benchmarks.py $(BUILD_DIR) $(BENCH_FLAGS)

# A long input storm on the real program in an X server: LUMIVOR_STORM_EVENTS
# events (20000 unless set) from the generator seeded with LUMIVOR_STORM_SEED
# (its fixed default unless set). `ctest -R e2e_InputStorm` runs a short one.
storm: build
	cd $(BUILD_DIR)/tests/e2e && \
	LUMIVOR_PROGRAM=$(abspath $(BUILD_DIR))/lumivor \
	LUMIVOR_STORM_EVENTS=$${LUMIVOR_STORM_EVENTS:-20000} \
	xvfb-run -a -s "-screen 0 1280x1024x24" \
	  bash $(CURDIR)/tests/e2e/run-in-x.sh ./e2e_tests --gtest_filter='InputStorm*'

clean:
	rm -rf $(BUILD_DIR)
