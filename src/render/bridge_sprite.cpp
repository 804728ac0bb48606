#include "render/bridge_sprite.h"

#include <algorithm>
#include <fstream>

#include "render/asset_files.h"
#include "render/design_grid.h"
#include "render/render_target_scope.h"
#include "render/sprite_index_files.h"
#include "render/texture_caches.h"
#include "world/direction.h"
#include "world/tile.h"

namespace {

constexpr int SLICES = 32;
constexpr int DECK_HEIGHT = 6;

// The bridge laid out along its run in design units: `along` is the slice in
// the direction of travel's axis, `across` the position beside it. Height lifts
// a slice up the screen.
struct BridgeFrame {
    SDL_Renderer* renderer;
    SDL_Rect r;
    bool horizontal;

    void element(int slice, int height, int across, int thickness, PackedColor colour) const
    {
        const SDL_Rect rect = horizontal ? SDL_Rect{r.x + slice * r.w / SLICES, r.y + (across - height) * r.h / SLICES,
                                                    std::max(1, r.w / SLICES), std::max(1, thickness * r.h / SLICES)}
                                         : SDL_Rect{r.x + across * r.w / SLICES, r.y + (slice - height) * r.h / SLICES,
                                                    std::max(1, thickness * r.w / SLICES), std::max(1, r.h / SLICES)};
        setDrawColor(renderer, colour);
        SDL_RenderFillRect(renderer, &rect);
    }
};

// Northbound and westbound bridges run against the axis: their profile is mirrored.
bool runsAgainstAxis(int bridgeDir) { return bridgeDir == NORTH || bridgeDir == WEST; }

int sliceHeight(int slice, int bridgeDir, int bridgePart)
{
    const int m = runsAgainstAxis(bridgeDir) ? SLICES - 1 - slice : slice;
    if (bridgePart == BRIDGE_DECK) return DECK_HEIGHT;
    if (bridgePart == BRIDGE_ENTRY_RAMP) return DECK_HEIGHT * m / (SLICES - 1);
    return DECK_HEIGHT * (SLICES - 1 - m) / (SLICES - 1);
}

// Two slices of every eight, moving one slice a frame in the direction of travel.
bool isSlat(int slice, int bridgeDir, int frame)
{
    const int p = runsAgainstAxis(bridgeDir) ? 8 + frame : 8 - frame;
    return ((p + slice) & 6) == 0;
}

struct Run {
    PackedColor colour;
    int across;
    int thickness;
};

constexpr Run OUTLINE{packColor(16, 21, 27), 2, 28};
constexpr Run DECK_SURFACE{packColor(96, 119, 131), 3, 24};
constexpr Run BELT_BED{packColor(39, 47, 52), 7, 18};
constexpr Run SLATS{packColor(79, 94, 99), 8, 16};
constexpr Run NEAR_RAIL{packColor(231, 187, 79), 3, 3};
constexpr Run FAR_RAIL{packColor(174, 127, 48), 25, 3};
constexpr Run NEAR_POST{packColor(255, 221, 122), 3, 3};
constexpr Run FAR_POST{packColor(234, 186, 72), 25, 3};
constexpr Run RAMP_BRACKET{packColor(157, 181, 190), 6, 2};
constexpr Run DECK_FITTING{packColor(64, 83, 96), 28, 3};
constexpr int POST_SLICES[] = {3, 11, 19, 27};
constexpr int FITTING_SLICES[] = {2, 3, 4, 5, 26, 27, 28, 29};

// The index and sheets belong to the renderer they were read for.
void useIndexRenderer(SDL_Renderer* renderer)
{
    TextureCaches& c = textureCaches();
    if (renderer == c.bridgeIndexRenderer) return;
    clearBridgeSheets();
    c.bridgeIndexRenderer = renderer;
    loadBridgeSpriteIndex();
}

void useCacheRenderer(SDL_Renderer* renderer)
{
    TextureCaches& c = textureCaches();
    if (renderer == c.bridgeCacheRenderer) return;
    clearBridgeAtlas();
    c.bridgeCacheRenderer = renderer;
    c.bridgeCacheHasTargets = SDL_RenderTargetSupported(renderer) == SDL_TRUE;
}

bool copyFromSheet(SDL_Renderer* renderer, const SDL_Rect& square, int bridgeDir, int bridgePart, int frame)
{
    useIndexRenderer(renderer);
    const auto& index = textureCaches().bridgeSpriteIndex;
    const auto found = index.find(BridgeSpriteKey{SHEET_CELL_SIZE, bridgeDir, bridgePart, frame});
    if (found == index.end()) return false;
    const BridgeSpriteRef& ref = found->second;
    SDL_Texture* sheet = loadBridgeSheetTexture(renderer, ref.file);
    if (sheet == nullptr) return false;
    const int lift = (ref.lift * square.h + SHEET_CELL_SIZE / 2) / SHEET_CELL_SIZE;
    const SDL_Rect source{ref.x, ref.y, ref.w, ref.h};
    const SDL_Rect target{square.x, square.y - lift, square.w, square.h + lift};
    SDL_RenderCopy(renderer, sheet, &source, &target);
    return true;
}

// How far a painted bridge rises above its tile: the deck's six units, rounded
// up, and two pixels to spare.
int paintedLift(int h) { return (DECK_HEIGHT * h + SLICES - 1) / SLICES + 2; }

SDL_Texture* cachedBridge(SDL_Renderer* renderer, int w, int h, int bridgeDir, int bridgePart, float time)
{
    auto& sprites = textureCaches().bridgeSprites;
    const BridgeCacheKey key{w, bridgeDir, bridgePart, bridgeFrame(time)};
    if (const auto found = sprites.find(key); found != sprites.end()) return found->second;
    const int lift = paintedLift(h);
    SDL_Texture* texture = createTargetTexture(renderer, w, h + lift);
    if (texture == nullptr) return nullptr;
    {
        const RenderTargetScope target(renderer, texture);
        if (!target.isOpen()) {
            SDL_DestroyTexture(texture);
            return nullptr;
        }
        SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 0);
        SDL_RenderClear(renderer);
        drawBridgeSprite(renderer, 0, lift, w, h, bridgeDir, bridgePart, time);
    }
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
    sprites.emplace(key, texture);
    return texture;
}

}  // namespace

