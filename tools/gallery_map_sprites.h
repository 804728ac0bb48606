#pragma once

#include <filesystem>

// Bridges over belts in every direction with their slat frames, the sixteen
// water-pipe shapes with their flow, and controls drawn from exported sheets
// beside the painter's own pictures. True when every picture was written.
bool writeMapSpriteGallery(const std::filesystem::path& out);
