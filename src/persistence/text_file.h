#pragma once

#include <filesystem>
#include <string_view>

// Writes the text over the file in place. True only when every byte reached the
// file and it closed cleanly: a full disk shows up when the buffer is flushed on closing.
bool writeWholeFile(const std::filesystem::path& file, std::string_view text);
