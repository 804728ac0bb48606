#include "ui/bottom_bar.h"

#include <algorithm>

#include "persistence/save_menu.h"
#include "render/bitmap_font.h"
#include "render/widgets.h"
#include "ui/calendar.h"
#include "ui/panel_drawing.h"
#include "world/game.h"
#include "world/language.h"

namespace {

constexpr int BAR_HEIGHT = 44;

constexpr PackedColor BAR_FILL = packColor(19, 25, 30, 232);
constexpr PackedColor BAR_OUTLINE = packColor(101, 123, 133);
constexpr PackedColor DIVIDER = packColor(78, 95, 103);
constexpr PackedColor ACCOUNT_CAPTION = packColor(235, 225, 174);
constexpr PackedColor BALANCE_COLOUR = packColor(255, 218, 72);
constexpr PackedColor CAPTION_COLOUR = packColor(151, 164, 169);
constexpr PackedColor DATE_COLOUR = packColor(230, 235, 237);
constexpr PackedColor BUTTON_TEXT = packColor(238, 241, 243);
constexpr PackedColor GAIN_COLOUR = packColor(112, 220, 145);
constexpr PackedColor LOSS_COLOUR = packColor(245, 116, 101);
constexpr PackedColor NOTHING_COLOUR = packColor(117, 128, 133);
constexpr PackedColor SAVED_COLOUR = packColor(126, 232, 151);

// The save icon's parts keep at least one pixel, however small the icon.
SDL_Rect atLeastOnePixel(SDL_Rect rect)
{
    rect.w = std::max(rect.w, 1);
    rect.h = std::max(rect.h, 1);
    return rect;
}

void drawAccount(SDL_Renderer* renderer, const ScreenRect& bar, const AccountBarTexts& texts)
{
    const int x = bar.left;
    const int y = bar.top;
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    fillRect(renderer, sdlRect(bar), BAR_FILL);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
    outlineRect(renderer, sdlRect(bar), BAR_OUTLINE);

    drawPhrase(renderer, "KONTO", x + 8, y + 5, ACCOUNT_CAPTION);
    drawPhrase(renderer, texts.balance, x + 8, y + 21, BALANCE_COLOUR, 2);
    setDrawColor(renderer, DIVIDER);
    for (int divider : {235, 414})
        SDL_RenderDrawLine(renderer, x + divider, y + 6, x + divider, y + BAR_HEIGHT - 6);
    drawPhrase(renderer, "DATUM / UHRZEIT", x + 245, y + 6, CAPTION_COLOUR);
    drawPhrase(renderer, texts.dateTime, x + 245, y + 25, DATE_COLOUR);
    drawPhrase(renderer, "VORMONAT", x + 421, y + 6, CAPTION_COLOUR);
    drawPhrase(renderer, texts.lastMonth, x + 421, y + 25, texts.lastMonthColour);
}

void drawSkipButtons(SDL_Renderer* renderer, const BottomBarView& view, const AccountBarTexts& texts)
{
    const ScreenRect day = skipDayButtonRect(view.viewWidth, view.viewHeight);
    const ScreenRect month = skipToMonthButtonRect(view.viewWidth, view.viewHeight);
    drawButtonFrame(renderer, day.left, day.top, day.width, day.height, texts.skipButtonState);
    drawButtonFrame(renderer, month.left, month.top, month.width, month.height, texts.skipButtonState);
    const int labelY = bottomBarRect(view.viewWidth, view.viewHeight).top + 18;
    drawPhrase(renderer, texts.skipDayLabel, 361, labelY, BUTTON_TEXT);
    drawPhrase(renderer, texts.skipMonthLabel, 389, labelY, BUTTON_TEXT);
}

// A field of no width is not there to see or to press.
void drawField(SDL_Renderer* renderer, const ScreenRect& field, bool active, std::string_view label, int labelX,
               PackedColor colour)
{
    if (field.width <= 0) return;
    drawButtonFrame(renderer, field.left, field.top, field.width, field.height, active ? BUTTON_ACTIVE : 0);
    drawPhrase(renderer, label, labelX, field.top + (field.height - GLYPH_HEIGHT) / 2, colour);
}

void drawFields(SDL_Renderer* renderer, const BottomBarView& view)
{
    const int w = view.viewWidth;
    const int h = view.viewHeight;
    const ScreenRect settings = bottomBarFieldRect(w, h, SETTINGS_FIELD);
    const std::string_view settingsLabel = settingsFieldLabel(settings.width);
    drawField(renderer, settings, view.settingsWindowOpen, settingsLabel,
              centredTextX(settings.left, settings.width, settingsLabel), BUTTON_TEXT);

    const ScreenRect language = languageButtonRect(w, h);
    drawButtonFrame(renderer, language.left, language.top, language.width, language.height,
                    view.languagePopupOpen ? BUTTON_ACTIVE : 0);
    drawLanguageIcon(renderer, ::language(), {language.left + 2, language.top + (language.height - 16) / 2, 26, 16});

    const ScreenRect save = bottomBarFieldRect(w, h, SAVE_FIELD);
    const SaveFieldLabel saveLabel = saveFieldLabel(w, h, view.saveFeedbackShown, view.saveSucceeded);
    drawField(renderer, save, view.menuOpen, saveLabel.text, saveLabel.x, saveLabel.colour);
    const ScreenRect icon = saveButtonIconRect(w, h);
    if (icon.width > 0) drawSaveIcon(renderer, sdlRect(icon));

    const ScreenRect statistics = bottomBarFieldRect(w, h, STATISTICS_FIELD);
    const std::string_view statisticsLabel = statisticsFieldLabel(statistics.width);
    drawField(renderer, statistics, view.statisticsOpen, statisticsLabel,
              centredTextX(statistics.left, statistics.width, statisticsLabel), BUTTON_TEXT);
}

}  // namespace

