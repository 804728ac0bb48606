#pragma once

#include <filesystem>

// What the command line asks of this run. A path counts as given when it is not empty.
struct Options {
    std::filesystem::path demoScript;  // "--demo DREHBUCH"
    std::filesystem::path mapPath;     // "--load KARTENDATEI"
    bool demoMouse = false;            // "--demo_mouse": real pointer and wheel stay live during the demo
    double demoSpeed = 1.0;            // "--demo-speed FAKTOR": finite, above 0
    int windowWidth = 0;               // "--window-size BREITExHOEHE"; 0 when not given
    int windowHeight = 0;
    bool fullscreen = false;         // "--window-size fullscreen"
    bool exportControlPngs = false;  // "--export-control-pngs"

    bool hasDemo() const { return !demoScript.empty(); }
    bool hasMap() const { return !mapPath.empty(); }
    bool hasWindowSize() const { return windowWidth > 0; }

    friend bool operator==(const Options&, const Options&) = default;
};

// Logged by the shell, unchanged, whenever the command line is refused.
constexpr const char* USAGE_TEXT = "Aufruf: gearhaven.bin [--window-size BREITExHOEHE|fullscreen] [--demo DREHBUCH "
                                   "[--demo_mouse] [--demo-speed FAKTOR] | --load KARTENDATEI | --export-control-pngs]";

// Reads the arguments after the program name. False for any unknown, repeated or
// incomplete option, a bad value or a forbidden combination; out is then untouched.
// Prints nothing.
bool parseCommandLine(int argc, const char* const* argv, Options& out);
