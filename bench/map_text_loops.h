#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <sstream>
#include <string>

#include "world/game.h"

// The timed loops of the map-text benchmarks, shared by the busy map and the
// reference factories.

inline std::string mapText(const Game& game)
{
    std::ostringstream out;
    game.writeMap(out);
    return out.str();
}

// Writes the game's map text on every iteration; the length of the text.
inline std::size_t timeMapWrites(benchmark::State& state, const Game& game)
{
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream out;
        game.writeMap(out);
        bytes = out.view().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["text_bytes"] = static_cast<double>(bytes);
    return bytes;
}

// Reads the text into one world on every iteration; a refusal ends the run as an error.
inline void timeMapReads(benchmark::State& state, const std::string& text, const char* refusal)
{
    Game game;
    for (auto _ : state) {
        std::istringstream in(text);
        if (!game.readMap(in)) {
            state.SkipWithError(refusal);
            break;
        }
        benchmark::DoNotOptimize(game.items.data());
    }
}
