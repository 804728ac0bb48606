#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "app/loop_state.h"
#include "app/options.h"
#include "app/screen.h"
#include "app/window_placement.h"
#include "audio/sdl_sound_engine.h"
#include "demo/demo_script.h"
#include "persistence/save_menu.h"
#include "persistence/settings.h"
#include "world/game.h"

// The named steps of start-up, in the order main takes them. Each step that can
// fail logs why and returns false; main then releases what exists and ends with
// the step's exit code.

constexpr int EXIT_START_FAILED = 1;  // SDL, window, renderer, a sprite, the export, window-id capture
constexpr int EXIT_BAD_REQUEST = 2;   // command line, demo script (also one failing as it runs), map file

// Before SDL: the command line, the demo script it names, the map it names.
bool readCommandLine(int argc, const char* const* argv, Options& options);
bool loadDemoOption(const Options& options, DemoScript& script);
bool loadMapOption(const Options& options, Game& game);

// Where no display is reachable, SDL falls back to a driver that shows nothing and
// the game would run unseen; only a start that asked for such a driver may go on.
// `askedDrivers` is SDL_VIDEODRIVER as SDL reads it: names tried in order, comma-separated.
bool isUnseenFallback(std::string_view chosenDriver, std::string_view askedDrivers);

// SDL's video, on a display a person can see or on a driver asked for by name.
bool startVideo();

// The stored preferences, or the defaults where the current directory is unknown.
Settings startSettings(const std::optional<std::filesystem::path>& directory);

// The window in its chosen mode, with its size read back into the screen.
bool openWindow(Screen& screen, const WindowChoice& choice);
// Accelerated with vertical sync and render targets, else without render targets.
bool openRenderer(Screen& screen);
// In the middle of the usable area of the window's display, frames included.
void centreWindow(SDL_Window* window);

// Nearest-pixel scaling, then the cargo and arm sprites from "assets/".
bool loadSprites(Screen& screen);

// A capture request can only be refused here; logs why.
void refuseWindowIdCapture();

// The settings that take effect once the game is set up: legacy files migrated,
// then the autosave interval, the sound switch and the language. Nothing is read
// where the directory is unknown. The menu's file actions keep to the directory
// found at start, known or not.
void applyStoredPreferences(const std::optional<std::filesystem::path>& directory, SaveMenu& saveMenu, LoopState& state,
                            SdlSoundEngine& sound);

// The loop's start values for a window of the screen's size.
LoopState startLoopState(const Screen& screen, bool recording);

// The recorder's start gate: armed when the file it names exists now.
void armStartGate(LoopState& state, const Options& options, const RecordingEnvironment& environment,
                  LoopClock::time_point now);

// The renderer's name for a recording, then the controls help.
void logStartMessages(SDL_Renderer* renderer, bool recording);
