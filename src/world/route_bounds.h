#pragma once

// The box around the corners of an item's route as Game::pathDistanceTo walks
// them: a point clear of it is not on the route, so the walk can be spared.
struct RouteBounds {
    // A route passes a point that lies closer than this to it.
    static constexpr float ROUTE_HIT = 0.02f;

    float x0 = 0.0f;
    float y0 = 0.0f;
    float x1 = 0.0f;
    float y1 = 0.0f;

    // pathDistanceTo gives -1 for the point. Never true for a NaN point or box.
    bool keepsOff(float x, float y) const
    {
        // A hit lies within ROUTE_HIT of a segment; the margin covers rounding.
        constexpr float MARGIN = ROUTE_HIT + 0.001f;
        return x < x0 - MARGIN || x > x1 + MARGIN || y < y0 - MARGIN || y > y1 + MARGIN;
    }
};
