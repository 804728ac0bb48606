#include "render/render_target_scope.h"

#include <algorithm>

RenderTargetScope::RenderTargetScope(SDL_Renderer* renderer, SDL_Texture* target)
    : renderer_(renderer), previousTarget_(SDL_GetRenderTarget(renderer)),
      wasClipping_(SDL_RenderIsClipEnabled(renderer) == SDL_TRUE)
{
    SDL_RenderGetClipRect(renderer, &previousClip_);
    SDL_GetRenderDrawBlendMode(renderer, &previousBlend_);
    if (SDL_SetRenderTarget(renderer, target) != 0) return;
    SDL_RenderSetClipRect(renderer, nullptr);
    open_ = true;
}

RenderTargetScope::~RenderTargetScope()
{
    if (!open_) return;
    SDL_SetRenderTarget(renderer_, previousTarget_);
    SDL_RenderSetClipRect(renderer_, wasClipping_ ? &previousClip_ : nullptr);
    SDL_SetRenderDrawBlendMode(renderer_, previousBlend_);
}

namespace {

bool hasAlpha(Uint32 format) { return SDL_ISPIXELFORMAT_ALPHA(format) && SDL_BITSPERPIXEL(format) == 32; }

bool supports(const SDL_RendererInfo& info, Uint32 format)
{
    return std::find(info.texture_formats, info.texture_formats + info.num_texture_formats, format) !=
           info.texture_formats + info.num_texture_formats;
}

}  // namespace

SDL_Texture* createTargetTexture(SDL_Renderer* renderer, int width, int height)
{
    SDL_RendererInfo info;
    Uint32 format = SDL_PIXELFORMAT_ARGB8888;
    // Sprites keep their alpha: a first choice without it is passed over.
    if (SDL_GetRendererInfo(renderer, &info) == 0 && info.num_texture_formats > 0 && hasAlpha(info.texture_formats[0]))
        format = info.texture_formats[0];
    return SDL_CreateTexture(renderer, format, SDL_TEXTUREACCESS_TARGET, width, height);
}

SDL_Texture* createOpaqueTargetTexture(SDL_Renderer* renderer, int width, int height)
{
    SDL_Window* window = SDL_RenderGetWindow(renderer);
    const Uint32 format = window != nullptr ? SDL_GetWindowPixelFormat(window) : Uint32{SDL_PIXELFORMAT_UNKNOWN};
    SDL_RendererInfo info;
    if (SDL_BITSPERPIXEL(format) != 32 || SDL_GetRendererInfo(renderer, &info) != 0 || !supports(info, format))
        return createTargetTexture(renderer, width, height);
    return SDL_CreateTexture(renderer, format, SDL_TEXTUREACCESS_TARGET, width, height);
}
