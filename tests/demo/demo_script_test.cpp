#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <vector>

#include "demo/demo_script.h"
#include "persistence/faulty_calls.h"
#include "support/scratch_directory.h"

namespace {

const std::string EMPTY = "Das Demo-Drehbuch ist leer";

std::string badLine(int line) { return "Ungueltiger Demo-Befehl in Zeile " + std::to_string(line); }

DemoCommand command(DemoCommandKind kind, std::string text, std::vector<double> numbers, int line = 1)
{
    return DemoCommand{kind, std::move(text), std::move(numbers), line};
}

struct ScriptCase {
    std::string script;
    std::vector<DemoCommand> commands;  // expected when error is empty
    std::string error;
};

}  // namespace

TEST(DemoScript, LoadsEveryCommandAndNamesTheFirstBadLine)
{
    const std::vector<ScriptCase> cases = {
        // Nothing to run.
        {"", {}, EMPTY},
        {"\n  \n\t\r\n# a remark\n   # indented remark\n", {}, EMPTY},
        // Keywords in any case; lines count blank and comment lines.
        {"# one\n# two\n  wait 0.5\n", {command(DEMO_WAIT, "", {0.5}, 3)}, ""},
        {"Wait_Shop 79 59", {command(DEMO_WAIT_SHOP, "", {79, 59})}, ""},
        {"WAIT 0", {command(DEMO_WAIT, "", {0})}, ""},
        {"WAIT -1", {}, badLine(1)},
        {"WAIT", {}, badLine(1)},
        {"WAIT 1 2", {}, badLine(1)},
        {"WAIT 1 # remark", {}, badLine(1)},
        {"WAIT 1.5s", {}, badLine(1)},
        {"WAIT 1\nWAIT 2\nJUMP 3\n", {}, badLine(3)},
        // Only spaces, TABs and carriage returns make a line blank.
        {"WAIT 1\n\v\n", {}, badLine(2)},
        {"\f", {}, badLine(1)},
        // Titles and texts: one bare word, or quoted with backslash escapes.
        {"SCENE Intro", {command(DEMO_SCENE, "Intro", {})}, ""},
        {"SCENE Two words", {}, badLine(1)},
        {"SCENE \"Two words\"", {command(DEMO_SCENE, "Two words", {})}, ""},
        {R"(SCENE "say \"hi\" \\ done")", {command(DEMO_SCENE, R"(say "hi" \ done)", {})}, ""},
        {"SCENE \"never closed", {}, badLine(1)},
        {"SCENE \"ends in an escape\\", {}, badLine(1)},
        {"SCENE \"\"", {command(DEMO_SCENE, "", {})}, ""},
        {"SCENE \"a\"b", {}, badLine(1)},
        {"SCENE", {}, badLine(1)},
        {"text \"Hallo Welt\"", {command(DEMO_TEXT, "Hallo Welt", {})}, ""},
        // Waiting for a sink: tile on the map, a cargo keyword, a count that fits 32 bits.
        {"WAIT_SINK 10 5 iron_ingot 3", {command(DEMO_WAIT_SINK, "IRON_INGOT", {10, 5, 4, 3})}, ""},
        {"WAIT_SINK 79 59 PLASTIC_GEAR 2147483647",
         {command(DEMO_WAIT_SINK, "PLASTIC_GEAR", {79, 59, 12, 2147483647})},
         ""},
        {"WAIT_SINK 80 5 LOG 3", {}, badLine(1)},
        {"WAIT_SINK 10 5 LOG -1", {}, badLine(1)},
        {"WAIT_SINK 10 5 LOG 2147483648", {}, badLine(1)},
        {"WAIT_SINK 10 5 GOLD 3", {}, badLine(1)},
        {"WAIT_SINK 10.5 5 LOG 3", {}, badLine(1)},
        {"WAIT_SHOP 79 60", {}, badLine(1)},
        {"WAIT_SHOP -1 0", {}, badLine(1)},
        // Pointer and camera: targets a pointer can reach, off the map too; FOCUS_TILE's on the map.
        {"TILE 200 -3 1", {command(DEMO_TILE, "", {200, -3, 1})}, ""},
        {"MOVE 10 20 0", {command(DEMO_MOVE, "", {10, 20, 0})}, ""},
        {"MOVE -65536 65536 0", {command(DEMO_MOVE, "", {-65536, 65536, 0})}, ""},
        {"MOVE 1e39 1e39 0", {}, badLine(1)},
        {"MOVE 0 65537 0", {}, badLine(1)},
        {"TILE 0 -1e39 1", {}, badLine(1)},
        {"DRAG_TILE 0 0 1025 0 1", {}, badLine(1)},
        {"MOVE 10 20 -0.1", {}, badLine(1)},
        {"FOCUS_TILE 79.99 59.5 0", {command(DEMO_FOCUS_TILE, "", {79.99, 59.5, 0})}, ""},
        {"FOCUS_TILE 80 0 1", {}, badLine(1)},
        {"FOCUS_TILE 0 -0.5 1", {}, badLine(1)},
        {"DRAG_TILE 1 2 3 4 0.25", {command(DEMO_DRAG_TILE, "", {1, 2, 3, 4, 0.25})}, ""},
        {"DRAG_TILE 1 2 3 4 0", {}, badLine(1)},
        {"CTRL_DRAG_TILE 1 2 3 4 0", {}, badLine(1)},
        {"CTRL_DRAG_TILE 1 2 3 4", {}, badLine(1)},
        // Names are upper-cased here and checked only when run.
        {"tool belt 1e-1", {command(DEMO_TOOL, "BELT", {0.1})}, ""},
        {"UI no_such_target 0", {command(DEMO_UI, "NO_SUCH_TARGET", {0})}, ""},
        {"KEY f5", {command(DEMO_KEY, "F5", {})}, ""},
        {"KEY", {}, badLine(1)},
        {"TOOL BELT", {}, badLine(1)},
        // Commands without arguments take none.
        {"CLICK\nSHIFT_CLICK\nRIGHT_CLICK\nFINISH",
         {command(DEMO_CLICK, "", {}, 1), command(DEMO_SHIFT_CLICK, "", {}, 2), command(DEMO_RIGHT_CLICK, "", {}, 3),
          command(DEMO_FINISH, "", {}, 4)},
         ""},
        {"CLICK now", {}, badLine(1)},
        // A '#' after the first blank is no comment.
        {"WAIT 1\n  # fine\nCLICK #", {}, badLine(3)},
    };

    ScratchDirectory dir;
    for (const ScriptCase& c : cases) {
        DemoScript script;
        script.commands.push_back(command(DEMO_FINISH, "", {}, 99));  // a load starts afresh
        script.error = "stale";
        const bool loaded = loadDemoScript(script, dir.write("script.txt", c.script));
        EXPECT_EQ(loaded, c.error.empty()) << c.script;
        EXPECT_EQ(script.error, c.error) << c.script;
        EXPECT_EQ(script.commands, c.error.empty() ? c.commands : std::vector<DemoCommand>{}) << c.script;
    }
}

