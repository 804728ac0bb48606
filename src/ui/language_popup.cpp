#include "ui/language_popup.h"

#include <cstddef>
#include <string>

#include "render/bitmap_font.h"
#include "render/widgets.h"
#include "ui/hud_layout.h"
#include "ui/panel_drawing.h"
#include "world/language.h"

namespace {

constexpr PackedColor ROW_TEXT = packColor(235, 243, 241);
constexpr PackedColor FAILURE_TEXT = packColor(245, 130, 110);

void drawLanguageRow(SDL_Renderer* renderer, const ScreenRect& popup, const ScreenRect& row, const LanguageEntry& entry)
{
    const bool inUse = entry.language == language();
    drawButtonFrame(renderer, row.left, row.top, row.width, row.height, inUse ? BUTTON_ACTIVE : 0);
    setDrawColor(renderer, ROW_TEXT);
    drawLanguageIcon(renderer, entry.language, {popup.left + 20, row.top + 5, 36, 22});
    setDrawColor(renderer, ROW_TEXT);
    drawBitmapText(renderer, std::string(entry.displayName).c_str(), popup.left + 68, row.top + 12, 1);
    if (inUse) drawBitmapText(renderer, "*", row.left + row.width - 18, row.top + 12, 1);
}

}  // namespace

void drawLanguagePopup(SDL_Renderer* renderer, int viewWidth, int viewHeight, bool storeFailed)
{
    const ScreenRect popup = languagePopupRect(viewWidth, viewHeight);
    drawPanelFrame(renderer, sdlRect(popup), "SPRACHE");
    for (std::size_t row = 0; row < LANGUAGES.size(); ++row) {
        drawLanguageRow(renderer, popup, languagePopupRowRect(viewWidth, viewHeight, static_cast<int>(row)),
                        LANGUAGES[row]);
    }
    if (!storeFailed) return;
    setDrawColor(renderer, FAILURE_TEXT);
    drawTextWrapped(renderer, "SPRACHE KONNTE NICHT GESPEICHERT WERDEN", popup.left + 10, popup.top + popup.height - 25,
                    popup.width - 20, true);
}
