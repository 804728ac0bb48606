#include "app/screen.h"

#include "render/texture_caches.h"

void closeScreen(Screen& screen)
{
    destroyCargoTextures(screen.cargoTextures);
    destroyArmTextures(screen.armTextures);
    clearGlyphCache();
    clearBridgeAtlas();
    clearControlSpriteCache();
    // The loaded control sheets would go with the renderer; emptying them keeps
    // the process-wide cache from pointing at freed textures.
    clearControlAtlas();
    clearWaterPipeTextures();
    clearScaledSprites();
    if (screen.renderer != nullptr) SDL_DestroyRenderer(screen.renderer);
    if (screen.window != nullptr) SDL_DestroyWindow(screen.window);
    screen.renderer = nullptr;
    screen.window = nullptr;
    SDL_Quit();
}
