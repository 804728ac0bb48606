#pragma once

#include <ostream>

#include "render/sprite_key.h"

// Lets test failures show a key as its eight fields.
inline std::ostream& operator<<(std::ostream& out, const SpriteKey& k)
{
    return out << "{" << k.type << ", " << k.tileSize << ", " << k.direction << ", " << k.beltSpeed << ", "
               << k.armFilterClass << ", " << k.stateBits << ", " << k.frame << ", " << k.frame2 << "}";
}
