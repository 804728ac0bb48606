# Front door: `make run` starts the game, `make test` runs every test, plain
# and under the sanitizers. Both install what is missing first.
JOBS ?= $(shell nproc)

FUZZ_SECONDS ?= 60
# A fixed seed keeps CI's run a replay of what was fuzzed before landing;
# set FUZZ_SEED=0 to explore afresh.
FUZZ_SEED ?= 1
FUZZ_WORK := build/fuzz/corpus

.PHONY: run test deps build build-asan test-release test-asan format format-check bench fuzz fuzz-run fuzz-replay clean assets \
	demos demo-tour demo-factory demo-factory-shot

# Started from the top folder, where the game finds "assets/" and keeps its
# settings and saves. Arguments go through ARGS, e.g. make run ARGS="--load karte-1.map".
run: build
	./build/release/gearhaven $(ARGS)

test: format-check test-release test-asan demos

FORMATTED := $(shell git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' \
	'tools/*.cpp' 'tools/*.h' 'fuzz/*.cpp' 'fuzz/*.h' 2>/dev/null)

# Fails on any file that clang-format would change; `make format` fixes them.
format-check: deps
	@clang-format --dry-run --Werror $(FORMATTED)

format: deps
	clang-format -i $(FORMATTED)

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

# The demos play the game in a real window on a virtual X display, at a high
# demo speed: a failed command (exit code 2), a crash or a run longer than
# DEMO_LIMIT seconds fails. The factory demo saves to two slots; the later one
# must hold more money. The deliveries they wait for run at the game's own pace.
DEMO_SPEED ?= 8
DEMO_LIMIT ?= 240
FACTORY_SAVES := build/demo-factory

demos: demo-tour demo-factory

demo-tour: build
	scripts/run-demo demos/starter-map-tour.demo $(DEMO_SPEED) $(DEMO_LIMIT)

demo-factory: build
	rm -rf $(FACTORY_SAVES)
	KEEP_DIR=$(FACTORY_SAVES) scripts/run-demo demos/factory.demo $(DEMO_SPEED) $(DEMO_LIMIT)
	scripts/money-rose $(FACTORY_SAVES)/karte-1.map $(FACTORY_SAVES)/karte-2.map

# The factory as the demo left it, running from its last save, in a window
# wide enough to show it beside the tool palette.
demo-factory-shot:
	scripts/screenshot-map $(FACTORY_SAVES)/karte-2.map build/demo-factory.png 5 1600x900

# The game's generated assets, committed under assets/: each generator draws or
# synthesizes its files anew, the same bytes on every run.
ASSET_GENERATORS := gearhaven-spritegen gearhaven-soundgen

assets: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target $(ASSET_GENERATORS)
	./build/release/gearhaven-spritegen assets
	./build/release/gearhaven-soundgen assets/sounds

bench: build
	./build/release/gearhaven-bench

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)

# Feeds the map reader mutations of the fresh map, the legacy fixtures and the
# seed maps; any crash, leak or sanitizer report fails. A crashing input is
# left in build/fuzz/ and belongs in fuzz/corpus/. `fuzz-run` explores for
# FUZZ_SECONDS; `fuzz-replay` (CI) runs a fixed number of inputs with the fixed
# seed, so a green run means the same inputs on every machine.
FUZZ_RUNS ?= 3000
fuzz-run: FUZZ_LIMIT = -max_total_time=$(FUZZ_SECONDS)
fuzz-replay: FUZZ_LIMIT = -runs=$(FUZZ_RUNS)
fuzz-run fuzz-replay: fuzz build
	rm -rf $(FUZZ_WORK) && mkdir -p $(FUZZ_WORK)
	./build/release/gearhaven-maptool fresh > $(FUZZ_WORK)/fresh.map
	./build/release/gearhaven-maptool run fuzz/corpus/version-1-belts.map 20 > $(FUZZ_WORK)/belts-running.map
	./build/fuzz/map_reader_fuzzer -seed=$(FUZZ_SEED) $(FUZZ_LIMIT) -max_len=2000000 -timeout=30 \
		-artifact_prefix=build/fuzz/ $(FUZZ_WORK) fuzz/corpus tests/persistence/fixtures \
		> build/fuzz/fuzz.log 2>&1 || { tail -n 60 build/fuzz/fuzz.log; exit 1; }
	tail -n 1 build/fuzz/fuzz.log

clean:
	rm -rf build
