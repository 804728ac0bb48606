#pragma once

#include <SDL.h>

#include <optional>
#include <vector>

#include "render/arm_textures.h"
#include "render/cargo_textures.h"
#include "render/map_scroll.h"
#include "ui/camera.h"
#include "world/game.h"
#include "world/power_overview.h"
#include "world/tile_item_index.h"
#include "world/water_network.h"

// What the layers of one frame ask about the whole world, worked out once after
// the world update and shared, so that no layer walks the item list per tile.
// The power networks are worked out only for the power view, which shows them
// on the map and in the side panel.
struct FrameFacts {
    explicit FrameFacts(const Game& game, bool powerView = false);

    TileItemIndex itemIndex;
    std::vector<unsigned> warnings;  // Game::mapWarnings
    WaterNetwork water;
    std::optional<PowerOverview> power;
};

// Which 5V cables are drawn bright: every one, those of the network of one
// supply (its dcRoot; -1 for none), and the one whose end is carried (its
// index; -1 for none).
struct DcCableHighlight {
    bool all = false;
    int root = -1;
    int carried = -1;

    // The cable at index, whose first end stands on the tile.
    bool covers(int index, const Tile& firstEnd) const
    {
        return all || index == carried || (root >= 0 && firstEnd.dcRoot == root);
    }
};

// The three item layers: items on the ground go under the bridges, items on a
// deck over them, and items in an arm's hand over everything but the cables.
enum class ItemLayer { GROUND, DECK, CARRIED };

// The tiles a viewport shows, as half-open column and row ranges inside the map.
struct TileRange {
    int firstColumn = 0;
    int endColumn = 0;
    int firstRow = 0;
    int endRow = 0;
};

TileRange visibleTiles(const Camera& camera, int viewWidth, int viewHeight);

// The map in the viewport of one frame: each layer of the map view draws from
// the world and the frame's facts, and keeps nothing. The passes over the
// visible tiles walk only those; the few passes over the whole map (arms,
// ejectors, flashes) draw what reaches into the view from outside it and rely
// on the clip for the rest.
struct MapView {
    SDL_Renderer* renderer;
    const Game& game;
    const FrameFacts& facts;
    const CargoTextures& cargoTextures;
    const ArmTextures& armTextures;
    Camera camera;
    int viewWidth = 0;
    int viewHeight = 0;
    float time = 0.0f;           // the animation clock
    TilePoint selected{-1, -1};  // the selected control, whose wires are lit; -1 for none

    int tileSize() const { return ::tileSize(camera); }
    SDL_Rect viewport() const { return {0, 0, viewWidth, viewHeight}; }
    // The part of the viewport the map's tiles cover: the ground and the
    // controls paint every pixel of it opaque.
    SDL_Rect groundArea() const;
    MapScroll scroll() const { return {camera.scrollX, camera.scrollY, tileSize()}; }
    SDL_Rect tileSquare(int x, int y) const;

    // Unbuilt tiles, then every control with its sensor head and warning badge.
    void drawGround() const;
    void drawControls() const;
    // Measure and switch wires: whole under the controls, or their pins and the
    // selected control's wires over them.
    void drawWires(int pass) const;
    // Red 5V cables, bright while highlighted, dark where their supply falls short.
    void drawDcCables(const DcCableHighlight& highlight) const;
    void drawSensorFlashes() const;
    // The ejectors' rails under the items, or their plates over them.
    void drawEjectors(bool platePass) const;
    void drawWaterPipes() const;
    // No-power bolts and the molders' water gauges.
    void drawStatusMarks() const;
    void drawBridges() const;
    // Each item of the layer in its cargo's sprite, cut to what of it shows;
    // the clip is left at the last item's.
    void drawItems(ItemLayer layer) const;
    // Shaft, hand and base of every arm; a hand is closed while it holds an item.
    void drawArms() const;
    void drawPowerCables() const;

  private:
    template <typename Visit> void forEachVisibleTile(Visit visit) const;
    void drawPipe(int x, int y) const;
    void drawStatusMark(int x, int y) const;
    void drawItem(const CargoItem& item) const;
    void drawArm(int x, int y, bool holding) const;
};
