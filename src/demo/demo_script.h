#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/system_calls.h"
#include "ui/camera.h"

// The commands of a demo script, numbered as the player dispatches on them.
using DemoCommandKind = int;

constexpr DemoCommandKind DEMO_SCENE = 0;
constexpr DemoCommandKind DEMO_WAIT = 1;
constexpr DemoCommandKind DEMO_WAIT_SINK = 2;
constexpr DemoCommandKind DEMO_WAIT_SHOP = 3;
constexpr DemoCommandKind DEMO_MOVE = 4;
constexpr DemoCommandKind DEMO_TILE = 5;
constexpr DemoCommandKind DEMO_FOCUS_TILE = 6;
constexpr DemoCommandKind DEMO_TOOL = 7;
constexpr DemoCommandKind DEMO_UI = 8;
constexpr DemoCommandKind DEMO_CLICK = 9;
constexpr DemoCommandKind DEMO_SHIFT_CLICK = 10;
constexpr DemoCommandKind DEMO_RIGHT_CLICK = 11;
constexpr DemoCommandKind DEMO_DRAG_TILE = 12;
constexpr DemoCommandKind DEMO_CTRL_DRAG_TILE = 13;
constexpr DemoCommandKind DEMO_KEY = 14;
constexpr DemoCommandKind DEMO_TEXT = 15;
constexpr DemoCommandKind DEMO_FINISH = 16;

constexpr int DEMO_COMMAND_COUNT = 17;

// Keywords by kind, as written in scripts (matched without regard to case).
constexpr std::array<std::string_view, DEMO_COMMAND_COUNT> DEMO_COMMAND_KEYWORDS = {
    "SCENE", "WAIT",        "WAIT_SINK",   "WAIT_SHOP", "MOVE",           "TILE", "FOCUS_TILE", "TOOL",   "UI",
    "CLICK", "SHIFT_CLICK", "RIGHT_CLICK", "DRAG_TILE", "CTRL_DRAG_TILE", "KEY",  "TEXT",       "FINISH",
};

// A script is some hundred lines; a larger file is refused unread.
constexpr std::size_t MAX_DEMO_SCRIPT_BYTES = 1 << 20;
// A longer line is a bad line, whatever it holds.
constexpr std::size_t MAX_DEMO_LINE_BYTES = 4096;

// How far a script may send the pointer, in window pixels either way from the
// window's corner: past any screen, yet where the pointer still holds whole
// pixels and the events' coordinates take them.
constexpr double DEMO_POINTER_REACH = 1 << 16;
// The same reach in tiles, at the largest zoom.
constexpr double DEMO_TILE_REACH = DEMO_POINTER_REACH / ZOOM_TILE_SIZES.back();

// One script line that parsed.
struct DemoCommand {
    DemoCommandKind kind = DEMO_SCENE;
    // SCENE and TEXT: as written; TOOL, UI, KEY: the name, upper-cased; WAIT_SINK: the cargo keyword.
    std::string text;
    // The numeric arguments in script order; WAIT_SINK holds x, y, cargo index, count.
    std::vector<double> numbers;
    int line = 0;  // 1-based, blank and comment lines counted; the player's messages name it

    friend bool operator==(const DemoCommand&, const DemoCommand&) = default;
};

struct DemoScript {
    std::vector<DemoCommand> commands;
    std::string error;  // why the last load failed; empty after a good one
};

// Reads the whole script or nothing: on false, commands is empty and error holds the
// message the shell logs. Names of tools, targets and keys are checked when run.
// A file that is no regular file, or is too large, is refused unread.
bool loadDemoScript(DemoScript& script, const std::filesystem::path& file,
                    const SystemCalls& calls = realSystemCalls());

// ASCII letters upper-cased, every other byte kept.
std::string toUpperCopy(std::string word);

// True when only blanks (or nothing) are left in the stream.
bool lineHasNoMoreTokens(std::istream& line);
