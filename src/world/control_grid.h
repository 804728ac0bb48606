#pragma once

struct Tile;

// The view of the world that the stateless controls receive.
class ControlGrid {
  public:
    virtual ~ControlGrid() = default;
    virtual bool inBounds(int x, int y) const = 0;
    virtual Tile& tileAt(int x, int y) = 0;
    virtual const Tile& tileAt(int x, int y) const = 0;
    virtual bool itemAt(int x, int y) const = 0;
    virtual void removeItemsAt(int x, int y) = 0;
    virtual bool hasDcPowerAt(int x, int y) const = 0;
    virtual bool isPoweredAt(int x, int y) const = 0;
};
