#include "editing/multi_selection.h"

#include <algorithm>
#include <new>
#include <optional>
#include <utility>

#include "editing/demolishing.h"
#include "editing/rotation.h"
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

SelectedControl entryOf(MachineGroup group)
{
    SelectedControl entry;
    anchorOf(group, entry.anchorX, entry.anchorY);
    entry.group = std::move(group);
    return entry;
}

// The belt crossing under the deck at (x, y) as a control of its own.
SelectedControl beltUnderDeckEntry(const Game& game, int x, int y)
{
    Tile belt = game.tileAt(x, y);
    belt.bridgeDir = NONE;
    belt.bridgePart = BRIDGE_NONE;
    return entryOf(MachineGroup{x, y, false, {TileCell{x, y, std::move(belt)}}});
}

std::vector<SelectedControl>::iterator findAnchor(std::vector<SelectedControl>& entries, const SelectedControl& entry)
{
    return std::find_if(entries.begin(), entries.end(), [&entry](const SelectedControl& e) {
        return e.anchorX == entry.anchorX && e.anchorY == entry.anchorY;
    });
}

void addWhenNew(std::vector<SelectedControl>& entries, SelectedControl entry)
{
    if (findAnchor(entries, entry) == entries.end()) entries.push_back(std::move(entry));
}

bool carriesBeltUnderDeck(const Tile& tile) { return tile.type == BELT && tile.bridgePart == BRIDGE_DECK; }

void clampToMap(int& x, int& y)
{
    x = std::clamp(x, 0, GRID_WIDTH - 1);
    y = std::clamp(y, 0, GRID_HEIGHT - 1);
}

// Where a control stays when it turns: a pair turns about its main tile and a
// bridge about its deck, so that the control is found there afterwards.
void turningPivot(const MachineGroup& group, int& x, int& y)
{
    x = group.x;
    y = group.y;
    for (const TileCell& cell : group.cells) {
        const ControlType type = cell.tile.type;
        if (type == DISTRIBUTOR || type == MIXER || cell.tile.bridgePart == BRIDGE_DECK) {
            x = cell.x;
            y = cell.y;
        }
    }
}

// A belt under a deck always crosses it: a turn that would lay it along the
// deck goes on by one more quarter.
void turnBeltUnderDeck(Tile& belt)
{
    belt.dir = isCompassDirection(belt.dir) ? clockwiseDirection(belt.dir) : EAST;
    if (onSameAxis(belt.dir, belt.bridgeDir)) belt.dir = clockwiseDirection(belt.dir);
}

}  // namespace

SelectionKind selectionKindOf(const Tile& tile)
{
    if (tile.bridgePart >= 0) return BELTS;
    switch (tile.type) {
    case SOURCE:
        return SOURCES;
    case SINK:
        return SINKS;
    case BELT:
        return BELTS;
    case ARM:
    case LONG_ARM:
        return ARMS;
    case OVEN:
        return KILNS;
    case SMELTER:
        return SMELTERS;
    case FILLER:
        return BOTTLING_PLANTS;
    case STORAGE:
        return STORAGES;
    case MIXER:
    case MIXER_SECOND:
        return MIXERS;
    case DISTRIBUTOR:
    case DISTRIBUTOR_SECOND:
        return DISTRIBUTORS;
    default:
        return NO_COMMON_KIND;
    }
}

void anchorOf(const MachineGroup& group, int& x, int& y)
{
    x = GRID_WIDTH;
    y = GRID_HEIGHT;
    for (const TileCell& cell : group.cells) {
        if (cell.x < x || (cell.x == x && cell.y < y)) {
            x = cell.x;
            y = cell.y;
        }
    }
}

bool isBeltUnderDeck(const SelectedControl& entry, const Game& game)
{
    const MachineGroup& group = entry.group;
    if (group.isBridge || group.cells.size() != 1) return false;
    const TileCell& cell = group.cells.front();
    return cell.tile.type == BELT && cell.tile.bridgePart < 0 && game.inBounds(cell.x, cell.y) &&
           game.tileAt(cell.x, cell.y).bridgePart >= 0;
}

void MultiSelection::toggle(const Game& game, int x, int y)
{
    MachineGroup group = game.machineGroupAt(x, y);
    if (group.cells.empty()) return;
    SelectedControl entry = entryOf(std::move(group));
    const auto found = findAnchor(entries, entry);
    if (found != entries.end()) {
        entries.erase(found);
    } else {
        entries.push_back(std::move(entry));
    }
}

void MultiSelection::selectRect(const Game& game, int x0, int y0, int x1, int y1)
{
    clampToMap(x0, y0);
    clampToMap(x1, y1);
    if (x0 > x1) std::swap(x0, x1);
    if (y0 > y1) std::swap(y0, y1);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            MachineGroup group = game.machineGroupAt(x, y);
            if (!group.cells.empty()) addWhenNew(entries, entryOf(std::move(group)));
            if (carriesBeltUnderDeck(game.tileAt(x, y))) addWhenNew(entries, beltUnderDeckEntry(game, x, y));
        }
    }
}

int MultiSelection::commonKind() const
{
    if (entries.empty()) return NO_COMMON_KIND;
    std::optional<SelectionKind> common;
    for (const SelectedControl& entry : entries) {
        if (entry.group.cells.empty()) return NO_COMMON_KIND;
        const SelectionKind kind = selectionKindOf(entry.group.cells.front().tile);
        if (kind == NO_COMMON_KIND || (common && kind != *common)) return NO_COMMON_KIND;
        common = kind;
    }
    return *common;
}

bool MultiSelection::rotate(Game& game)
{
    // A copy of the whole world puts back exactly what a refused turn has
    // changed, the state the map text leaves out included.
    std::optional<Game> before;
    try {
        before.emplace(game);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (const SelectedControl& entry : entries) {
        if (isBeltUnderDeck(entry, game)) {
            const TileCell& belt = entry.group.cells.front();
            turnBeltUnderDeck(game.tileAt(belt.x, belt.y));
            continue;
        }
        int x = 0;
        int y = 0;
        turningPivot(entry.group, x, y);
        if (!rotateAt(game, x, y)) {
            game = std::move(*before);
            return false;
        }
    }

    std::vector<SelectedControl> turned;
    for (const SelectedControl& entry : entries) {
        if (isBeltUnderDeck(entry, game)) {
            const TileCell& belt = entry.group.cells.front();
            addWhenNew(turned, beltUnderDeckEntry(game, belt.x, belt.y));
            continue;
        }
        int x = 0;
        int y = 0;
        turningPivot(entry.group, x, y);
        MachineGroup group = game.machineGroupAt(x, y);
        if (!group.cells.empty()) addWhenNew(turned, entryOf(std::move(group)));
    }
    entries = std::move(turned);
    return true;
}

std::string pressRotateAllButton(MultiSelection& selection, Game& game)
{
    return selection.rotate(game) ? std::string() : std::string(ROTATE_REFUSED_TEXT);
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