std::string amountText(std::int64_t value, bool plusWhenPositive)
{
    // The magnitude is taken unsigned, so the lowest value has one too.
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string reversed;
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0) reversed.push_back(' ');
        reversed.push_back(static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
        ++digits;
    } while (magnitude > 0);
    if (value < 0) reversed.push_back('-');
    if (value > 0 && plusWhenPositive) reversed.push_back('+');
    return {reversed.rbegin(), reversed.rend()};
}

AccountBarTexts accountBarTexts(const Game& game, bool skipPending)
{
    AccountBarTexts texts;
    texts.balance = amountText(game.money) + " EUR";
    const DateTimeText when = formatDateTime(game.gameTime);
    texts.dateTime = when.date + " " + when.time;
    texts.skipDayLabel = skipPending ? "..." : "TAG";
    texts.skipMonthLabel = skipPending ? "..." : "MONAT";
    texts.skipButtonState = skipPending ? BUTTON_WARNING : 0;
    if (!game.monthReportPending) {
        texts.lastMonth = "-- EUR";
        texts.lastMonthColour = NOTHING_COLOUR;
    } else {
        texts.lastMonth = amountText(game.lastMonthResult, true) + " EUR";
        texts.lastMonthColour = game.lastMonthResult > 0   ? GAIN_COLOUR
                                : game.lastMonthResult < 0 ? LOSS_COLOUR
                                                           : NOTHING_COLOUR;
    }
    if (skipPending) texts.lastMonth = "BILANZ...";
    return texts;
}

std::string_view settingsFieldLabel(int fieldWidth)
{
    if (fieldWidth > 99) return "EINSTELLUNGEN";
    if (fieldWidth > 47) return "OPTIONEN";
    return "OPT";
}

std::string_view statisticsFieldLabel(int fieldWidth)
{
    return bitmapTextWidth(translatedTextLength("STATISTIK"), 1) + 3 < fieldWidth ? "STATISTIK" : "STAT";
}

SaveFieldLabel saveFieldLabel(int viewWidth, int viewHeight, bool feedbackShown, bool saveSucceeded)
{
    const ScreenRect field = bottomBarFieldRect(viewWidth, viewHeight, SAVE_FIELD);
    const int iconSize = saveButtonIconRect(viewWidth, viewHeight).width;
    SaveFieldLabel label{"S", BUTTON_TEXT, 0};
    if (feedbackShown) {
        label.text = saveSucceeded ? "OK" : "!";
        label.colour = saveSucceeded ? SAVED_COLOUR : BUTTON_TEXT;
    } else if (field.width > 99) {
        label.text = "SPEICHERN";
    } else if (field.width >= 54) {
        label.text = "SAVE";
    }
    label.x = centredTextX(field.left, field.width - iconSize - 6, label.text);
    return label;
}

