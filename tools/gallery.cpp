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
#include "gallery_map_sprites.h"
#include "gallery_picture.h"
#include "render/arm_textures.h"
#include "render/asset_files.h"
#include "render/bitmap_font.h"
#include "render/texture_caches.h"
#include "render/widgets.h"
#include "world/cargo.h"
#include "world/language.h"

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

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gearhaven-gallery OUTDIR\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];
    std::error_code error;
    std::filesystem::create_directories(out, error);
    setLanguage(GERMAN);
    const std::vector<std::function<bool(const std::filesystem::path&)>> groups = {
        writeGlyphSheets,   writeButtons,    writeArrows,         writeLanguageIcons,    writeCargoSprites,
        writeCargoCloseups, writeArmSprites, writeControlGallery, writeMapSpriteGallery,
    };
    bool ok = true;
    for (const auto& group : groups)
        ok = group(out) && ok;
    return ok ? 0 : 1;
}
