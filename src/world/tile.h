#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "world/cargo.h"
#include "world/control_type.h"
#include "world/direction.h"
#include "world/fifo.h"
#include "world/item_identity.h"

// What a switch wire tells a control.
using SwitchAction = int;
constexpr SwitchAction NO_CHANGE = 0;
constexpr SwitchAction SWITCH_ON = 1;
constexpr SwitchAction SWITCH_OFF = 2;

// Bridge parts kept in Tile::bridgePart.
constexpr int BRIDGE_NONE = -1;
constexpr int BRIDGE_ENTRY_RAMP = 0;
constexpr int BRIDGE_DECK = 1;
constexpr int BRIDGE_EXIT_RAMP = 2;

constexpr int MAX_LABEL_LENGTH = 50;

// Belt speed levels run from 0 (stopped) to this; 3 is a new belt's.
constexpr int MAX_BELT_SPEED = 5;

// Every kind a charcoal kiln or a smelter takes: its intake when built, and
// again when a switch wire turns it on.
constexpr CargoMask OVEN_INTAKE = 3;      // logs and planks
constexpr CargoMask SMELTER_INTAKE = 28;  // coal, iron ore and iron ingots

// An arm's sides: bit d stands for compass direction d, so bits 1..4.
constexpr std::uint32_t ARM_ALL_SIDES = 30;

// The characters a machine label may hold, those the bitmap font draws:
// 'A'..'Z', '0'..'9', the blank, '-' and '.'. Lower-case letters and other
// punctuation are refused even where the font has a glyph.
bool isLabelChar(char c);
// At most MAX_LABEL_LENGTH label characters; the empty label too.
bool isValidLabel(std::string_view label);

// One item a sensor saw.
struct SensorSighting {
    bool valid = false;
    CargoType cargo = 0;
    std::uint64_t machineId = 0;
    std::uint64_t serial = 0;

    // Anonymous items match by kind, identified ones by machine id and serial.
    bool matches(CargoType itemCargo, const ItemId& id) const;
    friend bool operator==(const SensorSighting&, const SensorSighting&) = default;
};

// The record of one grid position: one flat value record for every control
// type. A tile uses only the fields of its own type; the rest stay default.
struct Tile {
    // What the step's layout compares with the world every step: kept
    // together at the front, so that the comparison reads one cache line.
    ControlType type = EMPTY;
    Direction dir = NONE;
    Direction bridgeDir = NONE;
    int bridgePart = BRIDGE_NONE;
    int beltSpeed = 3;  // belt, bridge and tunnel
    int tunnelPartnerX = -1;
    int tunnelPartnerY = -1;

    // Mixer and distributor.
    bool lastSideB = false;
    int ratioA = 1;
    int ratioB = 1;
    int ratioPos = 0;
    CargoMask cargoRuleMask = 0;
    bool modeCargoRules = false;
    bool modeSignal = false;
    bool signalSelectsB = false;

    // Belt, bridge and tunnel.
    int beltPriority = 0;

    // Source.
    CargoType sourceCargo = LOG;

    // Arms.
    CargoMask armCargoFilter = ALL_CARGO;
    std::uint32_t armSideMask = ARM_ALL_SIDES;
    int armPendingJobs = 0;
    bool armContinuous = false;
    bool armSignalOn = false;
    int armHomeMode = 0;
    bool armHomePending = false;
    float armFreeAngle = 0.0f;
    float armAngle = 0.0f;

    // Producer identity.
    std::uint64_t machineId = 0;
    std::uint64_t serialCounter = 0;
    std::string label;

    // Source and sink.
    std::array<int, CARGO_TYPE_COUNT> sourceProduced{};
    std::array<int, CARGO_TYPE_COUNT> sinkDelivered{};
    std::vector<ItemId> sinkDeliveredIds;
    bool sourceRunning = false;
    bool sinkAccepting = true;

    // Charcoal kiln and smelter settings.
    CargoMask ovenAcceptMask = OVEN_INTAKE;
    CargoMask smelterAcceptMask = SMELTER_INTAKE;

