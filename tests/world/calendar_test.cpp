#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "world/calendar.h"

namespace {

constexpr double DAY = 86400.0;

void expectDate(double seconds, int year, int month, int day)
{
    CalendarDate date = timeToCalendar(seconds);
    EXPECT_EQ(date.year, year) << seconds;
    EXPECT_EQ(date.month, month) << seconds;
    EXPECT_EQ(date.day, day) << seconds;
}

// Game time at midnight of a day counted from 2000-01-01 (day 0).
double dayStart(long long day) { return static_cast<double>(day) * DAY; }

}  // namespace

TEST(Calendar, TimesBeforeTheStartAndNaNAreTheFirstDay)
{
    expectDate(0.0, 2000, 1, 1);
    expectDate(-5000.0, 2000, 1, 1);
    expectDate(std::numeric_limits<double>::quiet_NaN(), 2000, 1, 1);
    expectDate(28800.0, 2000, 1, 1);
}

TEST(Calendar, LeapYearsFollowTheGregorianRule)
{
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_FALSE(isLeapYear(2100));
    EXPECT_TRUE(isLeapYear(2024));
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(2100, 2), 28);
    EXPECT_EQ(daysInMonth(2001, 4), 30);
    EXPECT_EQ(daysInMonth(2001, 13), 0);
    EXPECT_EQ(daysInMonth(2001, 0), 0);

    expectDate(dayStart(59), 2000, 2, 29);
    // 2100 starts 36525 days after 2000 (25 leap years in 2000..2099).
    expectDate(dayStart(36525 + 59), 2100, 3, 1);
    expectDate(dayStart(365), 2000, 12, 31);
    expectDate(366 * DAY, 2001, 1, 1);
}

TEST(Calendar, FourHundredYearCyclesLineUp)
{
    expectDate(dayStart(146097), 2400, 1, 1);
    expectDate(dayStart(146097 - 1), 2399, 12, 31);
    expectDate(dayStart(2 * 146097 + 59), 2800, 2, 29);
}

TEST(Calendar, NextMonthKeepsTheDayWhereTheMonthHasIt)
{
    // 31 March 2000 is day 90; the jump ends on 30 April.
    EXPECT_EQ(secondsToNextMonth(dayStart(90) + 3600.0), 30.0f * DAY);
    EXPECT_EQ(secondsToNextMonth(dayStart(59)), 29.0f * DAY);        // 29 Feb 2000 -> 29 Mar
    EXPECT_EQ(secondsToNextMonth(dayStart(366 + 29)), 29.0f * DAY);  // 30 Jan 2001 -> 28 Feb
    EXPECT_EQ(secondsToNextMonth(dayStart(14)), 31.0f * DAY);        // 15 Jan -> 15 Feb
    EXPECT_EQ(secondsToNextMonth(dayStart(30)), 29.0f * DAY);        // 31 Jan 2000 -> 29 Feb
    EXPECT_EQ(secondsToNextMonth(dayStart(365)), 31.0f * DAY);       // 31 Dec 2000 -> 31 Jan 2001

    double from = dayStart(90) + 12345.0;
    expectDate(from + secondsToNextMonth(from), 2000, 4, 30);
}

TEST(Calendar, FarFutureTimesStayDefined)
{
    CalendarDate date = timeToCalendar(1.0e300);
    EXPECT_GT(date.year, 2000);
    EXPECT_GE(date.month, 1);
    EXPECT_LE(date.month, 12);
    EXPECT_FALSE(std::isnan(secondsToNextMonth(std::numeric_limits<double>::infinity())));
}
