#pragma once

#include <filesystem>

// The whole side panel as the shell draws it: the help pages, the power
// overview, the multi-selection panel and its shared views, and the
// information panel of each control that has one. True when written.
bool writeSidePanelGallery(const std::filesystem::path& out);
