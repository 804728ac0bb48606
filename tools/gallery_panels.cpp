#include "gallery_panels.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/render_phase.h"
#include "gallery_frames.h"
#include "gallery_picture.h"
#include "persistence/settings.h"
#include "reference_worlds.h"
#include "ui/bottom_bar.h"
#include "ui/hud_layout.h"
#include "ui/income_popups.h"
#include "ui/panel_drawing.h"
#include "ui/settings_window.h"
#include "ui/tool_help_panels.h"
#include "ui/tool_palette.h"
#include "ui/tool_panel_layout.h"
#include "ui/tool_table.h"
#include "world/game.h"
#include "world/language.h"

namespace {

// A dark checker stands for the map under the panels, so their translucency shows.
void mapBackground(SDL_Renderer* r, int width, int height)
{
    for (int y = 0; y < height; y += 32) {
        for (int x = 0; x < width; x += 32) {
            const Uint8 v = ((x + y) / 32) % 2 == 0 ? 46 : 58;
            SDL_SetRenderDrawColor(r, v, v + 4, v + 6, 255);
            const SDL_Rect tile{x, y, 32, 32};
            SDL_RenderFillRect(r, &tile);
        }
    }
}

struct PaletteSample {
    const char* caption;
    Tool tool;
    bool paused;
    int speed;
    Tool openGroup;
};

bool writePalettes(const std::filesystem::path& out)
{
    const std::vector<PaletteSample> samples = {
        {"belt at 1x", TOOL_BELT, false, 1, -1},
        {"5v cable, power open", TOOL_DC_LINE, false, 4, POWER_GROUP},
        {"paused at 2x, water open", TOOL_DELETE, true, 2, WATER_GROUP},
        {"smelter, signal open", TOOL_SMELTER, false, 2, SIGNAL_GROUP},
        {"logic open", TOOL_LOGIC_RS, false, 1, LOGIC_GROUP},
    };
    const int columnWidth = 620, viewHeight = 600;
    Picture picture(columnWidth * 3, 2 * (viewHeight + 30));
    SDL_Renderer* r = picture.renderer();
    mapBackground(r, columnWidth * 3, 2 * (viewHeight + 30));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const PaletteSample& s = samples[i];
        const int x = static_cast<int>(i % 3) * columnWidth + 10;
        const int y = static_cast<int>(i / 3) * (viewHeight + 30) + 20;
        label(r, s.caption, x, y - 14);
        // The pop-up's place follows from the view; the view here is the column.
        SDL_Rect view{x, y, columnWidth - 20, viewHeight};
        SDL_RenderSetViewport(r, &view);
        drawToolPanel(r, s.tool, 0, 0, s.paused, s.speed, s.openGroup, view.w, view.h);
        SDL_RenderSetViewport(r, nullptr);
    }
    return picture.save(out / "panel-tool-palette.png");
}

using ButtonDrawing = void (*)(SDL_Renderer*, Tool, const SDL_Rect&, bool lit);

// Buttons of one kind under a heading, each at the size the game gives it.
struct ButtonShelf {
    std::string heading;
    ButtonDrawing draw;
    std::vector<Tool> tools;
    std::vector<SDL_Rect> sizes;  // only w and h count
};

// The signal group shows its chosen member, lit; the logic group's pop-up is open.
void drawBuildButton(SDL_Renderer* r, Tool tool, const SDL_Rect& rect, bool lit)
{
    if (isGroupButton(tool)) {
        drawGroupButton(r, tool, rect, TOOL_SENSOR, LOGIC_GROUP);
    } else {
        drawToolIcon(r, tool, rect, lit);
    }
}

void drawMemberButton(SDL_Renderer* r, Tool tool, const SDL_Rect& rect, bool lit) { drawToolIcon(r, tool, rect, lit); }

