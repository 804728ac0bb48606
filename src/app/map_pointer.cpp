#include "app/map_pointer.h"

#include <utility>

#include "app/main_loop.h"
#include "app/map_interaction.h"
#include "app/pointer_places.h"
#include "demo/demo_event_marks.h"
#include "editing/bridges_and_tunnels.h"
#include "editing/control_move.h"
#include "editing/recorded_commands.h"
#include "editing/tool_press.h"
#include "editing/wire_drags.h"
#include "render/item_geometry.h"
#include "render/link_hit.h"
#include "ui/hud_layout.h"
#include "ui/logic_section.h"
#include "ui/power_overview_panel.h"
#include "ui/settings_window.h"
#include "ui/tool_panel_layout.h"

namespace {

// The keys held when the button went down; the demo marks its presses made
// with Shift or Ctrl.
HeldModifiers modifiersAt(const LoopState& state, Uint32 which)
{
    HeldModifiers keys = state.modifiers;
    keys.shift = keys.shift || which == DEMO_SHIFT_MARK;
    keys.ctrl = keys.ctrl || which == DEMO_CTRL_MARK;
    return keys;
}

// The panels drawn over the map view, which take a press before the map does.
bool onPanelOverMap(const LoopState& state, int px, int py)
{
    const int width = state.viewWidth;
    const int height = state.viewHeight;
    return onToolPanel(state, px, py) || onMinimap(state, px, py) || contains(bottomBarRect(width, height), px, py) ||
           contains(languageButtonRect(width, height), px, py) ||
           (state.languagePopupOpen && contains(languagePopupRect(width, height), px, py)) ||
           (state.settingsWindowVisible && contains(settingsWindowRect(height), px, py));
}

// The map itself is under the pointer, not a panel drawn over it.
bool onMap(const LoopState& state, int px, int py)
{
    return insideView(state, px, py) && !onPanelOverMap(state, px, py);
}

TilePoint tileUnder(const LoopState& state, int px, int py) { return screenToTile(state.camera, px, py); }

TileSpot spotUnder(const LoopState& state, int py)
{
    return tileSpotAt(state.camera.scrollY, py, tileSize(state.camera));
}

MapScroll scrollOf(const LoopState& state)
{
    return {state.camera.scrollX, state.camera.scrollY, tileSize(state.camera)};
}

LinkHit linkUnder(const Shell& shell, int px, int py)
{
    const ControlSelection& selected = shell.state.interaction.selection;
    const int selectedX = selected.selected() ? selected.control.x : -1;
    const int selectedY = selected.selected() ? selected.control.y : -1;
    return linkAtPoint(shell.game, px, py, scrollOf(shell.state), selectedX, selectedY);
}

bool anyWindowOpen(const Shell& shell)
{
    const LoopState& state = shell.state;
    return shell.saveMenu.state != MenuState::Closed || state.settingsWindowVisible || state.statisticsVisible ||
           state.powerOverviewVisible || state.machineOverviewVisible;
}

void endStrokeOf(Shell& shell, bool demolishing)
{
    MapStroke& stroke = shell.state.stroke;
    const bool isDemolish = stroke.kind == StrokeKind::DEMOLISH;
    if (stroke.kind != StrokeKind::NONE && isDemolish == demolishing) endStroke(stroke, shell.undoHistory, shell.game);
}

void endAnyStroke(Shell& shell) { endStroke(shell.state.stroke, shell.undoHistory, shell.game); }

// A stroke lives until the release of the button that draws it: a click of
// another button in between leaves it running, as one undo step.
void endStrokeDrawnBy(Shell& shell, Uint8 button)
{
    const MapStroke& stroke = shell.state.stroke;
    const Uint8 drawing = stroke.button == StrokeButton::RIGHT ? SDL_BUTTON_RIGHT : SDL_BUTTON_LEFT;
    if (stroke.kind != StrokeKind::NONE && button == drawing) endAnyStroke(shell);
}

// A demolish stroke that crossed a panel or left the view starts afresh where it comes back.
void forgetDemolishTile(LoopState& state)
{
    if (state.stroke.kind != StrokeKind::DEMOLISH) return;
    state.stroke.lastX = -1;
    state.stroke.lastY = -1;
}

// -- Presses ---------------------------------------------------------------

// A press that works a switch or starts a 5V drag ends what other presses left open.
void endOtherPresses(Shell& shell)
{
    LoopState& state = shell.state;
    state.selectionSettingsOpen = false;
    state.moveDrag = {};
    state.settingsWindowVisible = false;
    state.selectDragging = false;
    state.panning = false;
    endStrokeOf(shell, true);
}

// A press while a value is typed into the side panel's number entry: it is
// committed, cancelled or left alone, and the press goes no further.
bool pressNumberEntry(Shell& shell, const SDL_MouseButtonEvent& press)
{
    LoopState& state = shell.state;
    if (!state.numberEntry.active) return false;
    const ScreenRect box = sidePanelContentRect(state.viewWidth + SIDE_PANEL_WIDTH, state.viewHeight);
    const ScreenRect ok = counterOkRect(box);
    const bool onOk = contains(ok, press.x, press.y);
    // While the number is typed, "OK" takes the field's right end.
    const bool onField = contains(logicValueFieldRect(box), press.x, press.y) && press.x < ok.left;
    if (press.button == SDL_BUTTON_MIDDLE || (press.button == SDL_BUTTON_LEFT && onField)) return true;
    const ControlPick& counter = state.interaction.selection.control;
    commitNumberEntry(shell.undoHistory, shell.game, state.numberEntry, counter.x, counter.y,
                      press.button == SDL_BUTTON_LEFT && onOk);
    if (!state.numberEntry.active) SDL_StopTextInput();
    return true;
}

// A left press in copy or paste mode on the map: the copy rectangle starts,
// or the clipboard is pasted at the tile.
bool pressClipboard(Shell& shell, const SDL_MouseButtonEvent& press)
{
    LoopState& state = shell.state;
    AreaClipboard& clipboard = state.clipboard;
    if (!(clipboard.copying || clipboard.pasting) || !onMap(state, press.x, press.y)) return false;
    resetInteraction(state, shell.game);
    const TilePoint tile = tileUnder(state, press.x, press.y);
    if (clipboard.copying) {
        state.copyRect = {true, tile, tile};
    } else {
        pasteAt(clipboard, shell.undoHistory, shell.game, tile.x, tile.y, state.copyMessage);
    }
    return true;
}

// A left press on a signal component starts a wire drag. With Ctrl from a 5V
// connector the press ends there; else it goes on as a click.
bool beginWireDragAt(Shell& shell, const SDL_MouseButtonEvent& press, HeldModifiers keys)
{
    LoopState& state = shell.state;
    if (keys.shift || keys.alt || !onMap(state, press.x, press.y)) return false;
    const TilePoint tile = tileUnder(state, press.x, press.y);
    WireDrag& drag = state.interaction.wireDrag;
    beginWireDrag(drag, shell.game, state.selectedTool, keys.ctrl, tile.x, tile.y, spotUnder(state, press.y), press.x,
                  press.y);
    if (!keys.ctrl || !drag.active()) return false;
    resetInteraction(state, shell.game);
    endOtherPresses(shell);
    state.interaction.pendingLinkEnd = {};
    return true;
}

// A press of another button, a wheel turn or a lost focus ends a wire drag without a link.
void cancelPressRecord(LoopState& state, Game& game)
{
    if (!state.interaction.wireDrag.active()) return;
    if (cancelWireDrag(state.interaction, game)) SDL_CaptureMouse(SDL_FALSE);
    state.selectDragging = false;
}

// A plain left press on a switch or a button works it; the tool does not act.
bool workSwitchUnderPointer(Shell& shell, const SDL_MouseButtonEvent& press, HeldModifiers keys)
{
    LoopState& state = shell.state;
    if (keys.shift || !onMap(state, press.x, press.y)) return false;
    const TilePoint tile = tileUnder(state, press.x, press.y);
    // A wire drag begun by this press flips a switch at its release instead.
    const bool toggleAtRelease = state.interaction.wireDrag.active();
    if (!pressSwitchOrButton(state, shell.game, shell.undoHistory, state.selectedTool, tile.x, tile.y,
                             toggleAtRelease)) {
        return false;
    }
    endOtherPresses(shell);
    return true;
}

// The panels over the map and the side panel take their presses before the
// map does, and a press on one never reaches the map. The right button closes
// an open tool group and ends the power overview.
bool pressPanels(Shell& shell, const SDL_MouseButtonEvent& press)
{
    LoopState& state = shell.state;
    const bool menuOpen = shell.saveMenu.state != MenuState::Closed;
    if (press.button == SDL_BUTTON_RIGHT) {
        // Nothing under the menu changes; only the selection's settings view closes.
        if (menuOpen) {
            state.selectionSettingsOpen = false;
            return true;
        }
        if (state.powerOverviewVisible) {
            resetInteraction(state, shell.game);
            return true;
        }
        if (state.openToolGroup >= 0 && onToolPanel(state, press.x, press.y)) {
            state.openToolGroup = -1;
            return true;
        }
        state.openToolGroup = -1;
        return false;
    }
    if (menuOpen) return true;
    return press.x >= state.viewWidth || onPanelOverMap(state, press.x, press.y);
}

// A cargo item under the pointer opens its panel, with a copy of its record.
bool showItemAt(Shell& shell, int px, int py)
{
    LoopState& state = shell.state;
    const SDL_Rect view{0, 0, state.viewWidth, state.viewHeight};
    const CargoItem* item = itemAtPoint(shell.game, px, py, scrollOf(state), view);
    if (item == nullptr) return false;
    const ItemRecord record(item->id, std::vector<ItemId>(item->parts));
    const CargoType cargo = item->cargo;
    resetInteraction(state, shell.game);
    state.itemPanelRecord = record;
    state.itemPanelCargo = cargo;
    state.itemPanelOpen = true;
    return true;
}

// A plain click on a built control selects it and starts the select drag;
// else a click on a cargo item shows it. Shift builds or turns instead.
bool selectOrShowItem(Shell& shell, const SDL_MouseButtonEvent& press, HeldModifiers keys, TilePoint tile)
{
    LoopState& state = shell.state;
    if (keys.shift) return false;
    if (toolSelectsOnClick(state.selectedTool) && selectControlAt(state, shell.game, tile.x, tile.y)) {
        state.selectDragging = true;
        return true;
    }
    return !keys.alt && toolShowsItemOnClick(state.selectedTool) && showItemAt(shell, press.x, press.y);
}

// The tile goes and a demolish stroke of the pressed button starts there; what was open closes.
void demolishUnderPointer(Shell& shell, UndoGuard& guard, TilePoint tile, StrokeButton button)
{
    LoopState& state = shell.state;
    resetInteraction(state, shell.game);
    shell.selection.clear();
    state.moveDrag = {};
    beginDemolishStroke(state.stroke, guard, shell.game, tile.x, tile.y, button);
}

// The DELETE tool takes the cable or wire under the pointer, else demolishes
// the tile and starts a demolish stroke.
void pressDeleteTool(Shell& shell, UndoGuard& guard, const SDL_MouseButtonEvent& press, TilePoint tile)
{
    const LinkHit hit = linkUnder(shell, press.x, press.y);
    if (deleteLinkWithTool(shell.state, shell.game, hit.kind, hit.index)) return;
    demolishUnderPointer(shell, guard, tile, StrokeButton::LEFT);
}

void pressWithTool(Shell& shell, UndoGuard& guard, const SDL_MouseButtonEvent& press, HeldModifiers keys,
                   TilePoint tile)
{
    LoopState& state = shell.state;
    Game& game = shell.game;
    const Tool tool = state.selectedTool;
    if (tool == TOOL_DELETE) return pressDeleteTool(shell, guard, press, tile);
    if (tool == TOOL_BELT_SPEED)
        return beginBeltSpeedStroke(state.stroke, guard, game, tile.x, tile.y, state.paintBeltSpeed);
    if (tool == TOOL_DIRECTION)
        return beginDirectionStroke(state.stroke, guard, game, tile.x, tile.y, state.paintDirection);
    if (selectOrShowItem(shell, press, keys, tile)) return;
    if (isLinkTool(tool)) {
        clickLinkTool(state.interaction, game, shell.undoHistory, tool, tile.x, tile.y, spotUnder(state, press.y));
    } else if (tool == TOOL_TUNNEL) {
        if (game.inBounds(tile.x, tile.y))
            clickTunnelTool(game, state.tunnelEntrance.x, state.tunnelEntrance.y, tile.x, tile.y);
    } else {
        pressTool(tool, game, guard, state.stroke, tile.x, tile.y);
    }
}

// Shift with the right button takes the cable or wire under the pointer, else
// demolishes as the DELETE tool does; without Shift the right button grabs
// the end of a link or picks up the control to move it.
void pressRight(Shell& shell, UndoGuard& guard, const SDL_MouseButtonEvent& press, HeldModifiers keys, TilePoint tile)
{
    LoopState& state = shell.state;
    Game& game = shell.game;
    if (keys.shift) {
        const LinkHit hit = linkUnder(shell, press.x, press.y);
        if (deleteLinkUnderPointer(state, game, hit.kind, hit.index)) {
            state.interaction.linkEndDrag = {};
            state.selectDragging = false;
            endAnyStroke(shell);
            return;
        }
        demolishUnderPointer(shell, guard, tile, StrokeButton::RIGHT);
        return;
    }
    if (state.selectionSettingsOpen) {
        state.selectionSettingsOpen = false;
        return;
    }
    const LinkHit hit = linkUnder(shell, press.x, press.y);
    if (hit.kind != NO_LINK) {
        state.interaction.linkEndDrag = {hit.kind, hit.index, hit.nearStart};
        resetInteraction(state, game);
        state.selectionSettingsOpen = false;
        state.selectDragging = false;
        state.panning = false;
        endAnyStroke(shell);
        return;
    }
    MachineGroup group = pickUpControl(game, shell.selection, tile.x, tile.y);
    if (group.cells.empty()) return;
    resetInteraction(state, game);
    state.moveDrag = {true, std::move(group), tile};
}

void pressMap(Shell& shell, UndoGuard& guard, const SDL_MouseButtonEvent& press, HeldModifiers keys)
{
    LoopState& state = shell.state;
    if (press.button == SDL_BUTTON_RIGHT && press.x >= state.viewWidth) {
        resetInteraction(state, shell.game);
        return;
    }
    if (!insideView(state, press.x, press.y)) return;
    const TilePoint tile = tileUnder(state, press.x, press.y);
    switch (press.button) {
    case SDL_BUTTON_MIDDLE:
        state.panning = true;
        return;
    case SDL_BUTTON_RIGHT:
        if (onPanelOverMap(state, press.x, press.y)) {
            state.selectionSettingsOpen = false;
            return;
        }
        return pressRight(shell, guard, press, keys, tile);
    case SDL_BUTTON_LEFT:
        break;
    default:
        return;
    }
    if (keys.ctrl && !state.clipboard.pasting) {
        resetInteraction(state, shell.game);
        state.ctrlRect = {true, tile, tile};
        state.selectionSettingsOpen = false;
        state.selectDragging = false;
        state.panning = false;
        endAnyStroke(shell);
        return;
    }
    shell.selection.clear();
    pressWithTool(shell, guard, press, keys, tile);
}

// -- Motion ----------------------------------------------------------------

// Motion with a drag that is not a stroke: true when one took it.
bool moveDrag(Shell& shell, const SDL_MouseMotionEvent& motion)
{
    LoopState& state = shell.state;
    if (state.minimapDragging) {
        const ScreenRect box = minimapRect(state.viewWidth, state.viewHeight);
        const TilePoint tile = minimapToTile(box.left, box.top, motion.x, motion.y);
        centerCameraOnTile(state.camera, tile.x, tile.y, state.viewWidth, state.viewHeight);
        return true;
    }
    if (state.toolPanelDragging) {
        state.toolPanelX = motion.x - state.toolPanelGrabX;
        state.toolPanelY = motion.y - state.toolPanelGrabY;
        clampToolPanelPosition(state.toolPanelX, state.toolPanelY, state.viewWidth, state.viewHeight);
        return true;
    }
    // A grabbed link is drawn to the pointer, wherever it is.
    if (state.interaction.linkEndDrag.active()) return true;
    if (state.moveDrag.active) {
        state.moveDrag.target = tileUnder(state, motion.x, motion.y);
        return true;
    }
    if (state.ctrlRect.active) {
        state.ctrlRect.current = tileUnder(state, motion.x, motion.y);
        return true;
    }
    return false;
}

void endPointerDrags(LoopState& state)
{
    state.ctrlRect = {};
    state.moveDrag = {};
    state.minimapDragging = false;
    state.toolPanelDragging = false;
}

// Motion over the map with the left button held and no stroke: dragging over
// built controls selects each in turn.
void dragSelect(Shell& shell, TilePoint tile, HeldModifiers keys)
{
    LoopState& state = shell.state;
    const Game& game = shell.game;
    bool overControl = false;
    if (game.inBounds(tile.x, tile.y)) {
        const Tile& ground = game.tileAt(tile.x, tile.y);
        overControl = (ground.type != EMPTY && ground.type != PLAIN) || ground.bridgePart >= 0;
    }
    state.selectDragging = !keys.shift && !keys.alt && overControl;
    if (state.selectDragging) selectControlAt(state, shell.game, tile.x, tile.y);
}

void moveOverMap(Shell& shell, const SDL_MouseMotionEvent& motion)
{
    LoopState& state = shell.state;
    const TilePoint tile = tileUnder(state, motion.x, motion.y);
    if (state.selectDragging) {
        selectControlAt(state, shell.game, tile.x, tile.y);
        return;
    }
    if (state.stroke.kind == StrokeKind::NONE) {
        if ((motion.state & SDL_BUTTON_LMASK) != 0) dragSelect(shell, tile, modifiersAt(state, motion.which));
        return;
    }
    if (state.stroke.kind == StrokeKind::DEMOLISH && !shell.game.inBounds(tile.x, tile.y)) {
        endPointerDrags(state);
        return;
    }
    // A belt stroke whose steps are all refused stays at its last tile and goes on from there.
    continueStroke(state.stroke, shell.game, tile.x, tile.y);
}

// A wire drag follows the pointer; leaving the pressed tile makes it a drag
// for good, which lets go of a held button.
void followPressRecord(Shell& shell, const SDL_MouseMotionEvent& motion)
{
    LoopState& state = shell.state;
    const TilePoint tile = tileUnder(state, motion.x, motion.y);
    if (!followWireDrag(state.interaction.wireDrag, tile.x, tile.y, motion.x, motion.y)) return;
    releaseHeldButton(state, shell.game);
    resetInteraction(state, shell.game);
    state.selectDragging = false;
    endStrokeOf(shell, false);
}

// -- Releases --------------------------------------------------------------

// The left release of a wire drag: a drag lays its link and the release ends;
// a click on its own tile (a switch flips) goes on as a plain release. True
// when the release ends here.
bool releasePressRecord(Shell& shell, const SDL_MouseButtonEvent& release)
{
    LoopState& state = shell.state;
    WireDrag& drag = state.interaction.wireDrag;
    if (!drag.active()) return false;
    const TilePoint tile = tileUnder(state, release.x, release.y);
    const bool click = !drag.moved && tile == TilePoint{drag.x, drag.y};
    const WireDrop drop = endWireDrag(drag, shell.game, shell.undoHistory, shell.selection, tile.x, tile.y,
                                      spotUnder(state, release.y), onMap(state, release.x, release.y));
    if (drop == WireDrop::SELECTION_TOGGLED) return true;
    if (click) return false;
    releaseHeldButton(state, shell.game);
    state.selectDragging = false;
    return true;
}

void releaseLeft(Shell& shell, const SDL_MouseButtonEvent& release)
{
    LoopState& state = shell.state;
    Game& game = shell.game;
    if (releasePressRecord(shell, release)) return;
    if (state.interaction.heldButton.held()) {
        releaseHeldButton(state, game);
        return;
    }
    if (state.ctrlRect.active) {
        const TileRectDrag rect = state.ctrlRect;
        if (rect.current == rect.start) {
            shell.selection.toggle(game, rect.start.x, rect.start.y);
        } else {
            shell.selection.selectRect(game, rect.start.x, rect.start.y, rect.current.x, rect.current.y);
        }
        endPointerDrags(state);
        return;
    }
    if (state.copyRect.active) {
        const TileRectDrag rect = state.copyRect;
        state.copyRect = {};
        finishCopy(state.clipboard, game, rect.start.x, rect.start.y, rect.current.x, rect.current.y,
                   state.copyMessage);
        return;
    }
    state.minimapDragging = false;
    state.toolPanelDragging = false;
    state.selectDragging = false;
}

void releaseRight(Shell& shell, const SDL_MouseButtonEvent& release)
{
    LoopState& state = shell.state;
    if (state.interaction.linkEndDrag.active()) {
        const TilePoint tile = tileUnder(state, release.x, release.y);
        endLinkEndDrag(state.interaction.linkEndDrag, shell.game, shell.undoHistory, tile.x, tile.y,
                       spotUnder(state, release.y), onMap(state, release.x, release.y));
    }
    if (state.moveDrag.active) {
        const MoveDrag drag = std::move(state.moveDrag);
        state.moveDrag = {};
        // Where the last motion took it, as the footprint showed. The control is read
        // anew: one changed or undone since the press stays where it is.
        if (onMap(state, release.x, release.y))
            dropControl(shell.undoHistory, shell.game, drag.group, drag.target.x, drag.target.y);
    }
}

}  // namespace

