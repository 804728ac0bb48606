#pragma once

#include <filesystem>

// The control sprites as the painter draws them, one PNG a control type, each
// in its main states at the map's zoom sizes; the ejector's moving parts and the
// no-power bolt in pictures of their own. True when every picture was written.
bool writeControlGallery(const std::filesystem::path& out);