// The palette's build buttons and edit row, when asked, and the group pop-ups'
// members, sized as in a window of the given size: the pop-ups' widths follow
// the view.
std::vector<ButtonShelf> paletteShelves(int windowWidth, int windowHeight, bool withPalette)
{
    std::vector<ButtonShelf> shelves;
    if (withPalette) {
        shelves.push_back({"build palette", drawBuildButton, {BUILD_PALETTE.begin(), BUILD_PALETTE.end()}, {}});
        shelves.push_back({"edit row", drawEditRowButton, {EDIT_ROW.begin(), EDIT_ROW.end()}, {}});
    }
    const std::string window = " (" + std::to_string(windowWidth) + " x " + std::to_string(windowHeight) + ")";
    for (Tool group = WATER_GROUP; group <= LOGIC_GROUP; ++group) {
        if (!withPalette && group != LOGIC_GROUP) continue;
        static constexpr const char* CAPTIONS[] = {"water", "power", "signal", "logic"};
        ButtonShelf popup{CAPTIONS[group - WATER_GROUP] + std::string(" pop-up") + window, drawMemberButton, {}, {}};
        for (Tool tool = 0; tool < TOOL_COUNT; ++tool) {
            if (toolGroupOf(tool) == group) popup.tools.push_back(tool);
        }
        shelves.push_back(std::move(popup));
    }
    for (ButtonShelf& shelf : shelves) {
        for (Tool tool : shelf.tools)
            shelf.sizes.push_back(sdlRect(toolButtonRect(tool, 0, 0, viewWidthFor(windowWidth), windowHeight)));
    }
    return shelves;
}

// Lays the shelves out from the top, wrapping at the width, and draws them where
// a renderer is given; returns the height they take.
int layShelves(SDL_Renderer* r, const std::vector<ButtonShelf>& shelves, int width, int top)
{
    constexpr int MARGIN = 20, GAP = 16, CAPTION = 12;
    int y = top;
    for (const ButtonShelf& shelf : shelves) {
        if (r != nullptr) label(r, shelf.heading, MARGIN, y);
        y += CAPTION + 6;
        int x = MARGIN, rowHeight = 0;
        for (std::size_t i = 0; i < shelf.tools.size(); ++i) {
            const SDL_Rect size = shelf.sizes[i];
            if (x > MARGIN && x + size.w > width - MARGIN) {
                x = MARGIN;
                y += rowHeight + GAP;
                rowHeight = 0;
            }
            if (r != nullptr) {
                label(r, std::to_string(shelf.tools[i]), x, y);
                shelf.draw(r, shelf.tools[i], {x, y + CAPTION, size.w, size.h}, i % 4 == 0);
            }
            x += size.w + GAP;
            rowHeight = std::max(rowHeight, CAPTION + size.h);
        }
        y += rowHeight + GAP;
    }
    return y - top;
}

// Every button the palette and its group pop-ups draw, with its tool's number:
// at the size and with the label the game gives it, in German and in English,
// in a window of the first size the game opens; the logic pop-up also as the
// lowest window spreads it over more columns. Tool 27 and the tool icons that
// no button shows are left out, as in the game.
bool writeToolButtons(const std::filesystem::path& out)
{
    const Settings first;
    std::vector<ButtonShelf> shelves = paletteShelves(first.windowWidth, first.windowHeight, true);
    for (ButtonShelf& low : paletteShelves(MIN_WINDOW_WIDTH, MIN_WINDOW_HEIGHT, false))
        shelves.push_back(std::move(low));
    const int width = 720, languageHeading = 20;
    const int blockHeight = languageHeading + layShelves(nullptr, shelves, width, 0);
    Picture picture(width, 2 * blockHeight + 10);
    SDL_Renderer* r = picture.renderer();
    for (const Language language : {GERMAN, ENGLISH}) {
        setLanguage(language);
        const int top = 10 + (language == GERMAN ? 0 : blockHeight);
        label(r, language == GERMAN ? "deutsch" : "english", 10, top);
        layShelves(r, shelves, width, top + languageHeading);
    }
    setLanguage(GERMAN);
    return picture.save(out / "panel-tool-buttons.png");
}

