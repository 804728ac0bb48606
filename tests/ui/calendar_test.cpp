#include <gtest/gtest.h>

#include <limits>

#include "ui/calendar.h"
#include "ui/number_entry.h"

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

TEST(NumberEntry, OpensWithTheValueAllSelected)
{
    NumberEntry entry;
    entry.invalid = true;
    entry.open(-5);
    EXPECT_TRUE(entry.active);
    EXPECT_TRUE(entry.allSelected);
    EXPECT_FALSE(entry.invalid);
    EXPECT_EQ(entry.text, "-5");
    entry.open(1000000);
    EXPECT_EQ(entry.text, "1000000");
    entry.open(0);
    EXPECT_EQ(entry.text, "0");
    entry.open(std::numeric_limits<int>::min());
    EXPECT_EQ(entry.text, "-2147483648");
}
