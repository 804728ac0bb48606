#pragma once

// The box around the corners of an item's route as Game::pathDistanceTo walks
// them: a point clear of it is not on the route, so the walk can be spared.
struct RouteBounds {
    float x0 = 0.0f;
    float y0 = 0.0f;
    float x1 = 0.0f;
    float y1 = 0.0f;

    // pathDistanceTo gives -1 for the point. Never true for a NaN point or box.
    bool keepsOff(float x, float y) const;
};
