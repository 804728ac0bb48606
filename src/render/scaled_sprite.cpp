#include "render/scaled_sprite.h"

#include <tuple>

#include "render/render_target_scope.h"
#include "render/texture_caches.h"

namespace {

SDL_Texture* makeScaledCopy(SDL_Renderer* renderer, SDL_Texture* sprite, int width, int height)
{
    SDL_Texture* scaled = createTargetTexture(renderer, width, height);
    if (scaled == nullptr) return nullptr;
    SDL_BlendMode blend = SDL_BLENDMODE_NONE;
    SDL_GetTextureBlendMode(sprite, &blend);
    {
        const RenderTargetScope target(renderer, scaled);
        if (!target.isOpen()) {
            SDL_DestroyTexture(scaled);
            return nullptr;
        }
        // The sprite's own pixels, alpha included, not blended over anything.
        SDL_SetTextureBlendMode(sprite, SDL_BLENDMODE_NONE);
        SDL_RenderCopy(renderer, sprite, nullptr, nullptr);
        SDL_SetTextureBlendMode(sprite, blend);
    }
    SDL_SetTextureBlendMode(scaled, blend);
    SDL_SetTextureScaleMode(scaled, SDL_ScaleModeNearest);
    return scaled;
}

}  // namespace

SDL_Texture* scaledSprite(SDL_Renderer* renderer, SDL_Texture* sprite, int width, int height)
{
    if (sprite == nullptr || width <= 0 || height <= 0) return sprite;
    TextureCaches& caches = textureCaches();
    if (caches.scaledSpriteRenderer != renderer) {
        clearScaledSprites();
        caches.scaledSpriteRenderer = renderer;
    }
    const auto key = std::tuple<const SDL_Texture*, int, int>{sprite, width, height};
    if (const auto found = caches.scaledSprites.find(key); found != caches.scaledSprites.end()) return found->second;
    if (SDL_RenderTargetSupported(renderer) == SDL_FALSE) return sprite;
    SDL_Texture* scaled = makeScaledCopy(renderer, sprite, width, height);
    if (scaled == nullptr) return sprite;
    caches.scaledSprites.emplace(key, scaled);
    return scaled;
}

void forgetScaledCopies(const SDL_Texture* sprite)
{
    auto& scaled = textureCaches().scaledSprites;
    auto copy = scaled.lower_bound({sprite, 0, 0});
    while (copy != scaled.end() && std::get<0>(copy->first) == sprite) {
        SDL_DestroyTexture(copy->second);
        copy = scaled.erase(copy);
    }
}
