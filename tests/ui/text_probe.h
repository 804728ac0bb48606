#pragma once

#include <string_view>

#include "render/bitmap_font.h"
#include "support/software_canvas.h"

// Whether the canvas shows the text, as it stands, with its top-left cell at (x, y):
// every lit pixel of every glyph has the colour. Unlit pixels are not read, so the
// text may stand on any background.
inline bool showsText(SoftwareCanvas& canvas, std::string_view text, int x, int y, Rgba colour, int scale = 1)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int cellX = x + static_cast<int>(i) * GLYPH_ADVANCE * scale;
        for (int row = 0; row < GLYPH_HEIGHT; ++row) {
            for (int column = 0; column < GLYPH_WIDTH; ++column) {
                if (!glyphPixelLit(static_cast<unsigned char>(text[i]), column, row)) continue;
                if (canvas.pixel(cellX + column * scale, y + row * scale) != colour) return false;
            }
        }
    }
    return true;
}
