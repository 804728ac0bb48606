#pragma once

// A test that reads or writes the control sheet folder runs in a scratch
// directory of its own as the current directory, as the game finds its assets.

#include <filesystem>

#include "render/asset_files.h"
#include "support/scratch_directory.h"

struct ScratchAssets : ScratchDirectory {
    std::filesystem::path previous = std::filesystem::current_path();

    ScratchAssets()
    {
        std::filesystem::create_directories(controls());
        std::filesystem::current_path(path);
    }
    ~ScratchAssets() { std::filesystem::current_path(previous); }

    std::filesystem::path controls() const { return path / CONTROL_SHEET_FOLDER; }

    void writeControlFile(const std::string& name, std::string_view bytes) const
    {
        write((std::filesystem::path(CONTROL_SHEET_FOLDER) / name).string(), bytes);
    }
};
