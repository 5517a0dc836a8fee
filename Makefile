# Velko Lines: `make run` to play, `make test` to run every test.
# Both install whatever is missing on Debian 12 first (with sudo when not root).

BUILD ?= build
ASAN  ?= build-asan
PKG   ?= build-package
JOBS  ?= $(shell nproc)
SUDO  := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# What building, playing and testing need.
PACKAGES := cmake g++ make pkg-config dpkg-dev file qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins \
            libsdl2-mixer-dev libgtest-dev libgmock-dev libbenchmark-dev \
            fonts-dejavu-core fonts-dejavu-extra fonts-wqy-microhei \
            xvfb xauth xdotool x11-utils imagemagick openbox clang clang-format libclang-rt-14-dev appstream time valgrind \
            sway grim wtype qt6-wayland libwayland-dev

.PHONY: all deps build run test test-asan soak bench leakcheck package clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN)/CMakeCache.txt:
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DVELKO_SANITIZE=ON

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/velko-lines ]; then $(BUILD)/velko-lines; \
	else echo "The game window is not built yet."; fi

# Every test, then the same tests built with AddressSanitizer and UBSan.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory test-asan

test-asan: deps $(ASAN)/CMakeCache.txt
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) -LE no-sanitizer

# 100 000 self-played games under the sanitizers.
soak: deps $(ASAN)/CMakeCache.txt
	cmake --build $(ASAN) -j $(JOBS) --target velko-soak
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 $(ASAN)/velko-soak --games 100000 --seed 1

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target velko-bench velko-save-bench velko-animation-bench
	$(BUILD)/velko-bench
	$(BUILD)/velko-save-bench
	bench/run-app-bench.sh $(BUILD)
	bench/run-wayland-bench.sh $(BUILD)

# A scripted session of the real program under valgrind.
leakcheck: build
	tests/leaks/run-leak-check.sh $(BUILD)

# A Debian package: apt-get install ./build-package/velko-lines_*.deb
package: deps
	cmake -S . -B $(PKG) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DVELKO_BUILD_TESTS=OFF
	cmake --build $(PKG) -j $(JOBS)
	cd $(PKG) && cpack -G DEB
	@ls -1 $(PKG)/*.deb

clean:
	rm -rf $(BUILD) $(ASAN) $(PKG)
