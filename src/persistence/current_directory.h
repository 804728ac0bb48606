#pragma once

#include <filesystem>
#include <optional>

// The directory that holds the settings file, the save slots and the autosave: the
// process's current directory, or nothing when the system cannot tell.
std::optional<std::filesystem::path> currentDirectory();
