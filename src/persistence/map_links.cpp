#include "persistence/map_links.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "machines/power_pole_control.h"

namespace {

constexpr int LAST_VERSION_WITH_MOLDER_CABLES = 21;

int firstEnd(const Link& link) { return tileIndex(link.x0, link.y0); }
int secondEnd(const Link& link) { return tileIndex(link.x1, link.y1); }

bool endsFit(const Link& link)
{
    return inGrid(link.x0, link.y0) && inGrid(link.x1, link.y1) && firstEnd(link) != secondEnd(link);
}

bool shortEnough(const Link& link)
{
    const int dx = link.x1 - link.x0;
    const int dy = link.y1 - link.y0;
    return dx * dx + dy * dy <= MAX_POWER_CABLE_LENGTH_SQUARED;
}

// Cables join two tiles whichever end is written first.
std::pair<int, int> joinedTiles(const Link& link) { return std::minmax(firstEnd(link), secondEnd(link)); }

bool endsOnMolder(const std::vector<Tile>& tiles, const Link& link)
{
    return tiles[firstEnd(link)].type == INJECTION_MOLDER || tiles[secondEnd(link)].type == INJECTION_MOLDER;
}

// Maps up to version 21 let one cable end on an injection molder.
int cableLimitInVersion(ControlType type, int version)
{
    if (type == INJECTION_MOLDER) return version <= LAST_VERSION_WITH_MOLDER_CABLES ? 1 : 0;
    return powerCableLimit(type);
}

}  // namespace

bool powerCablesFit(const std::vector<Tile>& tiles, const std::vector<Link>& cables, int version)
{
    std::set<std::pair<int, int>> joined;
    std::map<int, int> cablesOfTile;
    for (const Link& cable : cables) {
        if (!endsFit(cable) || !shortEnough(cable) || !joined.insert(joinedTiles(cable)).second) return false;
        for (int end : {firstEnd(cable), secondEnd(cable)}) {
            if (++cablesOfTile[end] > cableLimitInVersion(tiles[end].type, version)) return false;
        }
    }
    return true;
}

void dropLegacyMolderLinks(const std::vector<Tile>& tiles, std::vector<Link>& cables, int version)
{
    if (version > LAST_VERSION_WITH_MOLDER_CABLES) return;
    std::erase_if(cables, [&tiles](const Link& cable) { return endsOnMolder(tiles, cable); });
}

bool dcCablesFit(const std::vector<Tile>& tiles, const std::vector<Link>& cables)
{
    auto carries5V = [&tiles](int end) { return isDcNetworkType(tiles[end].type); };
    std::set<std::pair<int, int>> joined;
    for (const Link& cable : cables) {
        if (!endsFit(cable) || !carries5V(firstEnd(cable)) || !carries5V(secondEnd(cable)) ||
            !joined.insert(joinedTiles(cable)).second) {
            return false;
        }
    }
    return true;
}

bool validateMapLinks(const std::vector<Tile>& tiles, const std::vector<Link>& wires)
{
    std::set<std::pair<int, int>> joined;
    for (const Link& wire : wires) {
        if (!endsFit(wire) || tiles[firstEnd(wire)].type != SENSOR ||
            !isSwitchWireTarget(tiles[secondEnd(wire)].type) ||
            !joined.emplace(firstEnd(wire), secondEnd(wire)).second) {
            return false;
        }
    }
    return true;
}

bool waterLinesFit(const std::vector<Tile>& tiles, const std::vector<Link>& lines)
{
    std::set<int> fedMolders;
    for (const Link& line : lines) {
        if (!endsFit(line) || !shortEnough(line) || tiles[firstEnd(line)].type != WATER_SOURCE ||
            tiles[secondEnd(line)].type != INJECTION_MOLDER || !fedMolders.insert(secondEnd(line)).second) {
            return false;
        }
    }
    return true;
}
