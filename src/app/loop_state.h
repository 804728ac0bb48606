#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "editing/blueprint.h"
#include "editing/interaction.h"
#include "editing/map_stroke.h"
#include "editing/number_entry.h"
#include "editing/tool.h"
#include "ui/camera.h"
#include "ui/income_popups.h"
#include "world/cargo.h"
#include "world/direction.h"
#include "world/item_identity.h"
#include "world/link.h"
#include "world/link_ends.h"

struct SaveMenu;

using LoopClock = std::chrono::steady_clock;

constexpr TilePoint NO_TILE = {-1, -1};

// A rectangle of tiles being dragged out: the Ctrl selection or the area to copy.
struct TileRectDrag {
    bool active = false;
    TilePoint start = NO_TILE;
    TilePoint current = NO_TILE;
};

// A control carried with the right button to where it is dropped.
struct MoveDrag {
    bool active = false;
    MachineGroup group;
    TilePoint target = NO_TILE;
};

// The modifier keys held, as the real key events taken so far left them: a
// press reads them as they stood at its own place in the event queue, not as
// SDL's state stands once the whole frame's events are pumped.
struct HeldModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// Everything the loop's handlers, its frame update and its drawing share, from the
// start of the first frame to shutdown. The member values are the start values.
struct LoopState {
    bool running = true;
    bool recording = false;  // real input is ignored; fixed for the run

    // How the world advances.
    bool paused = false;
    bool stepRequested = false;  // one step of 1/60 s while paused
    int speed = 1;               // world steps per frame: 1, 2 or 4
    double pendingSkip = 0.0;    // seconds of simulation still to skip
    float animationTime = 0.0f;  // seconds, wrapped at 1000

    // The map view and the tool panel.
    Tool selectedTool = TOOL_BELT;
    Camera camera;
    int viewWidth = 0;
    int viewHeight = 0;
    int toolPanelX = 0;
    int toolPanelY = 0;
    Tool openToolGroup = -1;
    int paintBeltSpeed = 3;
    Direction paintDirection = EAST;
    bool soundEnabled = true;
    bool minimapVisible = true;

    // The run's menu, which main owns; resetting the interaction closes it. None
    // where the panels are worked without a menu.
    SaveMenu* menu = nullptr;

    // Windows, overviews and choosers over the map and in the side panel.
    bool diagnosticsVisible = false;
    bool statisticsVisible = false;
    bool settingsWindowVisible = false;
    bool powerOverviewVisible = false;
    int powerOverviewScroll = 0;
    bool machineOverviewVisible = false;
    int machineOverviewScroll = 0;
    bool languagePopupOpen = false;
    bool languageStoreFailed = false;
    bool cargoChoiceOpen = false;  // the sensor's cargo page takes every press while open
    bool selectionSettingsOpen = false;
    bool beltSpeedChooserOpen = false;
    bool directionChooserOpen = false;
    bool itemPanelOpen = false;
    CargoType itemPanelCargo = LOG;
    ItemRecord itemPanelRecord;  // a copy: the item may leave the map while shown
    LoopClock::time_point quickSaveFeedbackUntil{};
    bool quickSaveSucceeded = false;

    NumberEntry numberEntry;

    // Presses and drags on the map and the panels.
    HeldModifiers modifiers;
    MapStroke stroke;  // building, painting or demolishing tile after tile, one undo step
    // The held button, the selection, the label entry, the first link end, the status line.
    Interaction interaction;
    bool panning = false;
    bool selectDragging = false;
    bool minimapDragging = false;
    bool toolPanelDragging = false;
    int toolPanelGrabX = 0;  // pointer offset from the panel's corner while dragged
    int toolPanelGrabY = 0;
    MoveDrag moveDrag;
    TileRectDrag ctrlRect;
    TileRectDrag copyRect;
    AreaClipboard clipboard;  // with the copy and the paste mode
    std::string copyMessage;  // what copy and paste tell the player, under the side panel's help
    TilePoint tunnelEntrance = NO_TILE;

    // Frame timing, the settings countdown and the recorder's start gate.
    bool sizeSavePending = true;
    LoopClock::time_point lastSizeChange{};
    LoopClock::time_point lastFrameTime{};
    bool waitingForStartGate = false;
    LoopClock::time_point startGateDeadline{};
    std::filesystem::path startGatePath;  // the recorder removes this file when it is ready

    std::vector<SaleMarker> saleMarkers;  // oldest first
};

// After the window took a new size: the viewport follows, and the camera and the tool
// panel are kept on it.
void resizeView(LoopState& state, int windowWidth, int windowHeight);

// The carried control is put back where it stood: its group emptied, no target. Undo,
// a map reset, a load and a new map end it, as Esc does.
void endMoveDrag(LoopState& state);
