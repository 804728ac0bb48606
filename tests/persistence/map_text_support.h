#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "persistence/map_format.h"
#include "world/game.h"

inline std::string mapTextOf(const Game& game)
{
    std::ostringstream out;
    game.writeMap(out);
    return out.str();
}

inline bool readMapText(Game& game, const std::string& text)
{
    std::istringstream in(text);
    return game.readMap(in);
}

inline std::vector<std::string> splitTokens(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> tokens;
    for (std::string token; in >> token;)
        tokens.push_back(token);
    return tokens;
}

inline std::string joinTokens(const std::vector<std::string>& tokens)
{
    std::string line;
    for (const std::string& token : tokens)
        line += (line.empty() ? "" : " ") + token;
    return line;
}

// The text with line n (counted from 0) replaced.
inline std::string withLine(const std::string& text, std::size_t n, const std::string& line)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < n; ++i)
        start = text.find('\n', start) + 1;
    const std::size_t end = text.find('\n', start);
    return text.substr(0, start) + line + text.substr(end);
}

inline std::string lineOf(const std::string& text, std::size_t n)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < n; ++i)
        start = text.find('\n', start) + 1;
    return text.substr(start, text.find('\n', start) - start);
}

// Line numbers of the parts of a version 43 text.
inline std::size_t tileLineNumber(int x, int y) { return 1 + static_cast<std::size_t>(tileIndex(x, y)); }
constexpr std::size_t STATE_LINE_NUMBER = 1 + TILE_COUNT;
inline std::size_t tileStateLineNumber(int x, int y)
{
    return 2 + TILE_COUNT + static_cast<std::size_t>(tileIndex(x, y));
}

// A world in which every group of saved fields is away from its default and
// which the reader accepts as it stands.
Game busyWorld();
