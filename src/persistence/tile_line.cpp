#include "persistence/tile_line.h"

#include <limits>

#include "logic/logic_rules.h"
#include "persistence/map_fields.h"

namespace {

constexpr int FIRST_LEGACY_TRIPLE_VERSION = 31;
constexpr int LAST_LEGACY_TRIPLE_VERSION = 40;
constexpr double MAX_FREE_ANGLE = 6.284;
constexpr double MAX_LIMIT = 1000000;
constexpr double MAX_PENDING_JOBS = 1000;
constexpr double MAX_PULSE = 0.18;

constexpr MapField<Tile> LINE_FIELDS_BEFORE_TRIPLE[] = {
    {&Tile::type, 1, {0, CONTROL_TYPE_COUNT - 1}},
    {&Tile::dir, 1, {NONE, WEST}},
    {&Tile::beltSpeed, 1, {0, MAX_BELT_SPEED}},
    {&Tile::sourceCargo, 1, {0, CARGO_TYPE_COUNT - 1}},
    {&Tile::armCargoFilter, 1, allowedBits(ALL_CARGO)},
    {&Tile::armSideMask, 1, allowedBits(ARM_ALL_SIDES)},
    {&Tile::armFreeAngle, 1, {-MAX_FREE_ANGLE, MAX_FREE_ANGLE}},
    {&Tile::sourceRunning, 1},
    {&Tile::sinkAccepting, 1},
    {&Tile::ovenAcceptMask, 1, allowedBits(OVEN_INTAKE)},
    {&Tile::smelterAcceptMask, 1, allowedBits(SMELTER_INTAKE)},
    {&Tile::fillerAccepting, 2},
    {&Tile::bridgeDir, 3, {NONE, WEST}},
    {&Tile::bridgePart, 3, {BRIDGE_NONE, BRIDGE_EXIT_RAMP}},
    {&Tile::machineId, FIRST_VERSION_WITH_MACHINE_IDS},
    {&Tile::serialCounter, FIRST_VERSION_WITH_MACHINE_IDS},
    {&Tile::label, FIRST_LABELLED_VERSION},
    {&Tile::beltPriority, 9, {0, WEST}},
    {&Tile::tunnelPartnerX, 10, {-1, GRID_WIDTH - 1}},
    {&Tile::tunnelPartnerY, 10, {-1, GRID_HEIGHT - 1}},
    {&Tile::sensorCargo, 23, {0, CARGO_TYPE_COUNT - 1}},
    {&Tile::limit, 23, {0, MAX_LIMIT}},
    {&Tile::compareAbove, 23, {0, 1}},
    {&Tile::thenAction, 23, {NO_CHANGE, SWITCH_OFF}},
    {&Tile::elseAction, 23, {NO_CHANGE, SWITCH_OFF}},
    {&Tile::switchPriority, 23, {0, 9}},
    {&Tile::sensorWatchItems, 25},
    {&Tile::sensorPerItem, 25},
    {&Tile::sensorTargetIndex, 27, {-1, 7}},
    {&Tile::ejectorActive, 26},
    {&Tile::ejectorJobs, 28, {0, MAX_PENDING_JOBS}},
    {&Tile::armPendingJobs, 29, {0, MAX_PENDING_JOBS}},
    {&Tile::armSignalOn, 29},
    {&Tile::armHomeMode, 30, {0, 2}},
    {&Tile::armHomePending, 30},
};

// The limit is stored twice; the second value is the one that stays.
constexpr MapField<Tile> LINE_FIELDS_AFTER_TRIPLE[] = {
    {&Tile::limit, 34, {0, MAX_LIMIT}},
    {&Tile::counterCount, 34, {0, MAX_LIMIT}},
    {&Tile::counterPrevInput, 34},
    {&Tile::counterPulse, 34, {0, MAX_PULSE}},
    {&Tile::periodSeconds, 35, {LOGIC_PERIOD_MIN, LOGIC_PERIOD_MAX}},
    {&Tile::elapsed, 35, rangeBelow(LOGIC_PERIOD_MAX)},
    {&Tile::pulse, 35, {0, MAX_PULSE}},
    {&Tile::prevInput, 35},
    {&Tile::running, 35},
    {&Tile::switchOn, 36},
    {&Tile::stepperIndex, 38, {-1, 3}},
    {&Tile::rsState, 42},
    {&Tile::armContinuous, 43},
    {&Tile::modeSignal, 43},
    {&Tile::signalSelectsB, 43},
};

struct LargestType {
    int since;
    ControlType type;
};

constexpr LargestType LARGEST_TYPES[] = {
    {1, FILLER},         {3, BRIDGE},        {7, STORAGE},
    {10, TUNNEL_EXIT},   {12, SHOP},         {16, INJECTION_MOLDER},
    {20, WATER_SOURCE},  {21, WATER_PIPE},   {23, SENSOR},
    {26, EJECTOR},       {33, SIGNAL_LAMP},  {34, LOGIC_COUNTER},
    {35, LOGIC_CLOCK},   {36, LOGIC_SWITCH}, {37, LOGIC_BUTTON},
    {38, LOGIC_STEPPER}, {39, POWER_SUPPLY}, {42, LOGIC_RS},
};

// A belt mark of versions 31 to 40: tested, then dropped.
bool readLegacyTriple(std::istream& in, const Tile& tile)
{
    int flag = 0;
    int x = 0;
    int y = 0;
    if (!readInt(in, flag) || !readInt(in, x) || !readInt(in, y)) return false;
    const bool inRange = (flag == 0 || flag == 1) && x >= -1 && x < GRID_WIDTH && y >= -1 && y < GRID_HEIGHT;
    const bool bothOrNeither = (x == -1) == (y == -1);
    const bool flagFits = flag == 0 ? x == -1 : tile.type == BELT;
    return inRange && bothOrNeither && flagFits;
}

bool bridgeAndTunnelFit(const Tile& t)
{
    return (t.bridgePart == BRIDGE_NONE) == (t.bridgeDir == NONE) &&
           (t.tunnelPartnerX == -1) == (t.tunnelPartnerY == -1);
}

bool armFieldsFit(const Tile& t)
{
    const bool arm = isArm(t.type);
    if (!arm && (t.armPendingJobs != 0 || t.armSignalOn || t.armHomeMode != 0)) return false;
    if (t.armHomePending && t.armHomeMode == 0) return false;
    if (t.armContinuous) return arm && !t.modeSignal && !t.signalSelectsB && t.armPendingJobs == 0;
    return t.type == DISTRIBUTOR || (!t.modeSignal && !t.signalSelectsB);
}

// Settings that only their own control type may carry away from the default.
bool ownSettingsFit(const Tile& t)
{
    return (t.sensorTargetIndex == -1 || t.type == SENSOR) && (t.ejectorActive || t.type == EJECTOR) &&
           (t.ejectorJobs == 0 || t.type == EJECTOR) && (!t.switchOn || t.type == LOGIC_SWITCH) &&
           (t.stepperIndex == -1 || t.type == LOGIC_STEPPER) && (!t.rsState || t.type == LOGIC_RS);
}

bool tileLineFits(const Tile& t, int version)
{
    return t.type <= largestControlTypeForVersion(version) && bridgeAndTunnelFit(t) && armFieldsFit(t) &&
           ownSettingsFit(t) && t.elapsed < static_cast<float>(t.periodSeconds) &&
           t.serialCounter != std::numeric_limits<std::uint64_t>::max();
}

}  // namespace

