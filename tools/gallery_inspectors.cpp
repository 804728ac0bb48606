#include "gallery_inspectors.h"

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "gallery_picture.h"
#include "persistence/save_menu.h"
#include "render/cargo_textures.h"
#include "ui/inspector_widgets.h"
#include "ui/item_inspector.h"
#include "ui/menu_overlay.h"
#include "ui/production_inspectors.h"
#include "ui/transport_inspectors.h"
#include "world/game.h"
#include "world/item_identity.h"

namespace {

constexpr int PANEL_WIDTH = 320;
constexpr int PANEL_HEIGHT = 600;

struct InspectorSample {
    const char* caption;
    ControlType type;
    std::function<void(Tile&)> setUp;
    // Draws the panel of the tile; the label, where the panel has one, is being edited when set.
    std::function<void(SDL_Renderer*, const CargoTextures&, const ScreenRect&, const Tile&)> draw;
};

std::vector<InspectorSample> inspectorSamples()
{
    const auto plain = [](auto drawPanel) {
        return [drawPanel](SDL_Renderer* r, const CargoTextures& sprites, const ScreenRect& panel, const Tile& tile) {
            drawPanel(r, sprites, panel, tile);
        };
    };
    const auto labelled = [](auto drawPanel, bool editing) {
        return [drawPanel, editing](SDL_Renderer* r, const CargoTextures& sprites, const ScreenRect& panel,
                                    const Tile& tile) { drawPanel(r, sprites, panel, tile, editing, "NEUER NAME"); };
    };
    return {
        {"belt, speed 0, way from n", BELT,
         [](Tile& t) {
             t.beltSpeed = 0;
             t.beltPriority = SOUTH;
         },
         [](SDL_Renderer* r, const CargoTextures&, const ScreenRect& panel, const Tile& tile) {
             drawBeltPanel(r, panel, tile);
         }},
        {"shop facing east", SHOP, [](Tile& t) { t.shopAcceptMask &= ~(cargoBit(WATER) | cargoBit(LOG)); },
         plain(drawShopPanel)},
        {"arm, two kinds off", ARM,
         [](Tile& t) {
             t.armCargoFilter = ALL_CARGO & ~(cargoBit(COAL) | cargoBit(WATER));
             t.armPendingJobs = 3;
             t.armHomeMode = 2;
         },
         plain(drawArmPanel)},
        {"long arm, all off, continuous", LONG_ARM,
         [](Tile& t) {
             t.dir = NORTH;
             t.armCargoFilter = 0;
             t.armContinuous = true;
         },
         plain(drawArmPanel)},
        {"storage, 7 in stock", STORAGE,
         [](Tile& t) {
             for (int i = 0; i < 7; ++i)
                 t.storageCargo.push_back(i < 4 ? IRON_PLATE : COAL);
             t.storageAcceptMask = cargoBit(IRON_PLATE) | cargoBit(COAL);
             t.storageOutputOn = true;
         },
         plain(drawStoragePanel)},
        {"new source", SOURCE, [](Tile& t) { t.machineId = 1; }, labelled(drawSourcePanel, false)},
        {"running source, label typed", SOURCE,
         [](Tile& t) {
             t.machineId = 12;
             t.sourceRunning = true;
             t.sourceCargo = IRON_ORE;
             t.sourceProduced[IRON_ORE] = 1234;
         },
         labelled(drawSourcePanel, true)},
        {"sink", SINK,
         [](Tile& t) {
             t.sinkAccepting = true;
             t.sinkDelivered[PLASTIC_GEAR] = 17;
         },
         labelled(drawSourcePanel, false)},
        {"kiln taking planks only", OVEN,
         [](Tile& t) {
             t.machineId = 3;
             t.ovenAcceptMask = cargoBit(PLANKS);
             t.label = "KOHLE NORD";
         },
         labelled(drawOvenPanel, false)},
        {"smelter", SMELTER, [](Tile& t) { t.machineId = 4; }, labelled(drawSmelterPanel, false)},
        {"bottling plant off", FILLER,
         [](Tile& t) {
             t.machineId = 5;
             t.fillerAccepting = false;
             t.fillerOutputCount = 4;
         },
         labelled(drawFillerPanel, false)},
        {"cargo item", EMPTY, [](Tile&) {},
         [](SDL_Renderer* r, const CargoTextures& sprites, const ScreenRect& panel, const Tile&) {
             drawItemPanel(r, sprites, panel, PLASTIC_GEAR, {1234, 56789, std::string(40, 'L')});
         }},
    };
}

bool writeInspectors(const std::filesystem::path& out)
{
    const std::vector<InspectorSample> samples = inspectorSamples();
    const int columns = 6;
    const int rows = static_cast<int>(samples.size() + columns - 1) / columns;
    Picture picture(columns * (PANEL_WIDTH + 20) + 10, rows * (PANEL_HEIGHT + 30) + 10);
    SDL_Renderer* r = picture.renderer();
    CargoTextures sprites{};
    // Without the sprites the panels are drawn all the same, with empty icon boxes.
    if (!loadCargoTextures(r, sprites)) std::printf("cargo sprites missing: the inspectors are drawn without them\n");
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const InspectorSample& s = samples[i];
        const ScreenRect panel{10 + static_cast<int>(i % columns) * (PANEL_WIDTH + 20),
                               30 + static_cast<int>(i / columns) * (PANEL_HEIGHT + 30), PANEL_WIDTH, PANEL_HEIGHT};
        label(r, s.caption, panel.left, panel.top - 16);
        Tile tile;
        tile.type = s.type;
        tile.dir = EAST;
        s.setUp(tile);
        s.draw(r, sprites, panel, tile);
        if (s.type != EMPTY && showsRotateButton(s.type)) drawRotateButton(r, panel);
    }
    const bool saved = picture.save(out / "panel-inspectors.png");
    destroyCargoTextures(sprites);
    return saved;
}

