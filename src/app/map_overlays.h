#pragma once

#include <SDL.h>

#include "app/loop_state.h"
#include "app/map_view.h"
#include "render/design_grid.h"
#include "render/wire_routes.h"

class MultiSelection;

// Colours the overlays share: what may be built or laid, what may not, what
// is selected, and the marker of a switch wire's input.
constexpr PackedColor OVERLAY_VALID = packColor(111, 215, 185);
constexpr PackedColor OVERLAY_INVALID = packColor(230, 85, 85);
constexpr PackedColor SELECTION_CYAN = packColor(80, 220, 235);
constexpr PackedColor MARKER_GOLD = packColor(255, 220, 110);

// A preview at the pointer stays clear of the bottom bar by this much.
constexpr int POINTER_PREVIEW_BOTTOM_MARGIN = 54;

// What the map view shows over its layers while the player points, drags and
// edits: ranges, tints, frames, ghosts and the lines of links being laid,
// each green where the world would take the edit and red where not. Drawn
// from the loop state and read-only questions to the world; nothing here
// changes either. The render phase calls each at its place among the layers.
struct MapOverlays {
    const MapView& map;
    const LoopState& state;
    const MultiSelection* selection = nullptr;  // none: no tints
    SDL_Point pointer{-1, -1};                  // window pixels

    // The 5V cables lit by the tool, the selected supply or a drag.
    DcCableHighlight dcCableHighlight() const;

    // Under the controls: the 5V cable being laid with the tool.
    void drawDcCableDrag() const;
    // Over the controls, under the items.
    void drawPoleRanges() const;
    void drawSelection() const;  // the multi-selection and the Ctrl rectangle
    void drawTunnelEntrance() const;
    void drawPowerView() const;
    void drawPowerCableDrag() const;
    // Between the cables and the wires' pins, then over them.
    void drawInputMarker() const;
    void drawWireToolDrag() const;
    void drawSelectedItemFrame() const;
    // Over the sale texts, in this order.
    void drawDiagnostics() const;
    void drawCopyOrPaste() const;
    void drawSignalDrag() const;
    void drawCarriedLinkEnd() const;
    void drawMoveDrag() const;
    void drawInspectedFrame() const;

  private:
    int tileSize() const { return map.tileSize(); }
    TilePoint pointerTile() const;
    // Inside the viewport and on neither the palette nor the shown minimap.
    bool pointerOnMap() const;
    // The frame of a tile, inset pixels inside its square.
    SDL_Rect tileFrame(int x, int y, int inset = 1) const;
    ScreenPoint tileCentre(int x, int y) const;
    // The triple cyan frame of a selected tile.
    void drawSelectionFrames(int x, int y) const;
    // The whole tiles between two corners, on the map.
    SDL_Rect tileSpan(TilePoint a, TilePoint b) const;
};
