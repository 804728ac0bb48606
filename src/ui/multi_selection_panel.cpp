#include "ui/multi_selection_panel.h"

#include "editing/control_settings.h"
#include "editing/multi_selection.h"
#include "machines/distributor_control.h"
#include "render/bitmap_font.h"
#include "render/widgets.h"
#include "ui/information_panel.h"
#include "ui/inspector_widgets.h"
#include "ui/panel_drawing.h"
#include "world/tile.h"

namespace {

constexpr const char* SELECTION_BUTTON_LABELS[] = {"ALLE DREHEN", "EINSTELLUNGEN", "AUSWAHL LOESCHEN"};
constexpr int SELECTION_BUTTON_COUNT = 3;

// A neutral button spanning the panel, its label in the frame's grey.
void drawWideButton(SDL_Renderer* renderer, const ScreenRect& button, const char* label)
{
    drawButton(renderer, button, 0);
    drawText(renderer, label, button.left + 10, button.top + 11, 1);
}

}  // namespace

ScreenRect selectionButtonRect(const ScreenRect& panel, int k)
{
    return panelRect(panel, 10, panel.height - 110 + 35 * k, panel.width - 20, 30);
}

SelectionButton selectionButtonAt(const ScreenRect& panel, int px, int py)
{
    for (int k = 0; k < SELECTION_BUTTON_COUNT; ++k) {
        if (contains(selectionButtonRect(panel, k), px, py)) return static_cast<SelectionButton>(k + 1);
    }
    return SelectionButton::NONE;
}

ScreenRect selectionBackButtonRect(const ScreenRect& panel)
{
    return panelRect(panel, 10, panel.height - 40, panel.width - 20, 30);
}

std::string selectionCountText(int count) { return std::to_string(count) + " CONTROLS AUSGEWAEHLT"; }

void drawSelectionMainView(SDL_Renderer* renderer, const ScreenRect& panel, int count, std::string_view status)
{
    drawPanelFrame(renderer, sdlRect(panel), "MEHRFACHAUSWAHL");
    setDrawColor(renderer, PANEL_TEXT_COLOUR);
    drawLabel(renderer, panel, selectionCountText(count), panel.top + 45);
    const int left = panel.left + 10, width = panel.width - 20;
    drawTextWrapped(renderer,
                    "STRG-KLICK: AUSWAHL. STRG-ZIEHEN AUF FREIER FLAECHE: AUSWAHLRAHMEN. VON 5V-ANSCHLUSS: LEITUNG.",
                    left, panel.top + 75, width, true);
    if (!status.empty()) drawTextWrapped(renderer, std::string(status), left, panel.top + 155, width, true);
    for (int k = 0; k < SELECTION_BUTTON_COUNT; ++k)
        drawWideButton(renderer, selectionButtonRect(panel, k), SELECTION_BUTTON_LABELS[k]);
}

void drawSharedMixerPanel(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& first)
{
    drawPanelFrame(renderer, sdlRect(panel), "MISCHER GEMEINSAM");
    setDrawColor(renderer, PANEL_TEXT_COLOUR);
    drawText(renderer, "MISCHVERHAELTNIS", panel.left + 10, panel.top + 62, 1);
    drawMixerRatioRows(renderer, panel, first, true);
}

void drawSharedDistributorPanel(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& first)
{
    drawPanelFrame(renderer, sdlRect(panel), "VERTEILER GEMEINSAM");
    drawDistributorRules(renderer, panel, first, true);
}

void drawSelectionBackButton(SDL_Renderer* renderer, const ScreenRect& panel)
{
    drawWideButton(renderer, selectionBackButtonRect(panel), "ZURUECK");
}

SelectionButton pressSelectionMainView(const SelectionPanelControls& controls, const ScreenRect& panel, int px, int py)
{
    const SelectionButton button = selectionButtonAt(panel, px, py);
    switch (button) {
    case SelectionButton::ROTATE_ALL:
        controls.status = pressRotateAllButton(controls.selection, controls.game);
        break;
    case SelectionButton::SETTINGS:
        if (controls.selection.commonKind() == NO_COMMON_KIND) {
            controls.status = "NUR GLEICHE CONTROL-TYPEN";
        } else {
            controls.status.clear();
            controls.settingsOpen = true;
        }
        break;
    case SelectionButton::DEMOLISH_ALL:
        controls.selection.demolishAll(controls.game);
        controls.settingsOpen = false;
        break;
    case SelectionButton::NONE:
        break;
    }
    return button;
}

bool pressSharedMixerPanel(const MultiSelection& selection, Game& game, const ScreenRect& panel, int px, int py)
{
    const MixerButton button = mixerButtonAt(panel, px, py);
    if (button.value == 0) return false;
    setSelectionMixerRatio(selection, game, button.row, button.value);
    return true;
}

bool pressSharedDistributorPanel(const MultiSelection& selection, Game& game, const Tile& first,
                                 const ScreenRect& panel, int px, int py)
{
    if (contains(distributorModeRect(panel), px, py)) {
        setSelectionDistributorMode(selection, game, (DistributorControl::mode(first) + 1) % DISTRIBUTOR_MODE_COUNT);
        return true;
    }
    const int cell = distributorRuleAt(panel, px, py);
    if (cell < 0) return false;
    toggleSelectionDistributorRuleBit(selection, game, !maskHasCargo(first.cargoRuleMask, cell), cargoBit(cell));
    return true;
}