struct BarSample {
    const char* caption;
    int viewWidth;
    Language language;
    bool skipPending;
    std::int64_t lastMonth;
    bool monthEnded;
    bool feedback;
    bool saved;
};

bool writeBottomBars(const std::filesystem::path& out)
{
    const std::vector<BarSample> samples = {
        {"fresh game, wide", 890, GERMAN, false, 0, false, false, false},
        {"gain, english", 890, ENGLISH, false, 1500, true, false, false},
        {"loss, skip pending", 890, GERMAN, true, -1500, true, false, false},
        {"narrow fields, saved", 740, GERMAN, false, 0, true, true, true},
        {"narrower, save failed", 680, GERMAN, false, 100, true, true, false},
        {"no room for fields", 554, GERMAN, false, 0, false, false, false},
    };
    const int rowHeight = 80;
    Picture picture(920, static_cast<int>(samples.size()) * rowHeight + 20);
    SDL_Renderer* r = picture.renderer();
    mapBackground(r, 920, static_cast<int>(samples.size()) * rowHeight + 20);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const BarSample& s = samples[i];
        Game game;
        game.lastMonthResult = s.lastMonth;
        game.monthReportPending = s.monthEnded;
        if (s.skipPending) game.money = -100000;
        setLanguage(s.language);
        const int top = static_cast<int>(i) * rowHeight + 10;
        label(r, s.caption, 10, top);
        SDL_Rect view{0, top + 12, s.viewWidth, 54};
        SDL_RenderSetViewport(r, &view);
        BottomBarView bar;
        bar.viewWidth = s.viewWidth;
        bar.viewHeight = 54;
        bar.skipPending = s.skipPending;
        bar.settingsWindowOpen = i == 1;
        bar.statisticsOpen = i == 2;
        bar.saveFeedbackShown = s.feedback;
        bar.saveSucceeded = s.saved;
        drawBottomBar(r, game, bar);
        SDL_RenderSetViewport(r, nullptr);
    }
    setLanguage(GERMAN);
    return picture.save(out / "panel-bottom-bar.png");
}

bool writeSettingsWindows(const std::filesystem::path& out)
{
    Picture picture(620, 180);
    SDL_Renderer* r = picture.renderer();
    mapBackground(r, 620, 180);
    for (int i = 0; i < 2; ++i) {
        SDL_Rect view{i * 300, 20, 300, 160};
        SDL_RenderSetViewport(r, &view);
        drawSettingsWindow(r, 160, i == 0, i == 0);
        SDL_RenderSetViewport(r, nullptr);
    }
    return picture.save(out / "panel-settings-window.png");
}

// Sales at two shops at the map's zoom: three at once over one, and one fading
// over a shop at the view's corner.
bool writeIncomePopups(const std::filesystem::path& out)
{
    Picture picture(560, 300);
    SDL_Renderer* r = picture.renderer();
    mapBackground(r, 560, 300);
    const std::vector<SaleMarker> markers = {
        {5, 6, 375, 0.6f}, {5, 6, 3750, 0.2f}, {5, 6, 150, 0.0f}, {0, 0, 1125, 1.175f}, {12, 7, 1350, 0.9f},
    };
    drawIncomePopups(r, markers, 0, 0, 32, 560, 300);
    drawOpenOrders(r, {420, 20, 90, 50}, 0);
    drawOpenOrders(r, {420, 90, 90, 50}, 12);
    return picture.save(out / "panel-income-popups.png");
}

