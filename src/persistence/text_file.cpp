#include "persistence/text_file.h"

#include <fstream>

bool writeWholeFile(const std::filesystem::path& file, std::string_view text)
{
    std::ofstream out(file, std::ios::trunc);
    if (!out.is_open()) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return !out.fail();
}
