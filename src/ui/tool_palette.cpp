#include "ui/tool_palette.h"

#include <array>
#include <string>

#include "render/bitmap_font.h"
#include "render/bridge_sprite.h"
#include "render/control_sheets.h"
#include "render/distributor_mixer_sprite.h"
#include "render/logic_sprites.h"
#include "render/oven_smelter_sprite.h"
#include "render/power_cables.h"
#include "render/power_supply_sprite.h"
#include "render/render_target_scope.h"
#include "render/sensor_sprite.h"
#include "render/storage_shop_filler_sprites.h"
#include "render/texture_caches.h"
#include "render/water_pipe_sprite.h"
#include "ui/panel_drawing.h"
#include "ui/tool_panel_layout.h"
#include "ui/tool_table.h"
#include "world/language.h"

namespace {

constexpr int PLATE_SIZE = 24;
constexpr int PLATE_TOP = 3;
constexpr int LABEL_TOP = 30;
constexpr int SIMULATION_TOP = 395;
constexpr int SIMULATION_PITCH = 28;

constexpr PackedColor PANEL_FILL = packColor(18, 22, 27, 210);
constexpr PackedColor PANEL_LINE = packColor(114, 129, 138, 220);
constexpr PackedColor TITLE_COLOUR = packColor(221, 234, 239);
constexpr PackedColor SECTION_COLOUR = packColor(150, 168, 178);
constexpr PackedColor LABEL_COLOUR = packColor(244, 246, 247);
constexpr PackedColor GROUP_COLOUR = packColor(111, 215, 185);
constexpr PackedColor LIT_FILL = packColor(53, 89, 70, 238);
constexpr PackedColor LIT_FRAME = packColor(111, 215, 115);
constexpr PackedColor BUTTON_FILL = packColor(43, 48, 54, 205);
constexpr PackedColor BUTTON_FRAME = packColor(105, 112, 120);
constexpr PackedColor EDIT_LIT_FILL = packColor(53, 89, 70, 245);
constexpr PackedColor EDIT_FILL = packColor(43, 48, 54, 245);
constexpr PackedColor DELETE_LIT_FILL = packColor(125, 45, 45, 245);
constexpr PackedColor DELETE_COLOUR = packColor(235, 125, 125);
constexpr PackedColor SIMULATION_LIT_FILL = packColor(53, 89, 70, 230);
constexpr PackedColor SIMULATION_FILL = packColor(40, 47, 53, 230);
constexpr PackedColor SIMULATION_FRAME = packColor(102, 113, 120);
constexpr PackedColor POPUP_FILL = packColor(18, 22, 27, 250);

constexpr std::array<std::string_view, SIMULATION_BUTTON_COUNT> SIMULATION_LABELS = {"II", "1X", "2X", "4X", "1S"};

void line(SDL_Renderer* renderer, int x0, int y0, int x1, int y1, PackedColor colour)
{
    setDrawColor(renderer, colour);
    SDL_RenderDrawLine(renderer, x0, y0, x1, y1);
}

// A tile of the control the tool builds, as the painters take it.
Tile iconTile(Tool tool, Direction facing)
{
    Tile tile;
    tile.type = toolControlType(tool);
    tile.dir = facing;
    return tile;
}

// Controls whose map picture the icon shows, drawn as the map would at 24 pixels.
void drawMapControl(SDL_Renderer* renderer, Tool tool, int x, int y, Direction facing)
{
    drawControl(renderer, iconTile(tool, facing), 0, 0, -x, -y, PLATE_SIZE, 0.0f, false);
}

void drawBeltRibs(SDL_Renderer* renderer, int x, int y, PackedColor colour)
{
    for (int rib : {5, 12, 19})
        line(renderer, x + rib, y + 3, x + rib, y + 20, colour);
}

void drawSelectArrow(SDL_Renderer* renderer, int x, int y)
{
    constexpr std::array<SDL_Point, 8> OUTLINE = {
        {{5, 2}, {19, 12}, {13, 13}, {17, 21}, {14, 22}, {10, 15}, {6, 19}, {5, 2}}};
    const auto draw = [&](int dx, int dy, PackedColor colour) {
        std::array<SDL_Point, OUTLINE.size()> points{};
        for (std::size_t i = 0; i < OUTLINE.size(); ++i)
            points[i] = {x + dx + OUTLINE[i].x, y + dy + OUTLINE[i].y};
        setDrawColor(renderer, colour);
        SDL_RenderDrawLines(renderer, points.data(), static_cast<int>(points.size()));
    };
    draw(1, 1, packColor(20, 29, 36));
    draw(0, 0, packColor(247, 250, 252));
}

// The icon of the tool on its plate, whose corner is (x, y).
void drawIcon(SDL_Renderer* renderer, Tool tool, int x, int y)
{
    const int s = PLATE_SIZE;
    switch (tool) {
    case TOOL_BELT:
        drawBeltRibs(renderer, x, y, packColor(42, 47, 47));
        break;
    case TOOL_ARM:
        fillRect(renderer, {x + 10, y + 3, 4, 18}, packColor(38, 54, 59));
        SDL_RenderDrawLine(renderer, x + 4, y + 5, x + 20, y + 5);
        break;
    case TOOL_LONG_ARM:
        fillRect(renderer, {x + 10, y + 1, 4, 22}, packColor(30, 62, 78));
        SDL_RenderDrawLine(renderer, x + 2, y + 3, x + 22, y + 3);
        SDL_RenderDrawLine(renderer, x + 2, y + 20, x + 22, y + 20);
        break;
    case TOOL_DELETE:
        line(renderer, x + 5, y + 5, x + 18, y + 18, packColor(255, 241, 241));
        SDL_RenderDrawLine(renderer, x + 18, y + 5, x + 5, y + 18);
        break;
    case TOOL_OVEN:
    case TOOL_SMELTER:
        drawOvenSmelterSprite(renderer, x, y, s, s, iconTile(tool, EAST), 0.0f);
        break;
    case TOOL_FILLER:
        drawFillerSprite(renderer, x, y, s, s, iconTile(tool, EAST), 0.0f);
        break;
    case TOOL_BRIDGE:
        drawBridge(renderer, x, y, s, s, EAST, BRIDGE_DECK, 0.0f);
        break;
    case TOOL_STORAGE:
        drawStorageSprite(renderer, x, y, s, s, iconTile(tool, EAST));
        break;
    case TOOL_TUNNEL:
        fillRect(renderer, {x + 5, y + 5, 14, 14}, packColor(18, 25, 32));
        break;
    case TOOL_BELT_SPEED:
        drawBeltRibs(renderer, x, y, packColor(43, 48, 48));
        setDrawColor(renderer, packColor(255, 232, 143));
        drawBitmapText(renderer, "3", x + 10, y + 8, 1);
        break;
    case TOOL_SHOP:
        drawShopSprite(renderer, x, y, s, s, iconTile(tool, EAST));
        break;
    case TOOL_COAL_GENERATOR:
    case TOOL_POWER_POLE:
    case TOOL_INJECTION_MOLDER:
    case TOOL_WATER_SOURCE:
        drawMapControl(renderer, tool, x, y, EAST);
        break;
    case TOOL_EJECTOR:
        drawMapControl(renderer, tool, x, y, NORTH);
        break;
    case TOOL_POWER_LINE:
        drawCable(renderer, {x + 3, y + 7}, {x + 21, y + 15});
        break;
    case TOOL_WATER_PIPE:
        drawWaterPipe(renderer, x, y, s, s, PIPE_EAST | PIPE_WEST, 0, 0, 0.0f, 0);
        break;
    case TOOL_SENSOR:
        drawSensorSprite(renderer, x, y, s, s);
        break;
    case TOOL_POWER_SUPPLY:
        drawPowerSupplySprite(renderer, x, y, s, s, iconTile(tool, NONE));
        break;
    case TOOL_DC_LINE:
        line(renderer, x + 2, y + 19, x + 21, y + 4, packColor(242, 66, 66));
        drawPhrase(renderer, "5V", x + 2, y + 1, packColor(235, 239, 241));
        break;
    case TOOL_SELECT:
        drawSelectArrow(renderer, x, y);
        break;
    default:
        if (tool >= TOOL_LOGIC_AND && tool <= TOOL_LOGIC_RS)
            drawLogicSprite(renderer, x, y, s, s, iconTile(tool, NONE));
        break;
    }
}

void paintPlate(SDL_Renderer* renderer, Tool tool, int x, int y)
{
    fillRect(renderer, {x, y, PLATE_SIZE, PLATE_SIZE}, toolPlateColor(tool));
    drawIcon(renderer, tool, x, y);
}

// The plate is opaque, so where its icon stays on it the picture does not depend
// on what lies under the button: it is painted once and copied unblended. The
// bridge's ramps and the power cable's end cap reach out of the plate. Null where
// the plate is painted anew.
SDL_Texture* plateTexture(SDL_Renderer* renderer, Tool tool)
{
    if (tool == TOOL_BRIDGE || tool == TOOL_POWER_LINE) return nullptr;
    TextureCaches& caches = textureCaches();
    if (caches.toolPlateRenderer != renderer) {
        clearToolPlates();
        caches.toolPlateRenderer = renderer;
    }
    const std::pair<int, int> key{tool, language()};
    if (const auto found = caches.toolPlates.find(key); found != caches.toolPlates.end()) return found->second;
    if (SDL_RenderTargetSupported(renderer) == SDL_FALSE) return nullptr;
    SDL_Texture* plate =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_TARGET, PLATE_SIZE, PLATE_SIZE);
    if (plate == nullptr) return nullptr;
    {
        const RenderTargetScope target(renderer, plate);
        if (!target.isOpen()) {
            SDL_DestroyTexture(plate);
            return nullptr;
        }
        SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
        paintPlate(renderer, tool, 0, 0);
    }
    SDL_SetTextureBlendMode(plate, SDL_BLENDMODE_NONE);
    caches.toolPlates.emplace(key, plate);
    return plate;
}

