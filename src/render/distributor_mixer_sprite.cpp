#include "render/distributor_mixer_sprite.h"

#include "render/animation_step.h"
#include "render/sprite_shapes.h"

namespace {

// The picture is designed facing east in a frame 32 wide and 64 high: the main
// tile above (y 0..32), the second tile below; cargo travels from left to right.

constexpr PackedColor OUTLINE = packColor(15, 23, 28);
constexpr PackedColor LIGHT = packColor(179, 198, 200);
constexpr PackedColor MID = packColor(93, 112, 121);

// ---- Roller -----------------------------------------------------------------

constexpr PackedColor ROLLER_BED = packColor(29, 40, 46);
constexpr PackedColor ROLLER_STRIPE = packColor(86, 103, 108);
constexpr int ROLLER_LENGTH = 10;
constexpr int STRIPE_PITCH = 6;

// A conveyor roller seen from above, 10 units along the travel and 18 across,
// centred across at py; its stripes move one pitch along every 6/14 s.
void drawRoller(const FillDesignRectRotated& fill, int px, int py, int phase)
{
    fill(px, py - 9, ROLLER_LENGTH, 18, OUTLINE);
    fill(px, py - 8, ROLLER_LENGTH, 2, LIGHT);
    fill(px, py + 6, ROLLER_LENGTH, 2, MID);
    fill(px, py - 6, ROLLER_LENGTH, 12, ROLLER_BED);
    for (int k = phase; k < ROLLER_LENGTH; k += STRIPE_PITCH)
        fill(px + k, py - 5, k == ROLLER_LENGTH - 1 ? 1 : 2, 10, ROLLER_STRIPE);
}

// ---- Mixer ------------------------------------------------------------------

// Two inputs on the left of both tiles, one output on the right of the main tile.
constexpr DesignFill MIXER_BODY[] = {
    {9, 3, 18, 58, OUTLINE},
    {7, 7, 22, 50, OUTLINE},
    {10, 4, 15, 55, packColor(37, 91, 88)},
    {8, 8, 19, 47, packColor(54, 126, 116)},
    {10, 5, 14, 3, packColor(151, 224, 199)},
    {8, 9, 3, 44, packColor(101, 189, 163)},
    {24, 8, 3, 47, packColor(29, 72, 75)},
    {11, 55, 13, 3, packColor(25, 65, 67)},
};

constexpr PackedColor MIXER_ARROW = packColor(196, 245, 216);

constexpr DesignFill MIXER_ARROWS[] = {
    {4, 15, 6, 2, MIXER_ARROW}, {7, 13, 2, 6, MIXER_ARROW}, {9, 15, 2, 2, MIXER_ARROW},  {4, 47, 6, 2, MIXER_ARROW},
    {7, 45, 2, 6, MIXER_ARROW}, {9, 47, 2, 2, MIXER_ARROW}, {25, 15, 5, 2, MIXER_ARROW}, {27, 13, 2, 6, MIXER_ARROW},
};

constexpr DesignFill MIXING_CHAMBER[] = {
    {11, 24, 13, 16, OUTLINE},
    {12, 25, 11, 2, LIGHT},
    {12, 27, 11, 12, packColor(41, 59, 65)},
    {13, 29, 4, 8, packColor(115, 152, 151)},
    {18, 29, 4, 8, packColor(115, 152, 151)},
};

constexpr PackedColor PISTON_HEAD = packColor(202, 238, 217);

constexpr DesignFill MIXER_LIGHTS[] = {
    {13, 10, 8, 2, packColor(151, 224, 199)},
    {13, 51, 8, 2, packColor(33, 88, 85)},
};

// The pistons take turns, one head up while the other is down, five beats a second.
void drawMixer(const FillDesignRectRotated& fill, int rollerPhase, int pistonBeat)
{
    drawRoller(fill, 0, 16, rollerPhase);
    drawRoller(fill, 22, 16, rollerPhase);
    drawRoller(fill, 0, 48, rollerPhase);
    fillDesigns(fill, MIXER_BODY);
    fillDesigns(fill, MIXER_ARROWS);
    fillDesigns(fill, MIXING_CHAMBER);
    fill(13, 30 + 3 * pistonBeat, 4, 2, PISTON_HEAD);
    fill(18, 30 + 3 * (1 - pistonBeat), 4, 2, PISTON_HEAD);
    fillDesigns(fill, MIXER_LIGHTS);
}

// ---- Distributor ------------------------------------------------------------

// One input on the left of the main tile, outputs on the right of both tiles.
constexpr DesignFill DISTRIBUTOR_HOUSING[] = {
    {7, 4, 21, 24, OUTLINE},
    {11, 25, 17, 35, OUTLINE},
    {8, 5, 18, 21, MID},
    {12, 26, 14, 32, MID},
    {8, 5, 18, 2, LIGHT},
    {8, 7, 2, 17, packColor(135, 158, 165)},
    {12, 27, 2, 29, packColor(135, 158, 165)},
    {24, 7, 2, 49, packColor(48, 65, 75)},
    {14, 56, 10, 2, packColor(42, 57, 65)},
};

constexpr DesignFill DISTRIBUTOR_CHUTE[] = {
    {11, 11, 12, 11, OUTLINE},
    {15, 20, 8, 32, OUTLINE},
    {12, 12, 10, 8, packColor(237, 187, 83)},
    {16, 20, 6, 30, packColor(191, 139, 49)},
    {17, 21, 2, 27, packColor(247, 207, 104)},
    {20, 44, 7, 8, packColor(237, 187, 83)},
    {11, 14, 4, 4, packColor(255, 235, 171)},
};

constexpr PackedColor FLAP_LIGHT = packColor(255, 232, 156);

constexpr DesignFill DRIVE_BOX[] = {
    {7, 29, 9, 12, OUTLINE},
    {8, 30, 7, 9, packColor(116, 137, 144)},
    {9, 31, 5, 2, LIGHT},
    {10, 35, 3, 3, packColor(42, 57, 65)},
};

constexpr int OUTPUT_CENTRES[] = {16, 48};  // main tile, second tile

// The flap points to the main tile's output or steps down toward the second
// tile's, three turns a second; the lit output marker follows it.
void drawDistributor(const FillDesignRectRotated& fill, int rollerPhase, int flapTurn)
{
    drawRoller(fill, 0, 16, rollerPhase);
    drawRoller(fill, 22, 16, rollerPhase);
    drawRoller(fill, 22, 48, rollerPhase);
    fillDesigns(fill, DISTRIBUTOR_HOUSING);
    fillDesigns(fill, DISTRIBUTOR_CHUTE);
    if (flapTurn == 0) {
        fill(14, 14, 10, 4, OUTLINE);
        fill(14, 14, 10, 2, FLAP_LIGHT);
    } else {
        for (int step = 0; step < 4; ++step) {
            const int sx = 14 + step, sy = 17 + 2 * step;
            fill(sx, sy, 4, 4, OUTLINE);
            fill(sx, sy, 2, 3, FLAP_LIGHT);
        }
    }
    fillDesigns(fill, DRIVE_BOX);
    for (int i = 0; i < 2; ++i) {
        const int yc = OUTPUT_CENTRES[i];
        const PackedColor marker = flapTurn == i ? packColor(255, 235, 163) : packColor(119, 89, 42);
        fill(27, yc - 3, 2, 6, marker);
        fill(29, yc - 1, 2, 2, marker);
    }
}

}  // namespace

void drawDistributorMixerSprite(SDL_Renderer* renderer, int x, int y, int w, int h, Direction facing, bool mixer,
                                float time)
{
    const FillDesignRectRotated fill{renderer, {x, y, w, h}, facing};
    const int rollerPhase = pairRollerFrame(time);
    if (mixer) {
        drawMixer(fill, rollerPhase, pairMachineFrame(time, true));
    } else {
        drawDistributor(fill, rollerPhase, pairMachineFrame(time, false));
    }
}

int pairRollerFrame(float time) { return animationStep(time, 14.0f, STRIPE_PITCH); }

int pairMachineFrame(float time, bool mixer) { return animationStep(time, mixer ? 5.0f : 3.0f, 2); }
