#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

#include "persistence/system_calls.h"

class Game;

// Far above the largest map the game can write, so that only a file that is no
// map is refused unread.
constexpr std::size_t MAX_MAP_FILE_BYTES = 64 << 20;

// Map files through the given system calls; Game::loadFromFile and
// Game::saveFileAtomically use the real ones.

// False, with the world unchanged, when the file cannot be read or is refused.
bool loadMapFile(Game& game, const std::filesystem::path& file, const SystemCalls& calls);
bool saveMapFile(const Game& game, const std::filesystem::path& target, const SystemCalls& calls);
// Saves map text as saveMapFile does, once it has read back as a map.
bool saveMapText(const std::filesystem::path& target, std::string_view text, const SystemCalls& calls);
