#pragma once

#include "editing/tool.h"

class Game;
class UndoGuard;
struct MapStroke;

// The tool table: what a left press that reaches the selected tool does on
// tile (x, y), inside the press's guard. The shell has already offered the
// press to control selection and to the item inspector (unless Shift was
// held) and, for DELETE, to the cable or wire under the pointer. A refused
// build leaves the world as it was and shows nothing. The TUNNEL tool keeps
// its chosen entrance between clicks: the shell calls clickTunnelTool. The
// painting tools paint the shell's chosen level or direction: the shell calls
// beginBeltSpeedStroke and beginDirectionStroke.
void pressTool(Tool tool, Game& game, UndoGuard& press, MapStroke& stroke, int x, int y);
