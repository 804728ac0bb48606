#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/window_size_memory.h"
#include "persistence/settings.h"
#include "support/scratch_directory.h"

namespace {

std::string fileText(const std::filesystem::path& file)
{
    std::ostringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
}

}  // namespace

TEST(WindowSizeMemory, TheSettingsFileIsWrittenOnlyWhenTheWindowDiffers)
{
    // The file as the player left it, with a comment a rewrite would drop.
    const std::string stored = "; mine\n[settings]\nwindow_width=1100\nwindow_height=700\nfullscreen=0\n";
    struct Case {
        const char* name;
        int width;
        int height;
        bool fullscreen;
        bool rewritten;
        int storedWidth;
        int storedHeight;
    };
    const std::vector<Case> cases = {
        {"same size and mode", 1100, 700, false, false, 1100, 700},
        {"new size", 1280, 800, false, true, 1280, 800},
        {"now full screen", 1100, 700, true, true, 1100, 700},
        {"below the smallest size", 900, 400, false, true, 980, 480},
        {"beyond the largest size", 9000, 8500, false, true, 8192, 8192},
    };
    for (const Case& c : cases) {
        ScratchDirectory scratch;
        const std::filesystem::path ini = scratch.write(SETTINGS_FILE_NAME, stored);
        EXPECT_TRUE(storeWindowSize(scratch.path, c.width, c.height, c.fullscreen)) << c.name;
        EXPECT_EQ(fileText(ini) != stored, c.rewritten) << c.name;
        const Settings now = loadSettings(scratch.path);
        EXPECT_EQ(now.windowWidth, c.storedWidth) << c.name;
        EXPECT_EQ(now.windowHeight, c.storedHeight) << c.name;
        EXPECT_EQ(now.fullscreen, c.fullscreen) << c.name;
    }

    ScratchDirectory scratch;
    EXPECT_FALSE(storeWindowSize(scratch.path / "gone", 1280, 800, false));
}
