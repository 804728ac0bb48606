#include "simulation/right_of_way.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <utility>

#include "machines/arm_control.h"
#include "simulation/hand_over_rules.h"
#include "simulation/item_transport.h"
#include "simulation/world_layout.h"
#include "world/game.h"

namespace {

constexpr int RESOLVE_OPEN = 0;
constexpr int RESOLVE_RUNNING = 1;
constexpr int RESOLVE_MOVES = 2;
constexpr int RESOLVE_BLOCKED = 3;

int nodeX(int node) { return node % GRID_WIDTH; }
int nodeY(int node) { return (node / GRID_WIDTH) % GRID_HEIGHT; }

// Is the other item already on its way into the junction from another side?
bool comesFromAnotherSide(const CargoItem& other, int fromX, int fromY, int nx, int ny)
{
    const PathPoint* previous = nullptr;
    for (const PathPoint& p : other.path) {
        if (p.x == nx && p.y == ny) {
            const float px = previous != nullptr ? static_cast<float>(previous->x) : other.posX;
            const float py = previous != nullptr ? static_cast<float>(previous->y) : other.posY;
            const float a = static_cast<float>(fromX - nx) * (px - static_cast<float>(nx));
            const float b = static_cast<float>(fromY - ny) * (py - static_cast<float>(ny));
            return a <= 0.0f && b <= 0.0f;
        }
        previous = &p;
    }
    return false;
}

void addOp(ResolveFrame& frame, ResolveOp::Kind kind, int item = -1)
{
    assert(frame.count < MOST_RESOLVE_OPS);
    frame.ops[frame.count++] = ResolveOp{kind, item};
}

}  // namespace

bool junctionAllows(const Game& game, const std::uint8_t* junctions, ItemStepScratch& s, int item, int nx, int ny)
{
    if (junctions[tileIndex(nx, ny)] == 0) return true;
    const TileItemLists& pathPoints = s.room.pathPoints(game);
    const CargoItem& self = game.items[static_cast<std::size_t>(item)];
    const int tile = tileIndex(nx, ny);
    for (const int* j = pathPoints.begin(tile); j != pathPoints.end(tile); ++j) {
        if (*j == item) continue;
        if (comesFromAnotherSide(game.items[static_cast<std::size_t>(*j)], self.x, self.y, nx, ny)) return false;
    }
    return true;
}

void claimSweep(const Game& game, ItemStepScratch& s)
{
    const std::size_t n = game.items.size();
    // Back to no claims and the planned drops alone, touching only the nodes written since.
    for (int node : s.claimedNodes) {
        s.claims[static_cast<std::size_t>(node)] = -1;
        s.armDrops[static_cast<std::size_t>(node)] = s.armDropsPlanned[static_cast<std::size_t>(node)];
    }
    s.claimedNodes.clear();
    for (int node : s.dropNodes)
        s.armDrops[static_cast<std::size_t>(node)] = s.armDropsPlanned[static_cast<std::size_t>(node)];
    for (int i : s.planned)
        s.granted[static_cast<std::size_t>(i)] = 0;  // only planning items are ever granted
    if (n == 0) return;
    // The sweep goes round the planning items from the first at or after the start.
    const auto start = static_cast<int>(game.stepCount % n);
    const std::size_t count = s.planned.size();
    const auto first =
        static_cast<std::size_t>(std::lower_bound(s.planned.begin(), s.planned.end(), start) - s.planned.begin());
    for (int sweep = 0; sweep < 2; ++sweep) {
        for (std::size_t k = 0; k < count; ++k) {
            const auto i = static_cast<std::size_t>(s.planned[(first + k) % count]);
            const MovePlan& plan = s.plans[i];
            if (plan.target < 0) continue;
            const Tile& target = nodeTile(game, plan.target);
            const bool favoured = target.beltPriority != 0 && target.beltPriority == plan.dir;
            if (favoured != (sweep == 0)) continue;
            const int me = static_cast<int>(i);
            const auto t = static_cast<std::size_t>(plan.target);
            if (s.claims[t] != -1 || (s.armDrops[t] != -1 && s.armDrops[t] != me)) continue;
            if (isArm(target.type)) {
                const int reach = armReach(target.type);
                const int dropX = nodeX(plan.target) + directionDx(plan.dir) * reach;
                const int dropY = nodeY(plan.target) + directionDy(plan.dir) * reach;
                if (!game.inBounds(dropX, dropY)) continue;
                const auto drop = static_cast<std::size_t>(groundNode(dropX, dropY));
                if (s.claims[drop] != -1 || s.armDrops[drop] != -1) continue;
                s.armDrops[drop] = me;
                s.claimedNodes.push_back(static_cast<int>(drop));
            }
            s.claims[t] = me;
            s.claimedNodes.push_back(plan.target);
            s.granted[i] = 1;
        }
    }
}

