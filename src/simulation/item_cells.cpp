#include "simulation/item_cells.h"

#include "simulation/item_transport.h"
#include "world/geometry.h"

namespace {

int cellOf(const CargoItem& item)
{
    return tileIndex(clampedCoordinate(item.posX, GRID_WIDTH), clampedCoordinate(item.posY, GRID_HEIGHT));
}

}  // namespace

void ItemCells::build(const std::vector<CargoItem>& items)
{
    const std::size_t n = items.size();
    if (next_.capacity() < MOST_WORLD_ITEMS) {
        next_.reserve(MOST_WORLD_ITEMS);
        prev_.reserve(MOST_WORLD_ITEMS);
        cell_.reserve(MOST_WORLD_ITEMS);
    }
    head_.assign(TILE_COUNT, -1);
    next_.assign(n, -1);
    prev_.assign(n, -1);
    cell_.assign(n, -1);
    for (std::size_t i = n; i-- > 0;) {
        if (!isPassingThroughTunnel(items[i])) link(static_cast<int>(i), cellOf(items[i]));
    }
}

void ItemCells::refile(int index, const CargoItem& item)
{
    const int cell = cellOf(item);
    if (cell == cell_[static_cast<std::size_t>(index)]) return;
    if (cell_[static_cast<std::size_t>(index)] >= 0) unlink(index);
    link(index, cell);
}

void ItemCells::collect(float x0, float x1, float y0, float y1, std::vector<int>& out) const
{
    out.clear();
    const TileRect cells = cellsOf(x0, x1, y0, y1);
    for (int y = cells.top; y <= cells.bottom; ++y) {
        for (int x = cells.left; x <= cells.right; ++x) {
            for (int i = head_[static_cast<std::size_t>(tileIndex(x, y))]; i >= 0;
                 i = next_[static_cast<std::size_t>(i)]) {
                out.push_back(i);
            }
        }
    }
}

void ItemCells::link(int index, int cell)
{
    const auto i = static_cast<std::size_t>(index);
    const int first = head_[static_cast<std::size_t>(cell)];
    next_[i] = first;
    prev_[i] = -1;
    if (first >= 0) prev_[static_cast<std::size_t>(first)] = index;
    head_[static_cast<std::size_t>(cell)] = index;
    cell_[i] = cell;
}

void ItemCells::unlink(int index)
{
    const auto i = static_cast<std::size_t>(index);
    const int before = prev_[i];
    const int after = next_[i];
    if (before >= 0) {
        next_[static_cast<std::size_t>(before)] = after;
    } else {
        head_[static_cast<std::size_t>(cell_[i])] = after;
    }
    if (after >= 0) prev_[static_cast<std::size_t>(after)] = before;
}
