#pragma once

#include <cstddef>
#include <vector>

#include "simulation/item_cells.h"
#include "simulation/reservation.h"

// Remembers which items found themselves blocked in a pass of the smooth
// movement and which tiles their test looked at, and notes every change on
// those tiles since: the items filed there and the jump points reserved there.
// An item whose tiles saw no change would be blocked again, exactly so, and
// need not be tested again. In a long queue most items wait pass after pass
// while the few at its head move.
class StandstillWatch {
  public:
    // A new sub-step: nothing is known to stand still.
    void start(std::size_t itemCount);
    // An item moved from one filing tile to another (either may be -1).
    void itemMoved(int fromCell, int toCell);
    // A pass starts with these reservations; tiles where they differ from
    // the last pass's count as changed.
    void reservationsTaken(const std::vector<Reservation>& reservations);
    // The item's test found it blocked, looking only at the watched tiles.
    void standsStill(int item, const TileRect& watched);
    // The item is being tested again.
    void forget(int item);
    // Nothing changed on the tiles the item watched since it stood still.
    bool stillStands(int item) const;

  private:
    void mark(int cell) { changedAt_[static_cast<std::size_t>(cell)] = clock_; }
    void countReservations(const std::vector<Reservation>& reservations, int delta);
    void markDifferences(const std::vector<Reservation>& reservations);

    struct Standstill {
        int since = -1;  // the clock when found blocked; -1 not blocked
        TileRect watched;
    };

    int clock_ = 0;
    std::vector<int> changedAt_;           // per tile: the clock of its latest change
    std::vector<Standstill> standstills_;  // per item
    std::vector<Reservation> lastReservations_;
    std::vector<int> reservationDelta_;  // per tile, zero between passes
};