bool dispatchPointerEvent(Shell& shell, const SDL_Event& event)
{
    switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
        pressMouseButton(shell, event.button);
        return true;
    case SDL_MOUSEMOTION:
        movePointer(shell, event.motion);
        return true;
    case SDL_MOUSEBUTTONUP:
        releaseMouseButton(shell, event.button);
        return true;
    case SDL_MOUSEWHEEL:
        turnWheel(shell, event.wheel);
        return true;
    default:
        return false;
    }
}

void pressMouseButton(Shell& shell, const SDL_MouseButtonEvent& press)
{
    LoopState& state = shell.state;
    const HeldModifiers keys = modifiersAt(state, press.which);
    if (press.button != SDL_BUTTON_LEFT) cancelPressRecord(state, shell.game);
    if (state.interaction.linkEndDrag.active()) return;
    if (pressNumberEntry(shell, press)) return;
    // The cargo choice, the language button and its pop-up answer here.
    if (state.cargoChoiceOpen || state.languagePopupOpen) return;
    // With the menu open, a left press is the menu's.
    const bool plainLeft =
        press.button == SDL_BUTTON_LEFT && press.x < state.viewWidth && shell.saveMenu.state == MenuState::Closed;
    if (plainLeft && !anyWindowOpen(shell) && pressClipboard(shell, press)) return;
    if (plainLeft && beginWireDragAt(shell, press, keys)) return;
    if (plainLeft && workSwitchUnderPointer(shell, press, keys)) return;

    UndoGuard guard(shell.undoHistory, shell.game);
    if (pressPanels(shell, press)) return;
    pressMap(shell, guard, press, keys);
}

