# VERLO: `make run` builds and starts the game, `make test` builds and runs the tests.
# Both install the Debian packages they need when missing.

BUILD    ?= build
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

PACKAGES := build-essential cmake qt6-base-dev qt6-multimedia-dev qt6-svg-dev \
            qt6-translations-l10n qt6-qpa-plugins libgl-dev fonts-liberation2

.PHONY: all run test deps build clean format

all: build

deps:
	@./tools/install-deps.sh $(PACKAGES)

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/verlo

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
