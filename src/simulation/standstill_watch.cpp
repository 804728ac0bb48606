#include "simulation/standstill_watch.h"

#include "simulation/item_transport.h"
#include "world/geometry.h"

namespace {

// Reservations lie on tile centres; one off the map counts at the nearest edge tile.
int cellOfReservation(const Reservation& r)
{
    const TileRect cell = ItemCells::cellsOf(r.x, r.x, r.y, r.y);
    return tileIndex(cell.left, cell.top);
}

}  // namespace

void StandstillWatch::start(std::size_t itemCount)
{
    if (lastReservations_.capacity() < MOST_WORLD_ITEMS) {
        lastReservations_.reserve(MOST_WORLD_ITEMS);
        standstills_.reserve(MOST_WORLD_ITEMS);
    }
    clock_ = 0;
    changedAt_.assign(TILE_COUNT, 0);
    reservationDelta_.assign(TILE_COUNT, 0);
    standstills_.assign(itemCount, Standstill{});
    lastReservations_.clear();
}

void StandstillWatch::itemMoved(int fromCell, int toCell)
{
    ++clock_;
    if (fromCell >= 0) mark(fromCell);
    if (toCell >= 0) mark(toCell);
}

void StandstillWatch::reservationsTaken(const std::vector<Reservation>& reservations)
{
    ++clock_;
    countReservations(reservations, 1);
    countReservations(lastReservations_, -1);
    markDifferences(reservations);
    markDifferences(lastReservations_);
    for (const Reservation& r : lastReservations_)
        reservationDelta_[static_cast<std::size_t>(cellOfReservation(r))] = 0;
    for (const Reservation& r : reservations)
        reservationDelta_[static_cast<std::size_t>(cellOfReservation(r))] = 0;
    lastReservations_ = reservations;
}

void StandstillWatch::markDifferences(const std::vector<Reservation>& reservations)
{
    for (const Reservation& r : reservations) {
        const int cell = cellOfReservation(r);
        if (reservationDelta_[static_cast<std::size_t>(cell)] != 0) mark(cell);
    }
}

void StandstillWatch::countReservations(const std::vector<Reservation>& reservations, int delta)
{
    for (const Reservation& r : reservations)
        reservationDelta_[static_cast<std::size_t>(cellOfReservation(r))] += delta;
}

void StandstillWatch::standsStill(int item, const TileRect& watched)
{
    standstills_[static_cast<std::size_t>(item)] = {clock_, watched};
}

void StandstillWatch::forget(int item) { standstills_[static_cast<std::size_t>(item)].since = -1; }

bool StandstillWatch::stillStands(int item) const
{
    const Standstill& s = standstills_[static_cast<std::size_t>(item)];
    if (s.since < 0) return false;
    for (int y = s.watched.top; y <= s.watched.bottom; ++y) {
        for (int x = s.watched.left; x <= s.watched.right; ++x) {
            if (changedAt_[static_cast<std::size_t>(tileIndex(x, y))] > s.since) return false;
        }
    }
    return true;
}
