#include "app/window_size_memory.h"

#include <algorithm>

#include "persistence/settings.h"

void saveWindowSizeIfChanged(WindowSizeMemory& memory, SDL_Window* window)
{
    if (!memory.directory) return;
    const Uint32 flags = SDL_GetWindowFlags(window);
    const bool fullscreen = (flags & SDL_WINDOW_FULLSCREEN) != 0;  // desktop full screen carries it too
    if (!fullscreen && (flags & SDL_WINDOW_MINIMIZED) == 0) SDL_GetWindowSize(window, &memory.width, &memory.height);
    if (!storeWindowSize(*memory.directory, memory.width, memory.height, fullscreen)) {
        SDL_Log("Fenstergroesse konnte nicht in gearhaven.ini gespeichert werden");
    }
}

bool storeWindowSize(const std::filesystem::path& dir, int width, int height, bool fullscreen)
{
    Settings settings = loadSettings(dir);
    if (settings.windowWidth == width && settings.windowHeight == height && settings.fullscreen == fullscreen) {
        return true;
    }
    settings.fullscreen = fullscreen;
    settings.windowWidth = std::max(std::min(width, MAX_WINDOW_SIZE), MIN_WINDOW_WIDTH);
    settings.windowHeight = std::max(std::min(height, MAX_WINDOW_SIZE), MIN_WINDOW_HEIGHT);
    return saveSettings(dir, settings);
}
