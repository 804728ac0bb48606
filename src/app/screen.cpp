#include "app/screen.h"

#include "render/texture_caches.h"

void closeScreen(Screen& screen)
{
    destroyCargoTextures(screen.cargoTextures);
    destroyArmTextures(screen.armTextures);
    clearAllTextureCaches();
    if (screen.renderer != nullptr) SDL_DestroyRenderer(screen.renderer);
    if (screen.window != nullptr) SDL_DestroyWindow(screen.window);
    screen.renderer = nullptr;
    screen.window = nullptr;
    SDL_Quit();
}
