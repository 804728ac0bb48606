#pragma once

#include "render/sprite_shapes.h"
#include "world/direction.h"

// Where a machine marks the face it points to: a small square on the middle of
// that edge. Each design keeps its own distances from the edges, size and
// colour; a tile without a compass facing shows the design's fallback face.
struct FaceMarker {
    int nearEdge;  // left or top of the square on the west or north face
    int farEdge;   // left or top of the square on the east or south face
    int across;    // its position along the face
    int size;
    PackedColor colour;
    Direction fallback;
};

// The output face of the kiln, the smelter and the bottling plant; the storage
// sets its square one unit nearer the edges.
constexpr PackedColor OUTPUT_MARKER_COLOUR = packColor(241, 222, 145);
constexpr FaceMarker OUTPUT_MARKER{2, 27, 15, 3, OUTPUT_MARKER_COLOUR, EAST};

// The marker as one layer of the design.
inline DesignFill faceMarkerFill(Direction facing, const FaceMarker& m)
{
    switch (isCompassDirection(facing) ? facing : m.fallback) {
    case NORTH:
        return {m.across, m.nearEdge, m.size, m.size, m.colour};
    case SOUTH:
        return {m.across, m.farEdge, m.size, m.size, m.colour};
    case WEST:
        return {m.nearEdge, m.across, m.size, m.size, m.colour};
    default:
        return {m.farEdge, m.across, m.size, m.size, m.colour};
    }
}