void drawPlate(SDL_Renderer* renderer, Tool tool, int x, int y, PlateDrawing drawing)
{
    SDL_Texture* plate = drawing == PlateDrawing::Cached ? plateTexture(renderer, tool) : nullptr;
    if (plate == nullptr) {
        paintPlate(renderer, tool, x, y);
        return;
    }
    const SDL_Rect place{x, y, PLATE_SIZE, PLATE_SIZE};
    SDL_RenderCopy(renderer, plate, nullptr, &place);
}

void drawTwoTileIcon(SDL_Renderer* renderer, Tool tool, const SDL_Rect& rect)
{
    // Facing north, the second tile lies east of the first: the pair lies across the button.
    drawDistributorMixerSprite(renderer, rect.x + (rect.w - 2 * PLATE_SIZE) / 2, rect.y + PLATE_TOP, 2 * PLATE_SIZE,
                               PLATE_SIZE, NORTH, tool == TOOL_MIXER, 0.0f);
}

void drawEditRow(SDL_Renderer* renderer, Tool selectedTool, int panelX, int panelY, int viewWidth, int viewHeight)
{
    drawPhrase(renderer, "BEARBEITEN", panelX + 8, panelY + 319, SECTION_COLOUR);
    for (Tool tool : EDIT_ROW) {
        drawEditRowButton(renderer, tool, sdlRect(toolButtonRect(tool, panelX, panelY, viewWidth, viewHeight)),
                          tool == selectedTool);
    }
}

