#include "ui/income_popups.h"

#include <algorithm>

#include "render/bitmap_font.h"
#include "render/design_grid.h"
#include "world/game.h"

namespace {

constexpr int FULL_BOX_ALPHA = 210;

bool spent(const SaleMarker& marker, const Game& game)
{
    if (marker.age >= SALE_MARKER_LIFETIME) return true;
    return !game.inBounds(marker.x, marker.y) || game.tileAt(marker.x, marker.y).type != SHOP;
}

int newerOnSameTile(const std::vector<SaleMarker>& markers, std::size_t index)
{
    const SaleMarker& marker = markers[index];
    return static_cast<int>(std::count_if(markers.begin() + static_cast<std::ptrdiff_t>(index) + 1, markers.end(),
                                          [&](const SaleMarker& m) { return m.x == marker.x && m.y == marker.y; }));
}

}  // namespace

std::vector<SaleMarker>::iterator pruneShopSaleMarkers(std::vector<SaleMarker>::iterator first,
                                                       std::vector<SaleMarker>::iterator last, const Game& game)
{
    return std::remove_if(first, last, [&](const SaleMarker& marker) { return spent(marker, game); });
}

void ageSaleMarkers(std::vector<SaleMarker>& markers, float seconds, const Game& game)
{
    for (SaleMarker& marker : markers)
        marker.age += seconds;
    markers.erase(pruneShopSaleMarkers(markers.begin(), markers.end(), game), markers.end());
}

void takeIncomeEvents(std::vector<SaleMarker>& markers, Game& game)
{
    for (const IncomeEvent& sale : game.incomeEvents) {
        if (markers.size() >= MAX_SALE_MARKERS) markers.erase(markers.begin());
        markers.push_back({sale.x, sale.y, sale.amount, 0.0f});
    }
    game.incomeEvents.clear();
}

IncomePopup incomePopup(const SaleMarker& marker, int newerOnSameTile, int cameraX, int cameraY, int tileSize,
                        int viewWidth, int viewHeight)
{
    IncomePopup popup;
    popup.scale = tileSize > 23 ? 2 : 1;
    const int s = popup.scale;
    popup.text = "+" + std::to_string(marker.amount) + " EUR";
    const int width = bitmapTextWidth(static_cast<int>(popup.text.size()), s) + 8;
    const int height = GLYPH_HEIGHT * s + 6;
    const int rise = static_cast<int>(marker.age * SALE_MARKER_RISE);
    const int centreX = marker.x * tileSize + tileSize / 2 - cameraX;
    const int top = marker.y * tileSize - cameraY - height - 3 - rise - newerOnSameTile * (GLYPH_HEIGHT * s + 8);
    // Halved rounding down, then held inside the view.
    const int left = centreX - (width >> 1);
    popup.box = {std::clamp(left, 0, std::max(0, viewWidth - width)),
                 std::clamp(top, 2, std::max(2, viewHeight - height)), width, height};
    const float fade = (SALE_MARKER_LIFETIME - marker.age) / SALE_MARKER_FADE;
    if (fade < 1.0f) {
        const int alpha = std::max(0, static_cast<int>(255.0f * fade));
        popup.textAlpha = static_cast<Uint8>(alpha);
        popup.boxAlpha = static_cast<Uint8>(alpha * FULL_BOX_ALPHA / 255);
    }
    return popup;
}

void drawIncomePopups(SDL_Renderer* renderer, const std::vector<SaleMarker>& markers, int cameraX, int cameraY,
                      int tileSize, int viewWidth, int viewHeight)
{
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    for (std::size_t i = 0; i < markers.size(); ++i) {
        const IncomePopup popup =
            incomePopup(markers[i], newerOnSameTile(markers, i), cameraX, cameraY, tileSize, viewWidth, viewHeight);
        setDrawColor(renderer, packColor(15, 25, 28, popup.boxAlpha));
        SDL_RenderFillRect(renderer, &popup.box);
        setDrawColor(renderer, packColor(250, 215, 105, popup.textAlpha));
        drawText(renderer, popup.text.c_str(), popup.box.x + 4, popup.box.y + 3, popup.scale);
    }
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
}

void drawOpenOrders(SDL_Renderer* renderer, const SDL_Rect& rect, int count)
{
    setDrawColor(renderer, packColor(25, 34, 41));
    SDL_RenderFillRect(renderer, &rect);
    setDrawColor(renderer, packColor(177, 194, 203));
    drawText(renderer, "OFFENE", centredTextX(rect.x, rect.w, "OFFENE"), rect.y + 5, 1);
    drawText(renderer, "AUFTRAEGE", centredTextX(rect.x, rect.w, "AUFTRAEGE"), rect.y + 16, 1);
    const std::string number = std::to_string(count);
    if (count > 0) setDrawColor(renderer, packColor(111, 235, 158));
    drawBitmapText(renderer, number.c_str(),
                   rect.x + (rect.w - bitmapTextWidth(static_cast<int>(number.size()), 2)) / 2, rect.y + 30, 2);
}
