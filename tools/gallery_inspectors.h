#pragma once

#include <filesystem>

// The side panel's inspectors of belts, shops, arms, storages, sources, sinks,
// kilns, smelters, bottling plants and cargo items, and the menu's pages over a
// dimmed window, in their main states. True when every picture was written.
bool writeInspectorGallery(const std::filesystem::path& out);
