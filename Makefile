# Front door: `make run` starts the game, `make test` runs every test, plain
# and under the sanitizers. Both install what is missing first.
JOBS ?= $(shell nproc)

.PHONY: run test deps build build-asan test-release test-asan bench fuzz clean

run: build
	./build/release/gearhaven

test: test-release test-asan

deps:
	@scripts/install-deps

build: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

build-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)

test-release: build
	ctest --preset release -j $(JOBS)

test-asan: build-asan
	ctest --preset asan -j $(JOBS)

bench: build
	./build/release/gearhaven-bench

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)

clean:
	rm -rf build