    // Charcoal kiln.
    int ovenHeld = 0;
    int ovenOutputCount = 0;
    float ovenTimer = 0.0f;
    Fifo<int> ovenInputCargo;
    Fifo<ItemRecord> ovenInputItems;
    Fifo<ItemRecord> ovenOutputItems;

    // Smelter.
    int smelterHeld = 0;
    int smelterInProcess = 0;
    int smelterCoal = 0;
    float smelterTimer = 0.0f;
    Fifo<int> smelterInputCargo;
    Fifo<int> smelterOutputCargo;
    Fifo<ItemRecord> smelterInputItems;
    Fifo<ItemRecord> smelterOutputItems;
    ItemRecord smelterCurrentItem;
    Fifo<ItemRecord> smelterCoalItems;

    // Storage and shop.
    CargoMask storageAcceptMask = ALL_CARGO;
    bool storageOutputOn = false;
    CargoMask shopAcceptMask = ALL_CARGO;
    Fifo<int> storageCargo;
    Fifo<ItemRecord> storageItems;

    // Bottling plant.
    bool fillerAccepting = true;
    int fillerBottles = 0;
    int fillerOutputCount = 0;
    float fillerTimer = 0.0f;
    int fillerWaiting = 0;
    Fifo<ItemRecord> fillerInputItems;
    Fifo<ItemRecord> fillerOutputItems;

    // Power consumers (derived by the power network rebuild).
    bool powerConnected = false;
    int powerNetwork = -1;
    bool powerSupplied = false;

    // Coal generator.
    int generatorCoal = 0;
    float generatorBurnTime = 0.0f;
    bool generatorOn = false;
    bool generatorInUse = false;
    int generatorLoadKw = 0;
    Fifo<ItemRecord> generatorFuelItems;

    // Injection molder.
    int molderGranulate = 0;
    int molderWater = 0;
    int molderOutputCount = 0;
    float molderTimer = 0.0f;
    bool molderOn = false;
    bool molderPowered = false;
    Fifo<ItemRecord> molderGranulateItems;
    Fifo<ItemRecord> molderWaterItems;
    Fifo<ItemRecord> molderOutputItems;

    // Water source.
    float waterAccumulator = 0.0f;

    // Sensor and logic components.
    CargoType sensorCargo = COAL;
    int limit = 3;
    int compareAbove = 0;
    SwitchAction thenAction = SWITCH_ON;
    SwitchAction elseAction = NO_CHANGE;
    int switchPriority = 0;
    bool signalOut = false;
    bool inputA = false;
    bool inputB = false;
    bool switchOn = false;
    bool buttonPressed = false;
    int stepperIndex = -1;
    int periodSeconds = 3;
    float elapsed = 0.0f;
    float pulse = 0.0f;
    bool prevInput = false;
    bool running = false;
    bool rsState = false;
    int counterCount = 0;
    bool counterPrevInput = false;
    float counterPulse = 0.0f;
    bool sensorWatchItems = false;
    bool sensorPerItem = false;
    int sensorTargetIndex = -1;
    float sensorFlash = 0.0f;
    SensorSighting sensorLastSeen;
    SensorSighting sensorPresent;
    bool sensorSeenMatch = false;

    // Ejector.
    bool ejectorActive = true;
    int ejectorJobs = 0;
    float ejectorTimer = -1.0f;
    float ejectorKickTime = 0.6f;
    float ejectorStroke = 0.5f;
    bool ejectorBusy = false;
    ItemId ejectorItemId;

    // 5V network (derived).
    bool dcSupplied = false;
    bool dcJustSupplied = false;
    int dcRoot = -1;
    int dcCount = 0;
    int dcSlots = 0;

    // Free for building: nothing built and no bridge spanning it.
    bool isFree() const { return type == EMPTY && bridgePart < 0; }

    friend bool operator==(const Tile&, const Tile&) = default;
};

// The step from a distributor's or mixer's main tile to its second tile,
// which lies a quarter turn clockwise of the facing both tiles share.
inline int pairStepX(const Tile& pairTile) { return directionDx(clockwiseDirection(pairTile.dir)); }
inline int pairStepY(const Tile& pairTile) { return directionDy(clockwiseDirection(pairTile.dir)); }
