#pragma once

#include "world/cargo.h"
#include "world/control_grid.h"
#include "world/direction.h"
#include "world/item_identity.h"
#include "world/tile.h"

// The stateless behaviour of one control type. Everything a placed control
// remembers lives in its Tile; the defaults refuse everything and do nothing.
class Control {
  public:
    virtual ~Control() = default;

    // May an item of this cargo, travelling in direction travel, enter now.
    virtual bool canAccept(const Tile& tile, Direction travel, CargoType cargo) const;
    // Builds (or turns) the control at (x, y); true when the grid changed.
    virtual bool place(ControlGrid& grid, int x, int y) const;
    // Demolishes the control at (x, y); true when it did.
    virtual bool remove(ControlGrid& grid, int x, int y) const;
    // Takes in an item that canAccept allowed; may move from the record.
    virtual void acceptItem(Tile& tile, CargoType cargo, ItemRecord&& record) const;
    // Advances the control's own work by simulated seconds.
    virtual void update(Tile& tile, float seconds) const;
};

// The one shared behaviour object of a tile type; never null. Types without
// a class of their own, and values outside 2..38, get the plain Control.
const Control& controlForType(int type);