void drawSimulationRow(SDL_Renderer* renderer, int panelX, int panelY, bool paused, int speed)
{
    drawPhrase(renderer, "SIMULATION", panelX + 8, panelY + 377, SECTION_COLOUR);
    for (int i = 0; i < SIMULATION_BUTTON_COUNT; ++i) {
        const SDL_Rect r = sdlRect(simulationButtonRect(i, panelX, panelY));
        const bool lit = simulationButtonLit(i, paused, speed);
        fillRect(renderer, r, lit ? SIMULATION_LIT_FILL : SIMULATION_FILL);
        outlineRect(renderer, r, lit ? LIT_FRAME : SIMULATION_FRAME);
        const std::string_view label = simulationButtonLabel(i);
        drawPhrase(renderer, label, centredTextX(r.x, r.w, label), r.y + 9, LABEL_COLOUR);
    }
}

void drawGroupPopup(SDL_Renderer* renderer, Tool selectedTool, int panelX, int panelY, Tool openGroup, int viewWidth,
                    int viewHeight, PlateDrawing drawing)
{
    const SDL_Rect popup = sdlRect(toolGroupPopupRect(openGroup, panelX, panelY, viewWidth, viewHeight));
    if (popup.w <= 0 || popup.h <= 0) return;
    fillRect(renderer, popup, POPUP_FILL);
    outlineRect(renderer, popup, GROUP_COLOUR);
    drawPhrase(renderer, toolGroupName(openGroup), popup.x + 8, popup.y + 7, GROUP_COLOUR);
    for (Tool tool = 0; tool < TOOL_COUNT; ++tool) {
        if (toolGroupOf(tool) != openGroup) continue;
        drawToolIcon(renderer, tool, sdlRect(toolButtonRect(tool, panelX, panelY, viewWidth, viewHeight)),
                     tool == selectedTool, {}, drawing);
    }
}

void pressSimulationButton(int button, PaletteControls& controls)
{
    if (button == PAUSE_BUTTON) {
        controls.paused = !controls.paused;
    } else if (button == STEP_BUTTON) {
        if (controls.paused) controls.stepRequested = true;
    } else {
        controls.speed = SIMULATION_SPEEDS[button];
        controls.paused = false;
    }
    controls.choice.openGroup = -1;
}

}  // namespace

