#pragma once

#include <SDL.h>

#include <filesystem>
#include <optional>

#include "app/loop_state.h"
#include "gallery_picture.h"

class Game;
class MultiSelection;

// Draws the whole window as the game draws it onto the picture, whose size
// the loop state's view was given, with the sprites from "assets/": the side
// panel only with a selection, the pointer where given. False when the
// sprites could not be loaded.
bool drawWindow(Picture& picture, Game& game, LoopState& state, const MultiSelection* selection = nullptr,
                std::optional<SDL_Point> pointer = std::nullopt);

// Whole windows of the full reference factory after a few seconds of running,
// drawn as the game draws them: a 2560 x 1440 and a 1280 x 800 window at the
// start's zoom, the whole map at the smallest zoom, and the map file of that
// moment, which `gearhaven --load` shows in a real window
// (scripts/screenshot-map MAP OUT.png 3 2560x1440 gives the first picture).
// True when every file was written.
bool writeFactoryFrames(const std::filesystem::path& out);
