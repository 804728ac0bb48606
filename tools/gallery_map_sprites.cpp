#include "gallery_map_sprites.h"

#include <string>
#include <vector>

#include "gallery_picture.h"
#include "render/bridge_sprite.h"
#include "render/control_sheets.h"
#include "render/control_sprite.h"
#include "render/sprite_export.h"
#include "render/water_pipe_sprite.h"

namespace {

constexpr int MARGIN = 16;
constexpr int CAPTION = 12;

Tile tileOf(ControlType type, Direction dir)
{
    Tile t;
    t.type = type;
    t.dir = dir;
    return t;
}

// A bridge of entry ramp, two decks and exit ramp over a crossing belt, with
// belts at both ends, on a field of seven by three tiles (three by seven when
// it runs north or south), its top-left tile at (left, top).
void drawBridgeField(SDL_Renderer* r, int left, int top, int size, Direction dir, float time)
{
    const bool horizontal = dir == EAST || dir == WEST;
    const bool forward = dir == EAST || dir == SOUTH;
    for (int along = 0; along < 7; ++along) {
        for (int across = 0; across < 3; ++across) {
            const int tx = horizontal ? along : across, ty = horizontal ? across : along;
            const bool onRun = across == 1;
            const bool bridged = onRun && along >= 1 && along <= 4;
            const bool crossing = along == 3 && !onRun;
            Tile ground = tileOf(EMPTY, NONE);
            if (onRun) ground = tileOf(bridged ? BRIDGE : BELT, dir);
            if (crossing || (along == 3 && onRun)) ground = tileOf(BELT, horizontal ? SOUTH : EAST);
            drawControlSprite(r, ground, tx, ty, -left, -top, size, time, false);
        }
    }
    // Parts drawn in screen order, top to bottom, as the map does.
    for (int i = 0; i < 4; ++i) {
        const int along = 1 + (horizontal || forward ? i : 3 - i);
        const int step = forward ? along - 1 : 4 - along;
        const int part = step == 0 ? BRIDGE_ENTRY_RAMP : step == 3 ? BRIDGE_EXIT_RAMP : BRIDGE_DECK;
        const int tx = horizontal ? along : 1, ty = horizontal ? 1 : along;
        drawBridge(r, left + tx * size, top + ty * size, size, size, dir, part, time);
    }
}

bool writeBridges(const std::filesystem::path& out)
{
    const int fieldLong = 7 * 64, fieldShort = 3 * 64;
    Picture picture(MARGIN + 2 * (fieldLong + MARGIN) + 2 * (fieldShort + MARGIN),
                    MARGIN + 3 * (CAPTION + fieldLong + MARGIN) + CAPTION + 3 * 78 + MARGIN);
    SDL_Renderer* r = picture.renderer();
    int top = MARGIN;
    for (const int size : ZOOMS) {
        int left = MARGIN;
        for (const Direction dir : {EAST, WEST, NORTH, SOUTH}) {
            const bool horizontal = dir == EAST || dir == WEST;
            label(r,
                  std::string(dir == EAST    ? "east"
                              : dir == WEST  ? "west"
                              : dir == NORTH ? "north"
                                             : "south") +
                      " " + std::to_string(size),
                  left, top);
            drawBridgeField(r, left, top + CAPTION + size, size, dir, 0.0f);
            left += (horizontal ? 7 : 3) * 64 + MARGIN;
        }
        top += CAPTION + 7 * size + MARGIN;
    }
    // The eight slat frames of each part facing east, as the sheet holds them.
    label(r, "frames 0 to 7: entry ramp, deck, exit ramp", MARGIN, top);
    for (int part = 0; part < 3; ++part) {
        for (int frame = 0; frame < 8; ++frame) {
            const int x = MARGIN + frame * (64 + 8), y = top + CAPTION + part * 78 + 14;
            drawBridge(r, x, y, 64, 64, EAST, part, (frame + 0.1f) / 14.0f);
        }
    }
    return picture.save(out / "bridges.png");
}

// Every shape at each zoom size, still; then straight runs and a corner with
// water moving through them, one tile a flow step, at four moments.
bool writeWaterPipes(const std::filesystem::path& out)
{
    Picture picture(MARGIN + 16 * (64 + 8) + MARGIN, MARGIN + 3 * (CAPTION + 64 + MARGIN) + 4 * (CAPTION + 64 + 8));
    SDL_Renderer* r = picture.renderer();
    int top = MARGIN;
    for (const int size : ZOOMS) {
        label(r, "shapes 0 to 15 at " + std::to_string(size), MARGIN, top);
        for (int mask = 0; mask < 16; ++mask)
            drawWaterPipe(r, MARGIN + mask * (64 + 8), top + CAPTION, size, size, mask, 0, 0, 0.0f, 0);
        top += CAPTION + 64 + MARGIN;
    }
    for (const float time : {0.0f, 0.2f, 0.4f, 0.6f}) {
        label(r, "flow at " + std::to_string(time).substr(0, 3) + " s", MARGIN, top);
        const int y = top + CAPTION;
        // West to east through four straight pipes, then south through a corner.
        for (int i = 0; i < 4; ++i)
            drawWaterPipe(r, MARGIN + i * 48, y, 48, 48, PIPE_EAST | PIPE_WEST, PIPE_WEST, PIPE_EAST, time, i);
        drawWaterPipe(r, MARGIN + 4 * 48, y, 48, 48, PIPE_WEST | PIPE_SOUTH, PIPE_WEST, PIPE_SOUTH, time, 4);
        // A tee fed from the north.
        drawWaterPipe(r, MARGIN + 6 * 48, y, 48, 48, PIPE_NORTH | PIPE_EAST | PIPE_WEST, PIPE_NORTH,
                      PIPE_EAST | PIPE_WEST, time, 0);
        top += CAPTION + 64 + 8;
    }
    return picture.save(out / "water-pipes.png");
}

// Each control sheet's first pictures drawn from the exported sheet at 32
// pixels, left, beside the painter's own picture at 32, right. The export runs
// in a scratch folder, from which the sheets are read as the game reads them;
// the picture goes to the absolute folder `out`.
bool writeSheetComparison(const std::filesystem::path& out)
{
    const std::filesystem::path previous = std::filesystem::current_path();
    const ScratchFolder scratch("gearhaven-gallery-sheets");
    std::error_code error;
    if (scratch.path().empty()) return false;
    std::filesystem::current_path(scratch.path(), error);
    if (error) return false;
    bool ok = false;
    {
        constexpr int SHOWN = 12;
        Picture picture(MARGIN + 2 * SHOWN * 34 + 3 * MARGIN, MARGIN + 26 * (32 + 6) + MARGIN);
        SDL_Renderer* r = picture.renderer();
        if (exportControlPngs(r)) {
            for (ControlType type = EMPTY; type <= EJECTOR; ++type) {
                const int y = MARGIN + type * (32 + 6);
                int i = 0;
                for (const auto& [key, sample] : controlExportSamples(type)) {
                    if (i == SHOWN) break;
                    const int x = MARGIN + i * 34;
                    drawControl(r, sample.tile, 0, 0, -x, -y, 32, sample.time, sample.powered);
                    drawControlSprite(r, sample.tile, 0, 0, -(x + SHOWN * 34 + MARGIN), -y, 32, sample.time,
                                      sample.powered);
                    ++i;
                }
            }
            ok = picture.save(out / "sheets-beside-painter.png");
        }
    }
    std::filesystem::current_path(previous, error);
    return ok;
}

}  // namespace

bool writeMapSpriteGallery(const std::filesystem::path& out)
{
    const bool bridges = writeBridges(out);
    const bool pipes = writeWaterPipes(out);
    return writeSheetComparison(out) && bridges && pipes;
}
