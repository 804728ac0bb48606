#include "app/sale_markers.h"

#include <algorithm>

#include "world/game.h"

namespace {

bool spent(const SaleMarker& marker, const Game& game)
{
    if (marker.age >= SALE_MARKER_LIFETIME) return true;
    return !game.inBounds(marker.x, marker.y) || game.tileAt(marker.x, marker.y).type != SHOP;
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
