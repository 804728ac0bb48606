#include "render/bitmap_font.h"

#include <algorithm>
#include <array>

#include "render/texture_caches.h"
#include "world/translate.h"

namespace {

constexpr unsigned char FIRST_GLYPH = '!';
constexpr unsigned char LAST_GLYPH = '_';
constexpr std::string_view BLANK = "00000000000000000000000000000000000";

// Seven rows of five columns, top row first; '1' is lit.
constexpr std::array<std::string_view, LAST_GLYPH - FIRST_GLYPH + 1> GLYPHS = {
    "00100001000010000100001000000000100",  // !
    BLANK,                                  // "
    BLANK,                                  // #
    BLANK,                                  // $
    BLANK,                                  // %
    BLANK,                                  // &
    BLANK,                                  // '
    "00010001000100001000010000010000010",  // (
    "01000001000001000010000100010001000",  // )
    "00000101010111011111011101010100000",  // *
    "00000001000010011111001000010000000",  // +
    "00000000000000000000001100010001000",  // ,
    "00000000000000011111000000000000000",  // -
    "00000000000000000000000000110001100",  // .
    "00001000100001000100010000100010000",  // /
    "01110100011001110101110011000101110",  // 0
    "00100011000010000100001000010001110",  // 1
    "01110100010000100010001000100011111",  // 2
    "11110000010000101110000010000111110",  // 3
    "00010001100101010010111110001000010",  // 4
    "11111100001111000001000010000111110",  // 5
    "00110010001000011110100011000101110",  // 6
    "11111000010001000100010000100001000",  // 7
    "01110100011000101110100011000101110",  // 8
    "01110100011000101111000010001001100",  // 9
    "00000001000010000000001000010000000",  // :
    "00000001000010000000001100010001000",  // ;
    BLANK,                                  // <
    "00000000001111100000111110000000000",  // =
    BLANK,                                  // >
    "01110100010000100010001000000000100",  // ?
    BLANK,                                  // @
    "01110100011000111111100011000110001",  // A
    "11110100011000111110100011000111110",  // B
    "01111100001000010000100001000001111",  // C
    "11110100011000110001100011000111110",  // D
    "11111100001000011110100001000011111",  // E
    "11111100001000011110100001000010000",  // F
    "01111100001000010111100011000101111",  // G
    "10001100011000111111100011000110001",  // H
    "11111001000010000100001000010011111",  // I
    "00111000100001000010100101001001100",  // J
    "10001100101010011000101001001010001",  // K
    "10000100001000010000100001000011111",  // L
    "10001110111010110101100011000110001",  // M
    "10001110011010110011100011000110001",  // N
    "01110100011000110001100011000101110",  // O
    "11110100011000111110100001000010000",  // P
    "01110100011000110001101010111000100",  // Q
    "11110100011000111110101001001010001",  // R
    "01111100001000001110000010000111110",  // S
    "11111001000010000100001000010000100",  // T
    "10001100011000110001100011000101110",  // U
    "10001100011000110001010100101000100",  // V
    "10001100011000110101101011010101010",  // W
    "10001100010101000100010101000110001",  // X
    "10001100010101000100001000010000100",  // Y
    "11111000010001000100010001000011111",  // Z
    BLANK,                                  // [
    "10000010000100000100000100001000001",  // backslash
    BLANK,                                  // ]
    BLANK,                                  // ^
    "00000000000000000000000000000011111",  // _
};

std::string_view glyphBits(unsigned char c)
{
    if (c < FIRST_GLYPH || c > LAST_GLYPH) return BLANK;
    return GLYPHS[c - FIRST_GLYPH];
}

// White pixels whose alpha carries the pattern, so one texture serves every colour.
SDL_Texture* makeGlyphTexture(SDL_Renderer* renderer, unsigned char c)
{
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, GLYPH_WIDTH, GLYPH_HEIGHT, 32, SDL_PIXELFORMAT_ABGR8888);
    if (surface == nullptr) return nullptr;
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) {
        SDL_FreeSurface(surface);
        return nullptr;
    }
    for (int row = 0; row < GLYPH_HEIGHT; ++row) {
        auto* pixels = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + row * surface->pitch);
        for (int column = 0; column < GLYPH_WIDTH; ++column) {
            const Uint8 alpha = glyphPixelLit(c, column, row) ? 255 : 0;
            pixels[column] = SDL_MapRGBA(surface->format, 255, 255, 255, alpha);
        }
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, surface);
    SDL_FreeSurface(surface);
    if (texture == nullptr) return nullptr;
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
    return texture;
}

SDL_Texture* cachedGlyph(SDL_Renderer* renderer, unsigned char c)
{
    auto& glyphs = textureCaches().glyphs;
    if (auto found = glyphs.find(c); found != glyphs.end()) return found->second;
    SDL_Texture* texture = makeGlyphTexture(renderer, c);
    if (texture != nullptr) glyphs.emplace(c, texture);
    return texture;
}

