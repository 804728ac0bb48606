#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/options.h"

namespace {

struct CommandLineCase {
    std::vector<const char*> args;  // after the program name
    bool accepted;
    Options expected;  // compared only when accepted
};

Options demo(const char* script)
{
    Options options;
    options.demoScript = script;
    return options;
}

Options windowSize(int width, int height)
{
    Options options;
    options.windowWidth = width;
    options.windowHeight = height;
    return options;
}

Options fullscreen()
{
    Options options;
    options.fullscreen = true;
    return options;
}

Options withSpeed(Options options, double speed)
{
    options.demoSpeed = speed;
    return options;
}

Options withMap(Options options, const char* map)
{
    options.mapPath = map;
    return options;
}

std::string describe(const std::vector<const char*>& args)
{
    std::string text = "gearhaven";
    for (const char* arg : args)
        text += std::string(" '") + arg + "'";
    return text;
}

}  // namespace

TEST(CommandLine, EveryOptionRuleAndCombination)
{
    Options all = withSpeed(demo("intro.txt"), 2.5);
    all.demoMouse = true;
    all.windowWidth = 1280;
    all.windowHeight = 720;
    Options exporting;
    exporting.exportControlPngs = true;

    const std::vector<CommandLineCase> cases = {
        {{}, true, Options{}},
        // Window size: bounds inclusive, a lower-case x, blanks only around the numbers.
        {{"--window-size", "979x600"}, false, {}},
        {{"--window-size", "980x479"}, false, {}},
        {{"--window-size", "980x480"}, true, windowSize(980, 480)},
        {{"--window-size", "8192x8192"}, true, windowSize(8192, 8192)},
        {{"--window-size", "8193x600"}, false, {}},
        {{"--window-size", "1024x8193"}, false, {}},
        {{"--window-size", "1024X768"}, false, {}},
        {{"--window-size", "1024x768px"}, false, {}},
        {{"--window-size", "1024x768 "}, true, windowSize(1024, 768)},
        {{"--window-size", " 1024x768"}, true, windowSize(1024, 768)},
        {{"--window-size", "1024x"}, false, {}},
        {{"--window-size", "99999999999x768"}, false, {}},
        {{"--window-size", "fullscreen"}, true, fullscreen()},
        {{"--window-size", "Fullscreen"}, false, {}},
        {{"--window-size", "fullscreen", "--window-size", "1024x768"}, false, {}},
        {{"--window-size"}, false, {}},
        // Demo speed: finite, above 0, nothing after the number.
        {{"--demo", "intro.txt", "--demo-speed", "0.5"}, true, withSpeed(demo("intro.txt"), 0.5)},
        {{"--demo", "intro.txt", "--demo-speed", " 3 "}, true, withSpeed(demo("intro.txt"), 3.0)},
        {{"--demo", "intro.txt", "--demo-speed", "0"}, false, {}},
        {{"--demo", "intro.txt", "--demo-speed", "-1"}, false, {}},
        {{"--demo", "intro.txt", "--demo-speed", "2x"}, false, {}},
        {{"--demo", "intro.txt", "--demo-speed", "inf"}, false, {}},
        {{"--demo", "intro.txt", "--demo-speed", "1e999"}, false, {}},
        {{"--demo", "intro.txt", "--demo-speed", "nan"}, false, {}},
        {{"--demo", "intro.txt", "--demo-speed", "2", "--demo-speed", "2"}, false, {}},
        {{"--demo", "intro.txt", "--demo-speed"}, false, {}},
        // Demo options need a demo; a second demo is no option at all.
        {{"--demo", "a.txt", "--demo", "b.txt"}, false, {}},
        {{"--demo_mouse"}, false, {}},
        {{"--demo-speed", "2"}, false, {}},
        {{"--demo", "a.txt", "--demo_mouse", "--demo_mouse"}, false, {}},
        {{"--demo", "", "--demo_mouse"}, false, {}},
        {{"--demo", ""}, true, Options{}},
        {{"--demo"}, false, {}},
        {{"--demo", "--load"}, true, demo("--load")},
        {{"--demo", "intro.txt", "--demo_mouse", "--demo-speed", "2.5", "--window-size", "1280x720"}, true, all},
        // One mode at a time; no window size with the export.
        {{"--demo", "a.txt", "--load", "m.map"}, false, {}},
        {{"--demo", "a.txt", "--export-control-pngs"}, false, {}},
        {{"--load", "m.map", "--export-control-pngs"}, false, {}},
        {{"--export-control-pngs", "--window-size", "1024x768"}, false, {}},
        {{"--window-size", "fullscreen", "--export-control-pngs"}, false, {}},
        {{"--export-control-pngs"}, true, exporting},
        {{"--export-control-pngs", "--export-control-pngs"}, false, {}},
        {{"--load"}, false, {}},
        {{"--load", "a.map", "--load", "b.map"}, false, {}},
        {{"--window-size", "fullscreen", "--load", "m.map"}, true, withMap(fullscreen(), "m.map")},
        {{"--help"}, false, {}},
        {{"m.map"}, false, {}},
    };

    for (const CommandLineCase& c : cases) {
        std::vector<const char*> argv = {"gearhaven"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        Options out = withSpeed(demo("untouched.txt"), 7.0);
        const Options before = out;
        const bool accepted = parseCommandLine(static_cast<int>(argv.size()), argv.data(), out);
        EXPECT_EQ(accepted, c.accepted) << describe(c.args);
        if (accepted && c.accepted) {
            EXPECT_EQ(out, c.expected) << describe(c.args);
        } else if (!accepted) {
            EXPECT_EQ(out, before) << "a refused command line changed the options: " << describe(c.args);
        }
    }
}
