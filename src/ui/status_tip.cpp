#include "ui/status_tip.h"

#include <algorithm>

#include "render/bitmap_font.h"
#include "ui/panel_drawing.h"

namespace {

constexpr int TEXT_INSET = 8;
constexpr int POINTER_GAP_X = 14;  // right of the pointer's arrow
constexpr int POINTER_GAP_Y = 22;  // below it
constexpr int LOWEST_TOP_ABOVE_BOTTOM = 80;
constexpr PackedColor BACKGROUND = packColor(18, 26, 32);
constexpr PackedColor OUTLINE = packColor(111, 215, 185);

}  // namespace

std::optional<StatusTip> statusTipAt(std::string_view status, bool paused, int px, int py, int viewWidth,
                                     int viewHeight)
{
    if (status.empty()) return std::nullopt;
    StatusTip tip;
    tip.text = paused ? "PAUSE - " + std::string(status) : std::string(status);
    const int width = bitmapTextWidth(translatedTextLength(tip.text), 1) + 2 * TEXT_INSET;
    tip.box = {std::min(std::max(px + POINTER_GAP_X, 0), std::max(viewWidth - width, 0)),
               std::min(std::max(py + POINTER_GAP_Y, 0), std::max(viewHeight - LOWEST_TOP_ABOVE_BOTTOM, 0)), width,
               STATUS_TIP_HEIGHT};
    return tip;
}

void drawStatusTip(SDL_Renderer* renderer, const StatusTip& tip)
{
    const SDL_Rect box = sdlRect(tip.box);
    fillRect(renderer, box, BACKGROUND);
    outlineRect(renderer, box, OUTLINE);
    drawText(renderer, tip.text.c_str(), box.x + TEXT_INSET, box.y + TEXT_INSET, 1);
}
