#include "app/map_view.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "app/tile_marks.h"
#include "machines/arm_control.h"
#include "render/bridge_sprite.h"
#include "render/clip_scope.h"
#include "render/control_sheets.h"
#include "render/ejector_sprite.h"
#include "render/item_geometry.h"
#include "render/no_power_bolt.h"
#include "render/power_cables.h"
#include "render/scaled_sprite.h"
#include "render/water_pipe_sprite.h"
#include "render/widgets.h"
#include "render/wire_drawing.h"
#include "render/wire_routes.h"
#include "simulation/hand_over_rules.h"
#include "world/sensor_directions.h"

namespace {

constexpr double DEGREES_PER_RADIAN = 180.0 / 3.141592654;
constexpr int ARM_REACH_TILES = 3;

int rounded(double v) { return static_cast<int>(std::lround(v)); }

// The pipe's four sides in the order their bits are tested.
struct PipeSide {
    int dx;
    int dy;
    int bit;
};
constexpr std::array<PipeSide, 4> PIPE_SIDES = {{
    {0, -1, PIPE_NORTH},
    {1, 0, PIPE_EAST},
    {0, 1, PIPE_SOUTH},
    {-1, 0, PIPE_WEST},
}};

bool joinsPipes(ControlType type) { return type == INJECTION_MOLDER || type == WATER_SOURCE || type == WATER_PIPE; }

// Tiles whose arm holds an item, from one walk over the items.
std::vector<bool> holdingArms(const Game& game)
{
    std::vector<bool> holding(TILE_COUNT, false);
    for (const CargoItem& item : game.items) {
        if (item.carried && item.holdState > HOLD_TURNING && inGrid(item.x, item.y))
            holding[static_cast<std::size_t>(tileIndex(item.x, item.y))] = true;
    }
    return holding;
}

// One arm sprite of a design size, scaled to the tile and turned about its
// pivot, with the pivot put on (px, py).
void drawArmPart(SDL_Renderer* renderer, SDL_Texture* texture, ArmSprite part, double scale, int px, int py,
                 double degrees)
{
    const ArmPartDesign& design = ARM_PART_DESIGNS[part];
    const SDL_Point pivot{rounded(scale * design.pivotX), rounded(scale * design.pivotY)};
    const SDL_Rect target{px - pivot.x, py - pivot.y, rounded(scale * design.w), rounded(scale * design.h)};
    SDL_RenderCopyEx(renderer, scaledSprite(renderer, texture, target.w, target.h), nullptr, &target, degrees, &pivot,
                     SDL_FLIP_NONE);
}

}  // namespace

FrameFacts::FrameFacts(const Game& game, bool powerView)
    : itemIndex(game), warnings(game.mapWarnings(itemIndex)), water(computeWaterNetwork(game))
{
    if (powerView) power = game.powerNetworks();
}

TileRange visibleTiles(const Camera& camera, int viewWidth, int viewHeight)
{
    const int t = tileSize(camera);
    // A tile shows while its near edge lies before the viewport's far edge.
    const auto end = [t](int scroll, int view, int count) {
        return std::clamp((scroll + std::max(0, view) + t - 1) / t, 0, count);
    };
    return {std::min(camera.scrollX / t, GRID_WIDTH), end(camera.scrollX, viewWidth, GRID_WIDTH),
            std::min(camera.scrollY / t, GRID_HEIGHT), end(camera.scrollY, viewHeight, GRID_HEIGHT)};
}

SDL_Rect MapView::groundArea() const
{
    const int t = tileSize();
    const SDL_Rect map{-camera.scrollX, -camera.scrollY, GRID_WIDTH * t, GRID_HEIGHT * t};
    const SDL_Rect view = viewport();
    SDL_Rect covered{};
    if (SDL_IntersectRect(&map, &view, &covered) == SDL_FALSE) return {0, 0, 0, 0};
    return covered;
}

SDL_Rect MapView::tileSquare(int x, int y) const
{
    const int t = tileSize();
    return {x * t - camera.scrollX, y * t - camera.scrollY, t, t};
}

template <typename Visit> void MapView::forEachVisibleTile(Visit visit) const
{
    const TileRange range = visibleTiles(camera, viewWidth, viewHeight);
    for (int y = range.firstRow; y < range.endRow; ++y) {
        for (int x = range.firstColumn; x < range.endColumn; ++x)
            visit(x, y, game.tileAt(x, y));
    }
}

void MapView::drawGround() const
{
    forEachVisibleTile([this](int x, int y, const Tile& tile) {
        if (tile.type != EMPTY) return;
        drawControl(renderer, tile, x, y, camera.scrollX, camera.scrollY, tileSize(), time, false);
    });
}

