#include <gtest/gtest.h>

#include <vector>

#include "inspector_bench.h"
#include "ui/information_panel.h"
#include "world/translate.h"

namespace {

constexpr Rgba CUT_PIPE{206, 95, 79, 255};
constexpr Rgba TANK_WATER{61, 188, 230, 255};
constexpr Rgba TANK_EMPTY{34, 51, 63, 255};

// The information panel of the control picked at a tile, drawn and pressed as the shell does.
class InformationPanel : public InspectorBench {
  protected:
    SoftwareCanvas& drawInfo(int x, int y, ControlType type, std::string_view status = "", bool water = false)
    {
        canvas.clear({0, 0, 0, 255});
        drawInformationPanel(canvas.renderer(), panel, {game, x, y, type, status, water});
        return canvas;
    }
    bool pressInfo(int x, int y, ControlType type, int dx, int dy)
    {
        const UndoGuard guard(history, game);
        return pressInformationPanel(game, history, panel, x, y, type, panel.left + dx, panel.top + dy);
    }
};

}  // namespace

TEST(InformationTexts, TitlesDirectionsBurnTimeTunnelLengthAndTankBar)
{
    const std::vector<std::pair<ControlType, std::string_view>> titles = {{DISTRIBUTOR, "VERTEILER"},
                                                                          {MIXER, "MISCHER"},
                                                                          {TUNNEL_EXIT, "TUNNEL"},
                                                                          {TUNNEL, "TUNNEL"},
                                                                          {POWER_POLE, "STROMMAST"},
                                                                          {LOGIC_AND, "UND"},
                                                                          {LOGIC_CLOCK, "TAKTGEBER"},
                                                                          {LOGIC_STEPPER, "SCHRITTSCHALTER"},
                                                                          {POWER_SUPPLY, "5V-NETZTEIL"},
                                                                          {LOGIC_RS, "RS-SPEICHER"},
                                                                          {BELT, "VERTEILER"},
                                                                          {-3, "VERTEILER"},
                                                                          {CONTROL_TYPE_COUNT, "VERTEILER"}};
    for (const auto& [type, title] : titles)
        EXPECT_EQ(informationTitle(type), title) << type;

    Tile tile;
    tile.dir = SOUTH;
    tile.bridgeDir = WEST;
    EXPECT_EQ(directionLine(EJECTOR, tile), "RICHTUNG SUED");
    EXPECT_EQ(directionLine(BRIDGE, tile), "RICHTUNG WEST") << "a bridge names its deck";
    EXPECT_EQ(directionLine(WATER_PIPE, tile), "");
    EXPECT_EQ(directionLine(LOGIC_AND, tile), "");
    tile.dir = NONE;
    EXPECT_EQ(directionLine(COAL_GENERATOR, tile), "RICHTUNG ");

    struct Burn {
        bool inUse;
        int loadKw;
        float seconds;
        int hours;
    };
    for (const Burn& b : std::vector<Burn>{{false, 0, 0.0f, 0},     // a new generator
                                           {true, 30, 2.5f, 4},     // a quarter coal at a quarter load
                                           {true, 120, 10.0f, 4},   // a full coal at full load
                                           {false, 30, 10.0f, 4},   // idle counts full load
                                           {true, 100, 10.0f, 5},   // 4.8 rounds up
                                           {true, 0, 0.01f, 1}}) {  // no load counts as 1 kW
        Tile generator;
        generator.generatorInUse = b.inUse;
        generator.generatorLoadKw = b.loadKw;
        generator.generatorBurnTime = b.seconds;
        EXPECT_EQ(generatorBurnHours(generator), b.hours) << b.loadKw << " kW, " << b.seconds << " s";
    }

    Tile exit;
    exit.tunnelPartnerX = 10;
    exit.tunnelPartnerY = 4;
    EXPECT_EQ(tunnelLengthText(exit, 10, 9), "LAENGE 5 KACHELN");
    exit.tunnelPartnerX = -1;
    EXPECT_EQ(tunnelLengthText(exit, 10, 9), "LAENGE - KACHELN");

    EXPECT_EQ(tankBarWidth(7), 61);
    EXPECT_EQ(tankBarWidth(10), 88);
    EXPECT_EQ(tankBarWidth(0), 0);
}

TEST(InformationTexts, TheEjectorHintAndTheDemolishButtonSpeakEnglish)
{
    setLanguage(ENGLISH);
    EXPECT_EQ(translate("RICHTUNG ZEIGT VOM AUSWERFER DURCH DAS BAND ZUM ZIELFELD. DAS LAGER FAENGT GUT AUF. AUF "
                        "EINEM LEEREN FELD VERSCHWINDET ES."),
              "DIRECTION POINTS FROM THE EJECTOR ACROSS THE BELT TO THE TARGET TILE. A STORAGE CATCHES THE CARGO. ON "
              "AN EMPTY TILE IT VANISHES.");
    EXPECT_EQ(translate("AUSWAHL LOESCHEN"), "DEMOLISH SELECTION");
}

