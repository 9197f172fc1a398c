# VERLO: `make run` builds and starts the game, `make test` builds and runs the tests,
# `make package` makes the Debian package. All install the Debian packages they need
# when missing.

BUILD    ?= build
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

# libxkbcommon-dev: Qt's CMake files look for it, and say so loudly when it is missing.
# pandoc: the manual page's converter.
PACKAGES := build-essential cmake qt6-base-dev qt6-multimedia-dev qt6-svg-dev \
            qt6-translations-l10n qt6-qpa-plugins libgl-dev libxkbcommon-dev fonts-liberation2 \
            pandoc
# The package is built by Debian's own tools (debian/).
PAQUET_PACKAGES := debhelper

# The player's score table and drawn-words memory beside the built game: `make clean` leaves
# them in place.
GARDES   := VERLO-SB.SCO VERLO-MOTS.DAT

# Fuzzing needs clang's libFuzzer; the sanitized suite is built by the usual compiler.
FUZZ_PACKAGES := clang libclang-rt-14-dev
# The start-up and wake-up benchmarks watch a private X server (bench/README.md).
BENCH_PACKAGES := xvfb python3-xlib xdotool
SANITIZE_BUILD ?= build-sanitize
FUZZ_SECONDS ?= 60
# Any report fails the test that caused it, leaks included.
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 \
                UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all run test package deps build clean format test-sanitize deps-fuzz fuzz deps-bench \
        deps-paquet

all: build

deps:
	@./tools/install-deps.sh $(PACKAGES)

# Configured once; later builds re-run CMake by themselves when a CMakeLists.txt changes.
$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target verlo

run: build
	./$(BUILD)/verlo

test: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# A build of its own, with Debian's flags, from a copy of the sources (tools/paquet.sh).
package: deps-paquet
	tools/paquet.sh $(BUILD) $(JOBS)

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, in its own build folder.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DVERLO_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen $(SANITIZE_ENV) \
	    ctest --output-on-failure -j $(JOBS)

deps-fuzz:
	@./tools/install-deps.sh $(PACKAGES) $(FUZZ_PACKAGES)

deps-bench:
	@./tools/install-deps.sh $(PACKAGES) $(BENCH_PACKAGES)

deps-paquet:
	@./tools/install-deps.sh $(PACKAGES) $(PAQUET_PACKAGES)

# Each reader fuzzed FUZZ_SECONDS (see fuzz/run.sh).
fuzz: deps-fuzz
	fuzz/run.sh $(FUZZ_SECONDS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@if [ -d $(BUILD) ]; then \
	    find $(BUILD) -mindepth 1 -maxdepth 1 $(foreach g,$(GARDES),! -name $(g)) -exec rm -rf {} +; \
	    for g in $(GARDES); do [ ! -e $(BUILD)/$$g ] || echo "$(BUILD)/$$g kept"; done; \
	    rmdir $(BUILD) 2>/dev/null || true; \
	fi
	rm -rf $(SANITIZE_BUILD) build-fuzz

# The three word lists again, from the pinned sources: the lexicon's Debian package at
# the version the script checks, and the npm packages of tools/package-lock.json in
# tools/cache (tools/README-wordlists.md).
LEXIQUE_PAQUET := python3-grammalecte=2.1.2+ds2-2

.PHONY: listes
listes:
	@[ "$$(dpkg-query -W -f='$${Version}' python3-grammalecte 2>/dev/null)" = "$(word 2,$(subst =, ,$(LEXIQUE_PAQUET)))" ] \
	    || ./tools/install-deps.sh $(LEXIQUE_PAQUET)
	mkdir -p tools/cache
	cp tools/package.json tools/package-lock.json tools/cache/
	cd tools/cache && npm ci --ignore-scripts --no-audit --no-fund
	/usr/bin/python3 tools/make_wordlists.py