void movePointer(Shell& shell, const SDL_MouseMotionEvent& motion)
{
    LoopState& state = shell.state;
    if (state.interaction.wireDrag.active()) return followPressRecord(shell, motion);
    if (state.interaction.heldButton.held()) return;
    if (moveDrag(shell, motion)) return;
    if (onToolPanel(state, motion.x, motion.y)) {
        forgetDemolishTile(state);
        return;
    }
    if (onMinimap(state, motion.x, motion.y)) {
        endPointerDrags(state);
        forgetDemolishTile(state);
        return;
    }
    if (state.copyRect.active) {
        if (insideView(state, motion.x, motion.y)) state.copyRect.current = tileUnder(state, motion.x, motion.y);
        return;
    }
    if (state.panning) {
        if (!insideView(state, motion.x, motion.y)) return;
        state.camera.scrollX -= motion.xrel;
        state.camera.scrollY -= motion.yrel;
        clampCamera(state.camera, state.viewWidth, state.viewHeight);
        return;
    }
    if (!insideView(state, motion.x, motion.y)) {
        endPointerDrags(state);
        forgetDemolishTile(state);
        return;
    }
    moveOverMap(shell, motion);
}

void releaseMouseButton(Shell& shell, const SDL_MouseButtonEvent& release)
{
    // Whatever else the release does, it first ends the stroke its button draws,
    // as that stroke's step came first.
    endStrokeDrawnBy(shell, release.button);
    // A held button lets go at the release of any button.
    if (release.button != SDL_BUTTON_LEFT) releaseHeldButton(shell.state, shell.game);
    switch (release.button) {
    case SDL_BUTTON_LEFT:
        releaseLeft(shell, release);
        return;
    case SDL_BUTTON_RIGHT:
        releaseRight(shell, release);
        return;
    case SDL_BUTTON_MIDDLE:
        shell.state.panning = false;
        return;
    default:
        return;
    }
}

