# Front door: `make run` starts the game, `make test` runs every test, plain
# and under the sanitizers. Both install what is missing first.
JOBS ?= $(shell nproc)

FUZZ_SECONDS ?= 60
# A fixed seed keeps CI's run a replay of what was fuzzed before landing;
# set FUZZ_SEED=0 to explore afresh.
FUZZ_SEED ?= 1
FUZZ_WORK := build/fuzz/corpus

.PHONY: run test deps build build-asan test-release test-asan bench fuzz fuzz-run clean

run: build
	@if [ -x build/release/gearhaven ]; then ./build/release/gearhaven; \
	else echo "The game has no window yet: the world, simulation and map files are built and tested (make test)."; exit 1; fi

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

# Feeds the map reader mutations of the fresh map, the legacy fixtures and the
# seed maps for FUZZ_SECONDS; any crash, leak or sanitizer report fails. A
# crashing input is left in build/fuzz/ and belongs in fuzz/corpus/.
fuzz-run: fuzz build
	rm -rf $(FUZZ_WORK) && mkdir -p $(FUZZ_WORK)
	./build/release/gearhaven-maptool fresh > $(FUZZ_WORK)/fresh.map
	./build/release/gearhaven-maptool run fuzz/corpus/version-1-belts.map 20 > $(FUZZ_WORK)/belts-running.map
	./build/fuzz/map_reader_fuzzer -seed=$(FUZZ_SEED) -max_total_time=$(FUZZ_SECONDS) -max_len=2000000 -timeout=30 \
		-artifact_prefix=build/fuzz/ $(FUZZ_WORK) fuzz/corpus tests/persistence/fixtures \
		> build/fuzz/fuzz.log 2>&1 || { tail -n 60 build/fuzz/fuzz.log; exit 1; }
	tail -n 1 build/fuzz/fuzz.log

clean:
	rm -rf build
