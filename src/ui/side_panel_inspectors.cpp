#include "ui/side_panel_inspectors.h"

#include "editing/interaction.h"
#include "editing/multi_selection.h"
#include "editing/rotation.h"
#include "ui/inspector_widgets.h"
#include "ui/item_inspector.h"
#include "ui/production_inspectors.h"
#include "ui/transport_inspectors.h"
#include "world/game.h"

namespace {

OpenInspector selectionViewInspector(const Game& game, const MultiSelection& selection)
{
    const int kind = selection.commonKind();
    const InspectorPanel panel = selectionKindPanel(kind);
    const SelectedControl& first = selection.entries.front();
    // The copies name the kind; the grid, which may have changed since, must still agree.
    if (panel == InspectorPanel::NONE || !game.inBounds(first.anchorX, first.anchorY) ||
        selectionKindOf(game.tileAt(first.anchorX, first.anchorY)) != kind)
        return {};
    return {panel, first.anchorX, first.anchorY, true};
}

void drawPanel(SDL_Renderer* renderer, const ScreenRect& panel, const InspectorScene& scene, const OpenInspector& open)
{
    const Tile& tile = scene.game.tileAt(open.x, open.y);
    const LabelEntry& label = scene.interaction.label;
    // A label typed for another tile is not this panel's; the selection's view edits none.
    const bool editing = !open.selectionView && label.active && label.x == open.x && label.y == open.y;
    const std::string_view buffer = editing ? std::string_view(label.buffer) : std::string_view();
    switch (open.panel) {
    case InspectorPanel::BELT:
        drawBeltPanel(renderer, panel, tile);
        break;
    case InspectorPanel::SOURCE:
    case InspectorPanel::SINK:
        drawSourcePanel(renderer, scene.sprites, panel, tile, editing, buffer);
        break;
    case InspectorPanel::ARM:
        drawArmPanel(renderer, scene.sprites, panel, tile);
        break;
    case InspectorPanel::OVEN:
        drawOvenPanel(renderer, scene.sprites, panel, tile, editing, buffer);
        break;
    case InspectorPanel::SMELTER:
        drawSmelterPanel(renderer, scene.sprites, panel, tile, editing, buffer);
        break;
    case InspectorPanel::FILLER:
        drawFillerPanel(renderer, scene.sprites, panel, tile, editing, buffer);
        break;
    case InspectorPanel::STORAGE:
        drawStoragePanel(renderer, scene.sprites, panel, tile);
        break;
    case InspectorPanel::SHOP:
        drawShopPanel(renderer, scene.sprites, panel, tile);
        break;
    default:
        break;
    }
}

// True when one of the panel's buttons took the press.
bool pressPanel(const InspectorControls& controls, const ScreenRect& panel, const OpenInspector& open, int px, int py)
{
    const PanelTarget target{controls.game,
                             controls.history,
                             open.x,
                             open.y,
                             open.selectionView ? &controls.selection : nullptr,
                             open.selectionView ? nullptr : &controls.interaction.label};
    switch (open.panel) {
    case InspectorPanel::BELT:
        return pressBeltPanel(target, panel, px, py);
    case InspectorPanel::SOURCE:
        return pressSourcePanel(target, panel, px, py);
    case InspectorPanel::SINK:
        return pressSinkPanel(target, panel, px, py);
    case InspectorPanel::ARM:
        return pressArmPanel(target, panel, px, py);
    case InspectorPanel::OVEN:
    case InspectorPanel::SMELTER:
        return pressOvenSmelterPanel(target, panel, px, py);
    case InspectorPanel::FILLER:
        return pressFillerPanel(target, panel, px, py);
    case InspectorPanel::STORAGE:
        return pressStoragePanel(target, panel, px, py);
    case InspectorPanel::SHOP:
        return pressShopPanel(target, panel, px, py);
    default:
        return false;
    }
}

// The selection's settings view ends in its own "ZURUECK" where "DREHEN" would stand.
bool rotateButtonShown(const ControlSelection& selected, const MultiSelection& selection, bool selectionSettingsOpen)
{
    const bool selectionView = selectionSettingsOpen && !selection.empty();
    return !selectionView && selected.selected() && showsRotateButton(selected.control.type);
}

void followLabelEntry(bool wasActive, bool isActive)
{
    if (isActive && !wasActive) SDL_StartTextInput();
    if (wasActive && !isActive) SDL_StopTextInput();
}

}  // namespace

