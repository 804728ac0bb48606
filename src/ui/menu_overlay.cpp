#include "ui/menu_overlay.h"

#include <array>
#include <optional>

#include "render/bitmap_font.h"
#include "render/widgets.h"
#include "ui/inspector_widgets.h"
#include "ui/panel_drawing.h"
#include "world/translate.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t SLOT_ROW_CHARS = 25;
constexpr std::array<int, 4> AUTOSAVE_MINUTES = {0, 1, 5, 10};
constexpr std::array<const char*, SLOT_BUTTON_COUNT> SLOT_BUTTON_LABELS = {"SPEICHERN", "LADEN", "UMBENENNEN",
                                                                           "LOESCHEN"};
constexpr std::array<const char*, AUTOSAVE_BUTTON_COUNT> AUTOSAVE_BUTTON_LABELS = {"AUS", "1 MIN", "5 MIN", "10 MIN",
                                                                                   "LADEN"};
constexpr std::array<const char*, MAIN_MENU_BUTTON_COUNT> MAIN_MENU_LABELS = {"FORTSETZEN", "SPEICHERN", "LADEN",
                                                                              "NEUE KARTE", "BEENDEN"};

constexpr PackedColor MENU_TEXT = packColor(220, 230, 235);
constexpr PackedColor BUTTON_LABEL = packColor(235, 239, 241);
constexpr PackedColor DIMMED_LABEL = packColor(115, 125, 132);
constexpr PackedColor MENU_HINT = packColor(150, 168, 178);
constexpr PackedColor SLOT_ROW_FILL = packColor(48, 58, 65);
constexpr PackedColor RESULT_ERROR = packColor(240, 130, 140);
constexpr PackedColor RESULT_OK = packColor(120, 220, 140);
constexpr PackedColor RESULT_PATH = packColor(180, 195, 204);
constexpr PackedColor DIM = packColor(6, 8, 11, 175);

// A label without a colour of its own takes the colour of the frame drawn before it.
void drawFrameLabel(SDL_Renderer* renderer, const char* phrase, int x, int y) { drawText(renderer, phrase, x, y, 1); }

void drawWrapped(SDL_Renderer* renderer, const ScreenRect& dialog, const std::string& text, int dy, bool translated,
                 PackedColor colour)
{
    setDrawColor(renderer, colour);
    drawTextWrapped(renderer, text, dialog.left + 10, dialog.top + dy, dialog.width - 20, translated);
}

void drawMainMenu(SDL_Renderer* renderer, const ScreenRect& dialog)
{
    for (int i = 0; i < MAIN_MENU_BUTTON_COUNT; ++i) {
        const ScreenRect button = mainMenuButtonRect(dialog, i);
        drawButton(renderer, button, 0);
        drawPhrase(renderer, MAIN_MENU_LABELS[i], dialog.left + 44, button.top + 16, BUTTON_LABEL);
    }
    drawPhrase(renderer, "ESC SCHLIESST DAS MENUE", dialog.left + 30, dialog.top + dialog.height - 30, MENU_HINT);
}

// The cancel button, the confirm button when the page has one, and the note that the world stands still.
void drawFoot(SDL_Renderer* renderer, const ScreenRect& dialog, const SaveMenu& menu, const char* confirm,
              int confirmState)
{
    drawPhrase(renderer, "PRODUKTION PAUSIERT", dialog.left + 10, dialog.top + dialog.height - 70, MENU_TEXT);
    const ScreenRect back = backButtonRect(dialog);
    drawButton(renderer, back, 0);
    drawFrameLabel(renderer, menu.state == MenuState::Result ? "ZURUECK" : "ABBRECHEN", back.left + 10, back.top + 12);
    if (confirm == nullptr) return;
    const ScreenRect button = confirmButtonRect(dialog);
    drawButton(renderer, button, confirmState);
    drawFrameLabel(renderer, confirm, dialog.left + 170, button.top + 12);
}

void drawLookedButton(SDL_Renderer* renderer, const ScreenRect& button, const char* phrase, MenuButtonLook look,
                      int labelX, int labelY)
{
    drawButton(renderer, button, look.state);
    drawPhrase(renderer, phrase, labelX, labelY, look.dimmed ? DIMMED_LABEL : BUTTON_LABEL);
}

