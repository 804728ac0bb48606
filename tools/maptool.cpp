// gearhaven-maptool: reads, checks, writes and runs map files without a window.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>

#include "persistence/map_file.h"
#include "persistence/text_file.h"
#include "world/game.h"

namespace {

constexpr int EXIT_REFUSED = 1;
constexpr int EXIT_USAGE = 2;
constexpr double STEPS_PER_SECOND = 60.0;

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

const char* faultText(FileFault fault)
{
    switch (fault) {
    case FileFault::Missing:
    case FileFault::CannotOpen:
        return "cannot be opened";
    case FileFault::NotARegularFile:
        return "is not a regular file";
    case FileFault::TooLarge:
        return "is too large for a map";
    case FileFault::ReadError:
        return "could not be read";
    case FileFault::None:
        break;
    }
    return "";
}

// Reads the file into the game; false, with the reason on stderr, when it
// cannot be read or is refused.
bool readMapFile(const char* path, Game& game)
{
    const FileText file = readRegularFile(path, MAX_MAP_FILE_BYTES);
    if (file.fault != FileFault::None) {
        complain(std::string(path) + ": " + faultText(file.fault));
        return false;
    }
    const std::string& text = file.text;
    std::istringstream in(text);
    if (game.readMap(in)) return true;
    complain(std::string(path) + ": map refused near line " + std::to_string(lineOfPosition(text, in)));
    return false;
}

// SECONDS as a finite, non-negative number whose steps a count can hold; -1 when it is none.
double parseSeconds(const char* text)
{
    std::istringstream in(text);
    double seconds = -1.0;
    if (!(in >> seconds) || !in.eof() || !std::isfinite(seconds) || seconds < 0.0) return -1.0;
    // The largest long long rounds up to 2^63 as a double, which is already too many.
    const double maxSteps = static_cast<double>(std::numeric_limits<long long>::max());
    if (seconds * STEPS_PER_SECOND >= maxSteps) return -1.0;
    return seconds;
}

// Advances the world as the main loop does at normal speed: 1/60 s a step,
// each followed by the game clock.
void runWorld(Game& game, double seconds)
{
    constexpr float STEP = 1.0f / static_cast<float>(STEPS_PER_SECOND);
    const auto steps = std::llround(seconds * STEPS_PER_SECOND);
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
            complain(std::string("not a number of seconds it can run: ") + argv[3]);
            return usage();
        }
        Game game;
        if (!readMapFile(argv[2], game)) return EXIT_REFUSED;
        runWorld(game, seconds);
        return writeWorld(game);
    }
    return usage();
}
