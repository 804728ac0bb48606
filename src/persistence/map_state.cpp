#include "persistence/map_state.h"

#include "persistence/map_fields.h"

namespace {

// Sources buy every 1.6 s; belt steps come 1.7 times a second.
constexpr float SOURCE_PERIOD = 1.6f;
constexpr float BELT_STEP_PERIOD = 1.0f / 1.7f;
constexpr double LATEST_GAME_TIME = 3e11;
constexpr int FIRST_VERSION_WITH_MONTH_REPORT = 15;

constexpr MapField<MapState> STATE_FIELDS[] = {
    {&MapState::deliveredCount, 5, NOT_NEGATIVE},
    {&MapState::money, 12, NOT_NEGATIVE},
    {&MapState::sourcesEnabled, 13},
    {&MapState::gameTime, 14, {0, LATEST_GAME_TIME}},
    {&MapState::moneyAtMonthStart, FIRST_VERSION_WITH_MONTH_REPORT, NOT_NEGATIVE},
    {&MapState::monthReportPending, FIRST_VERSION_WITH_MONTH_REPORT},
    {&MapState::lastMonthResult, FIRST_VERSION_WITH_MONTH_REPORT},
    {&MapState::sourceClock, 5, rangeBelow(SOURCE_PERIOD)},
    {&MapState::stepClock, 5, rangeBelow(BELT_STEP_PERIOD)},
    {&MapState::stepCount, 5},
};

}  // namespace

MapState mapStateOf(const Game& game)
{
    return MapState{
        game.deliveredCount,     game.money,           game.sourcesEnabled, game.gameTime,  game.moneyAtMonthStart,
        game.monthReportPending, game.lastMonthResult, game.sourceClock,    game.stepClock, game.stepCount};
}

void applyMapState(Game& game, const MapState& state)
{
    game.deliveredCount = state.deliveredCount;
    game.money = state.money;
    game.sourcesEnabled = state.sourcesEnabled;
    game.gameTime = state.gameTime;
    game.moneyAtMonthStart = state.moneyAtMonthStart;
    game.monthReportPending = state.monthReportPending;
    game.lastMonthResult = state.lastMonthResult;
    game.sourceClock = state.sourceClock;
    game.stepClock = state.stepClock;
    game.stepCount = state.stepCount;
}

bool readMapState(std::istream& in, MapState& state, int version)
{
    if (!readFields<MapState>(in, state, STATE_FIELDS, version)) return false;
    // The month report came later; until then a month began with the money read.
    if (version < FIRST_VERSION_WITH_MONTH_REPORT) state.moneyAtMonthStart = state.money;
    return true;
}

void writeMapState(TextOut& out, const MapState& state)
{
    writeWord(out, STATE_KEYWORD);
    writeFields<MapState>(out, state, STATE_FIELDS);
    endLine(out);
}