MoveResolver::MoveResolver(const Game& game, const WorldLayout& layout, ItemStepScratch& scratch)
    : game_(game), layout_(layout), s_(scratch)
{
}

int MoveResolver::startResolving(int item)
{
    const auto i = static_cast<std::size_t>(item);
    const int state = s_.resolution[i];
    if (state == RESOLVE_RUNNING || state == RESOLVE_MOVES) return 1;  // a ring of items moving into each other
    if (state == RESOLVE_BLOCKED) return 0;
    if (!s_.granted[i]) return 0;
    s_.resolution[i] = RESOLVE_RUNNING;
    const int target = s_.plans[i].target;
    if (layout_.types[static_cast<std::size_t>(tileIndex(nodeX(target), nodeY(target)))] == SHOP) {
        s_.resolution[i] = RESOLVE_MOVES;  // a shop takes whatever arrives
        return 1;
    }
    return -1;
}

bool MoveResolver::resolveMove(int root)
{
    const int quick = startResolving(root);
    if (quick >= 0) return quick == 1;

    s_.resolveStack.clear();
    s_.resolveStack.emplace_back().item = root;
    planOps(s_.resolveStack.back());
    bool answer = false;
    bool answered = false;
    while (!s_.resolveStack.empty()) {
        ResolveFrame& frame = s_.resolveStack.back();
        int verdict = -1;
        int ask = -1;
        if (answered) {
            answered = false;
            const ResolveOp::Kind asked = frame.ops[frame.next - 1].kind;
            if (!answer && asked == ResolveOp::ASK) verdict = 0;
            if (!answer && asked == ResolveOp::ASK_ALL) frame.allMove = false;
        }
        while (verdict < 0 && ask < 0) {
            const ResolveOp& op = frame.ops[frame.next++];
            switch (op.kind) {
            case ResolveOp::ASK:
            case ResolveOp::ASK_ALL:
                ask = op.item;
                break;
            case ResolveOp::CHECK_ALL:
                if (!frame.allMove) verdict = 0;
                break;
            case ResolveOp::FAIL:
                verdict = 0;
                break;
            case ResolveOp::SUCCEED:
                verdict = 1;
                break;
            }
        }
        if (verdict >= 0) {
            s_.resolution[static_cast<std::size_t>(frame.item)] = verdict == 1 ? RESOLVE_MOVES : RESOLVE_BLOCKED;
            s_.resolveStack.pop_back();
            answer = verdict == 1;
            answered = true;
            continue;
        }
        const int quickAnswer = startResolving(ask);
        if (quickAnswer >= 0) {
            answer = quickAnswer == 1;
            answered = true;
            continue;
        }
        s_.resolveStack.emplace_back().item = ask;  // frame is not used past this point
        planOps(s_.resolveStack.back());
    }
    return answer;
}

