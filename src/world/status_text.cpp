#include <charconv>
#include <string>

#include "machines/arm_control.h"
#include "machines/filler_control.h"
#include "machines/injection_molder_control.h"
#include "machines/oven_control.h"
#include "machines/smelter_control.h"
#include "world/control.h"
#include "world/game.h"
#include "world/power_overview.h"
#include "world/tile_item_index.h"

namespace {

std::string generatorText(const Tile& tile)
{
    if (!tile.generatorOn) return "GENERATOR AUSGESCHALTET";
    if (tile.generatorCoal == 0 && tile.generatorBurnTime <= 0.0f) return "KOHLE FEHLT";
    if (tile.generatorLoadKw <= 0) return "GENERATOR BEREIT - KEINE LAST";
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, tile.generatorLoadKw);
    return "GENERATOR LIEFERT " + std::string(digits, written.ptr) + " KW";
}

// The molder's own checks before its warnings; empty when they pass.
std::string molderGateText(const Tile& tile)
{
    if (!tile.molderOn) return "MASCHINE AUSGESCHALTET";
    if (!tile.powerConnected) return "KEIN STROM";
    if (molderStoreFull(tile)) return "PRODUKTLAGER VOLL";
    // Without both inputs the molder draws no power, so it cannot be overloaded.
    if (molderCanWork(tile) && !tile.powerSupplied) return "NETZ UEBERLASTET";
    return {};
}

std::string gridPowerText(const Tile& tile)
{
    if (!tile.powerConnected) return "KEIN STROM";
    if (!tile.powerSupplied) return "NETZ UEBERLASTET";
    return {};
}

std::string ovenText(const Tile& tile, unsigned warnings)
{
    if (ovenStoreFull(tile)) return "PRODUKTLAGER VOLL";
    if (warnings & OUTPUT_BLOCKED) return "AUSGANG BLOCKIERT";
    if (!tile.ovenInputCargo.empty()) return "VERARBEITET HOLZ";
    if (tile.ovenAcceptMask == 0) return "ANNAHME AUSGESCHALTET";
    return "WARTET AUF HOLZ";
}

std::string fillerText(const Tile& tile, unsigned warnings)
{
    if (fillerStoreFull(tile)) return "PRODUKTLAGER VOLL";
    if (warnings & OUTPUT_BLOCKED) return "AUSGANG BLOCKIERT";
    if (tile.fillerWaiting != 0) return "FUELLT FLASCHEN";
    if (!tile.fillerAccepting) return "ANNAHME AUSGESCHALTET";
    return "WARTET AUF LEERE FLASCHEN";
}

std::string smelterText(const Tile& tile)
{
    if (tile.smelterInputCargo.empty()) {
        return tile.smelterAcceptMask == 0 ? "ANNAHME AUSGESCHALTET" : "WARTET AUF ERZ ODER EISEN";
    }
    const auto& smelter = static_cast<const SmelterControl&>(controlForType(SMELTER));
    if (smelter.firstWorkableEntry(tile) < 0) return "PRODUKTLAGER VOLL";
    return "SCHMILZT";
}

std::string molderText(const Tile& tile)
{
    if (tile.molderGranulate < MOLDER_GRANULATE_PER_GEAR) return "PLASTIKGRANULAT FEHLT";
    if (tile.molderWater >= MOLDER_WATER_PER_GEAR) return "PRODUZIERT ZAHNRAEDER";
    return "WASSER FEHLT";
}

// An arm on a switch wire waits while the signal has not released it.
bool armHeldBySignal(const Tile& arm) { return arm.armContinuous ? !arm.armSignalOn : arm.armPendingJobs <= 0; }

// What the remaining transport and service controls say when nothing else applies.
std::string idleText(ControlType t)
{
    switch (t) {
    case ARM:
    case LONG_ARM:
    case DISTRIBUTOR:
    case MIXER:
    case BELT:
    case BRIDGE:
        return "WARTET AUF FRACHT";
    case WATER_SOURCE:
        return "WASSERQUELLE BEREIT";
    case WATER_PIPE:
        return "WASSERLEITUNG";
    case STORAGE:
    case TUNNEL:
    case TUNNEL_EXIT:
    case SHOP:
    case POWER_SUPPLY:
        return "BEREIT";
    default:
        return {};
    }
}

bool reportsItemOnTile(ControlType t) { return !idleText(t).empty(); }

std::string itemStatusText(ItemLookup items, const CargoItem& item)
{
    if (item.carried && item.holdState <= HOLD_SWINGING) return "ARM TRAEGT FRACHT";
    std::string reason = items.game.blockedReason(item, items.index);
    return reason.empty() ? "TRANSPORTIERT" : reason;
}

