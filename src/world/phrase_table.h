#pragma once

#include <array>
#include <string_view>

// One German interface phrase and its English twin.
struct PhrasePair {
    std::string_view german;
    std::string_view english;
};

constexpr int PHRASE_COUNT = 400;

// Order matters: among German texts of equal length and first character the earlier pair wins.
extern const std::array<PhrasePair, PHRASE_COUNT> PHRASES;