void MapView::drawControls() const
{
    forEachVisibleTile([this](int x, int y, const Tile& tile) {
        if (tile.type == EMPTY) return;
        // Unpowered machines stand still.
        const bool still = runsOnlyWithPower(tile.type) && !tile.powerSupplied;
        drawControl(renderer, tile, x, y, camera.scrollX, camera.scrollY, tileSize(), still ? 0.0f : time,
                    tile.powerConnected);
        if (tile.type == SENSOR && tile.sensorWatchItems) drawSensorHead(renderer, tile, tileSquare(x, y));
        const unsigned warnings = facts.warnings[static_cast<std::size_t>(tileIndex(x, y))];
        if (warnings != 0) drawWarningBadge(renderer, warnings, tileSquare(x, y));
    });
}

void MapView::drawWires(int pass) const
{
    const WireDrawing wires{
        .renderer = renderer, .game = game, .scroll = scroll(), .selectedX = selected.x, .selectedY = selected.y};
    wires.drawLinks(pass);
}

void MapView::drawDcCables(const DcCableHighlight& highlight) const
{
    const int t = tileSize();
    for (std::size_t i = 0; i < game.dcLinks.size(); ++i) {
        const Link& cable = game.dcLinks[i];
        if (!inGrid(cable.x0, cable.y0)) continue;
        const Tile& supply = game.tileAt(cable.x0, cable.y0);
        const bool active = supply.dcSlots > 0 && supply.dcSlots >= supply.dcCount;
        const LinkEnds ends = buildSignalLinkPath(game, cable, scroll());
        const Route route = computeOffsetLinkRoute(ends.start, ends.end, t);
        if (route.size() < 2) continue;
        const bool highlighted = highlight.covers(static_cast<int>(i), supply);
        drawLinkRoute(renderer, ends.start, ends.end, toggleButtonColor(highlighted, active), t, &route, false);
    }
}

void MapView::drawSensorFlashes() const
{
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            const Tile& sensor = game.tileAt(x, y);
            if (sensor.type != SENSOR || !sensor.sensorWatchItems || sensor.sensorFlash <= 0.0f) continue;
            const TileOffset step =
                SENSOR_DIRECTIONS[static_cast<std::size_t>(sensorViewIndex(sensor.sensorTargetIndex, sensor.dir))];
            const int tx = x + step.dx, ty = y + step.dy;
            if (inGrid(tx, ty) && game.tileAt(tx, ty).type == BELT)
                drawSensorFlash(renderer, sensor, tileSquare(tx, ty));
        }
    }
}

void MapView::drawEjectors(bool platePass) const
{
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            const Tile& tile = game.tileAt(x, y);
            if (tile.type != EJECTOR) continue;
            const SDL_Rect square = tileSquare(x, y);
            drawEjectorSprite(renderer, square.x, square.y, square.w, square.h, tile, !platePass, platePass);
        }
    }
}

void MapView::drawWaterPipes() const
{
    forEachVisibleTile([this](int x, int y, const Tile& tile) {
        if (tile.type == WATER_PIPE) drawPipe(x, y);
    });
}

// The pipe joins every neighbour of the water's kinds; on a pipe that carries
// water to a molder the flow runs from the nearer pipe to the farther one.
void MapView::drawPipe(int x, int y) const
{
    const WaterNetwork& water = facts.water;
    const std::size_t here = static_cast<std::size_t>(tileIndex(x, y));
    const bool carries = water.pipeFeedsMolder[here] != 0;
    const int mark = water.pipeDistance[here];
    int mask = 0, inflow = 0, outflow = 0;
    for (const PipeSide& side : PIPE_SIDES) {
        const int nx = x + side.dx, ny = y + side.dy;
        if (!inGrid(nx, ny)) continue;
        const std::size_t next = static_cast<std::size_t>(tileIndex(nx, ny));
        const ControlType type = game.tiles[next].type;
        if (joinsPipes(type)) mask |= side.bit;
        if (!carries) continue;
        if (type == WATER_PIPE && water.pipeFeedsMolder[next] != 0) {
            if (water.pipeDistance[next] < mark) inflow |= side.bit;
            if (water.pipeDistance[next] > mark) outflow |= side.bit;
        } else if (type == WATER_SOURCE && mark == 0) {
            inflow |= side.bit;
        } else if (type == INJECTION_MOLDER && water.molderHasWater[next] != 0) {
            outflow |= side.bit;
        }
    }
    const SDL_Rect square = tileSquare(x, y);
    drawWaterPipe(renderer, square.x, square.y, square.w, square.h, mask, inflow, outflow, time, mark);
}

void MapView::drawStatusMarks() const
{
    forEachVisibleTile([this](int x, int y, const Tile&) { drawStatusMark(x, y); });
}

