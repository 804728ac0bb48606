#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sstream>

#include "persistence/item_records.h"
#include "persistence/map_tokens.h"

namespace {

bool readsUnsigned(const std::string& text, std::uint64_t& value)
{
    std::istringstream in(text);
    return readUnsigned(in, value);
}

std::string written(float value)
{
    TextOut out;
    writeValue(out, value);
    return out.text;
}

}  // namespace

TEST(MapTokens, UnsignedTokensAreDigitsOnlyAndFitSixtyFourBits)
{
    std::uint64_t value = 0;
    EXPECT_TRUE(readsUnsigned("18446744073709551615", value));
    EXPECT_EQ(value, 18446744073709551615u);
    EXPECT_TRUE(readsUnsigned("007", value));
    EXPECT_EQ(value, 7u);
    EXPECT_TRUE(readsUnsigned("\n\t 42 ", value));
    EXPECT_EQ(value, 42u);

    for (const char* refused : {"18446744073709551616", "+3", "-1", "0x10", "000000000000000000001", "3a", "", "  "}) {
        EXPECT_FALSE(readsUnsigned(refused, value)) << refused;
    }
}

TEST(MapTokens, BoundedCountsRefuseWhatExceedsTheirLimit)
{
    std::istringstream in("9600 9601");
    std::uint32_t count = 0;
    EXPECT_TRUE(readBoundedUnsigned(in, count, 9600));
    EXPECT_EQ(count, 9600u);
    EXPECT_FALSE(readBoundedUnsigned(in, count, 9600));
}

TEST(MapTokens, NumbersMustFillTheirWholeToken)
{
    int number = 0;
    for (const char* refused : {"1.5", "+3", "3x", "2147483648", "--1"}) {
        std::istringstream in(refused);
        EXPECT_FALSE(readInt(in, number)) << refused;
    }
    std::istringstream negative("-17");
    EXPECT_TRUE(readInt(negative, number));
    EXPECT_EQ(number, -17);

    float f = 0.0f;
    for (const char* refused : {"nan", "inf", "1e39", "0.5.", "1,5"}) {
        std::istringstream in(refused);
        EXPECT_FALSE(readFloat(in, f)) << refused;
    }
    bool flag = false;
    std::istringstream two("2");
    EXPECT_FALSE(readBool(two, flag));
}

TEST(MapTokens, FloatsAreWrittenWithNineDigitsAndReadBackExactly)
{
    EXPECT_EQ(written(0.0f), "0");
    EXPECT_EQ(written(0.5f), "0.5");
    EXPECT_EQ(written(28800.0f), "28800");
    EXPECT_EQ(written(0.18f), "0.180000007");
    EXPECT_EQ(written(1e-20f), "9.99999968e-21");

    std::mt19937 random(12345);
    std::uniform_int_distribution<std::uint32_t> bits;
    for (int i = 0; i < 20000; ++i) {
        std::uint32_t pattern = bits(random);
        float value = 0.0f;
        std::memcpy(&value, &pattern, sizeof value);
        if (!std::isfinite(value)) continue;
        std::istringstream in(written(value));
        float back = 0.0f;
        ASSERT_TRUE(readFloat(in, back)) << in.str();
        EXPECT_EQ(std::memcmp(&back, &value, sizeof value), 0) << in.str();
    }
}

TEST(MapTokens, LabelsAreQuotedAndOnlyDrawableLabelsAreRead)
{
    TextOut out;
    writeLabel(out, "A\"B\\C");
    writeLabel(out, "");
    EXPECT_EQ(out.text, "\"A\\\"B\\\\C\" \"\"");

    std::string label;
    std::istringstream escaped(out.text);
    EXPECT_FALSE(readLabel(escaped, label));

    std::istringstream good("\"MILL 2.-X\" \"\" BARE \"" + std::string(50, 'Z') + "\"");
    EXPECT_TRUE(readLabel(good, label));
    EXPECT_EQ(label, "MILL 2.-X");
    EXPECT_TRUE(readLabel(good, label));
    EXPECT_EQ(label, "");
    EXPECT_TRUE(readLabel(good, label));
    EXPECT_EQ(label, "BARE");
    EXPECT_TRUE(readLabel(good, label));
    EXPECT_EQ(label.size(), 50u);

    for (std::string refused :
         {"\"" + std::string(51, 'Z') + "\"", std::string("\"Mill\""), std::string("\"OPEN"), std::string("\"A_B\"")}) {
        std::istringstream in(refused);
        EXPECT_FALSE(readLabel(in, label)) << refused;
    }
}

TEST(ItemIdentityRecords, AnonymousOrFullyNumberedAndPartsAlwaysNumbered)
{
    ItemId id;
    std::istringstream anonymous("0 0 \"\"");
    EXPECT_TRUE(readItemId(anonymous, id, true));
    std::istringstream serialOnly("0 5 \"\"");
    EXPECT_FALSE(readItemId(serialOnly, id, true));
    std::istringstream machineOnly("5 0 \"\"");
    EXPECT_FALSE(readItemId(machineOnly, id, true));
    std::istringstream unlabelled("3 4 5 6");
    EXPECT_TRUE(readItemId(unlabelled, id, false));
    EXPECT_EQ(id, (ItemId{3, 4, ""}));

    ItemRecord record;
    std::istringstream anonymousPart("3 4 \"X\" 2 3 1 \"\" 0 0 \"\"");
    EXPECT_FALSE(readItemRecord(anonymousPart, record, true));

    TextOut out;
    writeItemRecord(out, ItemRecord{ItemId{3, 4, "X"}, {ItemId{3, 1, ""}, ItemId{9, 2, "Y"}}});
    EXPECT_EQ(out.text, "3 4 \"X\" 2 3 1 \"\" 9 2 \"Y\"");
    std::istringstream in(out.text);
    EXPECT_TRUE(readItemRecord(in, record, true));
    EXPECT_EQ(record.parts.size(), 2u);
    EXPECT_EQ(record.parts[1].label, "Y");
}

TEST(ItemIdentityRecords, AHugeCountInATinyTextFailsWithoutReserving)
{
    Fifo<ItemRecord> records;
    std::istringstream queue("1000000 1 1 \"\" 0");
    EXPECT_FALSE(readItemRecordDeque(queue, records, 1000000, true));

    ItemRecord record;
    std::istringstream parts("1 1 \"\" 1000000 2 2 \"\"");
    EXPECT_FALSE(readItemRecord(parts, record, true));
    EXPECT_LE(record.parts.capacity(), 16u);

    Fifo<int> cargo;
    std::istringstream kinds("3 0 12 13");
    EXPECT_FALSE(readCargoDeque(kinds, cargo, 20));
    std::istringstream tooMany("21");
    EXPECT_FALSE(readCargoDeque(tooMany, cargo, 20));
}
