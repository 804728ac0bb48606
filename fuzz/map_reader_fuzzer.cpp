// Feeds arbitrary bytes to the map reader. Whatever it accepts must be a world
// the game can save: its own map text has to read back.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "world/game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A refused text leaves a world as it was, so the worlds can serve every input.
    static Game game;
    static Game again;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    if (!game.readMap(in)) return 0;
    std::stringstream text;
    if (!game.writeMap(text) || !again.readMap(text)) std::abort();
    return 0;
}
