# One command each: `make run` sets up and starts the game, `make test` sets up and runs every
# test headless. Both install whatever Debian packages are missing first.

CMAKE ?= cmake
CTEST ?= ctest

.PHONY: all deps build run test build-asan test-asan clean
.PHONY: bench package check-package check-hardening test-sound-server test-wayland fuzz soak monkey
.PHONY: translations check-translations

all: build

deps:
	scripts/install-deps

build: deps
	$(CMAKE) --preset default
	$(CMAKE) --build --preset default

run: build
	./build/default/bin/twindle

test: build
	$(CTEST) --preset default

build-asan: deps
	$(CMAKE) --preset asan
	$(CMAKE) --build --preset asan

test-asan: build-asan
	$(CTEST) --preset asan

# The translations brought up to date with the sources (lupdate over src/, into translations/):
# a new or changed text comes in unfinished, for a translator to translate (Qt Linguist, or the
# .ts file by hand); a text no longer in the sources goes. check-translations names what is left.
translations: deps
	$(CMAKE) --preset default
	$(CMAKE) --build --preset default --target update_translations

check-translations:
	scripts/check-translations

# Every speed and memory figure with its target, measured against a bare Qt window.
bench: build
	bench/run-benchmarks build/default

# The Debian package: build/default/twindle_<version>_<arch>.deb.
package: build
	$(CMAKE) --build --preset default --target package

# Builds the package and checks its fields, its files and the unpacked program.
check-package:
	scripts/check-package

# The hardened build read back from its binaries: the program, and a probe that shows
# _FORTIFY_SOURCE at work (the program makes no call it can check).
check-hardening: build
	scripts/check-hardening --if-fortifiable build/default/bin/twindle
	scripts/check-hardening build/default/bin/fortify_probe

# A found pair's sound and a family card's recorded voice through a private PulseAudio server,
# then the silent path without one.
test-sound-server: build
	TWINDLE_EXPECT_AUDIO=1 QT_QPA_PLATFORM=offscreen \
		scripts/with-pulseaudio ./build/default/bin/sound_server_test
	TWINDLE_EXPECT_AUDIO=0 QT_QPA_PLATFORM=offscreen PULSE_SERVER=unix:/nonexistent/twindle \
		./build/default/bin/sound_server_test
	TWINDLE_EXPECT_AUDIO=1 scripts/with-pulseaudio ./build/default/bin/voice_recording_test
	TWINDLE_EXPECT_AUDIO=0 PULSE_SERVER=unix:/nonexistent/twindle ./build/default/bin/voice_recording_test

# Toddler mode under sway, a headless Wayland compositor, against the desktop's keys. As root
# the test runs as a user of its own (twindle-sway), which it creates: sway refuses root.
test-wayland: build
	tests/e2e/sway_test.sh build/default/bin/twindle

# Each fuzzer for FUZZ_SECONDS from its seeds (clang, ASan + UBSan).
FUZZ_SECONDS ?= 60
fuzz: deps
	scripts/run-fuzzers $(FUZZ_SECONDS)

# The full soak, 300 games through the windows, in the normal build and under ASan + UBSan.
SOAK_GAMES ?= 300
soak: build build-asan
	TWINDLE_SOAK_GAMES=$(SOAK_GAMES) QT_QPA_PLATFORM=offscreen ./build/default/bin/soak_test
	TWINDLE_SOAK_GAMES=$(SOAK_GAMES) QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		./build/asan/bin/soak_test

# Toddler mode against 100,000 random keys, clicks and window manager requests (MONKEY_EVENTS).
MONKEY_EVENTS ?= 100000
monkey: build
	tests/e2e/monkey_test.sh build/default/bin/twindle $(MONKEY_EVENTS)

clean:
	rm -rf build
