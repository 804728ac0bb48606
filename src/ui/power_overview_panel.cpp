#include "ui/power_overview_panel.h"

#include <algorithm>

#include "render/bitmap_font.h"
#include "render/power_cables.h"
#include "ui/inspector_widgets.h"
#include "ui/panel_drawing.h"

namespace {

constexpr int SHORT_WINDOW_HEIGHT = 349;  // this high or lower still shows one block
constexpr PackedColor TOTALS_COLOUR = packColor(230, 235, 239);
constexpr int BLOCK_LINE_STEP = 18;

std::string kilowatts(const char* label, int kw) { return label + std::to_string(kw) + " KW"; }

}  // namespace

int powerOverviewVisibleBlocks(int height)
{
    return height <= SHORT_WINDOW_HEIGHT ? 1 : (height - POWER_BLOCK_TOP) / POWER_BLOCK_PITCH;
}

int clampPowerOverviewScroll(int scroll, int networkCount, int height)
{
    const int last = std::max(0, networkCount - powerOverviewVisibleBlocks(height));
    return std::clamp(scroll, 0, last);
}

int scrolledOverviewIndex(int scroll, int wheelSteps, bool flipped)
{
    return std::max(0, scroll - (flipped ? -wheelSteps : wheelSteps));
}

std::array<std::string, 4> powerTotalLines(const PowerOverview& power)
{
    int available = 0, allocated = 0, missing = power.missingWithoutPoleKw;
    for (const PowerNetworkInfo& network : power.networks) {
        available += network.capacityKw;
        allocated += network.allocatedKw;
        missing += network.missingKw;
    }
    return {kilowatts("VERFUEGBAR ", available), kilowatts("ZUGETEILT  ", allocated), kilowatts("FEHLEND    ", missing),
            kilowatts("OHNE MAST  ", power.missingWithoutPoleKw)};
}

std::array<std::string, 4> networkBlockLines(const PowerNetworkInfo& network, int index)
{
    return {"NETZ " + std::to_string(index + 1) + " - " + std::to_string(network.consumerCount) + " VERBRAUCHER",
            kilowatts("VERFUEGBAR ", network.capacityKw), kilowatts("ZUGETEILT ", network.allocatedKw),
            kilowatts("FEHLEND ", network.missingKw)};
}

void drawPowerOverview(SDL_Renderer* renderer, const ScreenRect& window, const PowerOverview& power, int& scroll)
{
    drawPanelFrame(renderer, sdlRect(window), "STROMUEBERSICHT");
    setDrawColor(renderer, TOTALS_COLOUR);
    const std::array<std::string, 4> totals = powerTotalLines(power);
    for (std::size_t i = 0; i < totals.size(); ++i)
        drawLabel(renderer, window, totals[i], window.top + 48 + BLOCK_LINE_STEP * static_cast<int>(i));
    drawLabel(renderer, window, "NETZE GETRENNT - NUMMERN AUF DER KARTE", window.top + 128);
    drawLabel(renderer, window, "MAUSRAD HIER BLAETTERT - P ODER X SCHLIESST", window.top + 146);
    if (power.networks.empty()) drawLabel(renderer, window, "NOCH KEINE GENERATOREN ODER MASTEN", window.top + 180);

    const int count = static_cast<int>(power.networks.size());
    scroll = clampPowerOverviewScroll(scroll, count, window.height);
    const int shown = std::min(powerOverviewVisibleBlocks(window.height), count - scroll);
    for (int k = 0; k < shown; ++k) {
        const int index = scroll + k;
        const int blockTop = window.top + POWER_BLOCK_TOP + POWER_BLOCK_PITCH * k;
        setDrawColor(renderer, networkColor(index));  // opaque, by its place in the list
        const std::array<std::string, 4> lines = networkBlockLines(power.networks[index], index);
        for (std::size_t line = 0; line < lines.size(); ++line)
            drawLabel(renderer, window, lines[line], blockTop + BLOCK_LINE_STEP * static_cast<int>(line));
    }
}
