#pragma once

// One cable or wire. For wires the first end drives, the second is the target.
struct Link {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
    int input = 0;  // input index at the target: 0 = A, 1 = B
    int param = 0;  // stepper output that drives the wire, 0 otherwise

    friend bool operator==(const Link&, const Link&) = default;
};

// The four link lists of a game, numbered as the pointer picks and removes them.
enum LinkKind : int {
    NO_LINK = 0,
    POWER_CABLE = 1,   // Game::powerLinks
    MEASURE_WIRE = 2,  // Game::signalMeasureLinks
    SWITCH_WIRE = 3,   // Game::signalControlLinks
    DC_CABLE = 4,      // Game::dcLinks
};