TEST(DemoScript, CarriageReturnsReadAsBlanks)
{
    const std::string lf = "# intro\nSCENE \"Erste Schritte\"\n\nTOOL belt 0.5\nWAIT_SINK 76 9 log 2\nFINISH";
    std::string crlf;
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);

    ScratchDirectory dir;
    DemoScript unix;
    DemoScript windows;
    ASSERT_TRUE(loadDemoScript(unix, dir.write("lf.txt", lf))) << unix.error;
    ASSERT_TRUE(loadDemoScript(windows, dir.write("crlf.txt", crlf + "\r\n"))) << windows.error;
    EXPECT_EQ(windows.commands, unix.commands);
    ASSERT_EQ(unix.commands.size(), 4u);
    EXPECT_EQ(unix.commands[0].text, "Erste Schritte");
    EXPECT_EQ(unix.commands[3].line, 6);
}

TEST(DemoScript, AMissingFileOrADirectoryCannotBeOpened)
{
    ScratchDirectory dir;
    DemoScript script;
    const std::filesystem::path missing = dir.path / "fehlt.txt";
    EXPECT_FALSE(loadDemoScript(script, missing));
    EXPECT_EQ(script.error, "Drehbuch konnte nicht geoeffnet werden: " + missing.string());

    EXPECT_FALSE(loadDemoScript(script, dir.path));
    EXPECT_EQ(script.error, "Drehbuch konnte nicht geoeffnet werden: " + dir.path.string());
    EXPECT_TRUE(script.commands.empty());
}

// Files that are no script are refused at once, nothing read to an end that may
// never come, each with a message that says why; so is a script that fails to read.
TEST(DemoScript, FilesThatAreNoScriptAreRefusedUnread)
{
    ScratchDirectory dir;
    std::string commands;
    while (commands.size() <= MAX_DEMO_SCRIPT_BYTES)
        commands += "WAIT 0\n";
    const std::filesystem::path tooLarge = dir.write("many.demo", commands);
    const std::filesystem::path wide = dir.write("wide.demo", "WAIT 0" + std::string(MAX_DEMO_LINE_BYTES, ' '));
    const std::filesystem::path pipe = dir.path / "pipe.demo";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::filesystem::path endless = dir.path / "zero.demo";
    std::filesystem::create_symlink("/dev/zero", endless);

    const std::filesystem::path failing = dir.write("failing.demo", "WAIT 0\nFINISH\n");

    const struct {
        std::filesystem::path file;
        std::string error;
        std::string failingCall;
    } cases[] = {
        {tooLarge, "Das Demo-Drehbuch ist zu gross: " + tooLarge.string(), ""},
        {wide, badLine(1), ""},
        {pipe, "Drehbuch konnte nicht geoeffnet werden: " + pipe.string(), ""},
        {endless, "Drehbuch konnte nicht geoeffnet werden: " + endless.string(), ""},
        {failing, "Drehbuch konnte nicht geoeffnet werden: " + failing.string(), "read "},
    };
    for (const auto& c : cases) {
        DemoScript script;
        FaultyCalls calls(failingEvery(c.failingCall));
        EXPECT_FALSE(loadDemoScript(script, c.file, calls.calls)) << c.file;
        EXPECT_EQ(script.error, c.error);
        EXPECT_TRUE(script.commands.empty());
    }
}
