#include "world/calendar.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::int64_t DAYS_PER_400_YEARS = 146097;
// Beyond this the year would no longer fit an int; the world never gets near it.
constexpr double LATEST_CALENDAR_SECONDS = 1.0e16;

int daysInYear(int year) { return isLeapYear(year) ? 366 : 365; }

// Whole seconds since the epoch; 0 for negative, NaN and sub-second times.
std::int64_t wholeSeconds(double seconds)
{
    if (!(seconds > 0.0)) return 0;
    return static_cast<std::int64_t>(std::min(seconds, LATEST_CALENDAR_SECONDS));
}

}  // namespace

bool isLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int daysInMonth(int year, int month)
{
    if (month < 1 || month > 12) return 0;
    if (month == 2 && isLeapYear(year)) return 29;
    return DAYS_IN_MONTH[month - 1];
}

CalendarDate timeToCalendar(double seconds)
{
    std::int64_t days = wholeSeconds(seconds) / SECONDS_PER_DAY;
    // Whole 400-year cycles first, so the year loop runs at most 400 times.
    int year = 2000 + static_cast<int>(400 * (days / DAYS_PER_400_YEARS));
    int dayOfCycle = static_cast<int>(days % DAYS_PER_400_YEARS);
    while (dayOfCycle >= daysInYear(year)) {
        dayOfCycle -= daysInYear(year);
        ++year;
    }
    int month = 1;
    while (month < 12 && dayOfCycle >= daysInMonth(year, month)) {
        dayOfCycle -= daysInMonth(year, month);
        ++month;
    }
    return {year, month, dayOfCycle + 1};
}

int secondOfDay(double seconds) { return static_cast<int>(wholeSeconds(seconds) % SECONDS_PER_DAY); }

float secondsToNextMonth(double seconds)
{
    CalendarDate date = timeToCalendar(seconds);
    int nextYear = date.month == 12 ? date.year + 1 : date.year;
    int nextMonth = date.month == 12 ? 1 : date.month + 1;
    int days = daysInMonth(date.year, date.month) - date.day + std::min(date.day, daysInMonth(nextYear, nextMonth));
    return static_cast<float>(days * static_cast<double>(SECONDS_PER_DAY));
}