int bridgeFrame(float time) { return static_cast<int>(14.0f * time) % 8; }

void drawBridgeSprite(SDL_Renderer* renderer, int x, int y, int w, int h, int bridgeDir, int bridgePart, float time)
{
    const BridgeFrame bridge{renderer, {x, y, w, h}, bridgeDir == EAST || bridgeDir == WEST};
    const int frame = bridgeFrame(time);
    const auto height = [&](int slice) { return sliceHeight(slice, bridgeDir, bridgePart); };
    const auto run = [&](const Run& part, int slice) {
        bridge.element(slice, height(slice), part.across, part.thickness, part.colour);
    };
    for (const Run& part : {OUTLINE, DECK_SURFACE, BELT_BED}) {
        for (int i = 0; i < SLICES; ++i)
            run(part, i);
    }
    for (int i = 0; i < SLICES; ++i) {
        if (isSlat(i, bridgeDir, frame)) run(SLATS, i);
    }
    for (const Run& part : {NEAR_RAIL, FAR_RAIL}) {
        for (int i = 0; i < SLICES; ++i)
            run(part, i);
    }
    const bool deck = bridgePart == BRIDGE_DECK;
    for (const int first : POST_SLICES) {
        const auto pair = [&](const Run& part) {
            run(part, first);
            run(part, first + 1);
        };
        pair(NEAR_POST);
        pair(FAR_POST);
        if (!deck) pair(RAMP_BRACKET);
    }
    if (deck) {
        for (const int i : FITTING_SLICES)
            run(DECK_FITTING, i);
    }
}

void drawBridge(SDL_Renderer* renderer, int x, int y, int w, int h, int bridgeDir, int bridgePart, float time)
{
    useCacheRenderer(renderer);
    const SDL_Rect square{x, y, w, h};
    if (copyFromSheet(renderer, square, bridgeDir, bridgePart, bridgeFrame(time))) return;
    const auto paint = [&] { drawBridgeSprite(renderer, x, y, w, h, bridgeDir, bridgePart, time); };
    if (!textureCaches().bridgeCacheHasTargets) return paint();
    SDL_Texture* cached = cachedBridge(renderer, w, h, bridgeDir, bridgePart, time);
    if (cached == nullptr) return paint();
    const int lift = paintedLift(h);
    const SDL_Rect target{x, y - lift, w, h + lift};
    SDL_RenderCopy(renderer, cached, nullptr, &target);
}

SDL_Texture* loadBridgeSheetTexture(SDL_Renderer* renderer, const std::string& file)
{
    useIndexRenderer(renderer);
    if (file.empty()) return nullptr;
    TextureCaches& c = textureCaches();
    return loadSheetTexture(renderer, file, c.bridgeSheets, c.bridgeSheetRetries, SDL_BLENDMODE_BLEND);
}

void loadBridgeSpriteIndex()
{
    std::ifstream in(controlSheetPath(BRIDGE_INDEX_FILE));
    readBridgeSpriteIndex(in, textureCaches().bridgeSpriteIndex);
}