// The rules that follow the warnings, for a tile that passed its own checks.
std::string warningStatusText(ItemLookup items, int x, int y)
{
    const Game& game = items.game;
    const Tile& tile = game.tileAt(x, y);
    const unsigned warnings = game.tileWarnings(x, y, items.index);
    if (warnings & STORAGE_FULL) return "LAGER VOLL";
    if (warnings & COAL_MISSING) return "KOHLE FEHLT";
    if (tile.type == OVEN) return ovenText(tile, warnings);
    if (tile.type == FILLER) return fillerText(tile, warnings);
    if (warnings & OUTPUT_BLOCKED) return "AUSGANG BLOCKIERT";

    switch (tile.type) {
    case SMELTER:
        return smelterText(tile);
    case INJECTION_MOLDER:
        return molderText(tile);
    case SOURCE:
        return tile.sourceRunning && game.sourcesEnabled ? "QUELLE AKTIV" : "QUELLE AUSGESCHALTET";
    case SINK:
        return tile.sinkAccepting ? "ZIEL NIMMT AN" : "ZIEL AUSGESCHALTET";
    default:
        break;
    }
    if (isArm(tile.type)) {
        if (tile.armCargoFilter == 0 || tile.armSideMask == 0) return "GREIFEN DEAKTIVIERT";
        if (!items.anyAt(x, y) && game.hasSwitchWireTo(x, y) && armHeldBySignal(tile)) return "WARTET AUF SIGNAL";
    }
    if (isBeltOrBridge(tile.type) && tile.beltSpeed == 0) return "BAND GESTOPPT";
    if (!reportsItemOnTile(tile.type)) return {};
    // Items on a bridge deck above the tile are not its own.
    if (const CargoItem* item = items.firstGroundItem(x, y)) return itemStatusText(items, *item);
    if (warnings & INPUT_RESTRICTED) return "ANNAHME EINGESCHRAENKT";
    return idleText(tile.type);
}

}  // namespace

std::string Game::blockedReason(const CargoItem& item, const TileItemIndex* itemIndex) const
{
    if (!item.path.empty() || !inBounds(item.x, item.y)) return {};
    const Tile& under = tileUnder(item);
    if (under.type == TUNNEL && item.tunnelProgress > 1) return {};
    if (isBeltOrBridge(under.type) && under.beltSpeed == 0) return "BAND GESTOPPT";
    if (item.carried && item.holdState == HOLD_AT_DROP) return "AUSGANG BELEGT";

    const bool onArm = isArm(under.type);
    const Direction d = onArm ? item.dir : under.dir;
    if (!isCompassDirection(d)) return "KEINE RICHTUNG";
    const int reach = onArm ? armReach(under.type) : 1;
    const int tx = item.x + reach * directionDx(d);
    const int ty = item.y + reach * directionDy(d);
    if (!inBounds(tx, ty)) return "KARTENRAND";
    if (ItemLookup{*this, itemIndex}.anyAt(tx, ty)) return "ZIEL BELEGT";

    const Tile& target = tileAt(tx, ty);
    switch (target.type) {
    case EMPTY:
    case PLAIN:
        return "ANSCHLUSS FEHLT";
    case SINK:
        return target.sinkAccepting ? "" : "ZIEL AUS";
    case SHOP:
        return controlForType(SHOP).canAccept(target, d, item.cargo) ? "" : "KAUFHAUS LEHNT AB";
    default:
        return {};  // a machine that refuses the item has reasons of its own
    }
}

std::string Game::statusText(int x, int y, const TileItemIndex* itemIndex) const
{
    if (!inBounds(x, y)) return {};
    if (tileAt(x, y).type == DISTRIBUTOR_SECOND || tileAt(x, y).type == MIXER_SECOND) {
        // The pair reports from its main tile.
        const Tile& second = tileAt(x, y);
        x -= pairStepX(second);
        y -= pairStepY(second);
        if (!inBounds(x, y)) return {};
    }
    const Tile& tile = tileAt(x, y);
    switch (tile.type) {
    case EMPTY:
    case PLAIN:
        return {};
    case COAL_GENERATOR:
        return generatorText(tile);
    case POWER_POLE:
        return powerPoleStatus(x, y) ? "STROMMAST VERSORGT" : "STROMMAST - KEIN STROM";
    case SENSOR:
        return "SENSOR - REGEL AKTIV";
    case EJECTOR:
        return tile.ejectorActive ? "AUSWERFER AKTIV" : "AUSWERFER AUSGESCHALTET";
    case INJECTION_MOLDER:
        if (std::string gate = molderGateText(tile); !gate.empty()) return gate;
        break;
    default:
        if (isLogicType(tile.type)) return tile.signalOut ? "ERGEBNIS EIN" : "ERGEBNIS AUS";
        // The molder, the one other consumer, has its own checks above.
        if (isPowerConsumerType(tile.type)) {
            if (std::string gate = gridPowerText(tile); !gate.empty()) return gate;
        }
        break;
    }
    return warningStatusText({*this, itemIndex}, x, y);
}
