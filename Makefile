# The two commands of the README: `make run` and `make test`. Both install what is missing first.
.PHONY: all deps build run test asan-test bench install package format format-check clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset debug
	cmake --build --preset debug

run: deps
	@scripts/run.sh

test: build
	ctest --preset debug

asan-test: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

bench: deps
	cmake --preset release
	cmake --build --preset release
	@for b in build/release/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

# `make install PREFIX=DIR` (default /usr/local; sudo for a system folder) and `make package`
# (build/package/varnexa_VERSION_ARCH.deb) from an optimised build of their own.
PREFIX ?= /usr/local

install: deps
	cmake --preset package
	cmake --build --preset package
	cmake --install build/package --prefix "$(PREFIX)"

package: deps
	cmake --preset package
	cmake --build --preset package
	cd build/package && cpack -G DEB

# The generated saturation curves are left as their generator writes them (a test compares).
FORMATTED = find src tests bench tools \( -name '*.cpp' -o -name '*.h' \) -not -path '*/saturation_curves/*'

format:
	$(FORMATTED) | xargs clang-format -i

# Fails, naming the files, when a source differs from what `make format` would write.
format-check: deps
	$(FORMATTED) | xargs clang-format --dry-run --Werror

clean:
	rm -rf build
