#pragma once

// The bottleneck conditions of one tile, as bits of the value Game::tileWarnings returns.
enum TileWarning : unsigned {
    INPUT_RESTRICTED = 1,  // intake switched off or narrowed
    STORAGE_FULL = 2,      // a storage holding 100 units or more
    COAL_MISSING = 4,      // a smelter without coal while work waits
    OUTPUT_BLOCKED = 8,    // a finished product that nothing in front can take
};
