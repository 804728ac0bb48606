#include "render/transport_sprites.h"

#include <algorithm>

#include "render/sprite_shapes.h"
#include "render/widgets.h"

namespace {

// ---- Belt -------------------------------------------------------------------

constexpr PackedColor BELT_BAND = packColor(76, 81, 83);
constexpr PackedColor BELT_BED = packColor(37, 43, 42);
constexpr PackedColor BELT_SLAT = packColor(113, 123, 116);
constexpr PackedColor BELT_SLAT_SHADOW = packColor(25, 29, 29);
constexpr PackedColor BELT_EDGE = packColor(163, 169, 163);
constexpr PackedColor BELT_RIVET = packColor(198, 180, 109);
constexpr PackedColor SPEED_LIT = packColor(120, 215, 141);
constexpr PackedColor SPEED_UNLIT = packColor(67, 73, 78);
constexpr int NORMAL_BELT_SPEED = 3;
constexpr int TOP_BELT_SPEED = 5;

// Fixed measures up to 35 px, then proportional ones.
struct BeltMeasures {
    int margin;
    int rivetInset;
    int rail;
};

BeltMeasures beltMeasures(int s)
{
    if (s <= 35) return {2, 1, s >= 32 ? 4 : 3};
    return {s / 12, s / 24, s / 8};
}

// The belt is laid out along its run: `along` counts from the square's start in
// the direction of travel's axis, `across` from its side. A vertical belt runs
// along y; a horizontal one swaps the axes.
struct BeltFrame {
    SDL_Rect r;
    bool vertical;

    SDL_Point at(int across, int along) const
    {
        return vertical ? SDL_Point{r.x + across, r.y + along} : SDL_Point{r.x + along, r.y + across};
    }
    SDL_Rect rect(int across, int along, int acrossSize, int alongSize) const
    {
        const SDL_Point p = at(across, along);
        return vertical ? SDL_Rect{p.x, p.y, acrossSize, alongSize} : SDL_Rect{p.x, p.y, alongSize, acrossSize};
    }
    void line(SDL_Renderer* renderer, int across0, int along0, int across1, int along1, PackedColor c) const
    {
        const SDL_Point a = at(across0, along0);
        const SDL_Point b = at(across1, along1);
        drawPixelLine(renderer, a.x, a.y, b.x, b.y, c);
    }
};

// Boxes along the bottom edge whatever the belt's run; none at the normal speed.
void drawSpeedLevel(SDL_Renderer* renderer, const SDL_Rect& r, int speed)
{
    if (speed == NORMAL_BELT_SPEED) return;
    const int s = r.w;
    const int pitch = s <= 27 ? 3 : s / 7;
    const int box = s <= 35 ? 2 : s / 12;
    for (int i = 1; i <= TOP_BELT_SPEED; ++i)
        fillPixels(renderer, {r.x + 3 + (i - 1) * pitch, r.y + s - 5, box, 3}, i <= speed ? SPEED_LIT : SPEED_UNLIT);
}

// ---- Source and sink --------------------------------------------------------

constexpr PackedColor STATUS_ON = packColor(70, 220, 95);
constexpr PackedColor STATUS_OFF = packColor(220, 65, 65);
constexpr PackedColor STATUS_SOCKET = packColor(20, 24, 28);
constexpr PackedColor SOURCE_MARKER = packColor(241, 222, 145);
constexpr PackedColor WHITE = packColor(255, 255, 255);

// The housing both share, in the source's colours and the sink's.
struct BodyColours {
    PackedColor lid;
    PackedColor body;
};

void drawBody(const FillDesignRect& fill, const BodyColours& c)
{
    const DesignFill layers[] = {
        {3, 5, 26, 24, packColor(19, 27, 34)},
        {5, 4, 22, 3, c.lid},
        {5, 7, 22, 20, c.body},
        {7, 9, 18, 15, packColor(24, 34, 41)},
        {8, 10, 16, 3, packColor(84, 101, 109)},
        {6, 27, 6, 3, packColor(21, 27, 31)},
        {20, 27, 6, 3, packColor(21, 27, 31)},
    };
    fillDesigns(fill, layers);
}

// A hopper with a crate of goods in it.
constexpr DesignFill SOURCE_DETAIL[] = {
    {9, 20, 14, 3, packColor(38, 48, 52)},    {10, 21, 2, 2, packColor(139, 157, 159)},
    {15, 21, 2, 2, packColor(139, 157, 159)}, {20, 21, 2, 2, packColor(139, 157, 159)},
    {11, 13, 10, 8, packColor(20, 25, 28)},   {12, 12, 8, 8, packColor(218, 181, 91)},
    {13, 13, 6, 2, packColor(249, 220, 139)}, {15, 12, 2, 8, packColor(145, 105, 50)},
};

// A funnel narrowing into a dark drain.
constexpr DesignFill SINK_DETAIL[] = {
    {9, 13, 14, 3, packColor(231, 170, 55)},  {10, 16, 12, 3, packColor(202, 139, 38)},
    {12, 19, 8, 3, packColor(113, 75, 31)},   {14, 22, 4, 3, packColor(8, 12, 15)},
    {10, 13, 2, 6, packColor(255, 210, 105)}, {20, 13, 2, 6, packColor(93, 59, 27)},
};

// A lamp in a dark socket at the top right: green when on.
void drawStatusLight(SDL_Renderer* renderer, const SDL_Rect& r, bool on)
{
    const int s = r.w <= 34 ? 6 : r.w / 5;
    fillPixels(renderer, {r.x + r.w - s - 4, r.y + 2, s + 2, s + 2}, STATUS_SOCKET);
    fillPixels(renderer, {r.x + r.w - s - 3, r.y + 3, s, s}, on ? STATUS_ON : STATUS_OFF);
}

// ---- Arm hub ----------------------------------------------------------------

PackedColor filterLightColour(CargoMask filter)
{
    if (filter == 0) return packColor(185, 68, 70);
    if (filter == ALL_CARGO) return packColor(90, 205, 151);
    if (filter == cargoBit(LOG)) return packColor(223, 123, 85);
    return packColor(223, 185, 85);
}

// ---- Tunnel -----------------------------------------------------------------

// A design rectangle given by its edges, (x0, y0) to (x1, y1).
struct Edges {
    int x0, y0, x1, y1;
    PackedColor colour;
};

void fillEdges(const FillDesignRectRotatedRgb& fill, const Edges& e)
{
    fill(e.x0, e.y0, e.x1 - e.x0, e.y1 - e.y0, e.colour & 0xFF, (e.colour >> 8) & 0xFF, (e.colour >> 16) & 0xFF);
}

// The portal facing south, before its accent and its rungs.
constexpr Edges TUNNEL_PORTAL[] = {
    {2, 5, 30, 31, packColor(15, 21, 27)},   {4, 3, 28, 28, packColor(69, 86, 98)},
    {6, 2, 26, 5, packColor(129, 150, 161)}, {5, 5, 27, 10, packColor(94, 114, 126)},
    {7, 6, 25, 7, packColor(158, 176, 183)}, {7, 10, 25, 28, packColor(28, 39, 48)},
    {9, 12, 23, 25, packColor(9, 16, 23)},   {10, 13, 22, 18, packColor(5, 10, 16)},
    {10, 19, 22, 29, packColor(40, 52, 60)},
};

// ---- Ejector tile -----------------------------------------------------------

constexpr DesignFill EJECTOR_BASE[] = {
    {3, 5, 26, 24, packColor(18, 25, 31)},   {5, 7, 22, 20, packColor(76, 91, 99)},
    {7, 9, 18, 16, packColor(34, 44, 51)},   {9, 11, 14, 12, packColor(104, 121, 127)},
    {12, 13, 8, 6, packColor(197, 151, 64)}, {13, 14, 6, 4, packColor(243, 196, 91)},
};

}  // namespace

