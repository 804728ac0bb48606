#pragma once

#include <SDL.h>

// Narrows the renderer's clip to an area, within the clip already in force, for
// the scope's lifetime, and puts the caller's clip back at its end. SDL is never
// handed an empty clip (some renderers ignore it and paint everywhere): when the
// area and the clip in force do not overlap, nothing changes and the scope is
// closed, so the caller draws nothing.
class ClipScope {
  public:
    ClipScope(SDL_Renderer* renderer, const SDL_Rect& area);
    ~ClipScope();
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

    bool isOpen() const { return open_; }

  private:
    SDL_Renderer* renderer_;
    bool wasClipping_;
    SDL_Rect previous_{};
    bool open_ = false;
};

// Where the renderer draws now: the clip in force, else the whole target.
SDL_Rect shownArea(SDL_Renderer* renderer);

// Nothing drawn inside the area can show: it lies wholly outside the clip in
// force, or outside the target where there is none. Lets a painter skip work
// off screen.
bool clipExcludes(SDL_Renderer* renderer, const SDL_Rect& area);
