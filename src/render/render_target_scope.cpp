#include "render/render_target_scope.h"

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
