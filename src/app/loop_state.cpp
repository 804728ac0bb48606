#include "app/loop_state.h"

#include <algorithm>

#include "ui/hud_layout.h"
#include "ui/tool_panel_layout.h"

void resizeView(LoopState& state, int windowWidth, int windowHeight)
{
    state.viewWidth = viewWidthFor(windowWidth);
    state.viewHeight = std::max(0, windowHeight);
    clampCamera(state.camera, state.viewWidth, state.viewHeight);
    clampToolPanelPosition(state.toolPanelX, state.toolPanelY, state.viewWidth, state.viewHeight);
}

void endMoveDrag(LoopState& state) { state.moveDrag = MoveDrag{}; }
