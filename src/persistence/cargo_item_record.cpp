#include "persistence/cargo_item_record.h"

#include "persistence/item_records.h"
#include "persistence/map_fields.h"

namespace {

constexpr std::uint32_t MAX_PATH_POINTS = 9600;
constexpr double LAST_TILE_INDEX = TILE_COUNT - 1;
constexpr double MAX_TUNNEL_PROGRESS = 140;

constexpr MapField<CargoItem> FIELDS_BEFORE_IDENTITY[] = {
    {&CargoItem::x, 5, {0, GRID_WIDTH - 1}},
    {&CargoItem::y, 5, {0, GRID_HEIGHT - 1}},
    {&CargoItem::layer, 5, {0, 1}},
    {&CargoItem::dir, 5, {NONE, WEST}},
    {&CargoItem::heading, 5, {NONE, WEST}},
    {&CargoItem::cargo, 5, {0, CARGO_TYPE_COUNT - 1}},
    {&CargoItem::originX, 5, {0, GRID_WIDTH - 1}},
    {&CargoItem::originY, 5, {0, GRID_HEIGHT - 1}},
    {&CargoItem::progress, 5, {0, 1}},
    {&CargoItem::posX, 5, {-3, GRID_WIDTH + 2}},
    {&CargoItem::posY, 5, {-3, GRID_HEIGHT + 2}},
    {&CargoItem::leavingTunnel, 5},
    {&CargoItem::tunnelExitX, 5, {-1, GRID_WIDTH - 1}},
    {&CargoItem::tunnelExitY, 5, {-1, GRID_HEIGHT - 1}},
    {&CargoItem::speedCredit, 5, {0, 9}},
    {&CargoItem::carried, 5},
    {&CargoItem::holdState, 5, {HOLD_TURNING, HOLD_AT_DROP}},
    {&CargoItem::swing, 5, {0, 3.142}},
    {&CargoItem::gripTimer, 5, {-1, 1}},
    {&CargoItem::targetTile, 5, {-1, LAST_TILE_INDEX}},
    {&CargoItem::tunnelProgress, 10, {0, MAX_TUNNEL_PROGRESS}},
};

constexpr MapField<CargoItem> FIELDS_AFTER_PATH[] = {
    {&CargoItem::ejectTarget, 28, {-1, LAST_TILE_INDEX}},
    {&CargoItem::state, 28, {ITEM_FREE, ITEM_IN_FLIGHT}},
    {&CargoItem::ejectSkipTile, 28, {-1, LAST_TILE_INDEX}},
};

// Speed 1000 marks a jump point; a point must be approached at some speed.
constexpr MapField<PathPoint> PATH_POINT_FIELDS[] = {
    {&PathPoint::x, 5, {0, GRID_WIDTH - 1}},
    {&PathPoint::y, 5, {0, GRID_HEIGHT - 1}},
    {&PathPoint::speed, 5, {0, JUMP_SPEED, false, true}},
    {&PathPoint::dir, 5, {NONE, WEST}},
    {&PathPoint::flag, 5},
};

bool readPath(std::istream& in, CargoItem& item, int version)
{
    std::uint32_t count = 0;
    if (!readBoundedUnsigned(in, count, MAX_PATH_POINTS)) return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        PathPoint point;
        if (!readFields<PathPoint>(in, point, PATH_POINT_FIELDS, version)) return false;
        item.path.push_back(point);
    }
    return true;
}

bool itemFits(const CargoItem& item)
{
    const bool exitKnown = !item.leavingTunnel || (item.tunnelExitX >= 0 && item.tunnelExitY >= 0);
    return exitKnown && (item.state == ITEM_FREE) == (item.ejectTarget == -1);
}

}  // namespace

bool readCargoItem(std::istream& in, CargoItem& item, int version)
{
    return readFields<CargoItem>(in, item, FIELDS_BEFORE_IDENTITY, version) &&
           readItemRecord(in, item.id, item.parts, version >= FIRST_LABELLED_VERSION) && readPath(in, item, version) &&
           readFields<CargoItem>(in, item, FIELDS_AFTER_PATH, version) && itemFits(item);
}

void writeCargoItem(TextOut& out, const CargoItem& item)
{
    writeFields<CargoItem>(out, item, FIELDS_BEFORE_IDENTITY);
    writeItemRecord(out, item.id, item.parts);
    writeValue(out, static_cast<std::uint64_t>(item.path.size()));
    for (const PathPoint& point : item.path)
        writeFields<PathPoint>(out, point, PATH_POINT_FIELDS);
    writeFields<CargoItem>(out, item, FIELDS_AFTER_PATH);
    endLine(out);
}