ScreenRect simulationButtonRect(int button, int panelX, int panelY)
{
    return {panelX + 8 + button * SIMULATION_PITCH, panelY + SIMULATION_TOP, 26, 24};
}

std::string_view simulationButtonLabel(int button)
{
    return button >= 0 && button < SIMULATION_BUTTON_COUNT ? SIMULATION_LABELS[button] : std::string_view{};
}

bool simulationButtonLit(int button, bool paused, int speed)
{
    if (button == PAUSE_BUTTON) return paused;
    if (button <= PAUSE_BUTTON || button >= STEP_BUTTON) return false;
    return !paused && speed == SIMULATION_SPEEDS[button];
}

GroupButtonFace groupButtonFace(Tool group, Tool selectedTool, Tool openGroup)
{
    const bool memberChosen = toolGroupOf(selectedTool) == group;
    return {memberChosen ? selectedTool : toolGroupIconTool(group), memberChosen, openGroup == group ? "-" : "+"};
}

std::string_view editRowLabel(Tool tool) { return tool == TOOL_DELETE ? "LOESCHEN" : toolButtonLabel(tool); }

void drawEditRowButton(SDL_Renderer* renderer, Tool tool, const SDL_Rect& rect, bool selected)
{
    SDL_BlendMode previous = SDL_BLENDMODE_NONE;
    SDL_GetRenderDrawBlendMode(renderer, &previous);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    const bool isDelete = tool == TOOL_DELETE;
    fillRect(renderer, rect, selected ? (isDelete ? DELETE_LIT_FILL : EDIT_LIT_FILL) : EDIT_FILL);
    const PackedColor colour = isDelete ? DELETE_COLOUR : GROUP_COLOUR;
    outlineRect(renderer, rect, colour);
    drawPhrase(renderer, editRowLabel(tool), centredTextX(rect.x, rect.w, editRowLabel(tool)), rect.y + 12, colour);
    SDL_SetRenderDrawBlendMode(renderer, previous);
}

void drawGroupButton(SDL_Renderer* renderer, Tool group, const SDL_Rect& rect, Tool selectedTool, Tool openGroup,
                     PlateDrawing drawing)
{
    const GroupButtonFace face = groupButtonFace(group, selectedTool, openGroup);
    drawToolIcon(renderer, face.iconTool, rect, face.highlighted, toolGroupName(group), drawing);
    drawPhrase(renderer, face.mark, rect.x + rect.w - 9, rect.y + 4, GROUP_COLOUR);
}

void drawToolIcon(SDL_Renderer* renderer, Tool tool, const SDL_Rect& rect, bool highlighted, std::string_view label,
                  PlateDrawing drawing)
{
    SDL_BlendMode previous = SDL_BLENDMODE_NONE;
    SDL_GetRenderDrawBlendMode(renderer, &previous);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    fillRect(renderer, rect, highlighted ? LIT_FILL : BUTTON_FILL);
    outlineRect(renderer, rect, highlighted ? LIT_FRAME : BUTTON_FRAME);
    if (toolHasPlate(tool)) {
        drawPlate(renderer, tool, rect.x + (rect.w - PLATE_SIZE) / 2, rect.y + PLATE_TOP, drawing);
    } else {
        drawTwoTileIcon(renderer, tool, rect);
    }
    const std::string_view shown = label.empty() ? toolButtonLabel(tool) : label;
    drawPhrase(renderer, shown, centredTextX(rect.x, rect.w, shown), rect.y + LABEL_TOP, LABEL_COLOUR);
    SDL_SetRenderDrawBlendMode(renderer, previous);
}

