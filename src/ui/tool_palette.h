#pragma once

#include <SDL.h>

#include <functional>
#include <string>
#include <string_view>

#include "editing/tool.h"
#include "ui/hud_layout.h"

// The floating tool panel: the build buttons with the four group buttons, the edit
// row, the simulation row, and the pop-up of the open group. The button places are
// those of the tool panel layout; the shell owns the selected tool, the panel's
// corner, the open group, the pause flag and the speed.

constexpr int SIMULATION_BUTTON_COUNT = 5;  // pause, 1x, 2x, 4x, one step
constexpr int PAUSE_BUTTON = 0;
constexpr int STEP_BUTTON = 4;
constexpr int SIMULATION_SPEEDS[] = {0, 1, 2, 4, 0};  // the speed each button sets; 0 for none

constexpr std::string_view DELETE_TOOL_STATUS = "LEITUNG ANKLICKEN ZUM LOESCHEN; KACHEL LOESCHT CONTROL";

ScreenRect simulationButtonRect(int button, int panelX, int panelY);
std::string_view simulationButtonLabel(int button);
// "II" while paused; "1X", "2X" and "4X" for the speed while running; "1S" never.
bool simulationButtonLit(int button, bool paused, int speed);

// What a group button shows: the chosen tool's icon, lit, while one of its members
// is chosen, else the group's own icon; "+", or "-" while its pop-up is open.
struct GroupButtonFace {
    Tool iconTool = -1;
    bool highlighted = false;
    std::string_view mark;
};
GroupButtonFace groupButtonFace(Tool group, Tool selectedTool, Tool openGroup);

// The label of an edit-row button, which shows no icon.
std::string_view editRowLabel(Tool tool);

// A plate with its icon is copied from the renderer's texture cache, where it is
// painted once; Painted draws it anew, as the cache does, for the same pixels.
enum class PlateDrawing { Cached, Painted };

// One tool button: the background, the plate with the tool's icon, and the label,
// which `label` replaces when it is not empty.
void drawToolIcon(SDL_Renderer* renderer, Tool tool, const SDL_Rect& rect, bool highlighted,
                  std::string_view label = {}, PlateDrawing drawing = PlateDrawing::Cached);

// A group button: the face groupButtonFace gives it, the group's name below and
// its "+" or "-" mark.
void drawGroupButton(SDL_Renderer* renderer, Tool group, const SDL_Rect& rect, Tool selectedTool, Tool openGroup,
                     PlateDrawing drawing = PlateDrawing::Cached);

// An edit-row button: its label alone, red for the delete tool.
void drawEditRowButton(SDL_Renderer* renderer, Tool tool, const SDL_Rect& rect, bool selected);

// The whole panel and, when a group is open, its pop-up; speed is 1, 2 or 4.
void drawToolPanel(SDL_Renderer* renderer, Tool selectedTool, int panelX, int panelY, bool paused, int speed,
                   Tool openGroup, int viewWidth, int viewHeight, PlateDrawing drawing = PlateDrawing::Cached);

// What lies under a point of the panel or of its open pop-up. A point in the pop-up
// finds only the pop-up's members.
enum class PaletteArea { Outside, TitleBar, SimulationButton, GroupButton, ToolButton, Background };
struct PaletteTarget {
    PaletteArea area = PaletteArea::Outside;
    int index = -1;  // the simulation button, or the tool or group button's number
};
PaletteTarget paletteTargetAt(int px, int py, int panelX, int panelY, Tool openGroup, int viewWidth, int viewHeight);

// The shell's state that choosing a tool changes.
struct ToolChoice {
    Tool& selectedTool;
    Tool& openGroup;
    bool& beltSpeedChooserOpen;
    bool& directionChooserOpen;
    std::string& statusText;
};

// Makes the tool the chosen one: a tool of no group closes the open pop-up, the
// delete tool explains itself in the status line, and each chooser of the side panel
// is open exactly while its tool is chosen. The belt-speed and direction tools reset
// the interaction first. True when the tool differs from the one chosen before.
bool chooseTool(ToolChoice choice, Tool tool, const std::function<void()>& resetInteraction);

// The shell's state that the panel's presses change.
struct PaletteControls {
    ToolChoice choice;
    bool& paused;
    int& speed;
    bool& stepRequested;
};

struct PalettePress {
    PaletteArea area = PaletteArea::Outside;  // Outside: the press is not the panel's
    Tool tool = -1;                           // the chosen tool or the pressed group button
    bool toolChanged = false;
};

// A left press: a simulation button pauses, sets the speed or asks for one step
// while paused, and closes the pop-up; a group button opens its pop-up or closes
// it when it is the open one (resetting the interaction); a tool button chooses its
// tool. The title bar and the rest of the panel change nothing here: the shell starts
// the panel's drag and ends its strokes by the result.
PalettePress pressToolPalette(int px, int py, int panelX, int panelY, int viewWidth, int viewHeight,
                              PaletteControls controls, const std::function<void()>& resetInteraction);

// A right press on the panel or its pop-up closes the pop-up; true when it hit them.
bool rightPressToolPalette(int px, int py, int panelX, int panelY, Tool& openGroup, int viewWidth, int viewHeight);

// The tools whose two-click or wire placement keeps a tunnel entrance waiting.
bool toolKeepsTunnelEntrance(Tool tool);
