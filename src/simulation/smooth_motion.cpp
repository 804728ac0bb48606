#include <algorithm>
#include <cmath>
#include <cstdint>

#include "audio/sound_engine.h"
#include "simulation/blocking_tests.h"
#include "simulation/item_transport.h"
#include "simulation/motion_scratch.h"
#include "simulation/passage_sound.h"
#include "simulation/step_tables.h"
#include "world/game.h"

namespace {

// The single-precision 1/60; a longer dt is cut into sub-steps of at most this.
constexpr float LONGEST_SUB_STEP = 0.016666668f;
constexpr float JUMP_BLOCKING_OVERLAP = 0.001f;
constexpr float CROSSING_TOLERANCE = 0.001f;
// A trial carries its path only a little beyond this many tiles.
constexpr float TRIAL_PATH_LENGTH = 4.0f;
constexpr float CANDIDATE_MARGIN = 1.0f;
// Moves of this share of a sub-step or less are not worth making.
constexpr float LEAST_MOVE_SHARE = 0.02f;
constexpr int BISECTION_HALVINGS = 10;
// Items are filed by their plain position; a raised item counts as up to this much higher.
constexpr float RAMP_LIFT_ALLOWANCE = 0.25f;
// A reserved point blocks only what comes closer than a tile; a little more covers rounding.
constexpr float RESERVATION_REACH = 1.01f;
constexpr float SOUND_ALONG = 0.005f;
constexpr float SOUND_ACROSS = 0.001f;

bool isEastWest(Direction d) { return d == EAST || d == WEST; }

// Calls reserve with each jump point that the item keeps for itself: those
// up to its second ordinary point. Stops early when reserve returns false.
template <typename Reserve> void forEachReservedPoint(const CargoItem& item, Reserve reserve)
{
    int ordinaryPoints = 0;
    for (const PathPoint& p : item.path) {
        if (p.speed < JUMP_SPEED) {
            if (++ordinaryPoints == 2) return;
            continue;
        }
        if (!p.flag && !reserve(p)) return;
    }
}

bool reservesPoints(const CargoItem& item)
{
    bool any = false;
    forEachReservedPoint(item, [&any](const PathPoint&) {
        any = true;
        return false;  // one is enough
    });
    return any;
}

// The box of the places a glide's trials pass.
struct TrialSpan {
    float x0 = 0.0f;
    float y0 = 0.0f;
    float x1 = 0.0f;
    float y1 = 0.0f;
};

TileRect enclosing(const TileRect& a, const TileRect& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// The other item crosses the bridge that onBridge travels along exactly on
// the line of its deck tile, passing beneath it.
bool crossesUnderDeck(const Game& game, const CargoItem& onBridge, const CargoItem& other)
{
    const int tx = tileCoordinate(onBridge.posX);
    const int ty = tileCoordinate(onBridge.posY);
    if (!game.inBounds(tx, ty)) return false;
    const Tile& tile = game.tileAt(tx, ty);
    if (tile.bridgePart < 0 || tile.bridgeDir != onBridge.heading) return false;
    const int dx = directionDx(tile.bridgeDir);
    const int dy = directionDy(tile.bridgeDir);
    const int deckX = tx - (tile.bridgePart - BRIDGE_DECK) * dx;
    const int deckY = ty - (tile.bridgePart - BRIDGE_DECK) * dy;
    if (dx == 0) return std::fabs(other.posY - static_cast<float>(deckY)) < CROSSING_TOLERANCE;
    return std::fabs(other.posX - static_cast<float>(deckX)) < CROSSING_TOLERANCE;
}

// Whether other can stand in the way of mover at all.
bool isObstacle(const Game& game, const CargoItem& mover, const CargoItem& other)
{
    if (isHeldByArm(other)) return false;
    if (isPassingThroughTunnel(other)) return false;
    if (other.leavingTunnel && game.inBounds(other.x, other.y) && game.tileAt(other.x, other.y).type == TUNNEL_EXIT) {
        return false;
    }
    if (isEastWest(mover.heading) != isEastWest(other.heading)) {
        if (crossesUnderDeck(game, mover, other) || crossesUnderDeck(game, other, mover)) return false;
    }
    return true;
}

// Moves every item for one sub-step: passes until nothing moves any more,
// then the sounds of items that crossed a distributor or mixer centre.
class SmoothMotion {
  public:
    SmoothMotion(Game& game, MotionScratch& scratch, const WorldLayout& layout)
        : game_(game), s_(scratch), layout_(layout), bridgeTiles_(layout.bridgeTiles)
    {
    }

    void runSubStep(float step);

  private:
    CargoItem& item(int i) { return game_.items[static_cast<std::size_t>(i)]; }
    FloatPoint seen(const CargoItem& it) const;
    void refile(int i);

    void startSubStep(float step);
    bool runPass(float step);
    void reserveJumpPoints(int i, std::vector<Reservation>& reservations);
    bool takeJumps(int i, bool& waits);
    bool jumpPointTaken(int i, const PathPoint& point);
    bool glide(int i, float step);
    void makeTrialStart(const CargoItem& mover);
    void tryMove(float seconds);
    void makeTrialMove(int i, float seconds);
    void findCandidates(int i);
    TrialSpan trialSpan() const;
    TileRect reservationReach(const TrialSpan& span) const;
    bool spanMeetsBridge(const TrialSpan& span) const;
    void dropReservedOutOfReach(const TrialSpan& span);
    bool trialBlocked();
    bool trialBlockedAfter(float seconds);
    void playCrossingSounds();

    Game& game_;
    MotionScratch& s_;
    const WorldLayout& layout_;
    const std::vector<std::uint8_t>& bridgeTiles_;
    bool trialHoldsStartPath_ = false;  // the trial's path is trialStart's, less the points reached
    FrontLeg startLeg_;                 // trialStart's way to its front point
    bool trialsOffBridges_ = false;     // no trial of the glide comes near a bridge, so none is lifted
};

// visualPosition, asking the tile only where a bridge spans it: elsewhere
// the deck lift is nothing.
FloatPoint SmoothMotion::seen(const CargoItem& it) const
{
    const int tx = tileCoordinate(it.posX);
    const int ty = tileCoordinate(it.posY);
    if (!inGrid(tx, ty) || bridgeTiles_[static_cast<std::size_t>(tileIndex(tx, ty))] == 0)
        return {it.posX, it.posY - 0.0f};
    return visualPosition(game_, it);
}

// Files the item again after it moved.
void SmoothMotion::refile(int i)
{
    const CargoItem& it = item(i);
    const int before = s_.cells.cellOfItem(i);
    s_.cells.refile(i, it);
    s_.standstills.itemMoved(before, s_.cells.cellOfItem(i));
    s_.seenPositions[static_cast<std::size_t>(i)] = {it.posX, it.posY, seen(it).y};
    s_.reservesPoints[static_cast<std::size_t>(i)] = reservesPoints(it);
}

void SmoothMotion::runSubStep(float step)
{
    startSubStep(step);
    while (runPass(step)) {
    }
    if (game_.sound != nullptr) playCrossingSounds();
}

void SmoothMotion::startSubStep(float step)
{
    const std::size_t n = game_.items.size();
    reserveForMostItems(s_);
    s_.budgets.assign(n, step);
    const bool allPowered = layout_.isAllPowered(game_);
    for (std::size_t i = 0; i < n; ++i) {
        if (WorldLayout::isItemPowerStopped(game_, game_.items[i], allPowered)) s_.budgets[i] = 0.0f;
    }
    s_.startPositions.clear();
    if (game_.sound != nullptr) {
        for (const CargoItem& it : game_.items)
            s_.startPositions.push_back({it.posX, it.posY});
    }
    s_.cells.build(game_.items);
    s_.standstills.start(n);
    s_.seenPositions.resize(n);
    s_.reservesPoints.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const CargoItem& it = game_.items[i];
        s_.seenPositions[i] = {it.posX, it.posY, seen(it).y};
        s_.reservesPoints[i] = reservesPoints(it);
    }
    // Only items with budget and path move; the others keep their paths and
    // so their reservations for the whole sub-step.
    s_.moving.clear();
    s_.fixedReservations.clear();
    for (int i = 0; i < static_cast<int>(n); ++i) {
        if (s_.budgets[static_cast<std::size_t>(i)] > 0.0f && !item(i).path.empty()) {
            s_.moving.push_back(i);
        } else {
            reserveJumpPoints(i, s_.fixedReservations);
        }
    }
}

// Items that wait or give up try again in the next pass, after the others
// moved; the moving list keeps item order.
bool SmoothMotion::runPass(float step)
{
    s_.reservations = s_.fixedReservations;
    for (int i : s_.moving)
        reserveJumpPoints(i, s_.reservations);
    s_.standstills.reservationsTaken(s_.reservations);
    bool changed = false;
    for (int i : s_.moving) {
        if (s_.standstills.stillStands(i)) continue;  // it would be blocked again, just so
        s_.standstills.forget(i);
        bool waits = false;
        const bool jumped = takeJumps(i, waits);
        if (jumped) changed = true;
        if (waits || item(i).path.empty()) {
            if (waits && !jumped) s_.standstills.standsStill(i, s_.watched);
            continue;
        }
        if (glide(i, step)) {
            changed = true;
        } else if (!jumped) {
            s_.standstills.standsStill(i, s_.watched);
        }
    }
    // An item that stops moving keeps what its path reserves for the rest of the sub-step.
    std::erase_if(s_.moving, [this](int i) {
        if (s_.budgets[static_cast<std::size_t>(i)] > 0.0f && !item(i).path.empty()) return false;
        reserveJumpPoints(i, s_.fixedReservations);
        return true;
    });
    return changed;
}

// The jump points up to an item's second ordinary point are kept for it.
void SmoothMotion::reserveJumpPoints(int i, std::vector<Reservation>& reservations)
{
    if (s_.reservesPoints[static_cast<std::size_t>(i)] == 0) return;
    forEachReservedPoint(item(i), [&](const PathPoint& p) {
        reservations.push_back({i, static_cast<float>(p.x), static_cast<float>(p.y)});
        return true;
    });
}

// Jumps cost no budget, so several in a row are taken at once.
bool SmoothMotion::takeJumps(int i, bool& waits)
{
    CargoItem& mover = item(i);
    bool jumped = false;
    while (!mover.path.empty() && mover.path.front().speed >= JUMP_SPEED) {
        const PathPoint point = mover.path.front();
        if (jumpPointTaken(i, point)) {
            waits = true;
            return jumped;
        }
        mover.posX = static_cast<float>(point.x);
        mover.posY = static_cast<float>(point.y);
        mover.heading = point.dir;
        mover.path.pop_front();
        refile(i);
        jumped = true;
    }
    return jumped;
}

bool SmoothMotion::jumpPointTaken(int i, const PathPoint& point)
{
    const CargoItem& mover = item(i);
    const FloatPoint p{static_cast<float>(point.x), static_cast<float>(point.y)};
    s_.cells.collect(p.x - 1.0f, p.x + 1.0f, p.y - 1.0f, p.y + 1.0f, s_.nearby);
    s_.watched = ItemCells::cellsOf(p.x - 1.0f, p.x + 1.0f, p.y - 1.0f, p.y + 1.0f);
    for (int j : s_.nearby) {
        if (j == i) continue;
        const CargoItem& other = item(j);
        if (!isObstacle(game_, mover, other)) continue;
        if (unitSquareOverlap(p, {other.posX, other.posY}) > JUMP_BLOCKING_OVERLAP) return true;
    }
    return false;
}

// Moves the item as far as its budget allows; when that is blocked, as far
// as a bisection finds free, unless that is too little to bother. The
// obstacles and reservations in reach are found once for all trials.
bool SmoothMotion::glide(int i, float step)
{
    float& budget = s_.budgets[static_cast<std::size_t>(i)];
    makeTrialStart(item(i));
    tryMove(budget);
    const TrialSpan span = trialSpan();
    const TileRect reach = reservationReach(span);
    findCandidates(i);
    trialsOffBridges_ = !spanMeetsBridge(span);
    s_.watched = enclosing(s_.watched, reach);
    reservedPointsInReach(i, s_.moverSeen, s_.reservations, s_.reservedInReach);
    dropReservedOutOfReach(span);
    if (!trialBlocked()) {
        makeTrialMove(i, budget);
        budget = 0.0f;
        refile(i);
        return true;
    }
    const float leastMove = LEAST_MOVE_SHARE * step;
    if (trialBlockedAfter(std::min(budget, leastMove))) return false;
    float lo = 0.0f;
    float hi = budget;
    for (int halving = 0; halving < BISECTION_HALVINGS; ++halving) {
        const float mid = (lo + hi) * 0.5f;
        if (trialBlockedAfter(mid)) {
            hi = mid;
        } else {
            lo = mid;
        }
    }
    if (lo <= leastMove) return false;
    item(i).advance(lo);
    budget -= lo;
    refile(i);
    return true;
}

// What a move changes of an item, apart from the path.
void copyMovedFields(const CargoItem& from, CargoItem& to)
{
    to.heading = from.heading;
    to.posX = from.posX;
    to.posY = from.posY;
    to.leavingTunnel = from.leavingTunnel;
    to.targetTile = from.targetTile;
}

// What a trial takes of the item it stands in for, apart from the path.
void copyTrialFields(const CargoItem& from, CargoItem& to)
{
    to.layer = from.layer;
    to.x = from.x;
    to.y = from.y;
    to.dir = from.dir;
    to.cargo = from.cargo;
    to.tunnelExitX = from.tunnelExitX;
    to.tunnelExitY = from.tunnelExitY;
    copyMovedFields(from, to);
}

// A stand-in for the mover without identity, carrying only the near part of
// its path; each trial of a glide starts from it.
void SmoothMotion::makeTrialStart(const CargoItem& mover)
{
    CargoItem& trial = s_.trialStart;
    copyTrialFields(mover, trial);
    copyTrialFields(mover, s_.trial);
    trial.path.clear();
    trialHoldsStartPath_ = false;
    float length = 0.0f;
    float fromX = mover.posX;
    float fromY = mover.posY;
    for (const PathPoint& p : mover.path) {
        trial.path.push_back(p);
        const float dx = static_cast<float>(p.x) - fromX;
        const float dy = static_cast<float>(p.y) - fromY;
        length += std::sqrt(dx * dx + dy * dy);
        if (length > TRIAL_PATH_LENGTH) break;
        fromX = static_cast<float>(p.x);
        fromY = static_cast<float>(p.y);
    }
    startLeg_ = trial.frontLeg();
}

// The mover makes the move of the trial just run for these seconds: the same
// steps over the same points, unless the trial ran out of the near part of
// the path it carries.
void SmoothMotion::makeTrialMove(int i, float seconds)
{
    CargoItem& mover = item(i);
    const CargoItem& trial = s_.trial;
    if (trial.path.empty() && s_.trialStart.path.size() < mover.path.size()) {
        mover.advance(seconds);
        return;
    }
    copyMovedFields(trial, mover);
    for (std::size_t passed = s_.trialStart.path.size() - trial.path.size(); passed > 0; --passed)
        mover.path.pop_front();
}

// The obstacles strictly inside the box that reaches one tile beyond the
// mover's present and tried positions, with where they are seen.
void SmoothMotion::findCandidates(int i)
{
    const CargoItem& mover = item(i);
    const SeenPosition& moverAt = s_.seenPositions[static_cast<std::size_t>(i)];  // kept with its filing
    const FloatPoint now{moverAt.x, moverAt.seenY};
    const FloatPoint tried = seen(s_.trial);
    s_.moverSeen = now;
    const float x0 = std::min(now.x, tried.x) - CANDIDATE_MARGIN;
    const float x1 = std::max(now.x, tried.x) + CANDIDATE_MARGIN;
    const float y0 = std::min(now.y, tried.y) - CANDIDATE_MARGIN;
    const float y1 = std::max(now.y, tried.y) + CANDIDATE_MARGIN;
    // Unsorted: the trials only ask whether any candidate blocks them.
    s_.cells.collect(x0, x1, y0, y1 + RAMP_LIFT_ALLOWANCE, s_.nearby);
    s_.watched = ItemCells::cellsOf(x0, x1, y0, y1 + RAMP_LIFT_ALLOWANCE);
    s_.candidates.clear();
    for (int j : s_.nearby) {
        if (j == i) continue;
        const SeenPosition& at = s_.seenPositions[static_cast<std::size_t>(j)];
        if (!(at.x > x0 && at.x < x1 && at.seenY > y0 && at.seenY < y1)) continue;
        if (isObstacle(game_, mover, item(j))) s_.candidates.push_back({j, {at.x, at.seenY}, false, {}});
    }
}

// Every place the trials of a glide pass lies on the way of the whole
// budget's trial, between the start and the points it passed.
TrialSpan SmoothMotion::trialSpan() const
{
    const CargoItem& start = s_.trialStart;
    const CargoItem& end = s_.trial;
    TrialSpan span{std::min(start.posX, end.posX), std::min(start.posY, end.posY), std::max(start.posX, end.posX),
                   std::max(start.posY, end.posY)};
    const std::size_t passed = start.path.size() - end.path.size();
    for (std::size_t k = 0; k < passed; ++k) {
        const PathPoint& p = start.path[k];
        span.x0 = std::min(span.x0, static_cast<float>(p.x));
        span.x1 = std::max(span.x1, static_cast<float>(p.x));
        span.y0 = std::min(span.y0, static_cast<float>(p.y));
        span.y1 = std::max(span.y1, static_cast<float>(p.y));
    }
    return span;
}

// The tiles whose reserved points some trial of the glide may come near.
TileRect SmoothMotion::reservationReach(const TrialSpan& span) const
{
    return ItemCells::cellsOf(span.x0 - RESERVATION_REACH, span.x1 + RESERVATION_REACH,
                              span.y0 - RAMP_LIFT_ALLOWANCE - RESERVATION_REACH, span.y1 + RESERVATION_REACH);
}

// A reserved point a tile or more from every place where a trial may be
// seen cannot block it: such points are passed over once, not every trial.
void SmoothMotion::dropReservedOutOfReach(const TrialSpan& span)
{
    const float x0 = span.x0 - RESERVATION_REACH;
    const float x1 = span.x1 + RESERVATION_REACH;
    const float y0 = span.y0 - RAMP_LIFT_ALLOWANCE - RESERVATION_REACH;
    const float y1 = span.y1 + RESERVATION_REACH;
    std::erase_if(s_.reservedInReach,
                  [&](const FloatPoint& p) { return !(p.x > x0 && p.x < x1 && p.y > y0 && p.y < y1); });
}

// Whether some tile a trial may stand on holds a part of a bridge; the
// margin covers the rounding of the trials' moves.
bool SmoothMotion::spanMeetsBridge(const TrialSpan& span) const
{
    constexpr float MARGIN = 0.01f;
    const TileRect tiles = ItemCells::cellsOf(span.x0 - MARGIN, span.x1 + MARGIN, span.y0 - MARGIN, span.y1 + MARGIN);
    for (int ty = tiles.top; ty <= tiles.bottom; ++ty) {
        for (int tx = tiles.left; tx <= tiles.right; ++tx) {
            if (bridgeTiles_[static_cast<std::size_t>(tileIndex(tx, ty))] != 0) return true;
        }
    }
    return false;
}

bool SmoothMotion::trialBlocked()
{
    const CargoItem& trial = s_.trial;
    const FloatPoint trialSeen = trialsOffBridges_ ? FloatPoint{trial.posX, trial.posY - 0.0f} : seen(trial);
    return isTrialBlocked(game_, s_.moverSeen, trial, trialSeen, s_.reservedInReach, s_.candidates);
}

void SmoothMotion::tryMove(float seconds)
{
    copyMovedFields(s_.trialStart, s_.trial);
    // A move only takes points off the front: a trial that reached none still
    // holds the start's path, which most short trials of a bisection do.
    if (!trialHoldsStartPath_ || s_.trial.path.size() != s_.trialStart.path.size()) s_.trial.path = s_.trialStart.path;
    s_.trial.advanceFrom(startLeg_, seconds);
    trialHoldsStartPath_ = true;
}

bool SmoothMotion::trialBlockedAfter(float seconds)
{
    tryMove(seconds);
    return trialBlocked();
}

// Passing the centre of a distributor tile or a mixer's main tile toward its
// output sounds; a mixer's second tile stays quiet.
void SmoothMotion::playCrossingSounds()
{
    SoundEngine& sound = *game_.sound;
    for (std::size_t i = 0; i < game_.items.size(); ++i) {
        const CargoItem& it = game_.items[i];
        if (it.layer != 0 || it.carried) continue;
        const int tx = static_cast<int>(std::lround(it.posX));
        const int ty = static_cast<int>(std::lround(it.posY));
        if (!game_.inBounds(tx, ty)) continue;
        const Tile& tile = game_.tileAt(tx, ty);
        if (tile.type != DISTRIBUTOR && tile.type != DISTRIBUTOR_SECOND && tile.type != MIXER) continue;

        const DirectionVector d = directionVector(tile.dir);
        const FloatPoint start = s_.startPositions[i];
        const float ox = static_cast<float>(tx);
        const float oy = static_cast<float>(ty);
        const float before = (start.x - ox) * d.dx + (start.y - oy) * d.dy;
        const float after = (it.posX - ox) * d.dx + (it.posY - oy) * d.dy;
        const float across = (it.posX - ox) * d.dy - (it.posY - oy) * d.dx;
        if (!(before <= SOUND_ALONG && after > SOUND_ALONG && std::fabs(across) <= SOUND_ACROSS)) continue;

        playPassageSound(sound, tile.type, tx, ty, tile.dir);
    }
}

}  // namespace

