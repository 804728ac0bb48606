#include <algorithm>
#include <vector>

#include "machines/injection_molder_control.h"
#include "simulation/step_tables.h"
#include "world/game.h"

namespace {

constexpr float SECONDS_PER_WATER_UNIT = 4.0f;
constexpr float WATER_ACCUMULATOR_CAP = 44.0f;

// The molders a source reaches through its pipes, in order of discovery. A
// molder right beside the source is not fed through that contact.
const std::vector<int>& moldersOnPipes(const Game& game, int sourceIndex, StepScratch& s)
{
    std::vector<char>& seen = s.pipeSeen;
    std::vector<int>& queue = s.pipeQueue;
    std::vector<int>& molders = s.pipeMolders;
    seen.assign(TILE_COUNT, 0);
    queue.assign(1, sourceIndex);
    molders.clear();
    seen[static_cast<std::size_t>(sourceIndex)] = 1;
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const int node = queue[head];
        const EdgeNeighbours around = edgeNeighbours(node);
        for (int k = 0; k < around.count; ++k) {
            const int next = around.index[k];
            if (seen[static_cast<std::size_t>(next)] != 0) continue;
            const ControlType type = game.tiles[next].type;
            if (type == INJECTION_MOLDER && node != sourceIndex) {
                seen[static_cast<std::size_t>(next)] = 1;
                molders.push_back(next);
            } else if (type == WATER_PIPE) {
                seen[static_cast<std::size_t>(next)] = 1;
                queue.push_back(next);
            }
        }
    }
    return molders;
}

// Cyclic search from the position the source's serial counter picks.
int moldWithRoom(const Game& game, const Tile& source, const std::vector<int>& molders)
{
    const std::size_t n = molders.size();
    const std::size_t start = static_cast<std::size_t>(source.serialCounter % n);
    for (std::size_t i = 0; i < n; ++i) {
        const int index = molders[(start + i) % n];
        if (molderTakesWater(game.tiles[index])) return index;
    }
    return -1;
}

}  // namespace

void Game::deliverWater(int sourceIndex, float dt)
{
    const std::vector<int>& molders = moldersOnPipes(*this, sourceIndex, tables_.get().step);
    if (molders.empty()) return;
    Tile& source = tiles[sourceIndex];
    assignMachineId(source);
    source.waterAccumulator = std::min(source.waterAccumulator + dt, WATER_ACCUMULATOR_CAP);
    while (source.waterAccumulator >= SECONDS_PER_WATER_UNIT) {
        const int molder = moldWithRoom(*this, source, molders);
        if (molder < 0) {
            source.waterAccumulator = SECONDS_PER_WATER_UNIT;
            return;
        }
        ++source.serialCounter;
        ItemRecord unit{ItemId{source.machineId, source.serialCounter, source.label}, {}};
        InjectionMolderControl::acceptWater(tiles[molder], std::move(unit));
        source.waterAccumulator -= SECONDS_PER_WATER_UNIT;
    }
}