TEST_F(InformationPanel, ANewGeneratorIsEmptyOffAndSwitchesOnAsOneStep)
{
    build(game, COAL_GENERATOR, 20, 20);
    drawInfo(20, 20, COAL_GENERATOR);
    EXPECT_TRUE(shows("KOHLEGENERATOR", 10, 8, PANEL_TEXT));
    EXPECT_TRUE(shows("RICHTUNG", 10, 40, PANEL_TEXT));
    EXPECT_TRUE(shows("KOHLE 0 VON 10", 10, 68, PANEL_TEXT));
    EXPECT_TRUE(shows("BRENNZEIT 0 H", 10, 90, PANEL_TEXT));
    EXPECT_EQ(frameAt(10, 120), RED_FRAME);
    EXPECT_TRUE(shows("GENERATOR AUS", 20, 132, RED_FRAME));
    EXPECT_TRUE(shows("LEISTUNG 120 KW", 10, 166, RED_FRAME));
    EXPECT_TRUE(shows("ABGABE 0 KW", 10, 188, RED_FRAME));

    EXPECT_FALSE(pressInfo(20, 20, COAL_GENERATOR, 10, 160));
    EXPECT_TRUE(pressInfo(20, 20, COAL_GENERATOR, 300, 153));
    EXPECT_TRUE(game.tileAt(20, 20).generatorOn);
    EXPECT_EQ(history.size(), 1u);
    drawInfo(20, 20, COAL_GENERATOR, "DREHEN NICHT MOEGLICH");
    EXPECT_TRUE(shows("GENERATOR EIN", 20, 132, GREEN_FRAME));
    EXPECT_TRUE(shows("DREHEN NICHT MOEGLICH", 10, 202, PANEL_TEXT)) << "the status line, below the section";
    expectMapReadsBack(game);
}

TEST_F(InformationPanel, AMolderShowsItsTankBarAndTheCutPipe)
{
    Tile& molder = build(game, INJECTION_MOLDER, 20, 20);
    molder.molderWater = 7;
    drawInfo(20, 20, INJECTION_MOLDER);
    EXPECT_TRUE(shows("STROM 0 KW", 10, 68, PANEL_TEXT));
    EXPECT_TRUE(shows("ROHR GETRENNT", 10, 112, CUT_PIPE));
    EXPECT_TRUE(shows("TANK 7/10", 10, 134, PANEL_TEXT));
    EXPECT_EQ(frameAt(10, 149), TANK_WATER);
    EXPECT_EQ(frameAt(10 + 60, 153), TANK_WATER);
    EXPECT_EQ(frameAt(10 + 61, 149), TANK_EMPTY);
    EXPECT_EQ(frameAt(10 + 87, 149), TANK_EMPTY);
    EXPECT_TRUE(shows("MASCHINE AUS", 20, 172, RED_FRAME));

    EXPECT_TRUE(pressInfo(20, 20, INJECTION_MOLDER, 10, 160));
    EXPECT_TRUE(molder.molderOn);
    EXPECT_EQ(history.size(), 1u);
}

TEST_F(InformationPanel, ARuleCellPutsAnAutomaticDistributorIntoCargoRules)
{
    build(game, DISTRIBUTOR, 20, 20);
    drawInfo(20, 20, DISTRIBUTOR);
    EXPECT_TRUE(shows("VERTEILUNG NACH GUTTYP", 10, 52, PANEL_TEXT));
    EXPECT_EQ(frameAt(10, 75), PLAIN_FRAME);
    EXPECT_TRUE(shows("WECHSEL AUTOMATISCH", 18, 86, PANEL_TEXT));
    for (int cell : {0, 3, 12})
        EXPECT_EQ(frameAt(10 + 145 * (cell % 2), 125 + 48 * (cell / 2)), RED_FRAME) << cell;

    EXPECT_TRUE(pressInfo(20, 20, DISTRIBUTOR, 10 + 145 + 5, 125 + 48 + 5));  // cell 3
    const Tile& distributor = game.tileAt(20, 20);
    EXPECT_TRUE(distributor.modeCargoRules);
    EXPECT_EQ(distributor.cargoRuleMask, cargoBit(3));
    drawInfo(20, 20, DISTRIBUTOR);
    EXPECT_EQ(frameAt(155, 173), GREEN_FRAME);
    EXPECT_TRUE(shows("NEBEN", 155 + 5, 173 + 22, PANEL_TEXT));
    EXPECT_EQ(frameAt(10, 125), PLAIN_FRAME);
    EXPECT_TRUE(shows("HAUPT", 15, 125 + 22, PANEL_TEXT));

    // The mode button steps on to signal; each press is one step.
    EXPECT_TRUE(pressInfo(20, 20, DISTRIBUTOR, 100, 80));
    EXPECT_TRUE(distributor.modeSignal);
    EXPECT_EQ(history.size(), 2u);
    drawInfo(20, 20, DISTRIBUTOR);
    EXPECT_TRUE(shows("A: HAUPTSPUR", 10, 112, PANEL_TEXT));
    EXPECT_EQ(frameAt(155, 173), RED_FRAME) << "signal mode paints every cell red";
    expectMapReadsBack(game);
}

