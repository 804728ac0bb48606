#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

class Game;

// The gold texts that rise from a shop for each sale and fade out, and the small
// open-orders counter of the arm inspector.

// A floating sale text over a shop.
struct SaleMarker {
    int x = 0;
    int y = 0;
    std::int64_t amount = 0;
    float age = 0.0f;  // seconds of real time
};

constexpr int MAX_SALE_MARKERS = 32;
constexpr float SALE_MARKER_LIFETIME = 1.35f;  // seconds
constexpr float SALE_MARKER_FADE = 0.35f;      // the last seconds of its life, over which it fades
constexpr int SALE_MARKER_RISE = 16;           // pixels a second

// Removes, keeping the order of the rest, the markers that have lived out their
// time and those whose tile is no longer a shop; returns the new end.
std::vector<SaleMarker>::iterator pruneShopSaleMarkers(std::vector<SaleMarker>::iterator first,
                                                       std::vector<SaleMarker>::iterator last, const Game& game);

// Once a frame, while the world stands still too: the markers age by the frame's
// real time and the spent ones go.
void ageSaleMarkers(std::vector<SaleMarker>& markers, float seconds, const Game& game);

// Each sale of the world becomes a new marker, the oldest making room when 32 are
// held; then the world's list of sales is emptied.
void takeIncomeEvents(std::vector<SaleMarker>& markers, Game& game);

// Where and how one marker is drawn.
struct IncomePopup {
    SDL_Rect box{};
    std::string text;  // "+375 EUR"
    int scale = 2;
    Uint8 textAlpha = 255;
    Uint8 boxAlpha = 210;
};

// `newerOnSameTile` counts the later markers of the same shop, which sit below it.
IncomePopup incomePopup(const SaleMarker& marker, int newerOnSameTile, int cameraX, int cameraY, int tileSize,
                        int viewWidth, int viewHeight);

// All markers over the map; the shell clips to the map view.
void drawIncomePopups(SDL_Renderer* renderer, const std::vector<SaleMarker>& markers, int cameraX, int cameraY,
                      int tileSize, int viewWidth, int viewHeight);

// "OFFENE" / "AUFTRAEGE" over the count, green while any is open.
void drawOpenOrders(SDL_Renderer* renderer, const SDL_Rect& rect, int count);