void drawSlotRow(SDL_Renderer* renderer, const ScreenRect& dialog, const SaveMenu& menu,
                 const std::optional<fs::path>& dir, int slot)
{
    const bool inUse = dir && SaveMenu::slotInUse(*dir, slot);
    const ScreenRect row = slotRowRect(dialog, slot);
    const int textY = row.top + 13;
    fillRect(renderer, sdlRect(row), SLOT_ROW_FILL);
    const std::string label = inUse ? SaveMenu::slotLabel(*dir, slot, menu.services.files) : std::string();
    setDrawColor(renderer, BUTTON_LABEL);
    drawBitmapText(renderer, slotRowText(slot, inUse, label).c_str(), dialog.left + 18, textY, 1);
    for (int b = 0; b < SLOT_BUTTON_COUNT; ++b) {
        const ScreenRect button = slotButtonRect(dialog, slot, b);
        drawLookedButton(renderer, button, SLOT_BUTTON_LABELS[b], slotButtonLook(b, inUse, menu.saveMode),
                         button.left + 7, textY);
    }
}

void drawSlotScreen(SDL_Renderer* renderer, const ScreenRect& dialog, const SaveMenu& menu)
{
    const std::optional<fs::path> dir = menu.services.saveDirectory ? menu.services.saveDirectory() : std::nullopt;
    drawPhrase(renderer, menu.saveMode ? "PLATZ ZUM SPEICHERN WAEHLEN" : "PLATZ ZUM LADEN WAEHLEN", dialog.left + 10,
               dialog.top + 28, MENU_TEXT);
    for (int slot = 1; slot <= SLOT_COUNT; ++slot)
        drawSlotRow(renderer, dialog, menu, dir, slot);

    drawPhrase(renderer, "AUTOSAVE", dialog.left + 10, dialog.top + 498, MENU_TEXT);
    const bool autosaved = dir && SaveMenu::autosaveExists(*dir);
    for (int b = 0; b < AUTOSAVE_BUTTON_COUNT; ++b) {
        const ScreenRect button = autosaveButtonRect(dialog, b);
        drawLookedButton(renderer, button, AUTOSAVE_BUTTON_LABELS[b],
                         autosaveButtonLook(b, menu.autosaveMinutes, autosaved), button.left + 10, button.top + 12);
    }
    drawFoot(renderer, dialog, menu, nullptr, 0);
}

// A question, the file it is about, and the confirm button.
void drawConfirmation(SDL_Renderer* renderer, const ScreenRect& dialog, const SaveMenu& menu, const char* question,
                      int questionY, int pathY, const char* confirm)
{
    drawWrapped(renderer, dialog, question, questionY, true, MENU_TEXT);
    if (pathY > 0) drawWrapped(renderer, dialog, menu.slotPath.string(), pathY, false, MENU_TEXT);
    drawFoot(renderer, dialog, menu, confirm, BUTTON_ACTIVE);
}

void drawRenamePage(SDL_Renderer* renderer, const ScreenRect& dialog, const SaveMenu& menu)
{
    drawPhrase(renderer, "NEUEN NAMEN EINGEBEN", dialog.left + 10, dialog.top + 45, MENU_TEXT);
    drawButton(renderer, {dialog.left + 10, dialog.top + 90, dialog.width - 20, 38}, BUTTON_ACTIVE);
    setDrawColor(renderer, BUTTON_LABEL);
    drawBitmapText(renderer, (menu.name + "-").c_str(), dialog.left + 20, dialog.top + 104, 1);
    drawFoot(renderer, dialog, menu, "UEBERNEHMEN", renameConfirmState(menu.name));
}

void drawResultPage(SDL_Renderer* renderer, const ScreenRect& dialog, const SaveMenu& menu)
{
    drawWrapped(renderer, dialog, menu.status, 40, true, menu.error ? RESULT_ERROR : RESULT_OK);
    drawWrapped(renderer, dialog, menu.slotPath.string(), 125, false, RESULT_PATH);
    drawFoot(renderer, dialog, menu, nullptr, 0);
}

}  // namespace

