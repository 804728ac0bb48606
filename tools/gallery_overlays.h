#pragma once

#include <filesystem>

// Whole windows of a small factory, one per overlay the map view draws while
// the player points, drags and edits: ranges, previews, tints, frames, the
// lines of links being laid and the diagnostics. Each picture is named after
// its overlay ("overlay-...png") and captioned beside the map. True when
// every file was written.
bool writeOverlayFrames(const std::filesystem::path& out);
