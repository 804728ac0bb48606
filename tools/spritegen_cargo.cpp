#include <array>
#include <cmath>

#include "spritegen_sprites.h"

namespace {

Art logArt()
{
    Art art(28, 19);
    const Colour bark{116, 74, 40}, barkDark{86, 52, 28}, edge{50, 30, 16};
    Mask body = art.rect(3, 0, 20, 19);
    body |= art.ellipse(3.5, 9.5, 3.5, 9.5);
    art.paintOutlined(body, bark, edge);
    for (const auto& [x, y, w] : {std::array{5, 4, 9}, std::array{9, 8, 11}, std::array{4, 12, 7},
                                  std::array{12, 15, 8}, std::array{14, 3, 5}}) {
        art.paint(art.rect(x, y, w, 1), barkDark);
    }
    art.paint(art.rect(6, 1, 12, 1), Colour{146, 98, 58});
    // The sawn end faces the viewer on the right: pale wood with its rings.
    art.paintOutlined(art.ellipse(21.5, 9.5, 6.5, 9.5), Colour{204, 156, 96}, edge);
    art.paint(art.ellipse(21.5, 9.5, 4.5, 7.0), Colour{226, 184, 124});
    art.paint(art.ellipse(21.5, 9.5, 3.0, 4.5).edge(), Colour{182, 132, 78});
    art.paint(art.ellipse(21.5, 9.5, 1.2, 1.8), Colour{150, 100, 56});
    return art;
}

Art planksArt()
{
    Art art(31, 28);
    const Colour wood{206, 156, 94}, light{230, 190, 128}, grain{176, 126, 70}, gap{98, 62, 32};
    const int offsets[4] = {1, 0, 2, 0};
    for (int board = 0; board < 4; ++board) {
        const int y = board * 7;
        const Mask plank = art.rect(offsets[board], y, 29, 7);
        art.paintOutlined(plank, wood, gap);
        art.paint(art.rect(offsets[board] + 1, y + 1, 27, 1), light);
        art.paint(art.rect(offsets[board] + 4 + board * 3, y + 3, 9, 1), grain);
        art.paint(art.rect(offsets[board] + 16 - board * 2, y + 4, 7, 1), grain);
        // End grain at the right end of each board.
        art.paint(art.rect(offsets[board] + 25, y + 1, 3, 5), Colour{186, 134, 76});
    }
    // Two steel straps hold the stack together.
    for (int x : {6, 21}) {
        art.paintOutlined(art.rect(x, 0, 3, 28), Colour{124, 132, 142}, Colour{58, 62, 70});
        art.paint(art.rect(x + 1, 1, 1, 26), Colour{164, 172, 182});
    }
    art.outline(gap);
    return art;
}

Art coalArt()
{
    Art art(27, 28);
    const Colour lump{46, 46, 52}, side{32, 32, 38}, shine{104, 106, 120}, edge{14, 14, 18};
    const Mask lumps[] = {
        art.polygon({{8, 3}, {14, 0}, {21, 2}, {22, 9}, {15, 13}, {8, 10}}),
        art.polygon({{0, 14}, {5, 8}, {12, 10}, {14, 19}, {9, 28}, {1, 25}}),
        art.polygon({{15, 10}, {24, 8}, {27, 15}, {25, 22}, {17, 22}, {13, 16}}),
        art.polygon({{9, 18}, {18, 18}, {24, 23}, {22, 28}, {11, 28}, {7, 24}}),
    };
    for (const Mask& m : lumps) {
        art.paintOutlined(m, lump, edge);
    }
    // Facets catch the light from the top left; the lower sides stay dark.
    art.paint(art.polygon({{10, 4}, {14, 1.5}, {19, 3}, {14, 6}}), shine);
    art.paint(art.polygon({{2, 14}, {5, 10}, {10, 11.5}, {6, 15}}), shine);
    art.paint(art.polygon({{17, 11}, {23, 9.5}, {24, 13}, {19, 14}}), shine);
    art.paint(art.polygon({{11, 19.5}, {17, 19.5}, {20, 22}, {13, 22}}), shine);
    art.paint(art.polygon({{15, 9}, {21.5, 8}, {15, 12}}), side);
    art.paint(art.polygon({{3, 21}, {12, 18}, {8.5, 26.5}, {2, 24.5}}), side);
    art.paint(art.polygon({{18, 21}, {25, 17}, {24.5, 21.5}}), side);
    for (const auto& [x, y] : {std::array{12, 2}, std::array{3, 12}, std::array{19, 10}, std::array{13, 20}}) {
        art.dot(x, y, Colour{170, 172, 186});
    }
    return art;
}

Art ironOreArt()
{
    Art art(29, 27);
    const Colour rock{110, 78, 66}, dark{80, 54, 46}, rust{182, 98, 56}, glint{202, 204, 214}, edge{44, 26, 22};
    art.paintOutlined(art.polygon({{0, 12}, {6, 2}, {16, 0}, {25, 4}, {29, 13}, {26, 23}, {15, 27}, {4, 24}}), rock,
                      edge);
    art.paint(art.polygon({{15, 14}, {27, 14}, {25, 22}, {15, 26}, {7, 23}}), dark);
    art.paint(art.polygon({{6, 4}, {15, 2}, {20, 5}, {10, 8}}), Colour{142, 104, 88});
    // A crack splits the lump into two faces.
    art.paint(art.segment({8, 20}, {16, 13}, 1.2), edge);
    art.paint(art.segment({16, 13}, {24, 9}, 1.2), edge);
    art.paint(art.ellipse(6.5, 13.5, 2.5, 2), rust);
    art.paint(art.ellipse(19.5, 19.5, 3, 2), rust);
    art.paint(art.ellipse(12.5, 8.5, 2, 1.5), rust);
    art.paint(art.ellipse(22.5, 11.0, 1.5, 1.5), rust);
    for (const auto& [x, y] : {std::array{9, 11}, std::array{18, 6}, std::array{4, 18}, std::array{22, 17},
                               std::array{13, 22}, std::array{25, 8}}) {
        art.dot(x, y, glint);
        art.dot(x + 1, y, glint);
    }
    art.outline(edge);
    return art;
}

struct Metal {
    Colour top;
    Colour front;
    Colour light;
    Colour shine;
    Colour edge;
};

constexpr Metal IRON{{168, 166, 164}, {116, 112, 110}, {204, 202, 198}, {224, 222, 218}, {48, 44, 44}};
constexpr Metal STEEL{{178, 198, 220}, {120, 144, 172}, {214, 228, 242}, {242, 248, 255}, {38, 50, 68}};

// A cast bar seen from above and in front: a flat top face, the front sloping
// out below it and thin sloped ends at the sides.
Art ingotArt(int w, int h, const Metal& metal)
{
    Art art(w, h);
    const double inset = 4, topDepth = std::round(h * 0.45);
    const double right = w;
    art.paintOutlined(art.polygon({{inset, 0}, {right - inset, 0}, {right, double(h)}, {0, double(h)}}), metal.front,
                      metal.edge);
    art.paint(art.polygon({{inset, 0}, {inset, topDepth}, {0.5, h - 0.5}}), metal.edge);
    art.paint(art.polygon({{right - inset, 0}, {right - 0.5, h - 0.5}, {right - inset, topDepth}}), metal.edge);
    art.paint(art.polygon({{inset + 0.5, 1}, {inset + 0.5, topDepth}, {2, h - 1.0}}), metal.front);
    art.paint(art.polygon({{right - inset - 0.5, 1}, {right - 2, h - 1.0}, {right - inset - 0.5, topDepth}}),
              metal.front);
    art.paint(
        art.rect(static_cast<int>(inset) + 1, 1, w - 2 * static_cast<int>(inset) - 2, static_cast<int>(topDepth) - 1),
        metal.top);
    art.paint(art.rect(static_cast<int>(inset), static_cast<int>(topDepth), w - 2 * static_cast<int>(inset), 1),
              metal.light);
    // Light catches the top face in two streaks.
    art.paint(art.segment({w * 0.42, 2.5}, {w * 0.32, topDepth - 1.5}, 1.6), metal.shine);
    art.paint(art.segment({w * 0.56, 2.5}, {w * 0.48, topDepth - 1.5}, 1.0), metal.light);
    art.paint(art.rect(3, h - 3, w - 6, 1), metal.light);
    art.outline(metal.edge);
    return art;
}

// A sheet in three-quarter view: its top face over a thin front edge, rivets at the corners.
Art plateArt(int w, int h, const Metal& metal, bool brushed)
{
    Art art(w, h);
    const int edgeRows = 4;
    const double face = h - edgeRows;
    art.paintOutlined(
        art.polygon({{3, 0}, {double(w), 0}, {double(w), h - 3.0}, {w - 3.0, double(h)}, {0, double(h)}, {0, face}}),
        metal.front, metal.edge);
    art.paint(art.polygon({{3.5, 1}, {w - 1.0, 1}, {w - 3.5, face}, {1, face}}), metal.top);
    art.paint(art.rect(1, static_cast<int>(face), w - 4, 1), metal.light);
    if (brushed) {
        for (int i = 0; i < 3; ++i) {
            const double x = w * 0.3 + i * 4;
            art.paint(art.segment({x + 2, 2.5}, {x - 2, face - 2.5}, 1.0), metal.shine);
        }
    } else {
        art.paint(art.segment({w * 0.45, face * 0.35}, {w * 0.7, face * 0.35}, 1.0), metal.light);
    }
    for (const auto& [x, y] : {std::array{5, 3}, std::array{w - 5, 3}, std::array{3, static_cast<int>(face) - 3},
                               std::array{w - 7, static_cast<int>(face) - 3}}) {
        art.paint(art.rect(x, y, 2, 2), metal.front);
        art.dot(x, y, metal.shine);
        art.dot(x + 1, y + 1, metal.edge);
    }
    art.outline(metal.edge);
    return art;
}

// Paints an upright bottle filling the art and returns the inside of its glass.
Mask paintBottle(Art& art, Colour glass, Colour edge)
{
    const double w = art.width(), h = art.height();
    const double neckLeft = w * 0.32, neckRight = w * 0.68;
    const double shoulderTop = h * 0.28, bodyTop = h * 0.42;
    const Mask shape = art.polygon({{neckLeft, 0},
                                    {neckRight, 0},
                                    {neckRight, shoulderTop},
                                    {w, bodyTop},
                                    {w, h - 2},
                                    {w - 2, h},
                                    {2, h},
                                    {0, h - 2},
                                    {0, bodyTop},
                                    {neckLeft, shoulderTop}});
    art.paintOutlined(shape, glass, edge);
    return shape.interior();
}

Art emptyBottleArt()
{
    Art art(12, 27);
    const Mask inside = paintBottle(art, Colour{176, 222, 230}, Colour{58, 104, 118});
    art.paint(art.rect(2, 13, 8, 12) &= inside, Colour{150, 204, 216});
    art.paint(art.rect(2, 12, 2, 13) &= inside, Colour{236, 250, 252});
    art.paint(art.rect(4, 0, 4, 2), Colour{108, 160, 172});
    art.paint(art.rect(5, 2, 2, 6), Colour{210, 238, 242});
    return art;
}

Art fullBottleArt()
{
    Art art(11, 23);
    const Mask inside = paintBottle(art, Colour{48, 112, 216}, Colour{20, 44, 104});
    art.paint(art.rect(0, 5, 11, 5) &= inside, Colour{96, 160, 240});
    art.paint(art.rect(2, 11, 1, 10) &= inside, Colour{150, 198, 255});
    // A paper label and a red cap.
    art.paint(art.rect(1, 14, 9, 4) &= inside, Colour{236, 232, 214});
    art.paint(art.rect(3, 15, 5, 1), Colour{200, 60, 50});
    art.paintOutlined(art.rect(3, 0, 5, 3), Colour{206, 58, 48}, Colour{110, 26, 22});
    return art;
}

Art granulateArt()
{
    Art art(20, 15);
    const Mask heap = art.ellipse(10, 15, 10, 15);
    art.paintOutlined(heap, Colour{150, 146, 132}, Colour{80, 78, 70});
    const Mask inside = heap.interior();
    // Round pellets in staggered rows, a few tinted like dyed plastic.
    int n = 0;
    for (int y = 1; y < 15; y += 3) {
        for (int x = (y / 3) % 2 == 0 ? 1 : 2; x < 19; x += 3, ++n) {
            const Colour pellet = n % 5 == 2 ? Colour{150, 206, 236} : Colour{238, 234, 212};
            Mask bead = art.rect(x, y, 2, 2);
            bead &= inside;
            art.paint(bead, pellet);
        }
    }
    art.paint(art.rect(8, 1, 2, 1) &= inside, Colour{255, 255, 240});
    return art;
}

Art waterArt()
{
    Art art(16, 21);
    Mask drop = art.ellipse(8, 13, 8, 8);
    drop |= art.polygon({{8, -1.5}, {14.6, 9}, {1.4, 9}});
    art.paintOutlined(drop, Colour{58, 140, 232}, Colour{22, 60, 132});
    Mask shade = art.ellipse(8, 13, 7, 7);
    shade -= art.ellipse(6.5, 11.5, 6.5, 6.5);
    art.paint(shade, Colour{38, 104, 198});
    art.paint(art.ellipse(5, 12, 1.6, 3), Colour{188, 226, 255});
    art.paint(art.ellipse(7.0, 7.0, 0.9, 1.4), Colour{188, 226, 255});
    return art;
}

Art gearArt()
{
    Art art(20, 18);
    const double cx = 10, cy = 9, rx = 10, ry = 9;
    Mask gear(art.width(), art.height());
    Mask hole(art.width(), art.height());
    for (int y = 0; y < art.height(); ++y) {
        for (int x = 0; x < art.width(); ++x) {
            const double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
            const double r = std::sqrt(u * u + v * v);
            const bool tooth = std::cos(8 * std::atan2(v, u)) > -0.1;
            gear.set(x, y, r <= 0.74 || (tooth && r <= 1.0));
            hole.set(x, y, r < 0.24);
        }
    }
    gear -= hole;
    const Colour plastic{240, 150, 40}, edge{116, 60, 14};
    art.paintOutlined(gear, plastic, edge);
    Mask rim = art.ellipse(cx, cy, rx * 0.56, ry * 0.56);
    rim -= art.ellipse(cx, cy, rx * 0.40, ry * 0.40);
    art.paint(rim, Colour{214, 120, 28});
    art.paint(art.ellipse(cx, cy, rx * 0.40, ry * 0.40).edge() -= art.ellipse(cx + 1, cy + 1, rx * 0.40, ry * 0.40),
              Colour{254, 200, 110});
    return art;
}

}  // namespace

Art drawCargo(CargoType cargo)
{
    switch (cargo) {
    case LOG:
        return logArt();
    case PLANKS:
        return planksArt();
    case COAL:
        return coalArt();
    case IRON_ORE:
        return ironOreArt();
    case IRON_INGOT:
        return ingotArt(25, 22, IRON);
    case STEEL_INGOT:
        return ingotArt(28, 23, STEEL);
    case EMPTY_BOTTLE:
        return emptyBottleArt();
    case FULL_BOTTLE:
        return fullBottleArt();
    case IRON_PLATE:
        return plateArt(29, 18, IRON, false);
    case STEEL_PLATE:
        return plateArt(26, 18, STEEL, true);
    case PLASTIC_GRANULATE:
        return granulateArt();
    case WATER:
        return waterArt();
    default:
        return gearArt();
    }
}
