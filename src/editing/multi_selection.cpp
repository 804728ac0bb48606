#include "editing/multi_selection.h"

#include <algorithm>

#include "editing/demolishing.h"
#include "world/game.h"

namespace {

bool occupiesAnyCell(const CargoItem& item, const MachineGroup& group)
{
    return std::any_of(group.cells.begin(), group.cells.end(),
                       [&item](const TileCell& cell) { return item.occupies(cell.x, cell.y); });
}

// Free ground holds no item but one an ejector is throwing over it.
bool liesOnFreeGround(const Game& game, const CargoItem& item)
{
    if (!game.inBounds(item.x, item.y)) return true;
    return game.tileAt(item.x, item.y).isFree() && item.state != ITEM_IN_FLIGHT;
}

}  // namespace

bool isBeltUnderDeck(const SelectedControl& entry, const Game& game)
{
    const MachineGroup& group = entry.group;
    if (group.isBridge || group.cells.size() != 1) return false;
    const TileCell& cell = group.cells.front();
    return cell.tile.type == BELT && cell.tile.bridgePart < 0 && game.inBounds(cell.x, cell.y) &&
           game.tileAt(cell.x, cell.y).bridgePart >= 0;
}

void MultiSelection::demolishAll(Game& game)
{
    // A belt under a deck takes only its own items; the bridge's stay.
    std::vector<const MachineGroup*> wholeControls;
    for (const SelectedControl& entry : entries) {
        if (!isBeltUnderDeck(entry, game)) wholeControls.push_back(&entry.group);
    }
    std::erase_if(game.items, [&wholeControls](const CargoItem& item) {
        return std::any_of(wholeControls.begin(), wholeControls.end(),
                           [&item](const MachineGroup* group) { return occupiesAnyCell(item, *group); });
    });

    for (const SelectedControl& entry : entries) {
        if (isBeltUnderDeck(entry, game)) {
            demolishBeltUnderDeck(game, entry.anchorX, entry.anchorY);
        } else {
            demolish(game, entry.anchorX, entry.anchorY);
        }
    }
    std::erase_if(game.items, [&game](const CargoItem& item) { return liesOnFreeGround(game, item); });
    clear();
}
