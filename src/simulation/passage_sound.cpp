#include "simulation/passage_sound.h"

#include "audio/sound_engine.h"
#include "world/geometry.h"

void playPassageSound(SoundEngine& sound, ControlType type, int x, int y, Direction dir)
{
    const Direction side = clockwiseDirection(dir);
    const int sx = directionDx(side);
    const int sy = directionDy(side);
    const int mainX = type == DISTRIBUTOR_SECOND ? x - sx : x;
    const int mainY = type == DISTRIBUTOR_SECOND ? y - sy : y;
    const float px = static_cast<float>(mainX) + 0.5f * static_cast<float>(sx);
    const float py = static_cast<float>(mainY) + 0.5f * static_cast<float>(sy);
    const auto id = static_cast<std::uint32_t>(tileIndex(mainX, mainY));
    if (type == MIXER || type == MIXER_SECOND) {
        sound.playMixer(id, px, py);
    } else {
        sound.playDistributor(id, px, py);
    }
}
