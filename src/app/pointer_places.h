#pragma once

#include "app/loop_state.h"

// Where a window point lies over the map view: what the pointer's presses
// and the previews that follow it both ask.

// Inside the map viewport.
bool insideView(const LoopState& state, int px, int py);
// On the floating tool palette or its open group pop-up.
bool onToolPanel(const LoopState& state, int px, int py);
// Inside the minimap while it is shown.
bool onMinimap(const LoopState& state, int px, int py);
