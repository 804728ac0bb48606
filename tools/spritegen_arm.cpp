#include "spritegen_sprites.h"

namespace {

// The arm's paint: a yellow machine with grey steel joints and fingers.
constexpr Colour YELLOW{232, 176, 52};
constexpr Colour YELLOW_LIGHT{252, 214, 110};
constexpr Colour YELLOW_DARK{176, 120, 30};
constexpr Colour YELLOW_EDGE{72, 46, 14};
constexpr Colour STEEL{150, 158, 168};
constexpr Colour STEEL_LIGHT{204, 210, 218};
constexpr Colour STEEL_DARK{96, 102, 112};
constexpr Colour STEEL_EDGE{40, 44, 52};

// Art pixels per design unit.
constexpr int U = ART_PER_TILE / 32;

Art sized(ArmSprite part)
{
    const ArmPartDesign& d = ARM_PART_DESIGNS[part];
    return Art(d.w * U, d.h * U);
}

void joint(Art& art, double cx, double cy, double radius)
{
    art.paintOutlined(art.ellipse(cx, cy, radius, radius), STEEL, STEEL_EDGE);
    art.paint(art.ellipse(cx - radius * 0.25, cy - radius * 0.25, radius * 0.45, radius * 0.45), STEEL_LIGHT);
    art.paintOutlined(art.ellipse(cx, cy, radius * 0.4, radius * 0.4), STEEL_DARK, STEEL_EDGE);
}

// A boom segment between two x positions, with a lit top and a shaded bottom.
void beam(Art& art, int left, int right, double top, double bottom)
{
    const Mask body =
        art.polygon({{double(left), top}, {double(right), top}, {double(right), bottom}, {double(left), bottom}});
    art.paintOutlined(body, YELLOW, YELLOW_EDGE);
    art.paint(art.rect(left + 1, static_cast<int>(top) + 1, right - left - 2, 2), YELLOW_LIGHT);
    art.paint(art.rect(left + 1, static_cast<int>(bottom) - 3, right - left - 2, 2), YELLOW_DARK);
}

// Behind the pivot: a counterweight in warning stripes.
void counterweight(Art& art, int pivotX, int pivotY)
{
    const Mask block = art.rect(1, pivotY - 9, pivotX + 2, 18);
    art.paint(block, Colour{58, 60, 66});
    for (int i = -20; i < 30; i += 6) {
        Mask stripe = art.segment({double(i), double(pivotY + 12)}, {double(i + 18), double(pivotY - 12)}, 2.6);
        stripe &= block;
        art.paint(stripe, YELLOW);
    }
    art.paint(block.edge(), YELLOW_EDGE);
}

// A hydraulic cylinder along the top of the inner boom.
void cylinder(Art& art, int left, int right, int y)
{
    art.paintOutlined(art.rect(left, y - 2, (right - left) * 6 / 10, 5), STEEL_DARK, STEEL_EDGE);
    art.paintOutlined(art.rect(left + (right - left) * 6 / 10 - 1, y - 1, (right - left) * 4 / 10, 3), STEEL_LIGHT,
                      STEEL_EDGE);
}

Art shaftArt()
{
    Art art = sized(ARM_SHAFT);
    const ArmPartDesign& d = ARM_PART_DESIGNS[ARM_SHAFT];
    const int pivotX = d.pivotX * U, pivotY = d.pivotY * U;
    const int wristX = pivotX + ART_PER_TILE;  // the hand sits one tile from the pivot
    const int elbowX = (pivotX + wristX) / 2;
    counterweight(art, pivotX, pivotY);
    beam(art, pivotX, elbowX + 2, pivotY - 6, pivotY + 6);
    beam(art, elbowX - 2, wristX + 6, pivotY - 5, pivotY + 5);
    cylinder(art, pivotX + 6, elbowX + 6, pivotY - 8);
    joint(art, pivotX, pivotY, 11);
    joint(art, elbowX, pivotY, 7);
    joint(art, wristX, pivotY, 6);
    return art;
}

Art longShaftArt()
{
    Art art = sized(LONG_ARM_SHAFT);
    const ArmPartDesign& d = ARM_PART_DESIGNS[LONG_ARM_SHAFT];
    const int pivotX = d.pivotX * U, pivotY = d.pivotY * U;
    const int wristX = pivotX + 2 * ART_PER_TILE;
    const int elbowX = (pivotX + wristX) / 2;
    counterweight(art, pivotX, pivotY);
    // A lattice boom: two chords braced by diagonals.
    const double upper = pivotY - 6, lower = pivotY + 6;
    Mask truss = art.rect(pivotX, static_cast<int>(upper) - 1, wristX - pivotX, 3);
    truss |= art.rect(pivotX, static_cast<int>(lower) - 1, wristX - pivotX, 3);
    for (int x = pivotX; x + 8 <= wristX; x += 8) {
        truss |= art.segment({double(x), upper}, {x + 8.0, lower}, 2.0);
    }
    art.paintOutlined(truss, YELLOW, YELLOW_EDGE);
    art.paint(art.rect(pivotX, static_cast<int>(upper) - 1, wristX - pivotX, 1), YELLOW_LIGHT);
    cylinder(art, pivotX + 6, elbowX - 8, pivotY - 10);
    joint(art, pivotX, pivotY, 11);
    joint(art, elbowX, pivotY, 7);
    joint(art, wristX, pivotY, 6);
    return art;
}

// The gripper: a yellow wrist block behind the centre, where the held item
// lies, and two steel fingers reaching past it above and below. Drawn as the
// upper half and mirrored, so it looks the same whichever way the arm swings.
Art handArt(bool closed)
{
    Art art = sized(ARM_HAND_OPEN);
    const double w = art.width(), h = art.height();
    const double cy = h / 2;
    Mask finger = closed ? art.polygon({{14, 8}, {46, 10}, {52, 14}, {52, 20}, {46, 18}, {44, 16}, {16, 16}})
                         : art.polygon({{14, 10}, {46, 1}, {52, 3}, {50, 9}, {44, 8}, {18, 16}});
    Mask fingers = finger;
    fingers |= finger.mirroredVertically();
    art.paintOutlined(fingers, STEEL, STEEL_EDGE);
    Mask highlight = finger;
    highlight -= art.polygon({{0, closed ? 11.0 : 6.0}, {w, closed ? 13.0 : 0.0}, {w, h}, {0, h}});
    art.paint(highlight, STEEL_LIGHT);
    // Rubber pads at the fingertips.
    const Mask pad = closed ? art.rect(45, 17, 7, 4) : art.polygon({{45, 7}, {51, 6}, {50, 10}, {45, 10}});
    Mask pads = pad;
    pads |= pad.mirroredVertically();
    art.paintOutlined(pads, Colour{52, 54, 58}, Colour{24, 24, 28});
    // The wrist block with its bolts.
    const Mask wrist = art.rect(6, static_cast<int>(cy) - 18, 16, 36);
    art.paintOutlined(wrist, YELLOW, YELLOW_EDGE);
    art.paint(art.rect(7, static_cast<int>(cy) - 17, 14, 2), YELLOW_LIGHT);
    art.paint(art.rect(7, static_cast<int>(cy) + 14, 14, 2), YELLOW_DARK);
    for (const double y : {cy - 12, cy + 12})
        joint(art, 14, y, 4);
    art.paintOutlined(art.rect(0, static_cast<int>(cy) - 5, 8, 10), STEEL_DARK, STEEL_EDGE);
    return art;
}

// The turntable the arm swings on, on a plate along the arm's line.
Art baseArt()
{
    Art art = sized(ARM_BASE_HORIZONTAL);
    const double c = art.width() / 2.0;
    const Mask plate = art.rect(6, static_cast<int>(c) - 10, art.width() - 12, 20);
    art.paintOutlined(plate, Colour{70, 78, 88}, Colour{26, 30, 36});
    art.paint(art.rect(7, static_cast<int>(c) - 9, art.width() - 14, 1), Colour{104, 114, 126});
    for (const double x : {11.0, art.width() - 11.0}) {
        for (const double y : {c - 5, c + 5}) {
            art.paintOutlined(art.ellipse(x, y, 2.2, 2.2), STEEL_LIGHT, STEEL_EDGE);
        }
    }
    art.paintOutlined(art.ellipse(c, c, 15, 15), YELLOW_DARK, YELLOW_EDGE);
    art.paintOutlined(art.ellipse(c, c - 1, 13, 13), YELLOW, YELLOW_EDGE);
    art.paint(art.ellipse(c - 4, c - 5, 5, 4), YELLOW_LIGHT);
    joint(art, c, c, 7);
    return art;
}

}  // namespace

Art drawArmPart(ArmSprite part)
{
    switch (part) {
    case ARM_SHAFT:
        return shaftArt();
    case LONG_ARM_SHAFT:
        return longShaftArt();
    case ARM_HAND_OPEN:
        return handArt(false);
    case ARM_HAND_CLOSED:
        return handArt(true);
    case ARM_BASE_HORIZONTAL:
        return baseArt();
    default:
        return baseArt().transposed();
    }
}