InspectorPanel selectionKindPanel(int commonKind)
{
    switch (commonKind) {
    case SOURCES:
        return InspectorPanel::SOURCE;
    case SINKS:
        return InspectorPanel::SINK;
    case BELTS:
        return InspectorPanel::BELT;
    case ARMS:
        return InspectorPanel::ARM;
    case KILNS:
        return InspectorPanel::OVEN;
    case SMELTERS:
        return InspectorPanel::SMELTER;
    case BOTTLING_PLANTS:
        return InspectorPanel::FILLER;
    case STORAGES:
        return InspectorPanel::STORAGE;
    default:
        return InspectorPanel::NONE;
    }
}

OpenInspector openInspector(const Game& game, const ControlSelection& selected, const MultiSelection& selection,
                            bool selectionSettingsOpen)
{
    if (selectionSettingsOpen && !selection.empty()) return selectionViewInspector(game, selection);
    const ControlPick& pick = selected.control;
    if (!selected.selected() || !game.inBounds(pick.x, pick.y)) return {};
    // A panel of a control that has gone, or turned into another, shows nothing.
    if (inspectorPanelFor(game.tileAt(pick.x, pick.y).type) != selected.panel) return {};
    switch (selected.panel) {
    case InspectorPanel::NONE:
    case InspectorPanel::INFORMATION:
        return {};
    default:
        return {selected.panel, pick.x, pick.y, false};
    }
}

void drawInspectors(SDL_Renderer* renderer, const ScreenRect& panel, const InspectorScene& scene)
{
    if (scene.itemPanelOpen) {
        drawItemPanel(renderer, scene.sprites, panel, scene.itemCargo, scene.itemId);
    } else {
        const OpenInspector open =
            openInspector(scene.game, scene.interaction.selection, scene.selection, scene.selectionSettingsOpen);
        if (open.panel != InspectorPanel::NONE) drawPanel(renderer, panel, scene, open);
    }
    if (rotateButtonShown(scene.interaction.selection, scene.selection, scene.selectionSettingsOpen))
        drawRotateButton(renderer, panel);
}

InspectorPress pressInspectors(const InspectorControls& controls, const ScreenRect& panel, int px, int py)
{
    if (!contains(panel, px, py)) return InspectorPress::None;
    Interaction& interaction = controls.interaction;
    const OpenInspector open =
        openInspector(controls.game, interaction.selection, controls.selection, controls.selectionSettingsOpen);
    // A press in the selection's settings view that no button takes goes on, to the view's own "ZURUECK".
    if (open.selectionView && !controls.itemPanelOpen)
        return pressPanel(controls, panel, open, px, py) ? InspectorPress::Panel : InspectorPress::None;
    if (rotateButtonShown(interaction.selection, controls.selection, controls.selectionSettingsOpen) &&
        contains(rotateButtonRect(panel), px, py)) {
        // Like any press in the panel off the label field, it drops the typed label first.
        followLabelEntry(interaction.label.active, false);
        endLabelEdit(interaction.label, controls.game, false);
        interaction.statusText =
            pressRotateButton(controls.game, interaction.selection.control.x, interaction.selection.control.y);
        return InspectorPress::Rotate;
    }
    if (controls.itemPanelOpen) {
        const ItemPanelPress press =
            pressItemPanel(controls.game, panel, px, py, controls.itemPanelOpen, controls.itemId);
        return press == ItemPanelPress::Removed ? InspectorPress::ItemRemoved : InspectorPress::Panel;
    }
    if (open.panel == InspectorPanel::NONE) return InspectorPress::None;
    const bool labelWasActive = interaction.label.active;
    pressPanel(controls, panel, open, px, py);
    followLabelEntry(labelWasActive, interaction.label.active);
    return InspectorPress::Panel;
}
