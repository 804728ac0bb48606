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

void pressPanel(const InspectorControls& controls, const ScreenRect& panel, const OpenInspector& open, int px, int py)
{
    const PanelTarget target{controls.game,
                             controls.history,
                             open.x,
                             open.y,
                             open.selectionView ? &controls.selection : nullptr,
                             open.selectionView ? nullptr : &controls.interaction.label};
    switch (open.panel) {
    case InspectorPanel::BELT:
        pressBeltPanel(target, panel, px, py);
        break;
    case InspectorPanel::SOURCE:
        pressSourcePanel(target, panel, px, py);
        break;
    case InspectorPanel::SINK:
        pressSinkPanel(target, panel, px, py);
        break;
    case InspectorPanel::ARM:
        pressArmPanel(target, panel, px, py);
        break;
    case InspectorPanel::OVEN:
    case InspectorPanel::SMELTER:
        pressOvenSmelterPanel(target, panel, px, py);
        break;
    case InspectorPanel::FILLER:
        pressFillerPanel(target, panel, px, py);
        break;
    case InspectorPanel::STORAGE:
        pressStoragePanel(target, panel, px, py);
        break;
    case InspectorPanel::SHOP:
        pressShopPanel(target, panel, px, py);
        break;
    default:
        break;
    }
}

bool rotateButtonShownFor(const ControlSelection& selected)
{
    return selected.selected() && showsRotateButton(selected.control.type);
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
        // The selection's settings view turns nothing of its own.
        if (open.selectionView) return;
    }
    if (rotateButtonShownFor(scene.interaction.selection)) drawRotateButton(renderer, panel);
}

InspectorPress pressInspectors(const InspectorControls& controls, const ScreenRect& panel, int px, int py)
{
    if (!contains(panel, px, py)) return InspectorPress::None;
    Interaction& interaction = controls.interaction;
    const OpenInspector open =
        openInspector(controls.game, interaction.selection, controls.selection, controls.selectionSettingsOpen);
    // The selection's settings view takes every press, on a button or not.
    if (open.selectionView && !controls.itemPanelOpen) {
        pressPanel(controls, panel, open, px, py);
        return InspectorPress::Panel;
    }
    if (rotateButtonShownFor(interaction.selection) && contains(rotateButtonRect(panel), px, py)) {
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
