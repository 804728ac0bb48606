#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "map_text_support.h"

// The seeds of the map reader fuzzer and every input that ever crashed it:
// each is read without a fault, and what loads saves and reads back.
TEST(FuzzCorpus, EveryInputIsReadSafelyAndWhatLoadsReadsBackAfterSaving)
{
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GEARHAVEN_SOURCE_DIR "/fuzz/corpus")) {
        ++inputs;
        std::ifstream in(entry.path(), std::ios::binary);
        Game game;
        if (!game.readMap(in)) continue;
        Game again;
        EXPECT_TRUE(readMapText(again, mapTextOf(game))) << entry.path();
    }
    EXPECT_GT(inputs, 0);
}
