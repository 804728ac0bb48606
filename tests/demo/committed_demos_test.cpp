#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "demo/demo_script.h"
#include "demo/demo_targets.h"

namespace {

// The names the player only checks when it runs the command, checked here
// beforehand, so a typo fails the unit tests and not minutes into a demo run.
std::string unknownName(const DemoCommand& command)
{
    switch (command.kind) {
    case DEMO_TOOL:
        return demoToolNamed(command.text) ? "" : "tool " + command.text;
    case DEMO_UI:
        return uiTargetPoint(command.text, 1024, 768) ? "" : "UI target " + command.text;
    case DEMO_KEY:
        return demoKeyNamed(command.text) ? "" : "key " + command.text;
    case DEMO_TEXT:
        return command.text.size() <= DEMO_TEXT_MAX_BYTES ? "" : "text " + command.text;
    default:
        return "";
    }
}

}  // namespace

TEST(CommittedDemos, LoadNameOnlyKnownTargetsAndEndTheProgram)
{
    int demos = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GEARHAVEN_SOURCE_DIR "/demos")) {
        if (entry.path().extension() != ".demo") continue;
        ++demos;
        SCOPED_TRACE(entry.path().filename().string());
        DemoScript script;
        ASSERT_TRUE(loadDemoScript(script, entry.path())) << script.error;
        for (const DemoCommand& command : script.commands) {
            EXPECT_EQ(unknownName(command), "") << "line " << command.line;
        }
        // A demo run by CI must end the program, or it only ends at the time limit.
        EXPECT_EQ(script.commands.back().kind, DEMO_FINISH);
    }
    EXPECT_GE(demos, 2);
}
