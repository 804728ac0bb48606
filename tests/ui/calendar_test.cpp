#include <gtest/gtest.h>

#include "ui/calendar.h"

namespace {

constexpr double DAY = 86400.0;

// Game time at midnight of a day counted from 2000-01-01 (day 0).
double dayStart(long long day) { return static_cast<double>(day) * DAY; }

}  // namespace

TEST(Calendar, DateAndTimeTextsArePaddedAndTruncated)
{
    DateTimeText start = formatDateTime(28800.0);
    EXPECT_EQ(start.date, "01.01.2000");
    EXPECT_EQ(start.time, "08:00");

    EXPECT_EQ(formatDateTime(DAY - 0.01).time, "23:59");
    EXPECT_EQ(formatDateTime(DAY - 0.01).date, "01.01.2000");
    EXPECT_EQ(formatDateTime(-1.0).time, "00:00");

    DateTimeText later = formatDateTime(dayStart(366 + 40) + 13 * 3600.0 + 7 * 60.0 + 59.9);
    EXPECT_EQ(later.date, "10.02.2001");
    EXPECT_EQ(later.time, "13:07");
}
