#pragma once

#include <cstdint>

// The part of the map the player sees, which places every sound: a sound is
// heard only while its tile is on screen, louder near the centre and panned
// by its horizontal position.
struct SoundView {
    int cameraX = 0;  // map scroll in pixels
    int cameraY = 0;
    int tileSize = 32;
    int width = 1024;  // map viewport in pixels, never below 1
    int height = 768;
};

struct PanGains {
    float left = 0.0f;
    float right = 0.0f;
};

// The view as the shell reports it, with sizes raised to at least one pixel
// because they divide.
SoundView clampedView(int cameraX, int cameraY, int tileSize, int width, int height);

// True while the square of tile (x, y) overlaps the viewport.
bool isAudible(const SoundView& view, float x, float y);

// 1 in the centre of the view, falling with the distance in tiles; 0 when
// the tile is not audible.
float attenuation(const SoundView& view, float x, float y);

// Equal-power pan by the tile's horizontal place in the view; fully left or
// right beyond the edges.
PanGains pan(const SoundView& view, float x);

// Playback rate of a source: a quarter semitone step of -6..6 scattered by
// the tile index so that neighbouring machines differ; long arms play lower.
float detuneFactor(std::uint32_t variant, bool isLong);
