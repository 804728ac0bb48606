#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "map_text_support.h"

namespace fs = std::filesystem;

namespace {

// A directory of its own for each test, removed afterwards.
struct ScratchDirectory {
    fs::path path;

    ScratchDirectory()
    {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        path = fs::temp_directory_path() /
               ("gearhaven-" + std::to_string(::getpid()) + "-" + test->test_suite_name() + "-" + test->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~ScratchDirectory() { fs::remove_all(path); }
};

std::string fileText(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Game worldWithMoney(std::int64_t money)
{
    Game game;
    game.money = money;
    return game;
}

fs::path temporaryOf(const fs::path& target) { return fs::path(target.string() + ".tmp"); }

}  // namespace

TEST(MapFile, SavingCreatesOrReplacesTheTargetAndLeavesNoTemporaryFile)
{
    ScratchDirectory dir;
    const fs::path target = dir.path / "karte-1.map";
    const Game first = worldWithMoney(11);
    ASSERT_TRUE(first.saveFileAtomically(target));
    EXPECT_EQ(fileText(target), mapTextOf(first));

    std::ofstream(temporaryOf(target)) << "left over by a failed save";
    const Game second = worldWithMoney(22);
    ASSERT_TRUE(second.saveFileAtomically(target));
    EXPECT_EQ(fileText(target), mapTextOf(second));
    EXPECT_FALSE(fs::exists(temporaryOf(target)));

    Game loaded;
    ASSERT_TRUE(loaded.loadFromFile(target));
    EXPECT_EQ(loaded.money, 22);
}

TEST(MapFile, AMapThatDoesNotReadBackNeverReplacesTheTarget)
{
    ScratchDirectory dir;
    const fs::path target = dir.path / "karte-2.map";
    const Game good = worldWithMoney(11);
    ASSERT_TRUE(good.saveFileAtomically(target));

    Game unreadable = worldWithMoney(22);
    unreadable.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y).label = "lower case";
    EXPECT_FALSE(unreadable.saveFileAtomically(target));
    EXPECT_EQ(fileText(target), mapTextOf(good));
    EXPECT_TRUE(fs::exists(temporaryOf(target)));

    EXPECT_FALSE(good.saveFileAtomically(dir.path / "missing" / "karte-3.map"));
    EXPECT_FALSE(fs::exists(dir.path / "missing"));
}

TEST(MapFile, ARefusedOrMissingFileLeavesTheWorldAsItWas)
{
    ScratchDirectory dir;
    std::ofstream(dir.path / "broken.map") << mapTextOf(worldWithMoney(5)) << "ITEMS 0\n";
    Game game = worldWithMoney(31337);
    EXPECT_FALSE(game.loadFromFile(dir.path / "broken.map"));
    EXPECT_FALSE(game.loadFromFile(dir.path / "absent.map"));
    EXPECT_EQ(mapTextOf(game), mapTextOf(worldWithMoney(31337)));
}

// A child saves over the map and is killed at a moment spread over the time a
// save takes; whatever the moment, the target holds one of the two complete maps.
TEST(MapFile, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewMap)
{
    ScratchDirectory dir;
    const fs::path target = dir.path / "autosave.map";
    const Game worlds[2] = {worldWithMoney(1), worldWithMoney(2)};
    const std::string texts[2] = {mapTextOf(worlds[0]), mapTextOf(worlds[1])};
    ASSERT_TRUE(worlds[0].saveFileAtomically(target));

    const auto started = std::chrono::steady_clock::now();
    const pid_t timed = ::fork();
    ASSERT_GE(timed, 0);
    if (timed == 0) ::_exit(worlds[1].saveFileAtomically(dir.path / "timing.map") ? 0 : 1);
    ASSERT_EQ(::waitpid(timed, nullptr, 0), timed);
    const auto saveTime = std::chrono::steady_clock::now() - started;

    std::mt19937 random(20240613);
    std::uniform_int_distribution<long long> moment(0, saveTime.count() * 5 / 4);
    constexpr int ROUNDS = 16;
    int held = 0;
    for (int round = 0; round < ROUNDS; ++round) {
        const int next = 1 - held;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) ::_exit(worlds[next].saveFileAtomically(target) ? 0 : 1);
        std::this_thread::sleep_for(std::chrono::steady_clock::duration(moment(random)));
        ::kill(child, SIGKILL);
        ASSERT_EQ(::waitpid(child, nullptr, 0), child);

        const std::string text = fileText(target);
        ASSERT_TRUE(text == texts[0] || text == texts[1]) << "round " << round;
        held = text == texts[1] ? 1 : 0;
        Game loaded;
        ASSERT_TRUE(loaded.loadFromFile(target)) << "round " << round;
    }
}
