#include "app/pointer_places.h"

#include "ui/hud_layout.h"
#include "ui/tool_panel_layout.h"

bool insideView(const LoopState& state, int px, int py)
{
    return px >= 0 && py >= 0 && px < state.viewWidth && py < state.viewHeight;
}

bool onToolPanel(const LoopState& state, int px, int py)
{
    return toolPanelHitTest(px, py, state.toolPanelX, state.toolPanelY, state.openToolGroup, state.viewWidth,
                            state.viewHeight);
}

bool onMinimap(const LoopState& state, int px, int py)
{
    return state.minimapVisible && contains(minimapRect(state.viewWidth, state.viewHeight), px, py);
}
