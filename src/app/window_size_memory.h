#pragma once

#include <SDL.h>

#include <filesystem>
#include <optional>

// The window size the settings file is to remember, kept between frames.
struct WindowSizeMemory {
    // Where the settings file lives; empty when this run must not write it (a demo,
    // the sprite export, or no known current directory).
    std::optional<std::filesystem::path> directory;
    int width = 0;  // the last size read from the window in a plain state
    int height = 0;
};

// Stores the window's size and full-screen state in the settings file when they
// differ from what it holds. A full-screen or minimised window keeps the last plain
// size. A failed write is logged.
void saveWindowSizeIfChanged(WindowSizeMemory& memory, SDL_Window* window);

// The settings file's side of it: writes only when something differs, the size
// limited to what the file accepts. False when that write failed.
bool storeWindowSize(const std::filesystem::path& dir, int width, int height, bool fullscreen);