void MapView::drawStatusMark(int x, int y) const
{
    const Tile& tile = game.tileAt(x, y);
    const SDL_Rect square = tileSquare(x, y);
    bool unpowered = false;
    if (isSignalType(tile.type) || tile.type == POWER_SUPPLY) {
        unpowered = !tile.dcSupplied;
    } else if (tile.type == ARM || tile.type == LONG_ARM || tile.type == DISTRIBUTOR || tile.type == MIXER) {
        unpowered = !tile.powerConnected || !tile.powerSupplied;
    } else if (tile.type == INJECTION_MOLDER) {
        drawWaterGauge(renderer, facts.water.molderHasWater[static_cast<std::size_t>(tileIndex(x, y))] != 0, square);
        // A molder with work to do also needs its own share of the power.
        const bool couldWork = tile.molderGranulate > 1 && tile.molderWater > 0 && tile.molderOutputCount <= 9;
        unpowered = tile.molderOn && (!tile.powerConnected || (couldWork && !tile.molderPowered));
    }
    if (unpowered) drawNoPowerBolt(renderer, square.x, square.y, square.w, square.h, time);
}

void MapView::drawBridges() const
{
    forEachVisibleTile([this](int x, int y, const Tile& tile) {
        if (tile.bridgePart < 0) return;
        const SDL_Rect square = tileSquare(x, y);
        drawBridge(renderer, square.x, square.y, square.w, square.h, tile.bridgeDir, tile.bridgePart, time);
    });
}

void MapView::drawItems(ItemLayer layer) const
{
    const int t = tileSize();
    const SDL_Rect view = viewport();
    for (const CargoItem& item : game.items) {
        // An item lies within a tile of its position, lifted by a deck at most:
        // the many far off screen are passed over before their layer is asked.
        const SDL_Rect near{static_cast<int>(item.posX * static_cast<float>(t)) - t - camera.scrollX,
                            static_cast<int>(item.posY * static_cast<float>(t)) - t - camera.scrollY, 3 * t, 3 * t};
        if (SDL_HasIntersection(&near, &view) == SDL_FALSE) continue;
        const bool inLayer = layer == ItemLayer::CARRIED
                                 ? item.carried
                                 : !item.carried && isItemAtBridgeDeck(game, item) == (layer == ItemLayer::DECK);
        if (inLayer) drawItem(item);
    }
}

void MapView::drawItem(const CargoItem& item) const
{
    if (item.cargo < 0 || item.cargo >= CARGO_TYPE_COUNT) return;
    ItemScreenPlace place;
    if (!itemScreenRect(game, item, scroll(), viewport(), place)) return;
    SDL_RenderSetClipRect(renderer, &place.clip);
    SDL_Texture* sprite =
        scaledSprite(renderer, cargoTextures[static_cast<std::size_t>(item.cargo)], place.rect.w, place.rect.h);
    // The software renderer turns a copy through a scratch surface even by no angle at all.
    if (place.angle == 0.0) {
        SDL_RenderCopy(renderer, sprite, nullptr, &place.rect);
    } else {
        SDL_RenderCopyEx(renderer, sprite, nullptr, &place.rect, place.angle, nullptr, SDL_FLIP_NONE);
    }
}

void MapView::drawArms() const
{
    const std::vector<bool> holding = holdingArms(game);
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            if (isArm(game.tileAt(x, y).type)) drawArm(x, y, holding[static_cast<std::size_t>(tileIndex(x, y))]);
        }
    }
}

void MapView::drawArm(int x, int y, bool holding) const
{
    const Tile& arm = game.tileAt(x, y);
    const int t = tileSize();
    const SDL_Rect square = tileSquare(x, y);
    // Shaft and hand reach less than three tiles from the arm's centre.
    const SDL_Rect area{square.x - ARM_REACH_TILES * t, square.y - ARM_REACH_TILES * t, (2 * ARM_REACH_TILES + 1) * t,
                        (2 * ARM_REACH_TILES + 1) * t};
    if (clipExcludes(renderer, area)) return;
    const double scale = t * 0.03125;
    const int cx = square.x + t / 2, cy = square.y + t / 2;
    const double angle = arm.armAngle;
    const double degrees = angle * DEGREES_PER_RADIAN;
    const ArmSprite shaft = arm.type == LONG_ARM ? LONG_ARM_SHAFT : ARM_SHAFT;
    drawArmPart(renderer, armTextures.slots[shaft], shaft, scale, cx, cy, degrees);
    const int reach = armReach(arm.type);
    const int hx = cx + rounded(t * reach * std::cos(angle)), hy = cy + rounded(t * reach * std::sin(angle));
    const ArmSprite hand = holding ? ARM_HAND_CLOSED : ARM_HAND_OPEN;
    drawArmPart(renderer, armTextures.slots[hand], hand, scale, hx, hy, degrees);
    const ArmSprite base = arm.dir == EAST ? ARM_BASE_HORIZONTAL : ARM_BASE_VERTICAL;
    SDL_RenderCopy(renderer, scaledSprite(renderer, armTextures.slots[base], t, t), nullptr, &square);
}

void MapView::drawPowerCables() const
{
    std::vector<CableEnds> cables;
    cables.reserve(game.powerLinks.size());
    for (const Link& cable : game.powerLinks)
        cables.push_back(
            {linkAnchorPoint(game, cable.x0, cable.y0, scroll()), linkAnchorPoint(game, cable.x1, cable.y1, scroll())});
    drawCables(renderer, cables);
}
