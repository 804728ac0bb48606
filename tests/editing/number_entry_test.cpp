#include <gtest/gtest.h>

#include <limits>

#include "editing/number_entry.h"

TEST(NumberEntry, OpensWithTheValueAllSelected)
{
    NumberEntry entry;
    entry.invalid = true;
    beginNumberEntry(entry, -5);
    EXPECT_TRUE(entry.active);
    EXPECT_TRUE(entry.allSelected);
    EXPECT_FALSE(entry.invalid);
    EXPECT_EQ(entry.text, "-5");
    beginNumberEntry(entry, 1000000);
    EXPECT_EQ(entry.text, "1000000");
    beginNumberEntry(entry, 0);
    EXPECT_EQ(entry.text, "0");
    beginNumberEntry(entry, std::numeric_limits<int>::min());
    EXPECT_EQ(entry.text, "-2147483648");
}

TEST(NumberEntry, TakesDigitsUpToSeven)
{
    NumberEntry entry;
    beginNumberEntry(entry, 99999);
    typeIntoNumberEntry(entry, "4");
    EXPECT_EQ(entry.text, "4") << "a digit replaces the selected text";
    EXPECT_FALSE(entry.allSelected);
    typeIntoNumberEntry(entry, "2x-5 ");
    EXPECT_EQ(entry.text, "425");
    typeIntoNumberEntry(entry, "67890");
    EXPECT_EQ(entry.text, "4256789");
    eraseFromNumberEntry(entry);
    EXPECT_EQ(entry.text, "425678");

    entry.allSelected = true;  // Ctrl+A
    typeIntoNumberEntry(entry, "+");
    EXPECT_TRUE(entry.allSelected) << "a key that types nothing keeps the selection";
    eraseFromNumberEntry(entry);
    EXPECT_EQ(entry.text, "");
    EXPECT_FALSE(entry.allSelected);
    eraseFromNumberEntry(entry);
    EXPECT_EQ(entry.text, "");

    closeNumberEntry(entry);
    EXPECT_FALSE(entry.active);
    EXPECT_FALSE(entry.allSelected);
}
