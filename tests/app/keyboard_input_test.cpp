#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/frame_update.h"
#include "app/shell_fixture.h"
#include "app/window_events.h"
#include "support/world_builders.h"
#include "ui/hud_layout.h"

namespace {

SDL_Event keyPress(SDL_Keycode key, Uint16 modifiers = KMOD_NONE, bool repeat = false)
{
    SDL_Event event = keyEvent(SDL_KEYDOWN, key, modifiers);
    event.key.repeat = repeat ? 1 : 0;
    return event;
}

void press(ShellFixture& f, SDL_Keycode key, Uint16 modifiers = KMOD_NONE, bool repeat = false)
{
    dispatchEvent(f.shell, keyPress(key, modifiers, repeat));
}

void type(ShellFixture& f, const std::string& text)
{
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    text.copy(event.text.text, sizeof event.text.text - 1);
    dispatchEvent(f.shell, event);
}

void editLabelOfSource(ShellFixture& f)
{
    beginLabelEdit(f.state.interaction.label, f.game, STARTER_SOURCE_X, STARTER_SOURCE_Y);
}

}  // namespace

TEST(TextInput, EachEntryKeepsOnlyWhatItMayHold)
{
    ShellFixture f;
    editLabelOfSource(f);
    type(f, "ab-1.\xC3\xA4#/x");
    EXPECT_EQ(f.state.interaction.label.buffer, "AB-1.X");
    for (int i = 0; i < 43; ++i)
        type(f, "q");
    type(f, "zy");
    EXPECT_EQ(f.state.interaction.label.buffer.size(), 50u) << "a 51st character is ignored";
    EXPECT_EQ(f.state.interaction.label.buffer.back(), 'Z');

    // The number entry takes the text first, the label sees none of it.
    beginNumberEntry(f.state.numberEntry, 250);
    EXPECT_EQ(f.state.numberEntry.text, "250");
    EXPECT_TRUE(f.state.numberEntry.allSelected);
    type(f, "7");
    EXPECT_EQ(f.state.numberEntry.text, "7");
    type(f, "123456789");
    EXPECT_EQ(f.state.numberEntry.text, "7123456");
    f.state.numberEntry.invalid = true;
    type(f, "x");
    EXPECT_EQ(f.state.numberEntry.text, "7123456") << "a letter leaves the digits";
    EXPECT_FALSE(f.state.numberEntry.invalid);
    EXPECT_EQ(f.state.interaction.label.buffer.size(), 50u);

    closeNumberEntry(f.state.numberEntry);
    f.saveMenu.state = MenuState::Rename;
    type(f, "my #/map 1234567890123456789");
    EXPECT_EQ(f.saveMenu.name, "MY MAP 12345678901234567");
}

