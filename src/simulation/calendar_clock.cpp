#include <cstdint>

#include "world/calendar.h"
#include "world/game.h"

namespace {

std::int64_t monthNumber(double gameTime)
{
    const CalendarDate date = timeToCalendar(gameTime);
    return static_cast<std::int64_t>(date.year) * 12 + date.month;
}

}  // namespace

void Game::advanceClock(float dt)
{
    if (!(dt > 0.0f)) return;
    const std::int64_t before = monthNumber(gameTime);
    gameTime = gameTime + static_cast<double>(dt) * GAME_SECONDS_PER_SECOND;
    const std::int64_t after = monthNumber(gameTime);
    if (after <= before) return;
    // Months crossed beyond the first count as closed with nothing earned.
    lastMonthResult = after - before == 1 ? money - moneyAtMonthStart : 0;
    moneyAtMonthStart = money;
    monthReportPending = true;
}
