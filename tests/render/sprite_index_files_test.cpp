#include <gtest/gtest.h>

#include <sstream>

#include "render/sprite_index_files.h"
#include "render/sprite_key_print.h"

namespace {

std::map<SpriteKey, SpriteRef> controlIndex(const std::string& text)
{
    std::istringstream in(text);
    std::map<SpriteKey, SpriteRef> index;
    readControlSpriteIndex(in, index);
    return index;
}

std::map<BridgeSpriteKey, BridgeSpriteRef> bridgeIndex(const std::string& text)
{
    std::istringstream in(text);
    std::map<BridgeSpriteKey, BridgeSpriteRef> index;
    readBridgeSpriteIndex(in, index);
    return index;
}

const std::string HEADER = "GEARHAVEN_CONTROL_SPRITES 1\n";
const std::string SOURCE_RECORD = "3 64 2 0 0 1 0 0 tile_3_64.png 64 0 64 64\n";
const std::string SINK_RECORD = "4 64 0 0 0 1 0 0 tile_4_64.png 0 64 64 64\n";

}  // namespace

TEST(SpriteIndexFiles, TheControlIndexReaderKeepsTheRecordsBeforeTheFirstItCannotRead)
{
    struct Case {
        const char* what;
        std::string text;
        std::size_t records;
    };
    const Case cases[] = {
        {"two records", HEADER + SOURCE_RECORD + SINK_RECORD, 2},
        {"another version", "GEARHAVEN_CONTROL_SPRITES 2\n" + SOURCE_RECORD, 0},
        {"a blank after the header", "GEARHAVEN_CONTROL_SPRITES 1 \n" + SOURCE_RECORD, 0},
        {"a carriage return after the header", "GEARHAVEN_CONTROL_SPRITES 1\r\n" + SOURCE_RECORD, 0},
        {"the bridge header", "GEARHAVEN_BRIDGE_SPRITES 1\n" + SOURCE_RECORD, 0},
        {"nothing at all", "", 0},
        {"the last record with twelve fields", HEADER + SOURCE_RECORD + "4 64 0 0 0 1 0 0 tile_4_64.png 0 64 64\n", 1},
        {"a token that is no integer", HEADER + SOURCE_RECORD + "4 64 0 0 0 1x 0 0 a.png 0 0 64 64\n" + SINK_RECORD, 1},
        {"a number beyond 32 bits", HEADER + "4 64 0 0 0 4294967297 0 0 a.png 0 0 64 64\n", 0},
        {"records over several lines", HEADER + "3 64 2 0\n0 1 0 0\ntile_3_64.png\n64 0 64 64", 1},
        {"records joined on one line", HEADER + "3 64 2 0 0 1 0 0 a.png 0 0 64 64 4 64 0 0 0 1 0 0 b.png 0 0 64 64", 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(controlIndex(c.text).size(), c.records) << c.what;
}

TEST(SpriteIndexFiles, TheFirstRecordOfAKeyWins)
{
    const auto index = controlIndex(HEADER + SOURCE_RECORD + "3 64 2 0 0 1 0 0 other.png 0 0 8 8\n");
    ASSERT_EQ(index.size(), 1u);
    const SpriteRef& ref = index.at(SpriteKey{3, 64, 2, 0, 0, 1, 0, 0});
    EXPECT_EQ(ref.file, "tile_3_64.png");
    EXPECT_EQ(ref.x, 64);
    EXPECT_EQ(ref.w, 64);
}

TEST(SpriteIndexFiles, ABridgeRecordWhoseLiftLeavesItsCellIsDropped)
{
    const std::string header = "GEARHAVEN_BRIDGE_SPRITES 1\n";
    const auto index = bridgeIndex(header + "64 2 1 0 bridge_64.png 0 0 64 78 14\n" +
                                   "64 2 1 1 bridge_64.png 64 0 64 78 -1\n" +   // below its cell
                                   "64 2 1 2 bridge_64.png 128 0 64 78 79\n" +  // above it
                                   "64 2 1 3 bridge_64.png 192 0 64 78 78\n" +  // the whole cell
                                   "64 2 1 0 bridge_64.png 256 0 64 78 14\n" +  // a key again
                                   "64 2 1 4 bridge_64.png 0 0 64 78");         // truncated
    ASSERT_EQ(index.size(), 2u);
    EXPECT_EQ(index.at(BridgeSpriteKey{64, 2, 1, 0}).x, 0);
    EXPECT_EQ(index.at(BridgeSpriteKey{64, 2, 1, 3}).lift, 78);
    EXPECT_TRUE(bridgeIndex(HEADER + "64 2 1 0 bridge_64.png 0 0 64 78 14\n").empty());
}

TEST(SpriteIndexFiles, WrittenRecordsReadBackAsTheyWere)
{
    std::ostringstream control;
    control << CONTROL_INDEX_HEADER << '\n';
    const SpriteKey key{-3, 64, 4, 5, 8191, 7, 15, 1};
    writeControlSpriteRecord(control, key, SpriteRef{"tile_2_64.png", 960, 1280, 64, 64});
    EXPECT_EQ(control.str(), HEADER + "-3 64 4 5 8191 7 15 1 tile_2_64.png 960 1280 64 64\n");
    const auto controls = controlIndex(control.str());
    ASSERT_EQ(controls.count(key), 1u) << key;
    EXPECT_EQ(controls.at(key).y, 1280);

    std::ostringstream bridge;
    bridge << BRIDGE_INDEX_HEADER << '\n';
    writeBridgeSpriteRecord(bridge, BridgeSpriteKey{64, 4, 2, 7},
                            BridgeSpriteRef{"bridge_64.png", 704, 546, 64, 78, 14});
    EXPECT_EQ(bridge.str(), "GEARHAVEN_BRIDGE_SPRITES 1\n64 4 2 7 bridge_64.png 704 546 64 78 14\n");
    EXPECT_EQ(bridgeIndex(bridge.str()).at(BridgeSpriteKey{64, 4, 2, 7}).y, 546);
}
