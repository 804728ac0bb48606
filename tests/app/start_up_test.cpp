#include <gtest/gtest.h>

#include "app/start_up.h"
#include "support/scratch_directory.h"

// The menu's file actions keep to the directory found at start-up and never
// ask the system again: a run that found none stays without one.
TEST(StartUp, TheMenuKeepsTheDirectoryFoundAtStart)
{
    const ScratchDirectory scratch;
    SdlSoundEngine sound;
    LoopState state;
    for (const std::optional<std::filesystem::path>& found :
         {std::optional(scratch.path), std::optional<std::filesystem::path>()}) {
        SaveMenu menu;
        applyStoredPreferences(found, menu, state, sound);
        EXPECT_EQ(menu.services.saveDirectory(), found);
    }
}

// Only a driver that shows nothing, chosen without being asked for, makes a start unseen.
TEST(StartUp, AStartIsUnseenOnlyOnAHiddenDriverNobodyAskedFor)
{
    struct Case {
        const char* chosen;
        const char* asked;  // SDL_VIDEODRIVER, "" where unset
        bool unseen;
    };
    const Case cases[] = {
        {"offscreen", "", true},
        {"dummy", "", true},
        {"offscreen", "dummy", true},
        {"x11", "", false},
        {"dummy", "DUMMY", false},
        {"offscreen", "x11,offscreen", false},
        {"offscreen", "offscreen-gl", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isUnseenFallback(c.chosen, c.asked), c.unseen) << c.chosen << " asked: " << c.asked;
    }
}
