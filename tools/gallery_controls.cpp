#include "gallery_controls.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "gallery_picture.h"
#include "render/control_sprite.h"
#include "render/ejector_sprite.h"
#include "render/no_power_bolt.h"

namespace {

// One state of a control: the tile and what the caller passes with it.
struct Sample {
    std::string caption;
    Tile tile;
    float time = 0.0f;
    bool powered = false;
};

struct ControlSamples {
    const char* file;
    std::vector<Sample> samples;
};

Tile tileOf(ControlType type, Direction dir, const std::function<void(Tile&)>& set = {})
{
    Tile t;
    t.type = type;
    t.dir = dir;
    if (set) set(t);
    return t;
}

std::vector<Sample> armSamples(ControlType type)
{
    const auto filter = [type](CargoMask mask) {
        return tileOf(type, NONE, [mask](Tile& t) { t.armCargoFilter = mask; });
    };
    return {{"all cargo", filter(ALL_CARGO)},
            {"none", filter(0)},
            {"logs only", filter(cargoBit(LOG))},
            {"some", filter(cargoBit(COAL) | cargoBit(IRON_ORE))}};
}

std::vector<ControlSamples> controlSamples()
{
    const auto belt = [](Direction d, int speed) { return tileOf(BELT, d, [speed](Tile& t) { t.beltSpeed = speed; }); };
    const auto source = [](Direction d, bool running) {
        return tileOf(SOURCE, d, [running](Tile& t) { t.sourceRunning = running; });
    };
    const auto sink = [](Direction d, bool accepting) {
        return tileOf(SINK, d, [accepting](Tile& t) { t.sinkAccepting = accepting; });
    };
    const auto generator = [](bool on, float burn) {
        return tileOf(COAL_GENERATOR, NONE, [on, burn](Tile& t) {
            t.generatorOn = on;
            t.generatorBurnTime = burn;
        });
    };
    const auto molder = [](float timer, int output) {
        return tileOf(INJECTION_MOLDER, EAST, [timer, output](Tile& t) {
            t.molderTimer = timer;
            t.molderOutputCount = output;
        });
    };
    const auto ejector = [](Direction d, bool active) {
        return tileOf(EJECTOR, d, [active](Tile& t) { t.ejectorActive = active; });
    };
    return {
        {"control-00-empty.png", {{"empty", tileOf(EMPTY, NONE)}}},
        {"control-01-plain.png", {{"plain", tileOf(PLAIN, NONE)}}},
        {"control-02-belt.png",
         {{"east", belt(EAST, 3)},
          {"east t 0.5", belt(EAST, 3), 0.5f},
          {"south", belt(SOUTH, 3)},
          {"west stopped", belt(WEST, 0)},
          {"north speed 1", belt(NORTH, 1), 0.5f},
          {"east speed 5", belt(EAST, 5), 0.5f}}},
        {"control-03-source.png",
         {{"east running", source(EAST, true)},
          {"south stopped", source(SOUTH, false)},
          {"west running", source(WEST, true)},
          {"north stopped", source(NORTH, false)}}},
        {"control-04-sink.png",
         {{"no facing", sink(NONE, true)},
          {"west", sink(WEST, true)},
          {"east refusing", sink(EAST, false)},
          {"north", sink(NORTH, true)}}},
        {"control-05-arm.png", armSamples(ARM)},
        {"control-06-long-arm.png", armSamples(LONG_ARM)},
        {"control-16-tunnel-entrance.png",
         {{"south", tileOf(TUNNEL, SOUTH)}, {"north", tileOf(TUNNEL, NORTH)}, {"east", tileOf(TUNNEL, EAST)}}},
        {"control-17-tunnel-exit.png",
         {{"north", tileOf(TUNNEL_EXIT, NORTH)},
          {"east", tileOf(TUNNEL_EXIT, EAST)},
          {"south", tileOf(TUNNEL_EXIT, SOUTH)},
          {"west", tileOf(TUNNEL_EXIT, WEST)}}},
        {"control-18-shop.png",
         {{"east", tileOf(SHOP, EAST)},
          {"south", tileOf(SHOP, SOUTH)},
          {"west", tileOf(SHOP, WEST)},
          {"north", tileOf(SHOP, NORTH)}}},
        {"control-19-coal-generator.png",
         {{"off", generator(false, 0)},
          {"on without coal", generator(true, 0)},
          {"burning", generator(true, 10), 0.0f},
          {"burning t 0.4", generator(true, 10), 0.4f},
          {"off with coal", generator(false, 10)}}},
        {"control-20-power-pole.png",
         {{"unconnected", tileOf(POWER_POLE, NONE)},
          {"connected", tileOf(POWER_POLE, NONE), 0.0f, true},
          {"connected t 0.2", tileOf(POWER_POLE, NONE), 0.2f, true}}},
        {"control-21-injection-molder.png",
         {{"idle", molder(0, 0)},
          {"closing", molder(0.25f, 0)},
          {"injecting", molder(1.2f, 0)},
          {"cooling", molder(2.6f, 0)},
          {"opening", molder(3.5f, 0)},
          {"idle gears waiting", molder(0, 2)}}},
        {"control-22-water-source.png", {{"water source", tileOf(WATER_SOURCE, NONE)}}},
        {"control-23-water-pipe.png", {{"water pipe", tileOf(WATER_PIPE, NONE)}}},
        {"control-24-sensor.png",
         {{"sensor", tileOf(SENSOR, EAST)},
          {"watching, output on", tileOf(SENSOR, WEST,
                                         [](Tile& t) {
                                             t.sensorWatchItems = true;
                                             t.signalOut = true;
                                         })}}},
        {"control-25-ejector.png",
         {{"east", ejector(EAST, true)}, {"north off", ejector(NORTH, false)}, {"south", ejector(SOUTH, true)}}},
    };
}

// ---- Machines and logic components -------------------------------------------

std::vector<Sample> gateSamples(ControlType type)
{
    const auto gate = [type](bool a, bool b, bool out) {
        return tileOf(type, NONE, [=](Tile& t) {
            t.inputA = a;
            t.inputB = b;
            t.signalOut = out;
        });
    };
    if (type == LOGIC_NOT) return {{"in off, out on", gate(false, false, true)}, {"in on", gate(true, false, false)}};
    return {{"all off", gate(false, false, false)},
            {"a on", gate(true, false, type != LOGIC_AND)},
            {"both on", gate(true, true, type != LOGIC_XOR)},
            {"b on", gate(false, true, type == LOGIC_OR || type == LOGIC_XOR)}};
}

// A timer or clock `elapsed` seconds into its 4-second period.
Tile periodTile(ControlType type, bool running, float elapsed, bool out)
{
    return tileOf(type, NONE, [=](Tile& t) {
        t.periodSeconds = 4;
        t.running = running;
        t.elapsed = elapsed;
        t.signalOut = out;
    });
}

std::vector<ControlSamples> machineAndLogicSamples()
{
    const auto oven = [](ControlType type, Direction d, float timer) {
        return tileOf(type, d, [type, timer](Tile& t) { (type == OVEN ? t.ovenTimer : t.smelterTimer) = timer; });
    };
    const auto filler = [](Direction d, float timer) {
        return tileOf(FILLER, d, [timer](Tile& t) { t.fillerTimer = timer; });
    };
    const auto storage = [](Direction d, bool output) {
        return tileOf(STORAGE, d, [output](Tile& t) { t.storageOutputOn = output; });
    };
    const auto lamp = [](bool on) {
        return tileOf(SIGNAL_LAMP, NONE, [on](Tile& t) {
            t.inputA = on;
            t.signalOut = on;
        });
    };
    const auto counter = [](int count, bool out) {
        return tileOf(LOGIC_COUNTER, NONE, [=](Tile& t) {
            t.counterCount = count;
            t.signalOut = out;
        });
    };
    const auto lever = [](ControlType type, bool on) {
        return tileOf(type, NONE, [type, on](Tile& t) { (type == LOGIC_SWITCH ? t.switchOn : t.buttonPressed) = on; });
    };
    const auto stepper = [](int index, bool out) {
        return tileOf(LOGIC_STEPPER, NONE, [=](Tile& t) {
            t.stepperIndex = index;
            t.signalOut = out;
            t.inputA = out;
        });
    };
    const auto supply = [](bool supplied) {
        return tileOf(POWER_SUPPLY, NONE, [supplied](Tile& t) { t.dcSupplied = supplied; });
    };
    return {
        {"control-11-charcoal-kiln.png",
         {{"idle east", oven(OVEN, EAST, 0)},
          {"idle t 0.2", oven(OVEN, EAST, 0), 0.2f},
          {"working west", oven(OVEN, WEST, 1), 0.0f},
          {"working t 0.4", oven(OVEN, NORTH, 1), 0.4f},
          {"working t 0.55", oven(OVEN, SOUTH, 1), 0.55f}}},
        {"control-12-smelter.png",
         {{"idle east", oven(SMELTER, EAST, 0)},
          {"idle t 0.2", oven(SMELTER, EAST, 0), 0.2f},
          {"working west", oven(SMELTER, WEST, 1), 0.0f},
          {"working t 0.4", oven(SMELTER, NORTH, 1), 0.4f},
          {"working t 0.55", oven(SMELTER, SOUTH, 1), 0.55f}}},
        {"control-13-bottling-plant.png",
         {{"idle east", filler(EAST, 0)},
          {"filling t 0.2", filler(SOUTH, 1), 0.2f},
          {"filling t 0.4", filler(WEST, 1), 0.4f},
          {"idle north", filler(NORTH, 0), 0.4f}}},
        {"control-15-storage.png",
         {{"east output off", storage(EAST, false)},
          {"east output on", storage(EAST, true)},
          {"south", storage(SOUTH, false)},
          {"west", storage(WEST, true)},
          {"north", storage(NORTH, false)}}},
        {"control-26-and.png", gateSamples(LOGIC_AND)},
        {"control-27-or.png", gateSamples(LOGIC_OR)},
        {"control-28-xor.png", gateSamples(LOGIC_XOR)},
        {"control-29-not.png", gateSamples(LOGIC_NOT)},
        {"control-30-signal-lamp.png", {{"off", lamp(false)}, {"on", lamp(true)}}},
        {"control-31-counter.png",
         {{"0", counter(0, false)},
          {"42", counter(42, false)},
          {"at target, output on", counter(99999, true)},
          {"six digits", counter(123456, false)},
          {"negative", counter(-5, false)}}},
        {"control-32-timer.png",
         {{"idle", periodTile(LOGIC_TIMER, false, 0, false)},
          {"running 1 of 4 s", periodTile(LOGIC_TIMER, true, 1, false)},
          {"running 2.5 of 4 s", periodTile(LOGIC_TIMER, true, 2.5f, false)},
          {"pulse", periodTile(LOGIC_TIMER, false, 0, true)}}},
        {"control-33-clock.png",
         {{"stopped", periodTile(LOGIC_CLOCK, false, 0, false)},
          {"running 1 of 4 s", periodTile(LOGIC_CLOCK, true, 1, false)},
          {"running 3 of 4 s", periodTile(LOGIC_CLOCK, true, 3, false)},
          {"tick", periodTile(LOGIC_CLOCK, true, 0, true)}}},
        {"control-34-switch.png", {{"off", lever(LOGIC_SWITCH, false)}, {"on", lever(LOGIC_SWITCH, true)}}},
        {"control-35-button.png", {{"raised", lever(LOGIC_BUTTON, false)}, {"pressed", lever(LOGIC_BUTTON, true)}}},
        {"control-36-stepper.png",
         {{"never stepped", stepper(-1, false)},
          {"step 1", stepper(0, true)},
          {"step 3", stepper(2, true)},
          {"step 4, output off", stepper(3, false)}}},
        {"control-37-5v-supply.png", {{"without 5v", supply(false)}, {"with 5v", supply(true)}}},
        {"control-38-rs-latch.png", gateSamples(LOGIC_RS)},
    };
}

constexpr int MARGIN = 16;
constexpr int CAPTION = 12;
constexpr int LARGEST = 64;

// One row a state with its caption, one column a zoom size.
bool writeSamples(const std::filesystem::path& out, const ControlSamples& control)
{
    const int row = CAPTION + LARGEST + MARGIN;
    const int rows = static_cast<int>(control.samples.size());
    Picture picture(MARGIN + 3 * (LARGEST + MARGIN) + 120, MARGIN + rows * row);
    SDL_Renderer* r = picture.renderer();
    for (int i = 0; i < rows; ++i) {
        const Sample& s = control.samples[i];
        const int y = MARGIN + i * row;
        label(r, s.caption, MARGIN, y);
        int x = MARGIN;
        for (const int size : ZOOMS) {
            // A tile position and scroll that put the square at (x, y + caption).
            drawControlSprite(r, s.tile, 1, 1, size - x, size - y - CAPTION, size, s.time, s.powered);
            x += LARGEST + MARGIN;
        }
    }
    return picture.save(out / control.file);
}

constexpr const char* FACING_NAMES[] = {"none", "north", "east", "south", "west"};

// A distributor or mixer as its two tiles, drawn one after the other as the map
// draws them, in the four facings; a second column of each zoom a moment later.
bool writePairs(const std::filesystem::path& out, ControlType mainType, const char* file)
{
    constexpr float TIMES[] = {0.0f, 0.4f};
    constexpr int CELL = 2 * LARGEST + MARGIN;
    const int row = CAPTION + 2 * LARGEST + MARGIN;
    Picture picture(MARGIN + 3 * 2 * CELL, MARGIN + 4 * row);
    SDL_Renderer* r = picture.renderer();
    for (Direction d = NORTH; d <= WEST; ++d) {
        const int y = MARGIN + (d - 1) * row;
        const Tile main = tileOf(mainType, d);
        const Tile second = tileOf(mainType + 1, d);
        const int sideX = directionDx(clockwiseDirection(d)), sideY = directionDy(clockwiseDirection(d));
        int x = MARGIN;
        for (const int size : ZOOMS) {
            for (const float time : TIMES) {
                label(r, std::string(FACING_NAMES[d]) + (time > 0.0f ? " t 0.4" : ""), x, y);
                // The main tile where the pair's picture keeps both tiles inside the cell.
                const int mainX = x + (sideX < 0 ? size : 0), mainY = y + CAPTION + (sideY < 0 ? size : 0);
                drawControlSprite(r, main, 0, 0, -mainX, -mainY, size, time, true);
                drawControlSprite(r, second, 0, 0, -(mainX + sideX * size), -(mainY + sideY * size), size, time, true);
                x += CELL;
            }
        }
    }
    return picture.save(out / file);
}

// The ejector pushing across the belts around it, at rest, one tile out and
// fully out: rail under the items, plate over them.
bool writeEjectorStrokes(const std::filesystem::path& out)
{
    struct Push {
        Direction facing;
        float stroke;
    };
    const Push pushes[] = {{NORTH, 0.5f}, {EAST, 1.0f}, {SOUTH, 2.0f}, {WEST, 0.5f}};
    constexpr int FIELD = 5;
    const int column = FIELD * LARGEST + MARGIN;
    Picture picture(MARGIN + 4 * column, MARGIN + (FIELD * (24 + 32 + 64)) + 3 * (CAPTION + MARGIN));
    SDL_Renderer* r = picture.renderer();
    int top = MARGIN;
    for (const int size : ZOOMS) {
        for (int i = 0; i < 4; ++i) {
            const Push& push = pushes[i];
            const int left = MARGIN + i * column;
            label(r, "stroke " + std::to_string(push.stroke).substr(0, 3), left, top);
            const Tile ejector = tileOf(EJECTOR, push.facing, [&](Tile& t) { t.ejectorStroke = push.stroke; });
            const bool alongX = push.facing == EAST || push.facing == WEST;
            const Tile belt = tileOf(BELT, alongX ? SOUTH : EAST);
            const int scrollX = -left, scrollY = -(top + CAPTION);
            for (int ty = 0; ty < FIELD; ++ty) {
                for (int tx = 0; tx < FIELD; ++tx) {
                    const bool centre = tx == 2 && ty == 2;
                    const bool onBelt = alongX ? tx != 2 : ty != 2;
                    drawControlSprite(r,
                                      centre   ? ejector
                                      : onBelt ? belt
                                               : Tile{},
                                      tx, ty, scrollX, scrollY, size, 0.0f, false);
                }
            }
            const int x = 2 * size - scrollX, y = 2 * size - scrollY;
            drawEjectorSprite(r, x, y, size, size, ejector, true, false);
            drawEjectorSprite(r, x, y, size, size, ejector, false, true);
        }
        top += CAPTION + FIELD * size + MARGIN;
    }
    return picture.save(out / "ejector-strokes.png");
}

// The bolt, bright and dim, over an unpowered arm at each zoom size.
bool writeNoPowerBolt(const std::filesystem::path& out)
{
    Picture picture(MARGIN + 2 * 3 * (LARGEST + MARGIN), MARGIN + CAPTION + LARGEST + MARGIN);
    SDL_Renderer* r = picture.renderer();
    const Tile arm = tileOf(ARM, NONE);
    int x = MARGIN;
    for (const float time : {0.25f, 0.75f}) {
        label(r, time < 0.5f ? "bright" : "dim", x, MARGIN);
        for (const int size : ZOOMS) {
            const int y = MARGIN + CAPTION;
            drawControlSprite(r, arm, 0, 0, -x, -y, size, 0.0f, false);
            drawNoPowerBolt(r, x, y, size, size, time);
            x += LARGEST + MARGIN;
        }
    }
    return picture.save(out / "no-power-bolt.png");
}

}  // namespace

bool writeControlGallery(const std::filesystem::path& out)
{
    bool ok = true;
    for (const ControlSamples& control : controlSamples())
        ok = writeSamples(out, control) && ok;
    for (const ControlSamples& control : machineAndLogicSamples())
        ok = writeSamples(out, control) && ok;
    ok = writePairs(out, DISTRIBUTOR, "control-07-08-distributor.png") && ok;
    ok = writePairs(out, MIXER, "control-09-10-mixer.png") && ok;
    ok = writeEjectorStrokes(out) && ok;
    return writeNoPowerBolt(out) && ok;
}
