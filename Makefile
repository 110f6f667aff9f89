# One command each: `make run` sets up and starts the game, `make test` sets up and runs every
# test headless. Both install whatever Debian packages are missing first.

CMAKE ?= cmake
CTEST ?= ctest

.PHONY: all deps build run test build-asan test-asan bench package check-package clean

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

# Every speed and memory figure with its target, measured against a bare Qt window.
bench: build
	bench/run-benchmarks build/default

# The Debian package: build/default/twindle_<version>_<arch>.deb.
package: build
	$(CMAKE) --build --preset default --target package

# Builds the package and checks its fields, its files and the unpacked program.
check-package:
	scripts/check-package

clean:
	rm -rf build
