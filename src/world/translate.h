#pragma once

#include <string>
#include <string_view>

// A German interface text in the current language. In English every phrase of the
// table that starts at a word start and ends at a word boundary is replaced, longest first.
std::string translate(std::string_view german);
