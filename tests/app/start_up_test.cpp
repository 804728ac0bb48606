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