int largestControlTypeForVersion(int version)
{
    ControlType largest = EMPTY;
    for (const LargestType& entry : LARGEST_TYPES) {
        if (version >= entry.since) largest = entry.type;
    }
    return largest;
}

bool readTileLine(std::istream& in, Tile& tile, int version)
{
    if (!readFields<Tile>(in, tile, LINE_FIELDS_BEFORE_TRIPLE, version)) return false;
    if (version >= FIRST_LEGACY_TRIPLE_VERSION && version <= LAST_LEGACY_TRIPLE_VERSION &&
        !readLegacyTriple(in, tile)) {
        return false;
    }
    if (!readFields<Tile>(in, tile, LINE_FIELDS_AFTER_TRIPLE, version) || !tileLineFits(tile, version)) return false;
    migrateCargoMask(tile, version);
    if (tile.type == SENSOR && tile.dir == NONE) tile.dir = EAST;
    tile.armAngle = tile.armFreeAngle;
    return true;
}

void writeTileLine(TextOut& out, const Tile& tile)
{
    writeFields<Tile>(out, tile, LINE_FIELDS_BEFORE_TRIPLE);
    writeFields<Tile>(out, tile, LINE_FIELDS_AFTER_TRIPLE);
    endLine(out);
}

void migrateCargoMask(Tile& tile, int version)
{
    if (version < FIRST_VERSION_WITH_THIRTEEN_CARGO && tile.armCargoFilter == OLD_ALL_CARGO)
        tile.armCargoFilter = ALL_CARGO;
}
