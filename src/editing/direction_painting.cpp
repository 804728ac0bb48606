#include "editing/direction_painting.h"

#include <optional>

#include "editing/grid_walk.h"
#include "editing/rotation.h"
#include "world/game.h"

namespace {

// How many single turns painting tries before it leaves a control alone.
constexpr int MOST_TURNS = 4;

// The control a painted tile belongs to, at the tile rotateAt turns it by,
// and the direction it is to face there.
struct PaintTarget {
    int x = 0;
    int y = 0;
    Direction wanted = NONE;
};

bool turnsToPaintedDirection(ControlType type)
{
    switch (type) {
    case BELT:
    case SOURCE:
    case ARM:
    case LONG_ARM:
    case DISTRIBUTOR:
    case MIXER:
    case OVEN:
    case SMELTER:
    case FILLER:
    case STORAGE:
    case TUNNEL_EXIT:
    case SHOP:
    case INJECTION_MOLDER:
    case EJECTOR:
        return true;
    default:
        return false;
    }
}

// An arm only lies along one of the two axes, named by east and north.
Direction wantedFor(ControlType type, Direction dir)
{
    if (type != ARM && type != LONG_ARM) return dir;
    return dir == EAST || dir == WEST ? EAST : NORTH;
}

// A bridge is painted at its deck; false when the deck lies off the map or
// is no deck.
bool bridgeTarget(const Game& game, int x, int y, Direction dir, PaintTarget& target)
{
    const Tile& tile = game.tileAt(x, y);
    const int steps = BRIDGE_DECK - tile.bridgePart;
    target = {x + steps * directionDx(tile.bridgeDir), y + steps * directionDy(tile.bridgeDir), dir};
    return game.inBounds(target.x, target.y) && game.tileAt(target.x, target.y).bridgePart == BRIDGE_DECK;
}

// False for tiles painting leaves alone.
bool paintTargetAt(const Game& game, int x, int y, Direction dir, PaintTarget& target)
{
    if (game.tileAt(x, y).bridgePart >= 0) return bridgeTarget(game, x, y, dir, target);
    target = {x, y, dir};
    const Tile& tile = game.tileAt(x, y);
    if (tile.type == DISTRIBUTOR_SECOND || tile.type == MIXER_SECOND) {
        const Direction side = clockwiseDirection(tile.dir);
        target.x -= directionDx(side);
        target.y -= directionDy(side);
        if (!game.inBounds(target.x, target.y)) return false;
    }
    const ControlType type = game.tileAt(target.x, target.y).type;
    target.wanted = wantedFor(type, dir);
    return turnsToPaintedDirection(type);
}

// The direction painting compares: a bridge's runs along its deck.
Direction paintedDirectionOf(const Tile& tile) { return tile.bridgePart >= 0 ? tile.bridgeDir : tile.dir; }

// The control still stands at the target and faces the wanted way.
bool facesWanted(const Game& game, const PaintTarget& target)
{
    const Tile& tile = game.tileAt(target.x, target.y);
    if (tile.bridgePart < 0 && !turnsToPaintedDirection(tile.type)) return false;
    return paintedDirectionOf(tile) == target.wanted;
}

// Turns are tried on a copy of the world, taken when first needed and kept
// equal to the world: a control that comes to face the wanted way is turned
// as often in the world, which being equal to the copy ends equal to it
// again. A control that does not leaves the world as it was and the copy
// spoilt, so the next trial takes a fresh one. One copy then serves a whole
// line of controls.
class TurnTrials {
  public:
    explicit TurnTrials(Game& game) : game_(game) {}

    bool turnUntilFacing(const PaintTarget& target)
    {
        if (!scratch_) scratch_.emplace(game_);
        for (int turns = 1; turns <= MOST_TURNS; ++turns) {
            if (!rotateAt(*scratch_, target.x, target.y)) break;
            if (facesWanted(*scratch_, target)) {
                for (int turn = 0; turn < turns; ++turn)
                    rotateAt(game_, target.x, target.y);
                return true;
            }
        }
        scratch_.reset();
        return false;
    }

    void setBeltDirection(int x, int y, Direction dir)
    {
        game_.tileAt(x, y).dir = dir;
        if (scratch_) scratch_->tileAt(x, y).dir = dir;
    }

    bool paintTile(int x, int y, Direction dir)
    {
        PaintTarget target;
        if (!game_.inBounds(x, y) || !paintTargetAt(game_, x, y, dir, target)) return false;
        const Tile& tile = game_.tileAt(target.x, target.y);
        const Direction current = paintedDirectionOf(tile);
        if (current == target.wanted) return false;
        if (tile.bridgePart < 0 && tile.type == BELT) {
            setBeltDirection(target.x, target.y, dir);
            return true;
        }
        return current != NONE && turnUntilFacing(target);
    }

  private:
    Game& game_;
    std::optional<Game> scratch_;
};

}  // namespace

bool alignAlongLine(Game& game, int x0, int y0, int x1, int y1, Direction dir)
{
    if (!isCompassDirection(dir)) return false;
    TurnTrials trials(game);
    bool changed = false;
    forEachTileOnLine(x0, y0, x1, y1, [&](int x, int y) { changed = trials.paintTile(x, y, dir) || changed; });
    return changed;
}
