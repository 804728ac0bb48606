// Map files: loading, and saving through a temporary file that must read back
// before it replaces the target.
#include "persistence/map_file.h"

#include <sstream>
#include <string>

#include "persistence/durable_file.h"
#include "persistence/text_file.h"
#include "world/game.h"

namespace {

// The read-back runs the whole reader on a world of its own.
bool readsAsMap(std::string_view text)
{
    std::istringstream in{std::string(text)};
    Game scratch;
    return scratch.readMap(in);
}

}  // namespace

bool loadMapFile(Game& game, const std::filesystem::path& file, const SystemCalls& calls)
{
    FileText read = readRegularFile(file, MAX_MAP_FILE_BYTES, calls);
    if (read.fault != FileFault::None) return false;
    std::istringstream in(std::move(read.text));
    return game.readMap(in);
}

bool saveMapText(const std::filesystem::path& target, std::string_view text, const SystemCalls& calls)
{
    return replaceFileAtomically(target, text, readsAsMap, calls);
}

bool saveMapFile(const Game& game, const std::filesystem::path& target, const SystemCalls& calls)
{
    std::ostringstream text;
    return game.writeMap(text) && saveMapText(target, text.view(), calls);
}

bool Game::loadFromFile(const std::filesystem::path& file) { return loadMapFile(*this, file, realSystemCalls()); }

bool Game::saveFileAtomically(const std::filesystem::path& target) const
{
    return saveMapFile(*this, target, realSystemCalls());
}
