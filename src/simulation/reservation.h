#pragma once

// A jump point that an item will take, kept free for it during one pass of
// the smooth movement.
struct Reservation {
    int owner = -1;  // item index
    float x = 0.0f;
    float y = 0.0f;
};