std::string_view menuTitle(const SaveMenu& menu)
{
    switch (menu.state) {
    case MenuState::MainMenu:
        return "HAUPTMENUE";
    case MenuState::Rename:
        return "SPIELSTAND UMBENENNEN";
    case MenuState::ConfirmDelete:
        return "SPIELSTAND LOESCHEN";
    case MenuState::ConfirmNewMap:
        return "NEUE KARTE";
    case MenuState::ConfirmQuit:
        return "SPIEL BEENDEN";
    default:
        return menu.saveMode ? "SPIELSTAND SPEICHERN" : "SPIELSTAND LADEN";
    }
}

std::string slotRowText(int slot, bool inUse, std::string_view label)
{
    std::string text = std::to_string(slot) + "  " + (inUse ? std::string(label) : translate("LEER"));
    if (text.size() > SLOT_ROW_CHARS) text.resize(SLOT_ROW_CHARS);
    return text;
}

MenuButtonLook slotButtonLook(int button, bool slotInUse, bool saveMode)
{
    const bool usable = button == 0 || slotInUse;
    if (!usable) return {BUTTON_WARNING, true};
    const int mainAction = saveMode ? 0 : 1;
    return {button == mainAction ? BUTTON_ACTIVE : 0, false};
}

MenuButtonLook autosaveButtonLook(int button, int autosaveMinutes, bool autosaveExists)
{
    if (button < static_cast<int>(AUTOSAVE_MINUTES.size()))
        return {AUTOSAVE_MINUTES[static_cast<std::size_t>(button)] == autosaveMinutes ? BUTTON_ACTIVE : 0, false};
    if (autosaveExists) return {0, false};
    return {BUTTON_WARNING, true};
}

int renameConfirmState(std::string_view name) { return name.empty() ? BUTTON_WARNING : BUTTON_ACTIVE; }

void drawMenu(SDL_Renderer* renderer, const ScreenRect& dialog, const SaveMenu& menu)
{
    drawPanelFrame(renderer, sdlRect(dialog), std::string(menuTitle(menu)).c_str());
    switch (menu.state) {
    case MenuState::Closed:
        break;
    case MenuState::MainMenu:
        drawMainMenu(renderer, dialog);
        break;
    case MenuState::SlotScreen:
        drawSlotScreen(renderer, dialog, menu);
        break;
    case MenuState::ConfirmSlot:
        drawConfirmation(renderer, dialog, menu,
                         menu.saveMode ? "GESPEICHERTEN SPIELSTAND UEBERSCHREIBEN?"
                                       : "AKTUELLEN SPIELSTAND DURCH DIESE KARTE ERSETZEN?",
                         40, 100, menu.saveMode ? "UEBERSCHREIBEN" : "LADEN");
        break;
    case MenuState::Rename:
        drawRenamePage(renderer, dialog, menu);
        break;
    case MenuState::ConfirmDelete:
        drawConfirmation(renderer, dialog, menu, "DIESEN SPIELSTAND ENDGUELTIG LOESCHEN?", 50, 105, "LOESCHEN");
        break;
    case MenuState::Result:
        drawResultPage(renderer, dialog, menu);
        break;
    case MenuState::ConfirmNewMap:
        drawConfirmation(renderer, dialog, menu, "AKTUELLEN SPIELSTAND VERWERFEN UND EINE NEUE KARTE STARTEN?", 50, 0,
                         "NEUE KARTE");
        break;
    case MenuState::ConfirmQuit:
        drawConfirmation(renderer, dialog, menu, "SPIEL WIRKLICH BEENDEN?", 50, 0, "BEENDEN");
        break;
    }
}

void drawMenuOverlay(SDL_Renderer* renderer, int windowWidth, int windowHeight, const SaveMenu& menu)
{
    if (menu.state == MenuState::Closed) return;
    const ScreenRect dialog = dialogRect(windowWidth, windowHeight);
    // The dialog covers its part of the window opaquely: blending there is work for nothing,
    // and a blended fill is slow on a software renderer.
    const int below = dialog.top + dialog.height;
    const std::array<SDL_Rect, 4> bands = {
        {{0, 0, windowWidth, dialog.top},
         {0, below, windowWidth, windowHeight - below},
         {0, dialog.top, dialog.left, dialog.height},
         {dialog.left + dialog.width, dialog.top, windowWidth - dialog.left - dialog.width, dialog.height}}};
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    for (const SDL_Rect& band : bands) {
        if (band.w > 0 && band.h > 0) fillRect(renderer, band, DIM);
    }
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
    drawMenu(renderer, dialog, menu);
}
