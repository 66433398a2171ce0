# The two commands of the README: `make run` and `make test`. Both install what is missing first.
.PHONY: all deps build run test asan-test bench format format-check clean

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

# The generated saturation curves are left as their generator writes them (a test compares).
FORMATTED = find src tests bench tools \( -name '*.cpp' -o -name '*.h' \) -not -path '*/saturation_curves/*'

format:
	$(FORMATTED) | xargs clang-format -i

# Fails, naming the files, when a source differs from what `make format` would write.
format-check: deps
	$(FORMATTED) | xargs clang-format --dry-run --Werror

clean:
	rm -rf build
