#pragma once

#include <filesystem>
#include <string_view>

// File operations that are on disk for good once they report success.

// Creates or truncates the file, writes the text, flushes it and syncs it to
// disk. False on any failure, which may leave a partial file.
bool writeFileDurably(const std::filesystem::path& file, std::string_view text);

// Renames from onto to, replacing it in one step, then syncs the directory so
// that the rename itself survives a crash. False when the rename fails (to is
// then untouched) or the directory cannot be synced.
bool replaceFileDurably(const std::filesystem::path& from, const std::filesystem::path& to);