void reserveForMostItems(MotionScratch& s)
{
    // A glide meets the items of a few tiles around it.
    constexpr std::size_t MOST_NEARBY = 256;
    // A trial carries a path of about four tiles.
    constexpr std::size_t MOST_TRIAL_POINTS = 32;
    if (s.budgets.capacity() >= MOST_WORLD_ITEMS) return;
    s.budgets.reserve(MOST_WORLD_ITEMS);
    s.seenPositions.reserve(MOST_WORLD_ITEMS);
    s.reservesPoints.reserve(MOST_WORLD_ITEMS);
    s.moving.reserve(MOST_WORLD_ITEMS);
    s.fixedReservations.reserve(MOST_WORLD_ITEMS);
    s.reservations.reserve(MOST_WORLD_ITEMS);
    s.nearby.reserve(MOST_NEARBY);
    s.candidates.reserve(MOST_NEARBY);
    s.reservedInReach.reserve(MOST_NEARBY);
    s.trialStart.path.reserve(MOST_TRIAL_POINTS);
    s.trial.path.reserve(MOST_TRIAL_POINTS);
    // Started empty once, their per-tile tables are sized too.
    s.cells.build({});
    s.standstills.start(0);
}

void Game::moveItems(float dt)
{
    SmoothMotion motion(*this, tables_.get().motion, currentLayout());
    while (dt > 0.0f) {
        const float step = std::min(dt, LONGEST_SUB_STEP);
        dt = dt - step;
        motion.runSubStep(step);
        updateNetworks(0.0f);
        landThrownItems();
    }
}
