#include "ui/side_panel_frame.h"

#include <string>

#include "render/bitmap_font.h"
#include "render/widgets.h"
#include "ui/inspector_widgets.h"
#include "ui/panel_drawing.h"
#include "ui/tool_help_panels.h"

namespace {

constexpr PackedColor PANEL_BACKGROUND = packColor(29, 34, 40);
constexpr PackedColor PANEL_BORDER = packColor(76, 98, 109);
constexpr PackedColor HEADING_COLOUR = packColor(221, 234, 239);
constexpr PackedColor DIAGNOSTICS_COLOUR = packColor(239, 91, 91);
constexpr PackedColor COPY_MESSAGE_COLOUR = packColor(111, 215, 185);

struct HelpLine {
    int y;
    const char* text;
    bool wrapped;
};

constexpr HelpLine HELP_LINES[] = {
    {65, "CONTROL AUSWAEHLEN", false},
    {90, "LINKSKLICK AUF EIN CONTROL ZEIGT EINSTELLUNGEN UND BESTAENDE.", true},
    {150, "LINKSKLICK AUF EIN FOERDERGUT ZEIGT TYP UND ID.", true},
    {215, "SHIFT UND LINKSKLICK: WERKZEUG", false},
    {245, "RECHTSZIEHEN: VERSCHIEBEN", false},
    {263, "SHIFT UND RECHTSZIEHEN: LOESCHEN", false},
    {285, "STRG-Z UNDO   F5 SPEICHERN   F9 LADEN", false},
    {320, "D DIAGNOSE   M MINIKARTE   S STATISTIK", false},
    {340, "I MASCHINENUEBERSICHT", false},
    {360, "STRG-C KOPIEREN   STRG-V EINFUEGEN", false},
    {380, "PUNKT: EINZELSCHRITT BEI PAUSE", false},
    {400, "WARNUNG F VOLL   K KOHLE   A AUSGANG   X AUS", false},
};

}  // namespace

ScreenRect powerButtonRect(const ScreenRect& sidePanel) { return {sidePanel.left + 174, 7, 104, 28}; }

ScreenRect closeButtonRect(const ScreenRect& sidePanel) { return {sidePanel.left + sidePanel.width - 34, 8, 24, 24}; }

void drawSidePanelFrame(SDL_Renderer* renderer, const ScreenRect& sidePanel, bool powerOverviewOpen, bool closeShown)
{
    const int x = sidePanel.left;
    fillRect(renderer, sdlRect(sidePanel), PANEL_BACKGROUND);
    setDrawColor(renderer, PANEL_BORDER);
    SDL_RenderDrawLine(renderer, x, 0, x, sidePanel.height);
    drawPhrase(renderer, "INFORMATIONEN", x + 10, 16, HEADING_COLOUR);
    drawButton(renderer, powerButtonRect(sidePanel), choiceState(powerOverviewOpen));
    drawPhrase(renderer, "STROM P", x + 184, 17, PANEL_TEXT_COLOUR);
    if (!closeShown) return;
    drawButton(renderer, closeButtonRect(sidePanel), 0);
    drawPhrase(renderer, "X", x + sidePanel.width - 25, 16, PANEL_TEXT_COLOUR);
}

void drawHelpPage(SDL_Renderer* renderer, const ScreenRect& sidePanel, const HelpPage& page)
{
    if (page.switchWireTool) {
        drawSwitchWireHelp(renderer, sidePanel, std::string(page.status));
        return;
    }
    const int x = sidePanel.left + 10, width = sidePanel.width - 20;
    setDrawColor(renderer, PANEL_TEXT_COLOUR);
    for (const HelpLine& line : HELP_LINES) {
        if (line.wrapped) {
            drawTextWrapped(renderer, line.text, x, line.y, width, true);
        } else {
            drawText(renderer, line.text, x, line.y, 1);
        }
    }
    if (page.diagnostics) drawPhrase(renderer, "DIAGNOSE AKTIV: ! ZEIGT BLOCKIERTE GUETER", x, 410, DIAGNOSTICS_COLOUR);
    if (page.copyMessage.empty()) return;
    setDrawColor(renderer, COPY_MESSAGE_COLOUR);
    drawTextWrapped(renderer, std::string(page.copyMessage), x, 425, width, true);
}