TEST(KeyboardShortcuts, KeysActUnderTheirConditionsOnly)
{
    struct Case {
        const char* name;
        std::function<void(ShellFixture&)> keys;
        std::function<bool(const ShellFixture&)> holds;
    };
    const std::vector<Case> cases = {
        {"P opens the power overview, P again closes it",
         [](ShellFixture& f) {
             f.state.powerOverviewScroll = 40;
             press(f, SDLK_p);
             EXPECT_TRUE(f.state.powerOverviewVisible);
             EXPECT_EQ(f.state.powerOverviewScroll, 0);
             press(f, SDLK_p);
         },
         [](const ShellFixture& f) { return !f.state.powerOverviewVisible; }},
        {"I and S open and close the machine overview and the statistics",
         [](ShellFixture& f) {
             press(f, SDLK_i);
             press(f, SDLK_s);
             EXPECT_TRUE(f.state.statisticsVisible);
             EXPECT_FALSE(f.state.machineOverviewVisible) << "one toggle closes the others";
             press(f, SDLK_s);
             press(f, SDLK_i);
         },
         [](const ShellFixture& f) { return f.state.machineOverviewVisible && !f.state.statisticsVisible; }},
        {"Ctrl+P, Ctrl+D, Ctrl+M, Ctrl+S and Alt+P do nothing",
         [](ShellFixture& f) {
             for (SDL_Keycode key : {SDLK_p, SDLK_d, SDLK_m, SDLK_s})
                 press(f, key, KMOD_LCTRL);
             press(f, SDLK_p, KMOD_RALT);
         },
         [](const ShellFixture& f) {
             return !f.state.powerOverviewVisible && !f.state.diagnosticsVisible && f.state.minimapVisible &&
                    !f.state.statisticsVisible;
         }},
        {"holding D toggles once, M hides the minimap and ends its drag",
         [](ShellFixture& f) {
             press(f, SDLK_d);
             for (int i = 0; i < 3; ++i)
                 press(f, SDLK_d, KMOD_NONE, true);
             f.state.minimapDragging = true;
             press(f, SDLK_m);
         },
         [](const ShellFixture& f) {
             return f.state.diagnosticsVisible && !f.state.minimapVisible && !f.state.minimapDragging;
         }},
        {"holding R three seconds resets once and one undo brings the factory back; Ctrl+R like R",
         [](ShellFixture& f) {
             f.saveMenu.currentPath = "a.txt";
             build(f.game, SMELTER, 20, 20);
             press(f, SDLK_r);
             for (int i = 0; i < 90; ++i)  // SDL repeats a held key some 30 times a second
                 press(f, SDLK_r, KMOD_NONE, true);
             EXPECT_TRUE(f.saveMenu.currentPath.empty());
             EXPECT_EQ(f.undoHistory.size(), 1u);
             press(f, SDLK_z, KMOD_LCTRL);
             EXPECT_EQ(f.game.tileAt(20, 20).type, SMELTER);
             press(f, SDLK_r, KMOD_LCTRL);
         },
         [](const ShellFixture& f) { return f.undoHistory.size() == 1 && f.game.tileAt(20, 20).type == EMPTY; }},
        {"a key ends a held button and a grabbed link end, then acts as always",
         [](ShellFixture& f) {
             setTile(f.game, 20, 20, LOGIC_BUTTON).buttonPressed = true;
             f.state.interaction.heldButton = {20, 20};
             f.state.interaction.wireDrag.x = 20;
             f.state.interaction.wireDrag.y = 20;
             press(f, SDLK_SPACE);
             f.state.interaction.linkEndDrag.kind = POWER_CABLE;
             press(f, SDLK_d);
         },
         [](const ShellFixture& f) {
             return f.state.paused && f.state.diagnosticsVisible && !f.game.tileAt(20, 20).buttonPressed &&
                    !f.state.interaction.heldButton.held() && !f.state.interaction.linkEndDrag.active();
         }},
        {"an undo resets the interaction, which closes the menu",
         [](ShellFixture& f) {
             press(f, SDLK_r);
             f.saveMenu.openSlotScreen(true, false);
             press(f, SDLK_z, KMOD_LCTRL);
         },
         [](const ShellFixture& f) { return f.undoHistory.empty() && f.saveMenu.state == MenuState::Closed; }},
        {"R does nothing with the menu open",
         [](ShellFixture& f) {
             f.saveMenu.openMainMenu();
             press(f, SDLK_r);
         },
         [](const ShellFixture& f) { return f.undoHistory.empty(); }},
        {"period steps only while paused, Space pauses",
         [](ShellFixture& f) {
             press(f, SDLK_PERIOD);
             EXPECT_FALSE(f.state.stepRequested);
             press(f, SDLK_SPACE);
             press(f, SDLK_PERIOD);
         },
         [](const ShellFixture& f) { return f.state.paused && f.state.stepRequested; }},
        {"F5 over the main menu opens the slot screen to save, F9 to load",
         [](ShellFixture& f) {
             f.saveMenu.openMainMenu();
             press(f, SDLK_F5);
             EXPECT_TRUE(f.saveMenu.state == MenuState::SlotScreen && f.saveMenu.saveMode);
             press(f, SDLK_F9, KMOD_LSHIFT);
         },
         [](const ShellFixture& f) {
             return f.saveMenu.state == MenuState::SlotScreen && !f.saveMenu.saveMode && !f.saveMenu.openedFromMainMenu;
         }},
        {"Ctrl+C starts copying, Ctrl+V without a blueprint does nothing",
         [](ShellFixture& f) {
             f.state.clipboard.pasting = true;
             press(f, SDLK_c, KMOD_RCTRL);
             press(f, SDLK_v, KMOD_RCTRL);
         },
         [](const ShellFixture& f) {
             return f.state.clipboard.copying && !f.state.clipboard.pasting &&
                    f.state.copyMessage == "BEREICH MIT LINKER MAUSTASTE AUFZIEHEN";
         }},
        {"Ctrl+V with a blueprint starts pasting",
         [](ShellFixture& f) {
             f.state.clipboard.blueprint = copyArea(f.game, STARTER_SOURCE_X, STARTER_SOURCE_Y, 5, 10);
             press(f, SDLK_c, KMOD_LCTRL);
             press(f, SDLK_v, KMOD_LCTRL);
         },
         [](const ShellFixture& f) {
             return !f.state.clipboard.copying && f.state.clipboard.pasting &&
                    f.state.copyMessage == "VORLAGE MIT LINKSKLICK EINFUEGEN";
         }},
        {"a label being typed takes the letters, Ctrl+Z still undoes",
         [](ShellFixture& f) {
             press(f, SDLK_r);
             editLabelOfSource(f);
             press(f, SDLK_d);
             press(f, SDLK_SPACE);
             press(f, SDLK_F5);
             press(f, SDLK_z, KMOD_LCTRL);
         },
         [](const ShellFixture& f) {
             return !f.state.diagnosticsVisible && !f.state.paused && f.saveMenu.state == MenuState::Closed &&
                    f.undoHistory.empty() && !f.state.interaction.label.active;
         }},
        {"a number entry takes only its own keys",
         [](ShellFixture& f) {
             beginNumberEntry(f.state.numberEntry, 250);
             press(f, SDLK_SPACE);
             press(f, SDLK_BACKSPACE);
             EXPECT_EQ(f.state.numberEntry.text, "") << "the selected text goes at once";
             type(f, "123");
             press(f, SDLK_BACKSPACE);
             press(f, SDLK_a, KMOD_LCTRL);
             type(f, "45");
             press(f, SDLK_ESCAPE);
         },
         [](const ShellFixture& f) {
             return !f.state.paused && !f.state.numberEntry.active && f.saveMenu.state == MenuState::Closed;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShellFixture f;
        c.keys(f);
        EXPECT_TRUE(c.holds(f));
    }
}

TEST(KeyboardShortcuts, TypedEntriesCommitAsOneUndoStep)
{
    ShellFixture f;
    editLabelOfSource(f);
    type(f, "ofen");
    press(f, SDLK_BACKSPACE);
    press(f, SDLK_KP_ENTER);
    EXPECT_EQ(f.game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y).label, "OFE");
    EXPECT_EQ(f.undoHistory.size(), 1u);
    editLabelOfSource(f);
    type(f, "X");
    press(f, SDLK_ESCAPE);
    EXPECT_EQ(f.game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y).label, "OFE") << "Esc writes nothing";
    EXPECT_EQ(f.saveMenu.state, MenuState::Closed) << "Esc only ended the entry";

    setTile(f.game, 20, 20, LOGIC_COUNTER);
    f.state.interaction.selection.control = {20, 20, LOGIC_COUNTER};
    beginNumberEntry(f.state.numberEntry, 250);
    press(f, SDLK_DELETE);
    press(f, SDLK_RETURN);
    EXPECT_TRUE(f.state.numberEntry.invalid) << "an empty number stays open for correction";
    type(f, "12");
    press(f, SDLK_RETURN);
    EXPECT_FALSE(f.state.numberEntry.active);
    EXPECT_EQ(f.game.tileAt(20, 20).limit, 12);
    EXPECT_EQ(f.undoHistory.size(), 2u);

    f.saveMenu.state = MenuState::Rename;
    type(f, "abc");
    press(f, SDLK_BACKSPACE);
    EXPECT_EQ(f.saveMenu.name, "AB");
    press(f, SDLK_a, KMOD_LCTRL);
    press(f, SDLK_RETURN);
    EXPECT_EQ(f.saveMenu.state, MenuState::Rename) << "an empty name renames nothing";
    type(f, "lager");
    f.saveMenu.services.saveDirectory = [] { return std::nullopt; };
    press(f, SDLK_RETURN);
    EXPECT_EQ(f.saveMenu.state, MenuState::Result);
    EXPECT_TRUE(f.saveMenu.error);
    EXPECT_EQ(f.saveMenu.status, "DAS AKTUELLE VERZEICHNIS IST NICHT VERFUEGBAR");
}

