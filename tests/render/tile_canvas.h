#pragma once

// A canvas one tile square with a control painted on it, for probing the
// decisive pixels of a sprite.

#include <functional>

#include "render/control_sprite.h"
#include "support/software_canvas.h"

inline Tile tileOf(ControlType type, Direction dir = NONE, const std::function<void(Tile&)>& set = {})
{
    Tile t;
    t.type = type;
    t.dir = dir;
    if (set) set(t);
    return t;
}

class TileCanvas : public SoftwareCanvas {
  public:
    explicit TileCanvas(int size = 32) : SoftwareCanvas(size, size) {}

    TileCanvas& paint(const Tile& tile, float time = 0.0f, bool powered = false)
    {
        clear({0, 0, 0, 255});
        drawControlSprite(renderer(), tile, 0, 0, 0, 0, width(), time, powered);
        return *this;
    }
};
