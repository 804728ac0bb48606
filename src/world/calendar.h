#pragma once

#include <array>

// Game time is a count of seconds since 2000-01-01 00:00 on the Gregorian calendar.
struct CalendarDate {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
};

constexpr std::array<int, 12> DAYS_IN_MONTH = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int SECONDS_PER_DAY = 86400;
// The calendar runs 1440 times as fast as the world: a simulated minute is a game day.
constexpr double GAME_SECONDS_PER_SECOND = 1440.0;

bool isLeapYear(int year);
// 0 for a month outside 1..12.
int daysInMonth(int year, int month);

// Negative and NaN times count as the first second of 2000.
CalendarDate timeToCalendar(double seconds);
// Whole seconds since the day began, 0..86399, counted as timeToCalendar counts.
int secondOfDay(double seconds);

// Whole days to the same time of day on the same day of the next month, the day clamped
// to that month's length.
float secondsToNextMonth(double seconds);