TEST(KeyboardShortcuts, EscEndsTheInnermostThingPending)
{
    struct Case {
        const char* name;
        std::function<void(ShellFixture&)> setUp;
        std::function<bool(const ShellFixture&)> afterOneEsc;
    };
    const std::vector<Case> cases = {
        {"a press",
         [](ShellFixture& f) {
             f.state.interaction.wireDrag.x = 4;
             f.state.interaction.wireDrag.y = 4;
         },
         [](const ShellFixture& f) {
             return !f.state.interaction.wireDrag.active() && f.saveMenu.state == MenuState::Closed;
         }},
        {"a grabbed link", [](ShellFixture& f) { f.state.interaction.linkEndDrag.kind = POWER_CABLE; },
         [](const ShellFixture& f) {
             return !f.state.interaction.linkEndDrag.active() && f.saveMenu.state == MenuState::Closed;
         }},
        {"the cargo choice before the tool group",
         [](ShellFixture& f) {
             f.state.cargoChoiceOpen = true;
             f.state.openToolGroup = LOGIC_GROUP;
         },
         [](const ShellFixture& f) { return !f.state.cargoChoiceOpen && f.state.openToolGroup == LOGIC_GROUP; }},
        {"the tool group before the move drag",
         [](ShellFixture& f) {
             f.state.openToolGroup = LOGIC_GROUP;
             f.state.moveDrag.active = true;
         },
         [](const ShellFixture& f) { return f.state.openToolGroup == -1 && f.state.moveDrag.active; }},
        {"the move drag before the multi-selection",
         [](ShellFixture& f) {
             f.state.moveDrag.active = true;
             f.selection.toggle(f.game, STARTER_SOURCE_X, STARTER_SOURCE_Y);
         },
         [](const ShellFixture& f) { return !f.state.moveDrag.active && !f.selection.empty(); }},
        {"the multi-selection before the tunnel entrance",
         [](ShellFixture& f) {
             f.selection.toggle(f.game, STARTER_SOURCE_X, STARTER_SOURCE_Y);
             f.state.tunnelEntrance = {5, 5};
         },
         [](const ShellFixture& f) { return f.selection.empty() && f.state.tunnelEntrance.x == 5; }},
        {"the wire end before copy mode",
         [](ShellFixture& f) {
             f.state.interaction.pendingLinkEnd = {3, 4, 0, 0};
             f.state.clipboard.copying = true;
         },
         [](const ShellFixture& f) {
             return !f.state.interaction.pendingLinkEnd.pending() && f.state.clipboard.copying;
         }},
        {"copy mode before the menu",
         [](ShellFixture& f) {
             f.state.clipboard.copying = true;
             f.saveMenu.openMainMenu();
         },
         [](const ShellFixture& f) { return !f.state.clipboard.copying && f.saveMenu.state == MenuState::MainMenu; }},
        {"an open panel before the main menu", [](ShellFixture& f) { f.state.machineOverviewVisible = true; },
         [](const ShellFixture& f) {
             return !f.state.machineOverviewVisible && f.saveMenu.state == MenuState::Closed;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShellFixture f;
        c.setUp(f);
        press(f, SDLK_ESCAPE);
        EXPECT_TRUE(c.afterOneEsc(f));
    }
}

TEST(KeyboardShortcuts, EscWithNothingPendingOpensTheMainMenuUntilTheNextEsc)
{
    ShellFixture f;
    f.state.interaction.wireDrag.x = 4;
    f.state.interaction.wireDrag.y = 4;
    press(f, SDLK_ESCAPE);
    EXPECT_EQ(f.saveMenu.state, MenuState::Closed) << "the first Esc only ended the press";
    press(f, SDLK_ESCAPE, KMOD_NONE, true);
    const LoopClock::time_point start = LoopClock::now();
    for (int frame = 1; frame <= 3; ++frame)
        updateFrame(f.shell, start + frame * std::chrono::milliseconds(16));
    EXPECT_EQ(f.saveMenu.state, MenuState::MainMenu);
    press(f, SDLK_ESCAPE);
    EXPECT_EQ(f.saveMenu.state, MenuState::Closed);
}

TEST(KeyboardShortcuts, UndoAndMapResetEndTheMoveDrag)
{
    ShellFixture f;
    f.state.moveDrag.active = true;
    press(f, SDLK_r);
    EXPECT_FALSE(f.state.moveDrag.active);
    build(f.game, SMELTER, 10, 10);
    f.selection.toggle(f.game, 10, 10);
    f.state.moveDrag.active = true;
    f.state.selectionSettingsOpen = true;
    press(f, SDLK_z, KMOD_LCTRL);
    EXPECT_TRUE(f.undoHistory.empty());
    EXPECT_FALSE(f.state.moveDrag.active);
    EXPECT_TRUE(f.selection.empty());
    EXPECT_FALSE(f.state.selectionSettingsOpen);

    f.state.moveDrag.active = true;
    press(f, SDLK_z, KMOD_LCTRL);
    EXPECT_TRUE(f.state.moveDrag.active) << "an undo that restores nothing leaves the drag";
}

TEST(WindowEvents, ResizeFocusLossAndFullScreen)
{
    ShellFixture f;
    f.state.sizeSavePending = false;
    dispatchEvent(f.shell, windowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 300, 600));
    EXPECT_EQ(f.state.viewWidth, 0);
    EXPECT_EQ(f.state.viewHeight, 600);
    EXPECT_TRUE(sidePanelRect(300, 600) == (ScreenRect{0, 0, 320, 600}));
    EXPECT_TRUE(f.state.sizeSavePending);

    f.state.moveDrag.active = true;
    f.state.panning = true;
    f.state.interaction.wireDrag.x = 2;
    f.state.interaction.wireDrag.y = 2;
    f.state.ctrlRect.active = true;
    f.state.stroke.kind = StrokeKind::BELT;
    dispatchEvent(f.shell, windowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    EXPECT_FALSE(f.state.moveDrag.active || f.state.panning || f.state.interaction.wireDrag.active());
    EXPECT_EQ(f.state.stroke.kind, StrokeKind::NONE);
    EXPECT_TRUE(f.state.ctrlRect.active) << "a Ctrl frame survives";

    f.state.sizeSavePending = false;
    press(f, SDLK_F11, KMOD_NONE, true);
    EXPECT_FALSE(f.state.sizeSavePending) << "a repeat does not switch";
    press(f, SDLK_F11);
    EXPECT_TRUE(f.state.sizeSavePending);
}

TEST(WindowEvents, F11DoesNothingWithADemo)
{
    ShellFixture f(3);
    f.options.demoScript = "demo.txt";
    f.state.sizeSavePending = false;
    const Uint32 flags = SDL_GetWindowFlags(f.screen.window);
    press(f, SDLK_F11);
    EXPECT_FALSE(f.state.sizeSavePending);
    EXPECT_EQ(SDL_GetWindowFlags(f.screen.window), flags);
}

TEST(WindowEvents, ALanguageChangeRenewsTheTitleAtOnce)
{
    ShellFixture f;
    const Language before = language();
    const LoopClock::time_point start = LoopClock::now();
    updateFrame(f.shell, start);
    ASSERT_FALSE(f.game.titleChanged);
    switchLanguage(f.game, GERMAN);
    updateFrame(f.shell, start + std::chrono::milliseconds(16));
    const std::string german = SDL_GetWindowTitle(f.screen.window);
    switchLanguage(f.game, ENGLISH);
    updateFrame(f.shell, start + std::chrono::milliseconds(32));
    EXPECT_NE(SDL_GetWindowTitle(f.screen.window), german);
    setLanguage(before);
}
