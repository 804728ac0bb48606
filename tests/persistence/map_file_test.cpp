#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "faulty_calls.h"
#include "map_text_support.h"
#include "persistence/durable_file.h"
#include "persistence/map_file.h"
#include "support/scratch_directory.h"

namespace fs = std::filesystem;

namespace {

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

// A target given the text directly, as a test's starting point.
void putFile(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

// Whether the child was killed by the signal rather than ending by itself.
bool killedChild(pid_t child)
{
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// Two small maps of older versions keep the many saves of the fault tests quick.
struct SmallMaps {
    std::string texts[2];
    SmallMaps()
    {
        const std::string fixtures = GEARHAVEN_SOURCE_DIR "/tests/persistence/fixtures/";
        texts[0] = fileText(fixtures + "version-3-sources.map");
        texts[1] = fileText(fixtures + "version-4-producers.map");
    }
};

// Writes in pieces of this size give a save of a small map several write calls to fault.
constexpr std::size_t WRITE_PIECE = 8 << 10;

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

namespace {

// One clean save of the second small map over the first, its calls logged, as
// the plan that the fault tests replay with a fault at each call.
class SaveUnderFaults : public ::testing::Test {
  protected:
    void SetUp() override
    {
        putFile(target, texts[0]);
        ASSERT_TRUE(saveMapText(target, texts[1], clean.calls));
        ASSERT_TRUE(fileText(target) == texts[1]);
        rename = clean.indexOf("rename karte-1.map.tmp karte-1.map");
        ASSERT_LT(rename, clean.log.size());
    }

    ScratchDirectory dir;
    const fs::path target = dir.path / "karte-1.map";
    const SmallMaps maps;
    const std::string (&texts)[2] = maps.texts;
    FaultyCalls clean{writesInPieces(WRITE_PIECE)};
    std::size_t rename = 0;
};

}  // namespace

// Each call of a save fails once, and the save is stopped at each call as a
// crash would stop it; a faulted write still puts half its piece into the file.
// The target holds the old or the new map, and the save reports success exactly
// when the new one is there: only a close may fail unreported, the data being
// on disk by then, and a failed directory sync is the one failure that leaves
// the new map in place (it may not survive a crash).
TEST_F(SaveUnderFaults, EveryFaultLeavesTheOldOrTheNewMapAndTheResultSaysWhich)
{
    // The file is on disk and read back before it replaces the target; the directory is synced after.
    EXPECT_LT(clean.indexOf("write karte-1.map.tmp"), clean.indexOf("fsync karte-1.map.tmp"));
    EXPECT_LT(clean.indexOf("fsync karte-1.map.tmp"), clean.indexOf("pread karte-1.map.tmp"));
    EXPECT_LT(clean.indexOf("pread karte-1.map.tmp"), rename);
    const std::size_t directorySync = clean.indexOf("fsync " + dir.path.filename().string());
    EXPECT_GT(directorySync, rename);
    EXPECT_LT(directorySync, clean.log.size());
    EXPECT_GT(std::count_if(clean.log.begin(), clean.log.end(),
                            [](const std::string& entry) { return entry.starts_with("write "); }),
              2);

    for (CallPlan::Fault fault : {CallPlan::Fault::FailOne, CallPlan::Fault::StopFrom}) {
        for (std::size_t at = 0; at < clean.log.size(); ++at) {
            const std::string& call = clean.log[at];
            putFile(target, texts[0]);
            FaultyCalls faulty(faultAt(fault, at, WRITE_PIECE, WRITE_PIECE / 2));
            const bool saved = saveMapText(target, texts[1], faulty.calls);
            EXPECT_TRUE(fileText(target) == texts[at > rename ? 1 : 0]) << call;
            if (fault == CallPlan::Fault::FailOne) {
                EXPECT_EQ(saved, call.starts_with("close ")) << call;
            }
        }
    }
}

// A child saves over the map and is killed at every call of the save, halfway
// through each piece it writes, and then at moments spread over the time a save
// takes; whatever the moment, the target holds one of the two complete maps.
TEST_F(SaveUnderFaults, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewMap)
{
    for (std::size_t at = 0; at < clean.log.size(); ++at) {
        putFile(target, texts[0]);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FaultyCalls killing(faultAt(CallPlan::Fault::Kill, at, WRITE_PIECE, WRITE_PIECE / 2));
            ::_exit(saveMapText(target, texts[1], killing.calls) ? 0 : 1);
        }
        ASSERT_TRUE(killedChild(child)) << clean.log[at];
        ASSERT_TRUE(fileText(target) == texts[at > rename ? 1 : 0]) << clean.log[at];
    }

    const auto started = std::chrono::steady_clock::now();
    const pid_t timed = ::fork();
    ASSERT_GE(timed, 0);
    if (timed == 0) ::_exit(saveMapText(dir.path / "timing.map", texts[1], realSystemCalls()) ? 0 : 1);
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
        if (child == 0) ::_exit(saveMapText(target, texts[next], realSystemCalls()) ? 0 : 1);
        std::this_thread::sleep_for(std::chrono::steady_clock::duration(moment(random)));
        ::kill(child, SIGKILL);
        ASSERT_EQ(::waitpid(child, nullptr, 0), child);

        const std::string text = fileText(target);
        ASSERT_TRUE(text == texts[0] || text == texts[1]) << "round " << round;
        held = text == texts[1] ? 1 : 0;
    }
    Game loaded;
    EXPECT_TRUE(loaded.loadFromFile(target));
}

// Two copies of the game save into one folder while a reader polls the target:
// every save succeeds, and the reader only ever sees one complete map or the
// other. Only the order of the savers is at stake here, so the syncs, which the
// fault tests check, are left out and the read-back merely compares the text.
TEST(MapFile, TwoProcessesSavingOneTargetNeitherFailNorTearIt)
{
    ScratchDirectory dir;
    const fs::path target = dir.path / "autosave.map";
    const SmallMaps maps;
    const auto& texts = maps.texts;
    SystemCalls unsynced = realSystemCalls();
    unsynced.fsync = [](int) { return 0; };
    auto save = [&](const std::string& text) {
        return replaceFileAtomically(
            target, text, [&](std::string_view back) { return back == text; }, unsynced);
    };
    ASSERT_TRUE(save(texts[0]));

    constexpr int SAVES = 500;
    pid_t savers[2];
    for (int i = 0; i < 2; ++i) {
        savers[i] = ::fork();
        ASSERT_GE(savers[i], 0);
        if (savers[i] == 0) {
            int failed = 0;
            for (int n = 0; n < SAVES; ++n)
                failed += save(texts[i]) ? 0 : 1;
            ::_exit(std::min(failed, 100));
        }
    }
    int exitCodes[2] = {-1, -1};
    int running = 2;
    int reads = 0;
    int torn = 0;
    while (running > 0) {
        const std::string text = fileText(target);
        ++reads;
        if (text != texts[0] && text != texts[1]) ++torn;
        for (int i = 0; i < 2; ++i) {
            int status = 0;
            if (exitCodes[i] < 0 && ::waitpid(savers[i], &status, WNOHANG) == savers[i]) {
                exitCodes[i] = WIFEXITED(status) ? WEXITSTATUS(status) : 255;
                --running;
            }
        }
    }
    EXPECT_EQ(exitCodes[0], 0) << "saves that failed";
    EXPECT_EQ(exitCodes[1], 0) << "saves that failed";
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";
    EXPECT_FALSE(fs::exists(temporaryOf(target)));
}

// A stale temporary link, a linked target and a private target: the map is
// saved, no other file is touched, and the link and the permission bits stay.
TEST(MapFile, SavingKeepsLinksAndPermissionBitsAndTouchesNoOtherFile)
{
    ScratchDirectory dir;
    const Game worlds[2] = {worldWithMoney(1), worldWithMoney(2)};
    const std::string texts[2] = {mapTextOf(worlds[0]), mapTextOf(worlds[1])};

    const fs::path slot = dir.path / "karte-1.map";
    putFile(slot, texts[0]);
    fs::create_symlink("karte-1.map", temporaryOf(slot));
    ASSERT_TRUE(worlds[1].saveFileAtomically(slot));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(slot)));
    EXPECT_TRUE(fileText(slot) == texts[1]);
    putFile(dir.path / "other.map", "not ours");
    fs::create_symlink("other.map", temporaryOf(slot));
    ASSERT_TRUE(worlds[0].saveFileAtomically(slot));
    EXPECT_TRUE(fileText(slot) == texts[0]);
    EXPECT_EQ(fileText(dir.path / "other.map"), "not ours");
    EXPECT_FALSE(fs::exists(fs::symlink_status(temporaryOf(slot))));

    const fs::path linked = dir.path / "karte-2.map";
    const fs::path real = dir.path / "maps" / "fabrik.map";
    fs::create_directory(dir.path / "maps");
    putFile(real, texts[0]);
    fs::create_symlink("maps/fabrik.map", linked);
    ASSERT_TRUE(worlds[1].saveFileAtomically(linked));
    EXPECT_TRUE(fs::is_symlink(linked));
    EXPECT_TRUE(fileText(real) == texts[1]);
    EXPECT_FALSE(fs::exists(temporaryOf(real)));
    EXPECT_FALSE(fs::exists(fs::symlink_status(temporaryOf(linked))));

    const fs::path secret = dir.path / "karte-3.map";
    putFile(secret, texts[0]);
    fs::permissions(secret, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(worlds[1].saveFileAtomically(secret));
    EXPECT_EQ(fs::status(secret).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    // A pipe under the temporary name is not the save's to remove, nor to wait for.
    ASSERT_EQ(::mkfifo(temporaryOf(secret).c_str(), 0600), 0);
    EXPECT_FALSE(worlds[0].saveFileAtomically(secret));
    EXPECT_TRUE(fs::is_fifo(temporaryOf(secret)));
    EXPECT_TRUE(fileText(secret) == texts[1]);
}
