#include "render/sprite_key.h"

#include <algorithm>

#include "render/distributor_mixer_sprite.h"
#include "render/oven_smelter_sprite.h"
#include "render/power_water_sprites.h"
#include "render/storage_shop_filler_sprites.h"
#include "render/transport_sprites.h"

namespace {

int armFilterClass(CargoMask filter)
{
    if (filter == ALL_CARGO || filter == 0 || filter == 1) return static_cast<int>(filter);
    return 2;
}

bool keepsDirection(ControlType type)
{
    return type != EMPTY && type != PLAIN && type != WATER_SOURCE && type != WATER_PIPE;
}

bool isKeyedLogic(ControlType type) { return (type >= LOGIC_AND && type <= LOGIC_STEPPER) || type == LOGIC_RS; }

// The press's eight frames over its 4-second cycle while it works; the finished
// gears at rest as frame 8.
void setMolderState(SpriteKey& key, const Tile& tile)
{
    if (tile.molderTimer > 0.0f) {
        key.stateBits = 1;
        key.frame = static_cast<int>(std::clamp(tile.molderTimer * 0.25f * 8.0f, 0.0f, 7.0f));
    } else if (tile.molderOutputCount > 0) {
        key.stateBits = 2;
        key.frame = 8;
    }
}

}  // namespace

SpriteKey spriteKeyOf(const Tile& tile, int tileSize, float time, bool powered)
{
    SpriteKey key;
    key.type = tile.type;
    key.tileSize = tileSize;
    key.direction = keepsDirection(tile.type) ? tile.dir : NONE;
    const ControlType type = tile.type;
    if (type == BELT) {
        key.beltSpeed = tile.beltSpeed;
        key.frame = tile.dir == NONE ? 0 : beltSlatTravel(tile.beltSpeed, tileSize, time);
    } else if (type == SOURCE) {
        key.stateBits = tile.sourceRunning;
    } else if (type == SINK) {
        key.stateBits = tile.sinkAccepting;
    } else if (isArm(type)) {
        key.armFilterClass = armFilterClass(tile.armCargoFilter);
    } else if (type >= DISTRIBUTOR && type <= MIXER_SECOND) {
        const bool mixer = type >= MIXER;
        key.frame = pairRollerFrame(time);
        key.frame2 = pairMachineFrame(time, mixer);
    } else if (type == OVEN || type == SMELTER) {
        key.stateBits = (type == OVEN ? tile.ovenTimer : tile.smelterTimer) > 0.0f;
        key.frame = ovenSmelterFrame(time);
    } else if (type == FILLER) {
        key.stateBits = tile.fillerTimer > 0.0f;
        key.frame = key.stateBits != 0 ? fillerFrame(time) : 0;
    } else if (type == STORAGE) {
        key.stateBits = tile.storageOutputOn;
    } else if (type == COAL_GENERATOR) {
        const bool burning = tile.generatorBurnTime > 0.0f;
        key.stateBits = 2 * burning + tile.generatorOn;
        key.frame = burning && tile.generatorOn ? generatorSmokeFrame(time) : 0;
    } else if (type == POWER_POLE) {
        key.stateBits = powered;
        key.frame = powered ? poleSparkFrame(time) : 0;
    } else if (type == INJECTION_MOLDER) {
        setMolderState(key, tile);
    } else if (type == EJECTOR) {
        key.stateBits = tile.ejectorActive;
    } else if (isKeyedLogic(type)) {
        key.stateBits = tile.signalOut + 2 * tile.inputA + 4 * tile.inputB;
    }
    return key;
}
