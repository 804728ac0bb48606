#include "audio/sound_view.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float HALF_PI = 1.5707964f;
constexpr float FALLOFF_PER_TILE = 0.12f;
constexpr float LONG_ARM_RATE = 0.8f;

float screenX(const SoundView& view, float x)
{
    return (x + 0.5f) * static_cast<float>(view.tileSize) - static_cast<float>(view.cameraX);
}

float screenY(const SoundView& view, float y)
{
    return (y + 0.5f) * static_cast<float>(view.tileSize) - static_cast<float>(view.cameraY);
}

}  // namespace

SoundView clampedView(int cameraX, int cameraY, int tileSize, int width, int height)
{
    return {cameraX, cameraY, std::max(tileSize, 1), std::max(width, 1), std::max(height, 1)};
}

bool isAudible(const SoundView& view, float x, float y)
{
    const float sx = screenX(view, x);
    const float sy = screenY(view, y);
    const float r = static_cast<float>(view.tileSize) * 0.5f;
    return sx + r > 0.0f && sx - r < static_cast<float>(view.width) && sy + r > 0.0f &&
           sy - r < static_cast<float>(view.height);
}

float attenuation(const SoundView& view, float x, float y)
{
    if (!isAudible(view, x, y)) return 0.0f;
    const auto dx = static_cast<float>((screenX(view, x) - view.width * 0.5) / view.tileSize);
    const auto dy = static_cast<float>((screenY(view, y) - view.height * 0.5) / view.tileSize);
    return 1.0f / (1.0f + FALLOFF_PER_TILE * std::hypot(dx, dy));
}

PanGains pan(const SoundView& view, float x)
{
    const float p = screenX(view, x) / static_cast<float>(view.width);
    if (p < 0.0f) return {1.0f, 0.0f};
    const float angle = p > 1.0f ? HALF_PI : p * HALF_PI;
    return {std::cos(angle), std::sin(angle)};
}

float detuneFactor(std::uint32_t variant, bool isLong)
{
    const int step = static_cast<int>((variant % 13) * 5 % 13) - 6;
    const float factor = std::pow(2.0f, static_cast<float>(step) * 0.25f / 12.0f);
    return isLong ? factor * LONG_ARM_RATE : factor;
}
