#include "machines/sink_control.h"

#include <iterator>

#include "machines/cargo_counters.h"
#include "machines/placement.h"

namespace {

// Anonymous identities are not kept: map files hold only identified ones.
void keepIdentity(std::vector<ItemId>& kept, ItemId&& id)
{
    if (id.machineId != 0) kept.push_back(std::move(id));
}

// Bounded, so map texts and undo snapshots do not grow without end.
void dropOldestIdentities(std::vector<ItemId>& kept)
{
    if (kept.size() <= SINK_KEPT_IDENTITIES) return;
    const auto excess = static_cast<std::ptrdiff_t>(kept.size() - SINK_KEPT_IDENTITIES);
    kept.erase(kept.begin(), std::next(kept.begin(), excess));
}

}  // namespace

bool SinkControl::canAccept(const Tile& tile, Direction, CargoType) const { return tile.sinkAccepting; }

// The sink keeps whatever else the tile held, its direction included.
bool SinkControl::place(ControlGrid& grid, int x, int y) const
{
    if (!isFreeForBuilding(grid, x, y)) return false;
    grid.tileAt(x, y).type = SINK;
    return true;
}

bool SinkControl::remove(ControlGrid& grid, int x, int y) const { return removeOfType(grid, x, y, SINK); }

void SinkControl::acceptItem(Tile& tile, CargoType cargo, ItemRecord&& record) const
{
    countCargo(tile.sinkDelivered, cargo);
    keepIdentity(tile.sinkDeliveredIds, std::move(record.id));
    for (ItemId& part : record.parts)
        keepIdentity(tile.sinkDeliveredIds, std::move(part));
    dropOldestIdentities(tile.sinkDeliveredIds);
}

void SinkControl::toggleAccepting(Tile& tile) { tile.sinkAccepting = !tile.sinkAccepting; }