void drawToolPanel(SDL_Renderer* renderer, Tool selectedTool, int panelX, int panelY, bool paused, int speed,
                   Tool openGroup, int viewWidth, int viewHeight, PlateDrawing drawing)
{
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    const int right = panelX + TOOL_PANEL_WIDTH - 1;
    const int bottom = panelY + TOOL_PANEL_HEIGHT - 1;
    fillRect(renderer, {panelX, panelY, TOOL_PANEL_WIDTH, TOOL_PANEL_HEIGHT}, PANEL_FILL);
    line(renderer, right, panelY, right, bottom, PANEL_LINE);
    SDL_RenderDrawLine(renderer, panelX, bottom, right, bottom);
    SDL_RenderDrawLine(renderer, panelX, panelY + TOOL_PANEL_TITLE_HEIGHT, right, panelY + TOOL_PANEL_TITLE_HEIGHT);
    for (int grip : {202, 209, 216})
        SDL_RenderDrawLine(renderer, panelX + grip, panelY + 7, panelX + grip, panelY + 12);
    drawPhrase(renderer, "BAUEN", panelX + 8, panelY + 7, TITLE_COLOUR);

    for (Tool entry : BUILD_PALETTE) {
        const SDL_Rect r = sdlRect(toolButtonRect(entry, panelX, panelY, viewWidth, viewHeight));
        if (isGroupButton(entry)) {
            drawGroupButton(renderer, entry, r, selectedTool, openGroup, drawing);
        } else {
            drawToolIcon(renderer, entry, r, entry == selectedTool, {}, drawing);
        }
    }
    drawEditRow(renderer, selectedTool, panelX, panelY, viewWidth, viewHeight);
    drawSimulationRow(renderer, panelX, panelY, paused, speed);
    if (openGroup >= 0)
        drawGroupPopup(renderer, selectedTool, panelX, panelY, openGroup, viewWidth, viewHeight, drawing);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
}

PaletteTarget paletteTargetAt(int px, int py, int panelX, int panelY, Tool openGroup, int viewWidth, int viewHeight)
{
    if (contains(toolGroupPopupRect(openGroup, panelX, panelY, viewWidth, viewHeight), px, py)) {
        const Tool member = toolAtPoint(px, py, panelX, panelY, openGroup, viewWidth, viewHeight);
        if (member < 0) return {PaletteArea::Background, -1};
        return {PaletteArea::ToolButton, member};
    }
    if (!contains(ScreenRect{panelX, panelY, TOOL_PANEL_WIDTH, TOOL_PANEL_HEIGHT}, px, py)) return {};
    if (py < panelY + TOOL_PANEL_TITLE_HEIGHT) return {PaletteArea::TitleBar, -1};
    for (int i = 0; i < SIMULATION_BUTTON_COUNT; ++i) {
        if (contains(simulationButtonRect(i, panelX, panelY), px, py)) return {PaletteArea::SimulationButton, i};
    }
    const Tool tool = toolAtPoint(px, py, panelX, panelY, openGroup, viewWidth, viewHeight);
    if (tool < 0) return {PaletteArea::Background, -1};
    return {isGroupButton(tool) ? PaletteArea::GroupButton : PaletteArea::ToolButton, tool};
}

bool chooseTool(ToolChoice choice, Tool tool, const std::function<void()>& resetInteraction)
{
    const bool changed = tool != choice.selectedTool;
    if (tool == TOOL_BELT_SPEED || tool == TOOL_DIRECTION) resetInteraction();
    choice.selectedTool = tool;
    if (toolGroupOf(tool) < 0) choice.openGroup = -1;
    if (tool == TOOL_DELETE) choice.statusText = DELETE_TOOL_STATUS;
    choice.beltSpeedChooserOpen = tool == TOOL_BELT_SPEED;
    choice.directionChooserOpen = tool == TOOL_DIRECTION;
    return changed;
}

PalettePress pressToolPalette(int px, int py, int panelX, int panelY, int viewWidth, int viewHeight,
                              PaletteControls controls, const std::function<void()>& resetInteraction)
{
    const PaletteTarget target =
        paletteTargetAt(px, py, panelX, panelY, controls.choice.openGroup, viewWidth, viewHeight);
    PalettePress press{target.area, -1, false};
    switch (target.area) {
    case PaletteArea::SimulationButton:
        pressSimulationButton(target.index, controls);
        break;
    case PaletteArea::GroupButton:
        press.tool = target.index;
        if (controls.choice.openGroup == target.index) {
            resetInteraction();
            controls.choice.openGroup = -1;
        } else {
            controls.choice.openGroup = target.index;
        }
        break;
    case PaletteArea::ToolButton:
        press.tool = target.index;
        press.toolChanged = chooseTool(controls.choice, target.index, resetInteraction);
        break;
    default:
        break;
    }
    return press;
}

bool rightPressToolPalette(int px, int py, int panelX, int panelY, Tool& openGroup, int viewWidth, int viewHeight)
{
    if (!toolPanelHitTest(px, py, panelX, panelY, openGroup, viewWidth, viewHeight)) return false;
    openGroup = -1;
    return true;
}

bool toolKeepsTunnelEntrance(Tool tool)
{
    return tool == TOOL_TUNNEL || tool == TOOL_POWER_LINE || tool == TOOL_SIGNAL_MEASURE_LINE ||
           tool == TOOL_SIGNAL_CONTROL_LINE || tool == TOOL_DC_LINE;
}