TEST_F(InformationPanel, AMixerRatioPressKeepsItsPhaseInTheShorterCycle)
{
    Tile& mixer = build(game, MIXER, 20, 20);
    drawInfo(20, 20, MIXER);
    EXPECT_EQ(frameAt(10, 85), GREEN_FRAME) << "a new mixer runs 1 to 1";
    EXPECT_EQ(frameAt(10, 145), GREEN_FRAME);
    EXPECT_EQ(frameAt(54, 85), PLAIN_FRAME);
    EXPECT_TRUE(shows("HAUPT", 230, 96, PANEL_TEXT));
    EXPECT_TRUE(shows("1", 24, 96, PANEL_TEXT));

    mixer.ratioA = 5;
    mixer.ratioB = 5;
    mixer.ratioPos = 7;
    EXPECT_TRUE(pressInfo(20, 20, MIXER, 12, 90));
    EXPECT_EQ(mixer.ratioA, 1);
    EXPECT_EQ(mixer.ratioPos, 1);
    expectMapReadsBack(game);
    EXPECT_TRUE(pressInfo(20, 20, MIXER, 10 + 44 * 2, 145));
    EXPECT_EQ(mixer.ratioB, 3);
    EXPECT_FALSE(pressInfo(20, 20, MIXER, 10 + 44 * 5, 145)) << "there is no sixth value";
}

TEST_F(InformationPanel, ABridgeSetsTheBeltBelowAndOnlyItsItemsLoseTheirCredit)
{
    layBelt(game, 12, 10, SOUTH);
    buildBridgeEast(game, 12, 10);
    for (int layer : {0, 1}) {
        CargoItem& item = game.items.emplace_back(12, 10, layer == 0 ? SOUTH : EAST, LOG);
        item.layer = layer;
        item.speedCredit = 5;
    }
    const CargoItem& ground = game.items[0];
    const CargoItem& deck = game.items[1];
    drawInfo(12, 10, BRIDGE);
    EXPECT_TRUE(shows("RICHTUNG OST", 10, 40, PANEL_TEXT));
    EXPECT_TRUE(shows("BAND UNTEN - TEMPO", 10, 88, PANEL_TEXT));
    EXPECT_EQ(frameAt(8 + 38 * 3, 109), GREEN_FRAME);

    EXPECT_TRUE(pressInfo(12, 10, BRIDGE, 8, 109));
    EXPECT_EQ(game.tileAt(12, 10).beltSpeed, 0);
    EXPECT_EQ(ground.speedCredit, 0);
    EXPECT_EQ(deck.speedCredit, 5);

    // Over bare ground the bridge has no buttons.
    buildBridgeEast(game, 30, 10);
    drawInfo(30, 10, BRIDGE);
    EXPECT_EQ(frameAt(8, 109), PANEL_FILL);
    EXPECT_FALSE(pressInfo(30, 10, BRIDGE, 8, 109));
}

TEST_F(InformationPanel, SupplyTunnelEjectorAndLogicLines)
{
    build(game, POWER_SUPPLY, 20, 20);
    drawInfo(20, 20, POWER_SUPPLY);
    EXPECT_TRUE(shows("EINGANG - KEIN STROM", 10, 70, PANEL_TEXT));
    EXPECT_TRUE(shows("AUSGANG 5V DC - AUS", 10, 95, PANEL_TEXT));
    EXPECT_TRUE(shows("VERBRAUCHER 0 / 0", 10, 120, PANEL_TEXT));
    EXPECT_EQ(frameAt(10, 40), PANEL_FILL) << "no direction line";

    layTunnel(game, 5, 5, 5, 10, SOUTH);
    drawInfo(5, 10, TUNNEL_EXIT);
    EXPECT_TRUE(shows("LAENGE 5 KACHELN", 10, 62, PANEL_TEXT));

    Tile& ejector = build(game, EJECTOR, 30, 30);
    ejector.ejectorJobs = 2;
    drawInfo(30, 30, EJECTOR);
    EXPECT_TRUE(shows("AUSWERFER EIN", 20, 80, GREEN_FRAME));
    EXPECT_TRUE(pressInfo(30, 30, EJECTOR, 200, 100));
    EXPECT_FALSE(ejector.ejectorActive);

    build(game, LOGIC_AND, 40, 40);
    drawInfo(40, 40, LOGIC_AND, "STATUS");
    EXPECT_TRUE(shows("UND", 10, 8, PANEL_TEXT));
    EXPECT_TRUE(shows("STATUS", 10, 300, PANEL_TEXT)) << "logic components keep their status line low";
}