int beltSlatTravel(int beltSpeed, int tileSize, float time)
{
    const int pitch = tileSize / 4;
    if (pitch <= 0) return 0;
    const float phase = beltSpeed * time / 3.0f;
    const int travelled = static_cast<int>(tileSize * phase * 1.7f) % pitch;
    return travelled < 0 ? travelled + pitch : travelled;
}

int beltSlatOffset(const Tile& tile, int tileSize, float time)
{
    const int pitch = tileSize / 4;
    if (pitch <= 0 || !isCompassDirection(tile.dir)) return 0;
    const int travelled = beltSlatTravel(tile.beltSpeed, tileSize, time);
    if (tile.dir == EAST || tile.dir == SOUTH) return travelled;
    return (pitch - travelled) % pitch;
}

void drawBeltSprite(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile, float time)
{
    const int s = r.w;
    const auto [m, k, rail] = beltMeasures(s);
    const BeltFrame belt{r, tile.dir == NORTH || tile.dir == SOUTH};

    fillPixels(renderer, belt.rect(rail - m, 0, s - 2 * (rail - m), s), BELT_BAND);
    fillPixels(renderer, belt.rect(rail, 0, s - 2 * rail, s), BELT_BED);

    const int pitch = s / 4;
    for (int a = beltSlatOffset(tile, s, time); pitch > 0 && a < s; a += pitch) {
        belt.line(renderer, rail + 1, a, s - rail - 2, a, BELT_SLAT);
        if (a + 2 < s) belt.line(renderer, rail + 1, a + 2, s - rail - 2, a + 2, BELT_SLAT_SHADOW);
    }

    belt.line(renderer, rail - m, 0, rail - m, s - 1, BELT_EDGE);
    belt.line(renderer, s - rail + m - 1, 0, s - rail + m - 1, s - 1, BELT_EDGE);
    for (const int q : {s / 4, 3 * s / 4}) {
        for (const int across : {rail - k, s - 1 - rail + k}) {
            const SDL_Point p = belt.at(across, q);
            drawPixel(renderer, p.x, p.y, BELT_RIVET);
        }
    }
    drawSpeedLevel(renderer, r, tile.beltSpeed);
}

