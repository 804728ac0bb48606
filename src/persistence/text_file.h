#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

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

// As readRegularFile, but a file longer than maxBytes gives the whole lines
// within its first maxBytes bytes instead of nothing.
FileText readLeadingLines(const std::filesystem::path& file, std::size_t maxBytes,
                          const SystemCalls& calls = realSystemCalls());
