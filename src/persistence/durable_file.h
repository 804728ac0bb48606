#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

#include "persistence/system_calls.h"

// File operations that are on disk for good once they report success.

// Writes every byte of the text to fd, however few each write takes.
bool writeAll(int fd, std::string_view text, const SystemCalls& calls);

// Syncs the directory that holds file, so that a file created or renamed there
// survives a crash.
bool syncDirectoryOf(const std::filesystem::path& file, const SystemCalls& calls);

// Puts the text on disk under target so that target is at every moment either
// its old or its new complete content. The text goes first into target's name
// with ".tmp" appended, locked against other savers of the same target; it is
// synced, read back through the same open file and handed to accepts, and only
// then renamed over target with target's permission bits. Where target is a
// link, the file it leads to is replaced and the link stays; a target that is
// no regular file (a pipe, a device) is refused untouched. True once the new
// content is there for good. On failure target is unchanged, except when only
// the final directory sync failed: the new content is then in place but may not
// survive a crash. A failed save may leave the temporary file.
bool replaceFileAtomically(const std::filesystem::path& target, std::string_view text,
                           const std::function<bool(std::string_view)>& accepts, const SystemCalls& calls);
// The same for a text that needs no check beyond reading back as written.
bool replaceFileAtomically(const std::filesystem::path& target, std::string_view text, const SystemCalls& calls);
