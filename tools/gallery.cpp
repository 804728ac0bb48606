// gearhaven-gallery OUTDIR: writes PNGs of what the renderer draws, for people
// to look at: one function per group of pictures. Sprites are read from
// "assets/" in the current directory, as the game reads them.

#include <SDL.h>
#include <SDL_image.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "gallery_controls.h"
#include "gallery_frames.h"
#include "gallery_inspectors.h"
#include "gallery_map_sprites.h"
#include "gallery_overlays.h"
#include "gallery_panels.h"
#include "gallery_picture.h"
#include "gallery_side_panel.h"
#include "render/arm_textures.h"
#include "render/asset_files.h"
#include "render/bitmap_font.h"
#include "render/clip_scope.h"
#include "render/control_sprite.h"
#include "render/minimap.h"
#include "render/power_cables.h"
#include "render/texture_caches.h"
#include "render/widgets.h"
#include "render/wire_drawing.h"
#include "world/cargo.h"
#include "world/control.h"
#include "world/language.h"
#include "world/tile_item_index.h"

namespace {

void fill(SDL_Renderer* r, const SDL_Rect& rect, Uint8 red, Uint8 green, Uint8 blue)
{
    SDL_SetRenderDrawColor(r, red, green, blue, 255);
    SDL_RenderFillRect(r, &rect);
}

// A checkerboard shows which parts of a sprite are transparent.
void checker(SDL_Renderer* r, const SDL_Rect& area)
{
    for (int y = area.y; y < area.y + area.h; y += 8) {
        for (int x = area.x; x < area.x + area.w; x += 8) {
            const bool dark = ((x - area.x) / 8 + (y - area.y) / 8) % 2 == 0;
            const Uint8 v = dark ? 70 : 96;
            fill(r, {x, y, std::min(8, area.x + area.w - x), std::min(8, area.y + area.h - y)}, v, v, v);
        }
    }
}

// A tile square as the map shows a belt under an item.
void beltTile(SDL_Renderer* r, const SDL_Rect& tile)
{
    fill(r, tile, 46, 50, 52);
    SDL_SetRenderDrawColor(r, 18, 19, 23, 255);
    SDL_RenderDrawRect(r, &tile);
}

bool writeGlyphSheets(const std::filesystem::path& out)
{
    bool ok = true;
    for (int scale = 1; scale <= 3; ++scale) {
        Picture picture(24 * GLYPH_ADVANCE * scale + 40, 9 * 11 * scale + 40);
        SDL_Renderer* r = picture.renderer();
        for (int code = 32; code < 128; ++code) {
            const char text[2] = {static_cast<char>(code), '\0'};
            const int column = (code - 32) % 16, row = (code - 32) / 16;
            SDL_SetRenderDrawColor(r, 240, 240, 240, 255);
            drawBitmapText(r, text, 20 + column * GLYPH_ADVANCE * scale, 20 + row * 11 * scale, scale);
        }
        SDL_SetRenderDrawColor(r, 111, 215, 185, 255);
        drawBitmapText(r, "GEARHAVEN 1,000,000 EUR", 20, 20 + 7 * 11 * scale, scale);
        ok = picture.save(out / ("glyphs-scale-" + std::to_string(scale) + ".png")) && ok;
    }
    return ok;
}

bool writeButtons(const std::filesystem::path& out)
{
    Picture picture(420, 150);
    SDL_Renderer* r = picture.renderer();
    const char* names[] = {"NEUTRAL", "AKTIV", "WARNUNG"};
    for (int state = 0; state < 3; ++state) {
        const int x = 20 + state * 130;
        drawButtonFrame(r, x, 20, 110, 24, state);
        drawText(r, names[state], x + 8, 28, 1);  // takes the frame colour, as panels do
        drawButtonFrame(r, x, 60, 110, 40, state);
        drawText(r, names[state], x + 8, 70, 2);
    }
    for (int i = 0; i < 4; ++i) {
        const PackedColor c = toggleButtonColor(i & 1, i & 2);
        fill(r, {20 + i * 60, 115, 50, 20}, c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    }
    return picture.save(out / "buttons.png");
}

bool writeArrows(const std::filesystem::path& out)
{
    Picture picture(4 * 80 + 20, 3 * 80 + 20);
    SDL_Renderer* r = picture.renderer();
    for (int row = 0; row < 3; ++row) {
        const int size = ZOOMS[row];
        for (Direction d = NORTH; d <= WEST; ++d) {
            const SDL_Rect tile{20 + (d - 1) * 80, 20 + row * 80, size, size};
            fill(r, tile, 206, 150, 48);  // a sink's tile, which shows its facing so
            SDL_SetRenderDrawColor(r, 255, 255, 255, 255);
            drawDirectionArrow(r, tile.x, tile.y, tile.w, tile.h, d);
        }
    }
    return picture.save(out / "arrows.png");
}

bool writeLanguageIcons(const std::filesystem::path& out)
{
    Picture picture(220, 100);
    SDL_Renderer* r = picture.renderer();
    for (Language language : {GERMAN, ENGLISH}) {
        const int x = 20 + language * 100;
        drawLanguageIcon(r, language, {x, 20, 26, 16});
        drawLanguageIcon(r, language, {x, 55, 36, 22});
    }
    return picture.save(out / "language-icons.png");
}

SDL_Texture* loadSprite(SDL_Renderer* r, const char* file)
{
    const std::string path = std::string(ASSET_FOLDER) + file;
    SDL_Texture* texture = IMG_LoadTexture(r, path.c_str());
    if (texture == nullptr) std::printf("FAILED to load %s: %s\n", path.c_str(), SDL_GetError());
    return texture;
}

// Every cargo at the map's zoom sizes on a belt tile, and whole on a checkerboard.
bool writeCargoSprites(const std::filesystem::path& out)
{
    const int rowHeight = 150;
    Picture picture(560, CARGO_TYPE_COUNT * rowHeight + 20);
    SDL_Renderer* r = picture.renderer();
    bool ok = true;
    for (CargoType cargo = 0; cargo < CARGO_TYPE_COUNT; ++cargo) {
        SDL_Texture* sprite = loadSprite(r, CARGO_SPRITE_FILES[cargo]);
        ok = sprite != nullptr && ok;
        const int y = 10 + cargo * rowHeight;
        label(r, CARGO_KEYWORDS[cargo], 20, y + 4);
        int x = 20;
        for (int size : ZOOMS) {
            const SDL_Rect tile{x, y + 20, size, size};
            beltTile(r, tile);
            SDL_RenderCopy(r, sprite, nullptr, &tile);
            x += size + 20;
        }
        const SDL_Rect whole{x + 20, y + 16, 128, 128};
        checker(r, whole);
        SDL_RenderCopy(r, sprite, nullptr, &whole);
        const SDL_Rect large{x + 170, y + 16, 128, 128};
        beltTile(r, large);
        SDL_RenderCopy(r, sprite, nullptr, &large);
        SDL_DestroyTexture(sprite);
    }
    return picture.save(out / "cargo-sprites.png") && ok;
}

// Every cargo sprite twice its size, to judge the pixel art.
bool writeCargoCloseups(const std::filesystem::path& out)
{
    const int cell = 276, columns = 5;
    Picture picture(columns * cell + 20, 3 * (cell + 20) + 20);
    SDL_Renderer* r = picture.renderer();
    bool ok = true;
    for (CargoType cargo = 0; cargo < CARGO_TYPE_COUNT; ++cargo) {
        SDL_Texture* sprite = loadSprite(r, CARGO_SPRITE_FILES[cargo]);
        ok = sprite != nullptr && ok;
        const int x = 20 + cargo % columns * cell, y = 20 + cargo / columns * (cell + 20);
        label(r, CARGO_KEYWORDS[cargo], x, y);
        const SDL_Rect area{x, y + 14, 256, 256};
        beltTile(r, area);
        SDL_RenderCopy(r, sprite, nullptr, &area);
        SDL_DestroyTexture(sprite);
    }
    return picture.save(out / "cargo-closeups.png") && ok;
}

// Empty tiles around an arm's tile, with belts along its row.
void tileField(SDL_Renderer* r, const SDL_Rect& centre, int across, int along)
{
    const int t = centre.w;
    for (int dy = -along; dy <= along; ++dy) {
        for (int dx = -across; dx <= across; ++dx) {
            const SDL_Rect tile{centre.x + dx * t, centre.y + dy * t, t, t};
            if (dy == 0 && dx != 0) {
                beltTile(r, tile);
                continue;
            }
            fill(r, tile, 32, 34, 40);
            SDL_SetRenderDrawColor(r, 18, 19, 23, 255);
            SDL_RenderDrawRect(r, &tile);
        }
    }
}

// Shaft, hand and base over an arm tile as the map view lays them, with a
// held item over a closed hand.
void drawArm(SDL_Renderer* r, const ArmTextures& arm, const SDL_Rect& tile, bool longArm, bool horizontal, double angle,
             bool holding, SDL_Texture* item)
{
    const double s = tile.w / 32.0;
    const int cx = tile.x + tile.w / 2, cy = tile.y + tile.h / 2;
    const double degrees = angle * 180 / 3.141592654;
    auto place = [&](ArmSprite part, int centreX, int centreY) {
        const ArmPartDesign& d = ARM_PART_DESIGNS[part];
        const SDL_Point pivot{static_cast<int>(std::lround(s * d.pivotX)), static_cast<int>(std::lround(s * d.pivotY))};
        const SDL_Rect dest{centreX - pivot.x, centreY - pivot.y, static_cast<int>(std::lround(s * d.w)),
                            static_cast<int>(std::lround(s * d.h))};
        SDL_RenderCopyEx(r, arm.slots[part], nullptr, &dest, degrees, &pivot, SDL_FLIP_NONE);
    };
    fill(r, tile, 48, 58, 65);
    place(longArm ? LONG_ARM_SHAFT : ARM_SHAFT, cx, cy);
    const int reach = longArm ? 2 : 1;
    const int handX = cx + static_cast<int>(std::lround(tile.w * reach * std::cos(angle)));
    const int handY = cy + static_cast<int>(std::lround(tile.w * reach * std::sin(angle)));
    place(holding ? ARM_HAND_CLOSED : ARM_HAND_OPEN, handX, handY);
    SDL_RenderCopy(r, arm.slots[horizontal ? ARM_BASE_HORIZONTAL : ARM_BASE_VERTICAL], nullptr, &tile);
    if (holding && item != nullptr) {
        const SDL_Rect itemRect{handX - tile.w / 2, handY - tile.w / 2, tile.w, tile.w};
        SDL_RenderCopyEx(r, item, nullptr, &itemRect, degrees, nullptr, SDL_FLIP_NONE);
    }
}

bool writeArmSprites(const std::filesystem::path& out)
{
    Picture picture(1000, 800);
    SDL_Renderer* r = picture.renderer();
    ArmTextures arm;
    if (!loadArmTextures(r, arm)) return false;
    // The six parts as loaded, on a checkerboard.
    int x = 20;
    for (int part = 0; part < ARM_SPRITE_COUNT; ++part) {
        int w = 0, h = 0;
        SDL_QueryTexture(arm.slots[part], nullptr, nullptr, &w, &h);
        const int y = part < 2 ? 30 + part * 90 : 220;
        if (part == 2) x = 20;
        const SDL_Rect area{part < 2 ? 20 : x, y, w, h};
        label(r, ARM_SPRITE_FILES[part], area.x, area.y - 12);
        checker(r, area);
        SDL_RenderCopy(r, arm.slots[part], nullptr, &area);
        if (part >= 2) x += w + 30;
    }
    // Whole arms as the map shows them, between belt tiles: grab arms swinging
    // east, south-east, south (holding) and west (holding), then long arms.
    SDL_Texture* log = loadSprite(r, CARGO_SPRITE_FILES[LOG]);
    const double angles[] = {0.0, 0.785, 1.571, 3.1416};
    for (int i = 0; i < 4; ++i) {
        const SDL_Rect tile{20 + 48 * 2 + i * 245, 420 + 48, 48, 48};
        tileField(r, tile, 2, 2);
        drawArm(r, arm, tile, false, i != 2, angles[i], i >= 2, log);
    }
    for (int i = 0; i < 2; ++i) {
        const SDL_Rect tile{20 + 40 * 3 + i * 480, 660 + 40, 40, 40};
        tileField(r, tile, 3, 1);
        drawArm(r, arm, tile, true, true, i == 0 ? 0.0 : 3.1416, i == 1, log);
    }
    SDL_DestroyTexture(log);
    destroyArmTextures(arm);
    return picture.save(out / "arm-sprites.png");
}

Tile& buildAt(Game& game, ControlType type, int x, int y)
{
    controlForType(type).place(game, x, y);
    return game.tileAt(x, y);
}

// Two power networks, a 5V supply, gates with a wire over a lamp, a stepper
// with a lit and a dark step, a machine switched on and a measured sink.
Game wiredScene()
{
    Game game;
    game.tiles.assign(TILE_COUNT, Tile{});
    for (const auto& [x, y] : {std::pair{1, 1}, {12, 8}}) {
        Tile& generator = buildAt(game, COAL_GENERATOR, x, y);
        generator.generatorOn = true;
        generator.generatorCoal = 5;
    }
    for (const auto& [x, y] : {std::pair{4, 1}, {8, 2}, {11, 1}, {9, 7}})
        buildAt(game, POWER_POLE, x, y);
    game.powerLinks = {{1, 1, 4, 1}, {4, 1, 8, 2}, {8, 2, 11, 1}, {12, 8, 9, 7}};
    buildAt(game, POWER_SUPPLY, 4, 3);
    game.powerLinks.push_back({8, 2, 4, 3});
    buildAt(game, LOGIC_AND, 1, 4).signalOut = true;
    buildAt(game, SIGNAL_LAMP, 4, 4);
    buildAt(game, LOGIC_AND, 7, 4);
    buildAt(game, LOGIC_SWITCH, 1, 5);
    buildAt(game, SOURCE, 10, 4).sourceRunning = true;
    Tile& stepper = buildAt(game, LOGIC_STEPPER, 1, 7);
    stepper.signalOut = true;
    stepper.stepperIndex = 1;
    buildAt(game, LOGIC_NOT, 5, 6);
    buildAt(game, SIGNAL_LAMP, 5, 8);
    game.tileAt(8, 5).type = SENSOR;  // sensors have no place rule of their own
    buildAt(game, SINK, 11, 5);
    game.signalControlLinks = {
        {1, 4, 7, 4, 0, 0}, {1, 5, 7, 4, 1, 0}, {7, 4, 10, 4, 0, 0}, {1, 7, 5, 6, 0, 1}, {1, 7, 5, 8, 0, 3}};
    game.signalMeasureLinks = {{8, 5, 11, 5, 0, 0}};
    game.dcLinks = {{4, 3, 1, 4}, {4, 3, 7, 4}, {4, 3, 1, 7}};
    game.updatePowerNetwork();
    game.updateDcNetwork();
    return game;
}

// The scene in the map view's order: wires under the controls, 5V cables,
// controls, pole ranges, power cables, then pins and the selected tile's wires.
void drawWiredScene(SDL_Renderer* r, const Game& game, const SDL_Rect& area, int ts, int selectedX, int selectedY)
{
    const ClipScope clip(r, area);
    const MapScroll scroll{-area.x, -area.y, ts};
    fill(r, area, 32, 34, 40);
    const WireDrawing wires{r, game, scroll, selectedX, selectedY};
    wires.drawLinks(WIRES_UNDER_CONTROLS);
    for (const Link& cable : game.dcLinks) {
        const LinkEnds ends = buildSignalLinkPath(game, cable, scroll);
        const Route route = computeOffsetLinkRoute(ends.start, ends.end, ts);
        const Tile& supply = game.tileAt(cable.x0, cable.y0);
        const bool active = supply.dcSlots > 0 && supply.dcSlots >= supply.dcCount;
        drawLinkRoute(r, ends.start, ends.end, toggleButtonColor(false, active), ts, &route, false);
    }
    for (int y = 0; y * ts < area.h; ++y) {
        for (int x = 0; x * ts < area.w; ++x) {
            const Tile& tile = game.tileAt(x, y);
            if (tile.type != EMPTY) drawControlSprite(r, tile, x, y, scroll.scrollX, scroll.scrollY, ts, 0.0f, true);
        }
    }
    const PowerOverview power = game.powerNetworks();
    const RangeHighlight range{r, scroll, true, power.networkOfTile};
    for (int i = 0; i < TILE_COUNT; ++i) {
        if (game.tiles[i].type == POWER_POLE) range(i % GRID_WIDTH, i / GRID_WIDTH);
    }
    for (const Link& cable : game.powerLinks) {
        drawCable(r, linkAnchorPoint(game, cable.x0, cable.y0, scroll),
                  linkAnchorPoint(game, cable.x1, cable.y1, scroll));
    }
    wires.drawLinks(WIRES_OVER_CONTROLS);
}

// Cables, wires and pole ranges at each zoom: plain on the left, with the
// AND gate on (7, 4) selected on the right.
bool writeCablesAndWires(const std::filesystem::path& out)
{
    const Game game = wiredScene();
    const int columns = 13, rows = 9;
    int height = 20;
    for (int ts : ZOOMS)
        height += rows * ts + 40;
    Picture picture(2 * columns * ZOOMS[2] + 60, height);
    SDL_Renderer* r = picture.renderer();
    int y = 20;
    for (int ts : ZOOMS) {
        label(r, std::to_string(ts) + " PX", 20, y);
        drawWiredScene(r, game, {20, y + 14, columns * ts, rows * ts}, ts, -1, -1);
        drawWiredScene(r, game, {40 + columns * ts, y + 14, columns * ts, rows * ts}, ts, 7, 4);
        y += rows * ts + 40;
    }
    return picture.save(out / "cables-wires.png");
}

// Rows of belts between sources and sinks, with machines, a bridge, water,
// power and logic; a full storage and a smelter without coal show red.
Game busyMap()
{
    Game game;
    for (int y = 4; y < 56; y += 4) {
        buildAt(game, SOURCE, 3, y);
        for (int x = 4; x < 72; ++x) {
            Tile& belt = game.tileAt(x, y);
            belt.type = BELT;
            belt.dir = EAST;
        }
        buildAt(game, y % 8 == 0 ? SINK : SHOP, 72, y);
        const ControlType machines[] = {OVEN, SMELTER, FILLER, STORAGE, INJECTION_MOLDER};
        Tile& machine = buildAt(game, machines[(y / 4) % 5], 20 + y % 12, y + 1);
        for (int unit = 0; machine.type == STORAGE && y == 12 && unit < 120; ++unit)
            machine.storageCargo.push_back(LOG);
        if (machine.type == SMELTER) machine.smelterInputCargo.push_back(IRON_ORE);
        buildAt(game, ARM, 20 + y % 12, y + 2);
    }
    for (int part = 0; part < 3; ++part) {
        Tile& bridge = game.tileAt(40, 11 + part);
        bridge.type = part == 1 ? bridge.type : BRIDGE;
        bridge.bridgeDir = SOUTH;
        bridge.bridgePart = part;
    }
    for (int x = 60; x < 70; ++x)
        game.tileAt(x, 57).type = x == 60 ? WATER_SOURCE : WATER_PIPE;
    buildAt(game, COAL_GENERATOR, 10, 58);
    for (int x = 14; x < 50; x += 6)
        buildAt(game, POWER_POLE, x, 58);
    for (int x = 74; x < 78; ++x)
        buildAt(game, LOGIC_AND + x % 3, x, 30);
    return game;
}

bool writeMinimaps(const std::filesystem::path& out)
{
    const Game game = busyMap();
    const TileItemIndex index(game);
    const std::vector<unsigned> warnings = game.mapWarnings(index);
    Picture picture(3 * 190 + 30, 190 + 3 * 150);
    SDL_Renderer* r = picture.renderer();
    struct View {
        const char* caption;
        MapScroll scroll;
    };
    const View views[] = {{"START", {0, 0, 32}}, {"SCROLLED, 64 PX", {2000, 1400, 64}}, {"24 PX", {300, 200, 24}}};
    int x = 20;
    for (const View& view : views) {
        label(r, view.caption, x, 20);
        const SDL_Rect box{x, 36, 168, 128};
        fill(r, box, 60, 66, 74);  // the map view under the translucent box
        drawMinimap(r, game, warnings, box, view.scroll, 960, 752);
        x += 190;
    }
    // The first one again three times the size, to see each tile.
    label(r, "3 X", 20, 180);
    SDL_RenderSetScale(r, 3.0f, 3.0f);
    const SDL_Rect large{7, 65, 168, 128};
    fill(r, large, 60, 66, 74);
    drawMinimap(r, game, warnings, large, views[0].scroll, 960, 752);
    SDL_RenderSetScale(r, 1.0f, 1.0f);
    return picture.save(out / "minimap.png");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gearhaven-gallery OUTDIR\n");
        return 2;
    }
    // Absolute, so that a group that works in a scratch folder still saves where it was asked.
    std::error_code error;
    const std::filesystem::path out = std::filesystem::absolute(argv[1], error);
    if (error) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.message().c_str());
        return 1;
    }
    std::filesystem::create_directories(out, error);
    setLanguage(GERMAN);
    const std::vector<std::function<bool(const std::filesystem::path&)>> groups = {
        writeGlyphSheets,      writeButtons,        writeArrows,           writeLanguageIcons,
        writeCargoSprites,     writeCargoCloseups,  writeArmSprites,       writeControlGallery,
        writeMapSpriteGallery, writeCablesAndWires, writeMinimaps,         writePanelGallery,
        writeInspectorGallery, writeFactoryFrames,  writeSidePanelGallery, writeOverlayFrames,
    };
    bool ok = true;
    for (const auto& group : groups)
        ok = group(out) && ok;
    return ok ? 0 : 1;
}
