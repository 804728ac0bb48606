#include "render/clip_scope.h"

ClipScope::ClipScope(SDL_Renderer* renderer, const SDL_Rect& area)
    : renderer_(renderer), wasClipping_(SDL_RenderIsClipEnabled(renderer) == SDL_TRUE)
{
    SDL_Rect clip = area;
    if (wasClipping_) {
        SDL_RenderGetClipRect(renderer, &previous_);
        if (SDL_IntersectRect(&area, &previous_, &clip) == SDL_FALSE) return;
    } else if (SDL_RectEmpty(&area)) {
        return;
    }
    SDL_RenderSetClipRect(renderer, &clip);
    open_ = true;
}

ClipScope::~ClipScope()
{
    if (!open_) return;
    SDL_RenderSetClipRect(renderer_, wasClipping_ ? &previous_ : nullptr);
}

SDL_Rect shownArea(SDL_Renderer* renderer)
{
    SDL_Rect shown{};
    if (SDL_RenderIsClipEnabled(renderer) == SDL_TRUE) {
        SDL_RenderGetClipRect(renderer, &shown);
    } else {
        SDL_RenderGetViewport(renderer, &shown);
        shown.x = shown.y = 0;
    }
    return shown;
}

bool clipExcludes(SDL_Renderer* renderer, const SDL_Rect& area)
{
    const SDL_Rect shown = shownArea(renderer);
    return SDL_HasIntersection(&area, &shown) == SDL_FALSE;
}
