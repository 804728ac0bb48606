#pragma once

#include "support/world_builders.h"

// A world with a powered 5V supply at (70, 50), for sensors, logic and the
// machines they switch.
struct SignalBench {
    static constexpr int SUPPLY_X = 70;
    static constexpr int SUPPLY_Y = 50;

    Game game = emptyGame();

    SignalBench() { feed5V(game, SUPPLY_X, SUPPLY_Y, {}); }

    // A logic component built as the player builds it, cabled to the supply.
    Tile& onLogic(ControlType type, int x, int y)
    {
        game.dcLinks.push_back(Link{SUPPLY_X, SUPPLY_Y, x, y});
        return build(game, type, x, y);
    }

    // A fresh sensor cabled to the supply (defaults: coal, limit 3, THEN ON, ELSE no change).
    Tile& onSensor(int x, int y, Direction dir = NONE)
    {
        game.dcLinks.push_back(Link{SUPPLY_X, SUPPLY_Y, x, y});
        return setTile(game, x, y, SENSOR, dir);
    }

    void wire(int x0, int y0, int x1, int y1, int input = 0, int param = 0)
    {
        game.signalControlLinks.push_back(Link{x0, y0, x1, y1, input, param});
    }

    void measure(int sensorX, int sensorY, int x, int y)
    {
        game.signalMeasureLinks.push_back(Link{sensorX, sensorY, x, y});
    }

    void refresh(float dt = 0.0f) { game.updateNetworks(dt); }

    void setPower(bool on)
    {
        game.tileAt(SUPPLY_X, SUPPLY_Y + 1).generatorOn = on;
        refresh();
    }

    // Presses and releases a button: one rising edge.
    void press(Tile& button)
    {
        button.buttonPressed = true;
        refresh();
        button.buttonPressed = false;
        refresh();
    }
};