void MoveResolver::planOps(ResolveFrame& frame) const
{
    const auto i = static_cast<std::size_t>(frame.item);
    const int target = s_.plans[i].target;
    const int x = nodeX(target);
    const int y = nodeY(target);
    const WorldLayout::TileKind& ground = layout_.kinds[static_cast<std::size_t>(tileIndex(x, y))];
    if (ground.type == MIXER || ground.type == MIXER_SECOND) {
        planMixerOps(frame, x, y);
        return;
    }
    if (ground.type == DISTRIBUTOR_SECOND) {
        const int outX = x + directionDx(ground.dir);
        const int outY = y + directionDy(ground.dir);
        if (game_.inBounds(outX, outY)) {
            const auto out = static_cast<std::size_t>(groundNode(outX, outY));
            const int k = s_.occupancy[out];
            if (s_.armDrops[out] != -1 || k == frame.item) {
                addOp(frame, ResolveOp::FAIL);
                return;
            }
            if (k >= 0) addOp(frame, ResolveOp::ASK, k);
        }
    }
    const CargoItem& item = game_.items[i];
    const WorldLayout::TileKind& own = layout_.kinds[static_cast<std::size_t>(tileIndex(item.x, item.y))];
    if (own.type == DISTRIBUTOR && std::abs(x - item.x) + std::abs(y - item.y) == 2) {
        const Direction side = clockwiseDirection(own.dir);
        const int secondX = item.x + directionDx(side);
        const int secondY = item.y + directionDy(side);
        if (game_.inBounds(secondX, secondY)) {
            const int k = s_.occupancy[static_cast<std::size_t>(groundNode(secondX, secondY))];
            if (k >= 0) addOp(frame, ResolveOp::ASK, k);
        }
    }
    planTargetOps(frame);
}

void MoveResolver::planMixerOps(ResolveFrame& frame, int x, int y) const
{
    const MixerTiles m = mixerTilesOf(x, y, game_.tileAt(x, y));
    for (const auto& [hx, hy] : {std::pair{m.mainX, m.mainY}, std::pair{m.secondX, m.secondY}}) {
        if (!game_.inBounds(hx, hy)) continue;
        const int k = s_.occupancy[static_cast<std::size_t>(groundNode(hx, hy))];
        if (k >= 0 && k != frame.item) addOp(frame, ResolveOp::ASK_ALL, k);
    }
    addOp(frame, ResolveOp::CHECK_ALL);
    if (game_.inBounds(m.outX, m.outY)) {
        const int k = s_.occupancy[static_cast<std::size_t>(groundNode(m.outX, m.outY))];
        if (k >= 0 && k != frame.item) addOp(frame, ResolveOp::ASK, k);
    }
    addOp(frame, ResolveOp::SUCCEED);
}

void MoveResolver::planTargetOps(ResolveFrame& frame) const
{
    const auto i = static_cast<std::size_t>(frame.item);
    const int target = s_.plans[i].target;
    const int j = s_.occupancy[static_cast<std::size_t>(target)];
    if (j < 0) {
        addOp(frame, ResolveOp::SUCCEED);
        return;
    }
    const ControlType targetType =
        target >= TILE_COUNT ? nodeTile(game_, target).type : layout_.types[static_cast<std::size_t>(target)];
    const bool onArm = isArm(targetType);  // an arm holds one item at a time
    const bool swap = s_.plans[static_cast<std::size_t>(j)].target == itemNode(game_.items[i]);
    if (onArm || swap) {
        addOp(frame, ResolveOp::FAIL);
        return;
    }
    addOp(frame, ResolveOp::ASK, j);
    addOp(frame, ResolveOp::SUCCEED);
}

void resolveRightOfWay(const Game& game, const WorldLayout& layout, ItemStepScratch& s)
{
    std::fill(s.switched.begin(), s.switched.end(), 0);
    for (;;) {
        claimSweep(game, s);
        for (int i : s.planned)
            s.resolution[static_cast<std::size_t>(i)] = RESOLVE_OPEN;  // only they leave it
        MoveResolver resolver(game, layout, s);
        for (int i : s.planned)
            resolver.resolveMove(i);

        bool anySwitched = false;
        for (int k : s.onDistributor) {
            const auto i = static_cast<std::size_t>(k);
            const MovePlan& other = s.alternatives[i];
            if (s.switched[i] || s.resolution[i] == RESOLVE_MOVES) continue;
            if (other.target < 0 || other.target == s.plans[i].target) continue;
            s.switched[i] = 1;
            if (s.plans[i].target < 0) s.planned.insert(std::lower_bound(s.planned.begin(), s.planned.end(), k), k);
            s.plans[i] = other;
            anySwitched = true;
        }
        if (!anySwitched) return;
    }
}
