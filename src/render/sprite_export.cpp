#include "render/sprite_export.h"

#include <SDL_image.h>

#include <fstream>
#include <functional>
#include <vector>

#include "render/asset_files.h"
#include "render/bridge_sprite.h"
#include "render/control_sprite.h"
#include "render/render_target_scope.h"
#include "render/sprite_index_files.h"
#include "render/water_pipe_sprite.h"

namespace {

constexpr ControlType LAST_SHEET_TYPE = EJECTOR;  // logic components get no sheet
constexpr int TIME_SAMPLES = 1001;                // ten seconds in steps of 0.01 s

// ---- Sample tiles -------------------------------------------------------------

std::vector<int> beltSpeedsOf(ControlType type)
{
    if (type == BELT) return {0, 1, 2, 3, 4, 5};
    return {3};
}

std::vector<CargoMask> armFiltersOf(ControlType type)
{
    if (isArm(type)) return {0, 1, 2, ALL_CARGO};
    return {0};
}

int sampleStatesOf(ControlType type)
{
    if (type == COAL_GENERATOR) return 4;
    if (type == INJECTION_MOLDER) return 10;
    return 2;
}

// Sample state k of the type: off and on, the generator's switch and fuel as two
// bits, and the molder at rest, in each eighth of its press cycle and with gears.
Tile sampleTile(ControlType type, Direction dir, int beltSpeed, CargoMask filter, int k)
{
    Tile t;
    t.type = type;
    t.dir = dir;
    t.beltSpeed = beltSpeed;
    t.armCargoFilter = filter;
    const bool on = k != 0;
    t.sourceRunning = type == SOURCE && on;
    t.sinkAccepting = type == SINK && on;
    t.storageOutputOn = type == STORAGE && on;
    t.ejectorActive = type == EJECTOR && on;
    t.ovenTimer = type == OVEN && on ? 1.0f : 0.0f;
    t.smelterTimer = type == SMELTER && on ? 1.0f : 0.0f;
    t.fillerTimer = type == FILLER && on ? 1.0f : 0.0f;
    if (type == COAL_GENERATOR) {
        t.generatorOn = (k & 1) != 0;
        t.generatorBurnTime = (k & 2) != 0 ? 1.0f : 0.0f;
    }
    if (type == INJECTION_MOLDER && k >= 1 && k <= 8) t.molderTimer = (k - 0.5f) * 4.0f * 0.125f;
    if (type == INJECTION_MOLDER && k == 9) t.molderOutputCount = 1;
    return t;
}

// ---- Sheets -------------------------------------------------------------------

// Paints a sheet of w × h, cleared to transparent, into a render-target texture
// and reads it back; null when any step fails. The renderer's target, clip and
// draw blend mode are as before.
SDL_Surface* paintSheet(SDL_Renderer* renderer, int w, int h, const std::function<void()>& paint)
{
    SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA8888, SDL_TEXTUREACCESS_TARGET, w, h);
    if (texture == nullptr) return nullptr;
    SDL_Surface* surface = nullptr;
    {
        const RenderTargetScope target(renderer, texture);
        if (target.isOpen()) {
            SDL_SetRenderDrawColor(renderer, 0, 0, 0, 0);
            SDL_RenderClear(renderer);
            paint();
            surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ABGR8888);
            if (surface != nullptr && SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ABGR8888, surface->pixels,
                                                           surface->pitch) != 0) {
                SDL_FreeSurface(surface);
                surface = nullptr;
            }
        }
    }
    SDL_DestroyTexture(texture);
    return surface;
}

bool savePng(SDL_Surface* surface, const std::filesystem::path& path)
{
    const bool saved = IMG_SavePNG(surface, path.string().c_str()) == 0;
    SDL_FreeSurface(surface);
    return saved;
}

// Each index file is closed before it is judged: a late write error shows only then.
bool closedCleanly(std::ofstream& file)
{
    file.close();
    return !file.fail();
}

}  // namespace

std::map<SpriteKey, ExportSample> controlExportSamples(ControlType type)
{
    std::map<SpriteKey, ExportSample> samples;
    const std::vector<bool> poweredFlags = type == POWER_POLE ? std::vector<bool>{false, true} : std::vector{false};
    for (Direction d = NONE; d <= WEST; ++d) {
        for (const int speed : beltSpeedsOf(type)) {
            for (const CargoMask filter : armFiltersOf(type)) {
                for (int k = 0; k < sampleStatesOf(type); ++k) {
                    const Tile tile = sampleTile(type, d, speed, filter, k);
                    for (int j = 0; j < TIME_SAMPLES; ++j) {
                        const float time = static_cast<float>(j) * 0.01f;
                        for (const bool powered : poweredFlags) {
                            const SpriteKey key = spriteKeyOf(tile, SHEET_CELL_SIZE, time, powered);
                            if (!samples.contains(key)) samples.emplace(key, ExportSample{powered, time, tile});
                        }
                    }
                }
            }
        }
    }
    return samples;
}

