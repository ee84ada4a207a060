# Wrappers around CMake: `make run` and `make test` are all a newcomer needs.
PREFIX ?= /usr/local
DEMO ?= data/demo.vod
BUILD := build

.PHONY: all deps configure build run test bench fuzz install screenshot clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default

run: configure
	@cmake --build --preset default --target zembu
	@if [ -f "$(DEMO)" ]; then $(BUILD)/src/app/zembu "$(DEMO)"; else $(BUILD)/src/app/zembu; fi

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release
	@for b in build-release/bench/*_bench; do [ -x "$$b" ] && "$$b" || true; done

# The readers' fuzz harnesses, each run for FUZZ_SECONDS (clang is installed first).
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps --fuzz
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@scripts/fuzz $(FUZZ_SECONDS)

install: build
	@cmake --install $(BUILD) --prefix "$(PREFIX)"

clean:
	@rm -rf build build-asan build-release build-fuzz
