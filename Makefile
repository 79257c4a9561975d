# Thin wrapper: every target installs what is missing first.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
JOBS ?= $(shell nproc)
HOME_DIR ?= $(HOME)

.PHONY: run test sanitize build configure bootstrap bench package clean

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Builds and starts the window on your home folder.
run: build
	$(BUILD_DIR)/src/App/quillmere --home "$(HOME_DIR)"

# Builds and runs every test.
test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software ctest --output-on-failure -j $(JOBS)

# Builds and runs every test again under AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer, in a build folder of its own. Any finding fails the test.
# intercept_tls_get_addr=0: GCC 12's runtime mistakes a dynamic TLS block that happens to sit
# 16 bytes into a page for an old glibc layout, reads a bogus range from it and the leak check's
# tracer dies at exit. Without the interception those blocks are simply not scanned as roots,
# which can only report more leaks, never hide one.
SANITIZE_ENV = QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt:print_suppressions=0 \
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:intercept_tls_get_addr=0
sanitize: bootstrap
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMERE_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)

# Builds the Debian package build/quillmere_VERSION_ARCH.deb.
package: build
	@cd $(BUILD_DIR) && cpack

bench: build
	@bench/run-all $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