bool exportControlSheet(SheetExportContext& context, int sheetNumber, int cellSize,
                        const std::map<SpriteKey, ExportSample>& samples)
{
    if (samples.empty()) return true;
    const int count = static_cast<int>(samples.size());
    const int rows = (count + SHEET_COLUMNS - 1) / SHEET_COLUMNS;
    const std::string file = controlSheetFile(sheetNumber, cellSize);
    SDL_Surface* sheet = paintSheet(context.renderer, SHEET_COLUMNS * cellSize, rows * cellSize, [&] {
        int i = 0;
        for (const auto& [key, sample] : samples) {
            const int column = i % SHEET_COLUMNS, row = i / SHEET_COLUMNS;
            drawControlSprite(context.renderer, sample.tile, column, row, 0, 0, cellSize, sample.time, sample.powered);
            writeControlSpriteRecord(context.index, key,
                                     SpriteRef{file, column * cellSize, row * cellSize, cellSize, cellSize});
            ++i;
        }
    });
    if (sheet == nullptr) return false;
    const std::filesystem::path path = context.directory / file;
    if (!savePng(sheet, path)) {
        SDL_Log("Control-Atlas %s konnte nicht gespeichert werden: %s", path.string().c_str(), SDL_GetError());
        return false;
    }
    return true;
}

bool exportBridgeSheet(SDL_Renderer* renderer, const std::filesystem::path& directory)
{
    std::ofstream index(directory / BRIDGE_INDEX_FILE, std::ios::trunc);
    if (!index.is_open()) return false;
    index << BRIDGE_INDEX_HEADER << '\n';
    const std::string file = bridgeSheetFile(SHEET_CELL_SIZE);
    constexpr int PARTS = 3, FRAMES = 8, CELLS = 4 * PARTS * FRAMES;
    constexpr int ROWS = (CELLS + BRIDGE_SHEET_COLUMNS - 1) / BRIDGE_SHEET_COLUMNS;
    SDL_Surface* sheet = paintSheet(renderer, BRIDGE_SHEET_COLUMNS * SHEET_CELL_SIZE, ROWS * BRIDGE_CELL_HEIGHT, [&] {
        SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
        for (int n = 0; n < CELLS; ++n) {
            const int bridgeDir = n / (PARTS * FRAMES) + 1, part = n / FRAMES % PARTS, frame = n % FRAMES;
            const int x = n % BRIDGE_SHEET_COLUMNS * SHEET_CELL_SIZE, y = n / BRIDGE_SHEET_COLUMNS * BRIDGE_CELL_HEIGHT;
            // A time inside the frame puts the painter on it.
            drawBridgeSprite(renderer, x, y + BRIDGE_CELL_LIFT, SHEET_CELL_SIZE, SHEET_CELL_SIZE, bridgeDir, part,
                             (frame + 0.1f) / 14.0f);
            writeBridgeSpriteRecord(index, BridgeSpriteKey{SHEET_CELL_SIZE, bridgeDir, part, frame},
                                    BridgeSpriteRef{file, x, y, SHEET_CELL_SIZE, BRIDGE_CELL_HEIGHT, BRIDGE_CELL_LIFT});
        }
    });
    if (sheet == nullptr || !savePng(sheet, directory / file)) return false;
    return closedCleanly(index);
}

bool exportControlPngs(SDL_Renderer* renderer)
{
    const std::filesystem::path directory = CONTROL_SHEET_FOLDER;
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        SDL_Log("Control-Grafikordner konnte nicht angelegt werden: %s", error.message().c_str());
        return false;
    }
    std::ofstream index(directory / CONTROL_INDEX_FILE, std::ios::trunc);
    if (!index.is_open()) return false;
    index << CONTROL_INDEX_HEADER << '\n';
    SheetExportContext context{renderer, index, directory};
    for (ControlType type = EMPTY; type <= LAST_SHEET_TYPE; ++type) {
        if (!exportControlSheet(context, type, SHEET_CELL_SIZE, controlExportSamples(type))) return false;
    }
    if (!exportBridgeSheet(renderer, directory)) return false;
    for (int n = 0; n < WATER_PIPE_VARIANTS; ++n) {
        SDL_Texture* pipe = exportWaterPipePng(renderer, n, (directory / waterPipeFile(n)).string());
        if (pipe == nullptr) return false;
        SDL_DestroyTexture(pipe);
    }
    return closedCleanly(index);
}
