#pragma once

#include <filesystem>

// The interface panels as the player sees them over the map: the tool palette
// with its pop-ups, the bottom bar, the settings window, the income texts over
// shops and the tool help panels, in their main states. True when every
// picture was written.
bool writePanelGallery(const std::filesystem::path& out);
