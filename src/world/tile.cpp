#include "world/tile.h"

#include <algorithm>

bool SensorSighting::matches(CargoType itemCargo, const ItemId& id) const
{
    if (!valid) return false;
    if (id.machineId == 0 && id.serial == 0) return cargo == itemCargo;
    return machineId == id.machineId && serial == id.serial;
}

bool isLabelChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' || c == '-' || c == '.';
}

bool isValidLabel(std::string_view label)
{
    return label.size() <= static_cast<std::size_t>(MAX_LABEL_LENGTH) &&
           std::all_of(label.begin(), label.end(), isLabelChar);
}