// The fallback when no texture can be made: one rectangle per lit pixel.
void fillGlyphPixels(SDL_Renderer* renderer, unsigned char c, int x, int y, int scale)
{
    for (int row = 0; row < GLYPH_HEIGHT; ++row) {
        for (int column = 0; column < GLYPH_WIDTH; ++column) {
            if (!glyphPixelLit(c, column, row)) continue;
            const SDL_Rect pixel{x + column * scale, y + row * scale, scale, scale};
            SDL_RenderFillRect(renderer, &pixel);
        }
    }
}

// The box from the first to the last lit cell, cut to the clip rectangle; a text
// of blanks or one clipped away entirely is not noted.
void noteText(TextRecorder& recorder, SDL_Renderer* renderer, std::string_view text, int x, int y, int scale)
{
    const auto lit = [](char c) { return glyphBits(static_cast<unsigned char>(c)) != BLANK; };
    const auto first = std::find_if(text.begin(), text.end(), lit);
    if (first == text.end()) return;
    const auto last = std::find_if(text.rbegin(), text.rend(), lit).base() - 1;
    const int firstCell = static_cast<int>(first - text.begin());
    const int cells = static_cast<int>(last - first) + 1;
    SDL_Rect rect{x + bitmapTextWidth(firstCell, scale), y, bitmapTextWidth(cells, scale) - scale,
                  GLYPH_HEIGHT * scale};
    if (SDL_RenderIsClipEnabled(renderer) == SDL_TRUE) {
        SDL_Rect clip;
        SDL_RenderGetClipRect(renderer, &clip);
        if (SDL_IntersectRect(&rect, &clip, &rect) == SDL_FALSE) return;
    }
    recorder.texts.push_back({std::string(text), rect, recorder.panel});
}

}  // namespace

bool glyphPixelLit(unsigned char c, int column, int row)
{
    if (column < 0 || column >= GLYPH_WIDTH || row < 0 || row >= GLYPH_HEIGHT) return false;
    return glyphBits(c)[row * GLYPH_WIDTH + column] == '1';
}

void drawBitmapText(SDL_Renderer* renderer, const char* text, int x, int y, int scale)
{
    if (text == nullptr || *text == '\0') return;
    TextureCaches& caches = textureCaches();
    if (caches.glyphRenderer != renderer) {
        clearGlyphCache();
        caches.glyphRenderer = renderer;
    }
    if (caches.textRecorder != nullptr) noteText(*caches.textRecorder, renderer, text, x, y, scale);
    Uint8 r, g, b, a;
    SDL_GetRenderDrawColor(renderer, &r, &g, &b, &a);
    int penX = x;
    for (const char* p = text; *p != '\0'; ++p, penX += GLYPH_ADVANCE * scale) {
        const auto c = static_cast<unsigned char>(*p);
        // A blank glyph would draw nothing; it only moves the pen.
        if (glyphBits(c) == BLANK) continue;
        SDL_Texture* glyph = cachedGlyph(renderer, c);
        if (glyph == nullptr) {
            fillGlyphPixels(renderer, c, penX, y, scale);
            continue;
        }
        SDL_SetTextureColorMod(glyph, r, g, b);
        SDL_SetTextureAlphaMod(glyph, a);
        const SDL_Rect cell{penX, y, GLYPH_WIDTH * scale, GLYPH_HEIGHT * scale};
        SDL_RenderCopy(renderer, glyph, nullptr, &cell);
    }
}

void drawText(SDL_Renderer* renderer, const char* text, int x, int y, int scale)
{
    const std::string translated = translate(text == nullptr ? "" : text);
    drawBitmapText(renderer, translated.c_str(), x, y, scale);
}

int translatedTextLength(std::string_view text) { return static_cast<int>(translate(text).size()); }

int centredTextX(int boxX, int boxWidth, std::string_view phrase)
{
    return boxX + (boxWidth - bitmapTextWidth(translatedTextLength(phrase), 1)) / 2;
}

std::vector<std::string> wrapTextLines(std::string_view text, int width)
{
    const std::size_t capacity = width > 11 ? static_cast<std::size_t>(width / GLYPH_ADVANCE) : 1;
    std::vector<std::string> lines;
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t length = std::min(capacity, text.size() - position);
        if (position + length < text.size()) {
            const std::size_t blank = text.rfind(' ', position + length);
            if (blank != std::string_view::npos && blank > position) length = blank - position;
        }
        std::string line(text.substr(position, length));
        std::transform(line.begin(), line.end(), line.begin(),
                       [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
        lines.push_back(std::move(line));
        position += length;
        while (position < text.size() && text[position] == ' ')
            ++position;
    }
    return lines;
}

void drawTextWrapped(SDL_Renderer* renderer, const std::string& text, int x, int y, int width, bool translateText)
{
    const std::string shown = translateText ? translate(text) : text;
    for (const std::string& line : wrapTextLines(shown, width)) {
        drawBitmapText(renderer, line.c_str(), x, y, 1);
        y += WRAPPED_LINE_STEP;
    }
}
