#include <gtest/gtest.h>

#include "render/item_geometry.h"
#include "support/software_canvas.h"
#include "support/world_builders.h"

namespace {

const MapScroll AT_32{0, 0, 32};
const SDL_Rect VIEW{0, 0, 800, 600};

struct Placed {
    bool drawn = false;
    ItemScreenPlace place;
};

Placed placeOf(const Game& game, const CargoItem& item, const MapScroll& scroll = AT_32)
{
    Placed p;
    p.drawn = itemScreenRect(game, item, scroll, VIEW, p.place);
    return p;
}

// A bridge running east over tile 6 of row 4: entry ramp 5, deck 6, exit ramp 7.
Game bridgeWorld()
{
    Game game = emptyGame();
    layBeltRun(game, 2, 4, EAST, 3);
    buildBridgeEast(game, 6, 4);
    game.items.reserve(8);  // tests hold references to the items they add
    return game;
}

}  // namespace

TEST(ItemScreenRect, SquaresOnTheGroundOnRampsOnDecksAndInArms)
{
    Game game = bridgeWorld();
    struct Case {
        const char* where;
        float posX;
        float posY;
        SDL_Rect rect;
    };
    // Ramps and deck lift the item by up to 0.1875 tiles: 3 pixels halfway up
    // the entry ramp, 6 on the deck and beyond the ramp's top, none on the ground.
    const Case cases[] = {
        {"belt", 3.0f, 4.0f, {96, 128, 32, 32}},
        {"halfway up the entry ramp", 5.0f, 4.0f, {160, 125, 32, 32}},
        {"top of the entry ramp", 5.5f, 4.0f, {176, 122, 32, 32}},
        {"deck", 6.0f, 4.0f, {192, 122, 32, 32}},
        {"halfway down the exit ramp", 7.0f, 4.0f, {224, 125, 32, 32}},
        {"foot of the exit ramp", 7.5f, 4.0f, {240, 128, 32, 32}},
    };
    for (const Case& c : cases) {
        game.items.clear();
        const CargoItem& item = itemAtPosition(game, c.posX, c.posY, EAST);
        const Placed p = placeOf(game, item);
        EXPECT_TRUE(p.drawn) << c.where;
        EXPECT_EQ(p.place.rect, c.rect) << c.where;
        EXPECT_EQ(p.place.clip, c.rect) << c.where << ": nothing hides it";
        EXPECT_EQ(p.place.angle, 0.0) << c.where;
    }

    // Scrolled and zoomed: the same item moves with the map.
    game.items.clear();
    const CargoItem& item = itemAtPosition(game, 3.0f, 4.0f, EAST);
    EXPECT_EQ(placeOf(game, item, {50, 20, 48}).place.rect, (SDL_Rect{94, 172, 48, 48}));
}

TEST(ItemScreenRect, CarriedItemsTurnWithTheArmAndAreNeverClipped)
{
    Game game = emptyGame();
    setTile(game, 4, 4, OVEN, EAST);
    Tile& arm = setTile(game, 3, 4, ARM, EAST);
    arm.armAngle = 1.5707964f;
    CargoItem& item = itemAtPosition(game, 3.6f, 4.0f, EAST);  // half over the kiln
    item.x = 3;                                                // an arm's item stands on the arm's tile
    item.carried = true;
    item.holdState = HOLD_GRIPPING;

    Placed p = placeOf(game, item);
    EXPECT_TRUE(p.drawn);
    EXPECT_EQ(p.place.rect, (SDL_Rect{115, 128, 32, 32}));
    EXPECT_EQ(p.place.clip, VIEW);
    EXPECT_NEAR(p.place.angle, 90.0, 1e-4);

    item.holdState = HOLD_TURNING;
    EXPECT_EQ(placeOf(game, item).place.angle, 0.0) << "not yet gripped";
}

