#pragma once

#include <vector>

#include "app/loop_state.h"

class Game;

constexpr int MAX_SALE_MARKERS = 32;
constexpr float SALE_MARKER_LIFETIME = 1.35f;  // seconds

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
