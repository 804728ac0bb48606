#pragma once

#include <gtest/gtest.h>

#include "editing/interaction.h"
#include "editing/multi_selection.h"
#include "editing/undo_history.h"
#include "support/world_builders.h"
#include "text_probe.h"
#include "ui/hud_layout.h"
#include "ui/side_panel_inspectors.h"
#include "world/game.h"
#include "world/language.h"

// The shell's side of the inspectors for one test: a world, the interaction, the
// multi-selection and the item panel's state, a side panel in a window 320 pixels
// wide (so the panel's left edge is the canvas's), and presses and pictures at
// offsets from the panel's corner. German, as the texts are checked as written.
class InspectorBench : public testing::Test {
  protected:
    static constexpr int WINDOW_WIDTH = 320;
    static constexpr int WINDOW_HEIGHT = 600;

    void SetUp() override { setLanguage(GERMAN); }
    void TearDown() override { setLanguage(ENGLISH); }

    // Selects the control at (x, y) as a plain click on it would.
    void select(int x, int y) { ASSERT_TRUE(selectControlAt(interaction, game, x, y)); }

    // The multi-selection's settings view over the controls at the given tiles.
    void selectAll(std::initializer_list<TilePoint> tiles)
    {
        for (const TilePoint& t : tiles)
            selection.toggle(game, t.x, t.y);
        selectionSettingsOpen = true;
    }

    InspectorPress press(int dx, int dy)
    {
        const InspectorControls controls{game,     history, interaction, selection, selectionSettingsOpen,
                                         itemOpen, itemId};
        return pressInspectors(controls, panel, panel.left + dx, panel.top + dy);
    }

    // Draws the inspectors anew and returns the canvas to probe.
    SoftwareCanvas& draw()
    {
        canvas.clear({0, 0, 0, 255});
        const InspectorScene scene{game,     interaction, selection, selectionSettingsOpen,
                                   itemOpen, itemCargo,   itemId,    sprites};
        drawInspectors(canvas.renderer(), panel, scene);
        return canvas;
    }

    // The colour of a button's frame at its top-left corner, the offset given from the panel.
    Rgba frameAt(int dx, int dy) { return canvas.pixel(panel.left + dx, panel.top + dy); }
    bool shows(std::string_view text, int dx, int dy, Rgba colour)
    {
        return showsText(canvas, text, panel.left + dx, panel.top + dy, colour);
    }

    Game game = emptyGame();
    UndoHistory history;
    Interaction interaction;
    MultiSelection selection;
    bool selectionSettingsOpen = false;
    bool itemOpen = false;
    CargoType itemCargo = LOG;
    ItemId itemId;
    CargoTextures sprites{};
    ScreenRect panel = sidePanelContentRect(WINDOW_WIDTH, WINDOW_HEIGHT);
    SoftwareCanvas canvas{WINDOW_WIDTH, WINDOW_HEIGHT};
};

inline constexpr Rgba GREEN_FRAME{111, 215, 115, 255};
inline constexpr Rgba RED_FRAME{220, 85, 85, 255};
inline constexpr Rgba PLAIN_FRAME{102, 113, 120, 255};
inline constexpr Rgba VALUE_TEXT{243, 245, 246, 255};
inline constexpr Rgba PANEL_TEXT{235, 239, 241, 255};
inline constexpr Rgba PANEL_FILL{21, 25, 29, 255};