TEST(ItemScreenRect, MachinesSourcesAndTunnelsHideItems)
{
    Game game = emptyGame();
    layBelt(game, 4, 4, EAST);
    setTile(game, 5, 4, OVEN, EAST);
    setTile(game, 2, 4, SOURCE, EAST);
    game.items.reserve(8);

    const CargoItem& entering = itemAtPosition(game, 4.5f, 4.0f, EAST);
    Placed p = placeOf(game, entering);
    EXPECT_TRUE(p.drawn);
    EXPECT_EQ(p.place.rect, (SDL_Rect{144, 128, 32, 32}));
    EXPECT_EQ(p.place.clip, (SDL_Rect{144, 128, 16, 32})) << "only the half outside the kiln shows";

    EXPECT_FALSE(placeOf(game, itemAtPosition(game, 5.0f, 4.0f, EAST)).drawn) << "wholly inside the kiln";
    EXPECT_FALSE(placeOf(game, itemAtPosition(game, 2.0f, 4.0f, EAST)).drawn) << "on its source";
    CargoItem& tunnelled = itemAtPosition(game, 8.0f, 4.0f, EAST);
    tunnelled.leavingTunnel = true;
    EXPECT_FALSE(placeOf(game, tunnelled).drawn);

    // Off the view: nothing of it is left to draw.
    const CargoItem& far = itemAtPosition(game, 40.0f, 40.0f, EAST);
    EXPECT_FALSE(placeOf(game, far).drawn);
}

TEST(ItemAtPoint, CarriedBeforeBridgeBeforeGroundAndLaterBeforeEarlier)
{
    Game game = bridgeWorld();
    const CargoItem& first = itemAtPosition(game, 3.0f, 4.0f, EAST);
    const CargoItem& second = itemAtPosition(game, 3.2f, 4.0f, EAST);
    EXPECT_EQ(itemAtPoint(game, 110, 140, AT_32, VIEW), &second) << "drawn later";
    EXPECT_EQ(itemAtPoint(game, 97, 140, AT_32, VIEW), &first) << "only the first reaches there";

    // Just before the entry ramp, on the deck's line, an item counts as at the
    // bridge and beats a later one on the plain belt.
    game.items.clear();
    const CargoItem& atRamp = itemAtPosition(game, 4.4f, 4.0f, EAST);
    const CargoItem& onBelt = itemAtPosition(game, 4.0f, 4.0f, EAST);
    EXPECT_TRUE(isItemAtBridgeDeck(game, atRamp));
    EXPECT_FALSE(isItemAtBridgeDeck(game, onBelt));
    EXPECT_EQ(itemAtPoint(game, 145, 140, AT_32, VIEW), &atRamp);

    CargoItem& held = itemAtPosition(game, 4.1f, 4.0f, EAST);
    held.carried = true;
    EXPECT_EQ(itemAtPoint(game, 145, 140, AT_32, VIEW), &held) << "the arm's item beats both";

    EXPECT_EQ(itemAtPoint(game, 900, 140, AT_32, VIEW), nullptr) << "outside the view";
}

TEST(ItemAtPoint, TurnedItemsAreHitOnlyInsideTheirTurnedSquare)
{
    Game game = emptyGame();
    Tile& arm = setTile(game, 3, 4, ARM, EAST);
    arm.armAngle = 0.7853982f;
    CargoItem& item = itemAtPosition(game, 3.0f, 4.0f, EAST);
    item.carried = true;
    item.holdState = HOLD_GRIPPING;
    EXPECT_EQ(itemAtPoint(game, 97, 129, AT_32, VIEW), nullptr) << "a corner of the square, outside the turned one";
    EXPECT_EQ(itemAtPoint(game, 112, 144, AT_32, VIEW), &item);
    EXPECT_EQ(itemAtPoint(game, 112, 130, AT_32, VIEW), &item);
    arm.armAngle = 0.0f;
    EXPECT_EQ(itemAtPoint(game, 97, 129, AT_32, VIEW), &item);
}