void drawBottomBar(SDL_Renderer* renderer, const Game& game, const BottomBarView& view)
{
    const AccountBarTexts texts = accountBarTexts(game, view.skipPending);
    drawAccount(renderer, bottomBarRect(view.viewWidth, view.viewHeight), texts);
    drawSkipButtons(renderer, view, texts);
    drawFields(renderer, view);
}

void drawSaveIcon(SDL_Renderer* renderer, const SDL_Rect& icon)
{
    const SDL_Rect caseRect = atLeastOnePixel({icon.x + 4, icon.y + 2, icon.w - 8, icon.h - 4});
    fillRect(renderer, caseRect, packColor(20, 24, 28));
    outlineRect(renderer, caseRect, packColor(205, 207, 197));
    const SDL_Rect body = atLeastOnePixel({caseRect.x + 1, caseRect.y + 1, caseRect.w - 2, caseRect.h - 2});
    fillRect(renderer, body, packColor(28, 72, 157));
    const SDL_Rect shutter = atLeastOnePixel({body.x + 1, body.y + 1, body.w - 2, 4});
    fillRect(renderer, shutter, packColor(14, 34, 76));
    fillRect(renderer, atLeastOnePixel({shutter.x + 1, shutter.y + 1, shutter.w - 2, 2}), packColor(154, 187, 233));
    const SDL_Rect label = atLeastOnePixel({body.x + 2, body.y + 7, body.w - 4, 6});
    fillRect(renderer, label, packColor(224, 222, 203));
    outlineRect(renderer, label, packColor(78, 81, 77));
    const PackedColor dots[] = {packColor(227, 63, 58), packColor(239, 182, 52), packColor(81, 178, 90),
                                packColor(72, 137, 207)};
    for (int i = 0; i < 4; ++i) {
        setDrawColor(renderer, dots[i]);
        SDL_RenderDrawPoint(renderer, label.x + 1 + i, label.y + 4);
    }
    outlineRect(renderer, {caseRect.x - 1, caseRect.y + 8, 2, 4}, packColor(222, 224, 216));
}

BottomBarArea bottomBarAreaAt(int px, int py, int viewWidth, int viewHeight)
{
    const int w = viewWidth;
    const int h = viewHeight;
    if (contains(languageButtonRect(w, h), px, py)) return BottomBarArea::LanguageButton;
    if (contains(bottomBarRect(w, h), px, py)) {
        if (contains(skipDayButtonRect(w, h), px, py)) return BottomBarArea::SkipDay;
        if (contains(skipToMonthButtonRect(w, h), px, py)) return BottomBarArea::SkipToMonth;
        return BottomBarArea::Bar;
    }
    if (contains(bottomBarFieldRect(w, h, SETTINGS_FIELD), px, py)) return BottomBarArea::SettingsField;
    if (contains(saveButtonIconRect(w, h), px, py)) return BottomBarArea::SaveIcon;
    if (contains(bottomBarFieldRect(w, h, SAVE_FIELD), px, py)) return BottomBarArea::SaveField;
    if (contains(bottomBarFieldRect(w, h, STATISTICS_FIELD), px, py)) return BottomBarArea::StatisticsField;
    return BottomBarArea::Outside;
}

BottomBarArea pressBottomBar(int px, int py, int viewWidth, int viewHeight, const Game& game,
                             BottomBarControls controls, const std::function<void()>& resetInteraction)
{
    const BottomBarArea area = bottomBarAreaAt(px, py, viewWidth, viewHeight);
    switch (area) {
    case BottomBarArea::SkipDay:
        controls.pendingSkip = DAY_SKIP_SECONDS;
        controls.stepRequested = false;
        break;
    case BottomBarArea::SkipToMonth:
        controls.pendingSkip = secondsToNextMonth(game.gameTime) / GAME_SECONDS_PER_SECOND;
        controls.stepRequested = false;
        break;
    case BottomBarArea::SettingsField:
        controls.settingsWindowOpen = !controls.settingsWindowOpen;
        break;
    case BottomBarArea::StatisticsField: {
        // The reset closes every window; the noted flag is what the press wants.
        const bool open = !controls.statisticsOpen;
        resetInteraction();
        controls.statisticsOpen = open;
        break;
    }
    default:
        break;
    }
    return area;
}

bool quickSaveFromBar(SaveMenu& menu, const Game& game, const std::optional<std::filesystem::path>& directory)
{
    const bool saved = directory.has_value() && menu.quickSave(game, *directory);
    if (!saved) SDL_Log("Schnellspeichern fehlgeschlagen");
    return saved;
}