// Slot 1 holds a map, slot 10 one with a name too long for its row; the autosave is there.
void writeSampleSlots(const std::filesystem::path& dir)
{
    for (int slot : {1, 10}) {
        std::ofstream map(SaveMenu::slotMapPath(dir, slot));
        Game().writeMap(map);
    }
    std::ofstream(SaveMenu::slotNamePath(dir, 10)) << "FABRIK AM FLUSS NORDHANG\n";
    std::ofstream(SaveMenu::autosavePath(dir)) << "\n";
}

struct MenuSample {
    const char* caption;
    MenuState state;
    bool saveMode;
    std::function<void(SaveMenu&)> setUp;
};

bool writeMenuPages(const std::filesystem::path& out)
{
    const ScratchFolder slots("gearhaven-gallery-slots");
    const std::filesystem::path& dir = slots.path();
    if (dir.empty()) return false;
    writeSampleSlots(dir);
    const std::vector<MenuSample> samples = {
        {"main menu", MenuState::MainMenu, false, [](SaveMenu&) {}},
        {"save slots, autosave 5 min", MenuState::SlotScreen, true, [](SaveMenu& m) { m.autosaveMinutes = 5; }},
        {"load slots, autosave off", MenuState::SlotScreen, false, [](SaveMenu&) {}},
        {"overwrite", MenuState::ConfirmSlot, true, [](SaveMenu&) {}},
        {"rename, empty name", MenuState::Rename, false, [](SaveMenu&) {}},
        {"rename", MenuState::Rename, false, [](SaveMenu& m) { m.name = "ERZHAFEN"; }},
        {"delete", MenuState::ConfirmDelete, false, [](SaveMenu&) {}},
        {"saved", MenuState::Result, true, [](SaveMenu& m) { m.status = "SPIELSTAND GESPEICHERT"; }},
        {"failed", MenuState::Result, false,
         [](SaveMenu& m) {
             m.status = "DAS AKTUELLE VERZEICHNIS IST NICHT VERFUEGBAR";
             m.error = true;
         }},
        {"new map", MenuState::ConfirmNewMap, false, [](SaveMenu&) {}},
        {"quit", MenuState::ConfirmQuit, false, [](SaveMenu&) {}},
    };
    const int width = 720, height = 640, columns = 4;
    const int rows = static_cast<int>(samples.size() + columns - 1) / columns;
    Picture picture(columns * (width + 10) + 10, rows * (height + 30) + 10);
    SDL_Renderer* r = picture.renderer();
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const MenuSample& s = samples[i];
        SaveMenu menu;
        menu.services.saveDirectory = [&dir] { return std::optional(dir); };
        menu.state = s.state;
        menu.saveMode = s.saveMode;
        menu.slotPath = SaveMenu::slotMapPath(dir, 10);
        s.setUp(menu);
        const int x = 10 + static_cast<int>(i % columns) * (width + 10);
        const int y = 30 + static_cast<int>(i / columns) * (height + 30);
        label(r, s.caption, x, y - 16);
        // A checker stands for the game under the dimming.
        for (int ty = 0; ty < height; ty += 32) {
            for (int tx = 0; tx < width; tx += 32) {
                const Uint8 v = ((tx + ty) / 32) % 2 == 0 ? 70 : 110;
                SDL_SetRenderDrawColor(r, v, v + 10, v, 255);
                const SDL_Rect tile{x + tx, y + ty, 32, 32};
                SDL_RenderFillRect(r, &tile);
            }
        }
        const SDL_Rect view{x, y, width, height};
        SDL_RenderSetViewport(r, &view);
        drawMenuOverlay(r, width, height, menu);
        SDL_RenderSetViewport(r, nullptr);
    }
    return picture.save(out / "panel-menu.png");
}

}  // namespace

bool writeInspectorGallery(const std::filesystem::path& out)
{
    const bool inspectors = writeInspectors(out);
    return writeMenuPages(out) && inspectors;
}
