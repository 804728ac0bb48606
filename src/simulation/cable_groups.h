#pragma once

#include <vector>

struct Link;

// Puts every tile in a set of its own and joins the two ends of each cable
// inside the grid, in list order. The second end's root is hung under the
// first end's root, so a network's root, which is its id, follows from the
// cable order alone.
void groupByCables(const std::vector<Link>& cables, std::vector<int>& parent);

// The root of the tile's set. Shortens the paths it walks; roots stay as they are.
int cableRoot(std::vector<int>& parent, int tile);
