# Velko Lines: `make run` to play, `make test` to run every test.
# Both install whatever is missing on Debian 12 first (with sudo when not root).

BUILD ?= build
JOBS  ?= $(shell nproc)
SUDO  := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# What building, playing and testing need.
PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libqt6svg6 \
            libsdl2-mixer-dev libgtest-dev libgmock-dev libbenchmark-dev \
            fonts-dejavu-core fonts-wqy-microhei \
            xvfb xauth xdotool x11-utils imagemagick clang libclang-rt-14-dev appstream

.PHONY: all deps build run test clean

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

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/velko-lines ]; then $(BUILD)/velko-lines; \
	else echo "The game window is not built yet."; fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
