// gearhaven-maptool: reads, checks, writes and runs map files without a window.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "world/game.h"

namespace {

constexpr int EXIT_REFUSED = 1;
constexpr int EXIT_USAGE = 2;

int usage()
{
    std::fputs("usage: gearhaven-maptool fresh | check FILE | roundtrip FILE | run FILE SECONDS\n", stderr);
    return EXIT_USAGE;
}

void complain(const std::string& message) { std::fprintf(stderr, "gearhaven-maptool: %s\n", message.c_str()); }

// The line on which reading stopped, counted from 1.
long lineOfPosition(const std::string& text, std::istringstream& in)
{
    in.clear();
    const std::streamoff position = in.tellg();
    const auto end = position < 0 ? text.end() : text.begin() + std::min<std::streamoff>(position, std::ssize(text));
    return 1 + std::count(text.begin(), end, '\n');
}

// Reads the file into the game; false, with the reason on stderr, when it
// cannot be opened or is refused.
bool readMapFile(const char* path, Game& game)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        complain(std::string(path) + ": cannot be opened");
        return false;
    }
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::istringstream in(text);
    if (game.readMap(in)) return true;
    complain(std::string(path) + ": map refused near line " + std::to_string(lineOfPosition(text, in)));
    return false;
}

// SECONDS as a finite, non-negative number; -1 when it is none.
double parseSeconds(const char* text)
{
    std::istringstream in(text);
    double seconds = -1.0;
    if (!(in >> seconds) || !in.eof() || !std::isfinite(seconds) || seconds < 0.0) return -1.0;
    return seconds;
}

// Advances the world as the main loop does at normal speed: 1/60 s a step,
// each followed by the game clock.
void runWorld(Game& game, double seconds)
{
    constexpr float STEP = 1.0f / 60.0f;
    const auto steps = static_cast<long long>(std::llround(seconds * 60.0));
    for (long long i = 0; i < steps; ++i) {
        game.update(STEP, false);
        game.advanceClock(STEP);
    }
}

int writeWorld(const Game& game)
{
    if (game.writeMap(std::cout) && std::cout.flush()) return 0;
    complain("the map text could not be written");
    return EXIT_REFUSED;
}

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    if (argc < 2) return usage();
    const std::string_view command = argv[1];
    if (command == "fresh" && argc == 2) return writeWorld(Game{});
    if (command == "check" && argc == 3) {
        Game game;
        return readMapFile(argv[2], game) ? 0 : EXIT_REFUSED;
    }
    if (command == "roundtrip" && argc == 3) {
        Game game;
        return readMapFile(argv[2], game) ? writeWorld(game) : EXIT_REFUSED;
    }
    if (command == "run" && argc == 4) {
        const double seconds = parseSeconds(argv[3]);
        if (seconds < 0.0) {
            complain(std::string("not a number of seconds: ") + argv[3]);
            return EXIT_USAGE;
        }
        Game game;
        if (!readMapFile(argv[2], game)) return EXIT_REFUSED;
        runWorld(game, seconds);
        return writeWorld(game);
    }
    return usage();
}
