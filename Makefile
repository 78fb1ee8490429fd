# Two set-up commands: `make run` and `make test`.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
SANITIZE_DIR ?= build-sanitize
WINDOWS_DIR ?= build-windows
WINDOWS_X86_DIR ?= build-windows-x86
WEB_DIR ?= build-web
BENCH_FLAGS ?=
# `make test` also builds the Windows program and runs its tests under Wine;
# WINDOWS=no leaves Windows out.
WINDOWS ?= yes
# `make test` also builds the web build and runs its behaviour tests under Node,
# and tests it in Chromium, Firefox and WebKit; WEB=no leaves the web out.
WEB ?= yes
CONFIGURE_FLAGS = $(CMAKE_FLAGS) -DLUMIVOR_WINDOWS_TESTS=$(if $(filter yes,$(WINDOWS)),ON,OFF) \
  -DLUMIVOR_WEB_TESTS=$(if $(filter yes,$(WEB)),ON,OFF)

.PHONY: deps configure build run test check test-sanitize bench storm clean windows test-windows bench-windows web serve-web test-web test-browsers

deps:
	@./scripts/install-deps.sh

# Configures again whenever the flags differ from those the build directory was made with.
configure: deps
	@if [ ! -f $(BUILD_DIR)/build.ninja ] || [ "$$(cat $(BUILD_DIR)/.cmake-flags 2>/dev/null)" != "$(CONFIGURE_FLAGS)" ]; then \
	  cmake -S . -B $(BUILD_DIR) -G Ninja $(CONFIGURE_FLAGS) && echo "$(CONFIGURE_FLAGS)" > $(BUILD_DIR)/.cmake-flags; \
	fi

build: configure
	cmake --build $(BUILD_DIR)

run: build
	./$(BUILD_DIR)/lumivor

# $(call cross_build,<build dir>,<toolchain file>[,<more CMake flags>]) configures the
# build directory, and again whenever the flags differ from those it was configured with,
# with the generators that draw the pictures and the icon taken from the native build, and
# builds it.
define cross_build
	cmake --build $(BUILD_DIR) --target lumivor_host_tools
	@flags="-DCMAKE_TOOLCHAIN_FILE=$(2) -DLUMIVOR_HOST_TOOLS=$(abspath $(BUILD_DIR))/host-tools.cmake $(3)"; \
	if [ ! -f $(1)/build.ninja ] || [ "$$(cat $(1)/.cmake-flags 2>/dev/null)" != "$$flags" ]; then \
	  cmake -S . -B $(1) -G Ninja $$flags && echo "$$flags" > $(1)/.cmake-flags; \
	fi
	cmake --build $(1)
endef

# The Windows programs, cross-built with mingw-w64: the 32-bit one into
# $(WINDOWS_X86_DIR), which builds no tests, then the 64-bit one into $(WINDOWS_DIR),
# with its tests; a zip of each, and the installer of both, which the 64-bit build makes.
windows: build
	@./scripts/install-deps.sh windows
	$(call cross_build,$(WINDOWS_X86_DIR),cmake/mingw-w64-i686.cmake,-DLUMIVOR_BUILD_TESTS=OFF -DLUMIVOR_BUILD_BENCHMARKS=OFF)
	$(call cross_build,$(WINDOWS_DIR),cmake/mingw-w64-x86_64.cmake,-DLUMIVOR_WINDOWS_X86_PROGRAM=$(abspath $(WINDOWS_X86_DIR))/windows/package/lumivor.exe)

# The 64-bit Windows build's own tests under Wine: the behaviour tests and the backend's
# (the 32-bit build builds no tests; the native build's tests run both programs).
test-windows: windows
	cd $(WINDOWS_DIR) && ctest --output-on-failure

# The web build, made with Emscripten into $(WEB_DIR): the program and its pages, and
# the behaviour tests as WebAssembly. It needs the native build configured, not built.
web: configure
	@./scripts/install-deps.sh web
	$(call cross_build,$(WEB_DIR),cmake/emscripten.cmake)

# The web build served on the loopback, for a browser on this machine.
serve-web: web
	python3 -m http.server --bind 127.0.0.1 --directory $(WEB_DIR) 8000

# The web build's tests under Node.
test-web: web
	cd $(WEB_DIR) && ctest --output-on-failure

# The browsers that test the web build, and the driver's npm packages.
test-browsers:
	@./scripts/install-deps.sh browsers

# Every test: behaviour tests, the real program in an X server, packaging, and
# with WINDOWS=yes the same for both Windows programs under Wine, with WEB=yes the
# web build's tests under Node and the web build in browsers (tests/web).
test: build $(if $(filter yes,$(WINDOWS)),test-windows) $(if $(filter yes,$(WEB)),test-web test-browsers)
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
	$(MAKE) test WINDOWS=no WEB=no BUILD_DIR=$(SANITIZE_DIR) CMAKE_FLAGS="$(CMAKE_FLAGS) -DLUMIVOR_SANITIZE=ON"

# One table of every benchmark program's results, and of the web build's in Chromium where
# $(WEB_DIR) holds one (`make web`).
bench: build
	python3 bench/run-benchmarks.py $(BUILD_DIR) --web $(WEB_DIR) $(BENCH_FLAGS)

# Start-up time of the Windows program under Wine beside a bare Win32 window.
bench-windows: windows
	bash bench/windows/start_time.sh 10 $(WINDOWS_DIR)/bench/windows/bare_window.exe $(WINDOWS_DIR)/lumivor.exe

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
	rm -rf $(BUILD_DIR) $(WINDOWS_DIR) $(WINDOWS_X86_DIR) $(WEB_DIR)