bool writeToolHelpPanels(const std::filesystem::path& out)
{
    const int height = 420;
    Picture picture(3 * 330, height);
    SDL_Renderer* r = picture.renderer();
    const ScreenRect first{0, 0, SIDE_PANEL_WIDTH, height};
    drawBeltSpeedChooser(r, first, 3);
    drawDirectionChooser(r, {330, 0, SIDE_PANEL_WIDTH, height}, EAST);
    SDL_SetRenderDrawColor(r, 29, 34, 40, 255);
    const SDL_Rect side{660, 0, SIDE_PANEL_WIDTH, height};
    SDL_RenderFillRect(r, &side);
    drawSwitchWireHelp(r, {660, 0, SIDE_PANEL_WIDTH, height}, "LEITUNG ANKLICKEN ZUM LOESCHEN; KACHEL LOESCHT CONTROL");
    return picture.save(out / "panel-tool-help.png");
}

// The first tile of the map, row by row, whose status passes `wanted`.
TilePoint tileWithStatus(const Game& game, bool (*wanted)(const std::string&))
{
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            if (wanted(game.statusText(x, y))) return {x, y};
        }
    }
    return {0, 0};
}

// The tile's centre in the view.
SDL_Point onScreen(const LoopState& state, TilePoint tile)
{
    const int t = tileSize(state.camera);
    return {tile.x * t + t / 2 - state.camera.scrollX, tile.y * t + t / 2 - state.camera.scrollY};
}

// The reference factory after three seconds in a 1280 x 800 window, with the
// pointer where the caller puts it and the shell's state as it sets it.
bool writeShellFrame(Game& game, LoopState& state, SDL_Point pointer, const std::filesystem::path& path)
{
    Picture picture(1280, 800);
    const bool ok = drawWindow(picture, game, state, nullptr, pointer);
    return picture.save(path) && ok;
}

// The status tip, paused over a working machine in English and at the view's
// right edge in German, and the language pop-up after a choice that could not
// be stored.
bool writePointerFrames(const std::filesystem::path& out)
{
    Game game = referenceFactory(FULL_FACTORY_ITEMS);
    for (int step = 0; step < 180; ++step) {
        game.update(1.0f / 60.0f, false);
        game.advanceClock(1.0f / 60.0f);
    }
    LoopState state;
    resizeView(state, 1280, 800);
    state.paused = true;
    state.minimapVisible = false;
    setLanguage(ENGLISH);
    const TilePoint working = tileWithStatus(game, [](const std::string& s) {
        return s == "SCHMILZT" || s == "VERARBEITET HOLZ" || s == "FUELLT FLASCHEN";
    });
    centerCameraOnTile(state.camera, working.x, working.y, state.viewWidth, state.viewHeight);
    bool ok = writeShellFrame(game, state, onScreen(state, working), out / "frame-status-tip-paused.png");

    // A tile with a status at the view's right edge: its tip is pushed left to end there.
    setLanguage(GERMAN);
    state.paused = false;
    const int t = tileSize(state.camera);
    const int edgeColumn = (state.camera.scrollX + state.viewWidth - 6) / t;
    int edgeRow = working.y;
    while (edgeRow < GRID_HEIGHT - 1 && game.statusText(edgeColumn, edgeRow).empty())
        ++edgeRow;
    const SDL_Point edge{state.viewWidth - 6, onScreen(state, {edgeColumn, edgeRow}).y};
    ok = writeShellFrame(game, state, edge, out / "frame-status-tip-right-edge.png") && ok;

    state.languagePopupOpen = true;
    state.languageStoreFailed = true;
    ok = writeShellFrame(game, state, onScreen(state, working), out / "frame-language-popup.png") && ok;
    setLanguage(GERMAN);
    return ok;
}

}  // namespace

bool writePanelGallery(const std::filesystem::path& out)
{
    bool ok = writePalettes(out);
    ok = writeToolButtons(out) && ok;
    ok = writeBottomBars(out) && ok;
    ok = writeSettingsWindows(out) && ok;
    ok = writeIncomePopups(out) && ok;
    ok = writePointerFrames(out) && ok;
    return writeToolHelpPanels(out) && ok;
}
