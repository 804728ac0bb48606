#pragma once

#include <cmath>

// The step an animation that takes `stepsPerSecond` steps a second has reached
// at `time`, within a cycle of `count` steps: ⌊time · stepsPerSecond⌋ mod count,
// always 0..count − 1. The product is taken in single precision, as the sprite
// keys take it, so a key and its painter change frames at the same clock tick.
// Any float is safe (a tile's timer read from a map may be huge or not a
// number); a time that is not finite shows the first step.
inline int animationStep(float time, float stepsPerSecond, int count)
{
    const float steps = std::floor(time * stepsPerSecond);
    if (!std::isfinite(steps) || count <= 0) return 0;
    const double step = std::fmod(static_cast<double>(steps), count);
    return static_cast<int>(step < 0 ? step + count : step);
}
