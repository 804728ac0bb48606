#pragma once

#include <cstdint>
#include <iosfwd>

#include "persistence/map_tokens.h"
#include "world/game.h"

// The values of the STATE line: the account, the calendar and the clocks of
// the simulation. Absent values keep the defaults of a new world.
struct MapState {
    std::int32_t deliveredCount = 0;
    std::int64_t money = STARTING_MONEY;
    bool sourcesEnabled = true;
    double gameTime = STARTING_GAME_TIME;
    std::int64_t moneyAtMonthStart = STARTING_MONEY;
    bool monthReportPending = false;
    std::int64_t lastMonthResult = 0;
    float sourceClock = 0.0f;
    float stepClock = 0.0f;
    std::uint32_t stepCount = 0;

    friend bool operator==(const MapState&, const MapState&) = default;
};

MapState mapStateOf(const Game& game);
void applyMapState(Game& game, const MapState& state);

// The values after the STATE keyword.
bool readMapState(std::istream& in, MapState& state, int version);
void writeMapState(TextOut& out, const MapState& state);
