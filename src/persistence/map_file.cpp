// Map files: loading, and saving through a temporary file that must read back
// before it replaces the target.
#include <fstream>
#include <sstream>

#include "persistence/durable_file.h"
#include "world/game.h"

namespace {

// "karte-3.map" is first written as "karte-3.map.tmp" beside it.
std::filesystem::path temporaryPathFor(const std::filesystem::path& target)
{
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    return temporary;
}

// The read-back runs the whole reader on a world of its own.
bool readsBack(const std::filesystem::path& file)
{
    std::ifstream in(file);
    Game scratch;
    return scratch.readMap(in);
}

}  // namespace

bool Game::loadFromFile(const std::filesystem::path& file)
{
    std::ifstream in(file);
    return readMap(in);
}

bool Game::saveFileAtomically(const std::filesystem::path& target) const
{
    std::ostringstream text;
    if (!writeMap(text)) return false;
    const std::filesystem::path temporary = temporaryPathFor(target);
    return writeFileDurably(temporary, text.view()) && readsBack(temporary) && replaceFileDurably(temporary, target);
}
