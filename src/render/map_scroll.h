#pragma once

// How the map lies in the window: map pixel (mx, my) is drawn at window pixel
// (mx - scrollX, my - scrollY), and a tile is tileSize pixels square.
struct MapScroll {
    int scrollX = 0;
    int scrollY = 0;
    int tileSize = 32;
};
