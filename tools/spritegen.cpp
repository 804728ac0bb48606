// gearhaven-spritegen OUTDIR: draws the cargo and arm sprites the game loads and
// writes them as PNGs into OUTDIR. The output is the same bytes on every run, so
// the committed assets can be made again and compared.

#include <SDL.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "spritegen_sprites.h"

namespace {

// Cargo sprites are tile squares at the arm sprites' scale; the cargo fills its
// footprint in the middle, so it looks as big as it collides.
constexpr int SPRITE_PIXELS_PER_ART = ARM_SPRITE_SCALE * 32 / ART_PER_TILE;
constexpr int CARGO_SPRITE_SIZE = 32 * ARM_SPRITE_SCALE;

bool writeCargo(const std::string& folder, CargoType cargo)
{
    const Art art = drawCargo(cargo);
    const CargoFootprint& f = CARGO_FOOTPRINT[cargo];
    if (art.width() != std::lround(f.alongX * ART_PER_TILE) || art.height() != std::lround(f.alongY * ART_PER_TILE)) {
        std::fprintf(stderr, "%s: drawing does not match the footprint\n", CARGO_SPRITE_FILES[cargo]);
        return false;
    }
    return art.savePng(folder + "/" + CARGO_SPRITE_FILES[cargo], SPRITE_PIXELS_PER_ART, CARGO_SPRITE_SIZE,
                       CARGO_SPRITE_SIZE);
}

bool writeArmPart(const std::string& folder, ArmSprite part)
{
    const Art art = drawArmPart(part);
    const ArmPartDesign& d = ARM_PART_DESIGNS[part];
    return art.savePng(folder + "/" + ARM_SPRITE_FILES[part], SPRITE_PIXELS_PER_ART, d.w * ARM_SPRITE_SCALE,
                       d.h * ARM_SPRITE_SCALE);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gearhaven-spritegen OUTDIR\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = true;
    for (CargoType cargo = 0; cargo < CARGO_TYPE_COUNT; ++cargo)
        ok = writeCargo(folder, cargo) && ok;
    for (int part = 0; part < ARM_SPRITE_COUNT; ++part)
        ok = writeArmPart(folder, static_cast<ArmSprite>(part)) && ok;
    if (!ok)
        std::fprintf(stderr, "gearhaven-spritegen: could not write every sprite into %s: %s\n", argv[1],
                     SDL_GetError());
    return ok ? 0 : 1;
}
