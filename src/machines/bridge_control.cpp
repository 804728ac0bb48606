#include "machines/bridge_control.h"

bool BridgeControl::canAccept(const Tile& tile, Direction travel, CargoType) const { return travel == tile.bridgeDir; }
