#include "world/tile.h"

bool SensorSighting::matches(CargoType itemCargo, const ItemId& id) const
{
    if (!valid) return false;
    if (id.machineId == 0 && id.serial == 0) return cargo == itemCargo;
    return machineId == id.machineId && serial == id.serial;
}
