# Thin wrapper: every target installs what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
HOME_DIR ?= $(HOME)

.PHONY: run test build configure bootstrap bench package clean

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

# Builds the Debian package build/quillmere_VERSION_ARCH.deb.
package: build
	@cd $(BUILD_DIR) && cpack

bench: build
	@bench/run-all $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
