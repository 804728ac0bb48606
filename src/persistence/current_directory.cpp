#include "persistence/current_directory.h"

std::optional<std::filesystem::path> currentDirectory()
{
    std::error_code error;
    std::filesystem::path directory = std::filesystem::current_path(error);
    if (error || directory.empty()) return std::nullopt;
    return directory;
}