void turnWheel(Shell& shell, const SDL_MouseWheelEvent& wheel)
{
    LoopState& state = shell.state;
    cancelPressRecord(state, shell.game);
    releaseHeldButton(state, shell.game);
    if (state.languagePopupOpen) return;
    const bool flipped = wheel.direction == SDL_MOUSEWHEEL_FLIPPED;
    // The event's own position, unless a running demo drives the pointer.
    int px = wheel.mouseX;
    int py = wheel.mouseY;
    if (shell.demoPlayer.isRunning()) shell.demoPlayer.pointerPosition(px, py);
    if ((state.powerOverviewVisible || state.machineOverviewVisible) && px >= state.viewWidth) {
        int& scroll = state.powerOverviewVisible ? state.powerOverviewScroll : state.machineOverviewScroll;
        scroll = scrolledOverviewIndex(scroll, wheel.y, flipped);
        return;
    }
    if (!insideView(state, px, py) || onToolPanel(state, px, py) || onMinimap(state, px, py)) return;
    if (!zoomCameraAt(state.camera, wheelZoomStep(wheel.y, flipped), px, py, state.viewWidth, state.viewHeight)) return;
    MapStroke& stroke = state.stroke;
    if (stroke.kind != StrokeKind::NONE && stroke.kind != StrokeKind::DEMOLISH) {
        const TilePoint tile = tileUnder(state, px, py);
        stroke.lastX = tile.x;
        stroke.lastY = tile.y;
    }
}
