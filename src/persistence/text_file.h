#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "persistence/system_calls.h"

// Why a file's text could not be had.
enum class FileFault { None, Missing, CannotOpen, NotARegularFile, TooLarge, ReadError };

struct FileText {
    std::string text;
    FileFault fault = FileFault::None;
};

// The whole text of a regular file of at most maxBytes bytes. A directory, a
// pipe or a device is refused without reading, so that nothing the player points
// the game at can block it or feed it without end; every read error is a fault.
FileText readRegularFile(const std::filesystem::path& file, std::size_t maxBytes,
                         const SystemCalls& calls = realSystemCalls());

// Writes the text over the regular file in place and syncs it and its directory.
// True only when every byte is on disk; a failure may leave a partial file.
bool writeWholeFile(const std::filesystem::path& file, std::string_view text,
                    const SystemCalls& calls = realSystemCalls());