void drawSourceSinkBody(SDL_Renderer* renderer, const SDL_Rect& r, bool sink)
{
    const FillDesignRect fill{renderer, r};
    if (sink) {
        drawBody(fill, {packColor(248, 190, 76), packColor(157, 105, 35)});
        fillDesigns(fill, SINK_DETAIL);
    } else {
        drawBody(fill, {packColor(112, 166, 237), packColor(43, 79, 153)});
        fillDesigns(fill, SOURCE_DETAIL);
    }
}

void drawSourceMarks(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile)
{
    const int s = r.w;
    const int side = s <= 35 ? 3 : s / 9;
    SDL_Point at{r.x + s - 7, r.y + s / 2 - 2};
    if (tile.dir == SOUTH) at = {r.x + s / 2 - 2, r.y + s - 7};
    if (tile.dir == NORTH) at = {r.x + s / 2 - 2, r.y + 4};
    if (tile.dir == WEST) at = {r.x + 4, r.y + s / 2 - 2};
    fillPixels(renderer, {at.x, at.y, side, side}, SOURCE_MARKER);
    drawStatusLight(renderer, r, tile.sourceRunning);
}

void drawSinkMarks(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile)
{
    setDrawColor(renderer, WHITE);
    drawDirectionArrow(renderer, r.x, r.y, r.w, r.h, tile.dir);
    drawStatusLight(renderer, r, tile.sinkAccepting);
}

void drawArmHub(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile)
{
    const int s = r.w;
    const int cx = r.x + s / 2;
    const int cy = r.y + s / 2;
    const int hub = s <= 17 ? 4 : 2 * s / 7;
    fillPixels(renderer, {cx - s / 7, cy - s / 7, hub, hub}, packColor(190, 199, 195));
    const int centre = s <= 20 ? 2 : s / 7;
    fillPixels(renderer, {cx - s / 14, cy - s / 14, centre, centre}, packColor(38, 42, 46));
    const int light = s <= 34 ? 6 : s / 5;
    fillPixels(renderer, {r.x + s - light - 2, r.y + 2, light, light}, filterLightColour(tile.armCargoFilter));
}

void drawTunnelSprite(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile)
{
    const bool exit = tile.type == TUNNEL_EXIT;
    const Direction facing = exit ? tile.dir : SOUTH;
    const FillDesignRectRotatedRgb fillRgb{renderer, r, facing};
    const auto fill = [&](const Edges& e) { fillEdges(fillRgb, e); };

    for (const Edges& e : TUNNEL_PORTAL)
        fill(e);
    // Rungs down into the dark.
    for (const int i : {10, 7, 4}) {
        fill({10, 31 - i, 22, 32 - i, packColor(87, 104, 112)});
        fill({11, 32 - i, 21, 33 - i, packColor(22, 31, 39)});
    }
    fill({7, 11, 9, 29, packColor(130, 148, 151)});
    fill({23, 11, 25, 29, packColor(54, 70, 81)});
    // Warning stripes on both posts.
    for (const int i : {16, 10, 4}) {
        fill({4, 29 - i, 7, 32 - i, packColor(220, 171, 65)});
        fill({25, 29 - i, 28, 32 - i, packColor(220, 171, 65)});
        fill({4, 32 - i, 7, 35 - i, packColor(32, 40, 46)});
        fill({25, 32 - i, 28, 35 - i, packColor(32, 40, 46)});
    }
    // The sign: blue at an entrance, green at an exit.
    fill({11, 8, 21, 10, exit ? packColor(101, 207, 133) : packColor(71, 177, 219)});
    fill({12, 8, 20, 9, packColor(185, 226, 226)});
    fillRgb(5, 7, 1, 1, 203, 214, 214);
    fillRgb(26, 7, 1, 1, 203, 214, 214);
    fill({3, 29, 10, 31, packColor(88, 105, 113)});
    fill({22, 29, 29, 31, packColor(88, 105, 113)});
}

void drawEjectorTile(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile)
{
    const FillDesignRect fill{renderer, r};
    fillDesigns(fill, EJECTOR_BASE);
    const PackedColor slot = packColor(30, 43, 49);
    if (tile.dir == NORTH || tile.dir == SOUTH) {
        fill(14, 10, 4, 12, slot);
    } else {
        fill(10, 14, 12, 4, slot);
    }
    fill(24, 5, 4, 4, packColor(10, 17, 22));
    fill(25, 6, 2, 2, tile.ejectorActive ? packColor(79, 229, 111) : packColor(235, 72, 73));
}
