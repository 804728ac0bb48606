#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

#include "faulty_calls.h"
#include "map_text_support.h"
#include "persistence/map_file.h"
#include "persistence/save_menu.h"
#include "persistence/settings.h"
#include "support/scratch_directory.h"
#include "world/translate.h"

namespace fs = std::filesystem;

namespace {

const std::string LOAD_FAILED =
    "LADEN FEHLGESCHLAGEN. DATEI FEHLT ODER IST UNGUELTIG. DER AKTUELLE STAND BLEIBT ERHALTEN.";

// Each kind of file that holds no readable text, made under a name with the text
// it would otherwise hold.
struct Unreadable {
    const char* what;
    std::function<void(const fs::path& file, const std::string& text)> make;
    std::string failingCall;         // a fault only the game's own calls can show
    bool settingsAtTopKept = false;  // a settings file keeps its lines within the bound
};

int toolCheckExitCode(const fs::path& file)
{
    const std::string command = std::string(GEARHAVEN_MAPTOOL) + " check '" + file.string() + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

// A map, slot, name or settings file that is a directory, a pipe, an endless
// device, far too large, or fails to read: each loader gives its failure answer
// at once, and nothing is read without end.
TEST(UnreadableFiles, GiveEachLoaderItsFailureAnswer)
{
    const Unreadable cases[] = {
        {"a directory", [](const fs::path& file, const std::string&) { fs::create_directory(file); }, ""},
        {"a pipe", [](const fs::path& file, const std::string&) { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); }, ""},
        {"an endless device", [](const fs::path& file, const std::string&) { fs::create_symlink("/dev/zero", file); },
         ""},
        {"a file past every bound",
         [](const fs::path& file, const std::string& text) {
             std::ofstream(file, std::ios::binary) << text;
             fs::resize_file(file, MAX_MAP_FILE_BYTES + 1);
         },
         "", true},
        {"a file whose reads fail",
         [](const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }, "read "},
    };
    Game saved;
    saved.money = 7;
    const std::string mapText = mapTextOf(saved);
    for (const Unreadable& c : cases) {
        ScratchDirectory dir;
        const fs::path map = SaveMenu::slotMapPath(dir.path, 3);
        c.make(map, mapText);
        c.make(SaveMenu::slotNamePath(dir.path, 3), "FABRIK\n");
        c.make(settingsFilePath(dir.path), "[settings]\nwindow_width=1280\n");
        FaultyCalls faulty(failingEvery(c.failingCall));

        Game game;
        game.money = 31337;
        EXPECT_FALSE(loadMapFile(game, map, faulty.calls)) << c.what;
        SaveMenu menu;
        menu.services.files = faulty.calls;
        menu.slotPath = map;
        menu.runSlotAction(game);
        EXPECT_EQ(menu.status, LOAD_FAILED) << c.what;
        EXPECT_EQ(game.money, 31337) << c.what;
        EXPECT_EQ(SaveMenu::slotLabel(dir.path, 3, faulty.calls), translate("KARTE ") + "3") << c.what;
        EXPECT_EQ(loadSettings(dir.path, faulty.calls).windowWidth, c.settingsAtTopKept ? 1280 : Settings{}.windowWidth)
            << c.what;

        if (c.failingCall.empty()) {
            EXPECT_EQ(toolCheckExitCode(map), 1) << c.what;
        } else {
            // The same files read without the fault.
            EXPECT_TRUE(loadMapFile(game, map, realSystemCalls()));
            EXPECT_EQ(SaveMenu::slotLabel(dir.path, 3), "FABRIK");
            EXPECT_EQ(loadSettings(dir.path).windowWidth, 1280);
        }
    }
}
