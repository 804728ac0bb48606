#include "app/options.h"

#include <cmath>
#include <locale>
#include <sstream>
#include <string>
#include <string_view>

#include "demo/demo_script.h"
#include "persistence/settings.h"

namespace {

std::istringstream classicStream(const char* text)
{
    std::istringstream in{std::string(text)};
    in.imbue(std::locale::classic());
    return in;
}

// A decimal factor with nothing but blanks after it, finite and above 0.
bool readDemoSpeed(const char* text, double& speed)
{
    std::istringstream in = classicStream(text);
    double value = 0.0;
    if (!(in >> value) || !lineHasNoMoreTokens(in)) return false;
    if (!std::isfinite(value) || !(value > 0.0)) return false;
    speed = value;
    return true;
}

// "BREITExHOEHE" with a lower-case x, each side inside the sizes the settings file accepts.
bool readWindowSize(const char* text, int& width, int& height)
{
    std::istringstream in = classicStream(text);
    int w = 0;
    int h = 0;
    char separator = 0;
    if (!(in >> w >> separator >> h) || separator != 'x' || !lineHasNoMoreTokens(in)) return false;
    if (w < MIN_WINDOW_WIDTH || w > MAX_WINDOW_SIZE || h < MIN_WINDOW_HEIGHT || h > MAX_WINDOW_SIZE) return false;
    width = w;
    height = h;
    return true;
}

bool combinationAllowed(const Options& options, bool demoSpeedGiven, bool windowSizeGiven)
{
    int modes = int{options.hasDemo()} + int{options.hasMap()} + int{options.exportControlPngs};
    if (modes > 1) return false;
    if ((options.demoMouse || demoSpeedGiven) && !options.hasDemo()) return false;
    return !(windowSizeGiven && options.exportControlPngs);
}

}  // namespace

bool parseCommandLine(int argc, const char* const* argv, Options& out)
{
    Options options;
    bool demoSpeedGiven = false;
    bool windowSizeGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool valueFollows = i + 1 < argc;
        if (arg == "--demo" && !options.hasDemo() && valueFollows) {
            options.demoScript = std::filesystem::path(argv[++i]);
        } else if (arg == "--demo_mouse" && !options.demoMouse) {
            options.demoMouse = true;
        } else if (arg == "--demo-speed" && !demoSpeedGiven && valueFollows) {
            if (!readDemoSpeed(argv[++i], options.demoSpeed)) return false;
            demoSpeedGiven = true;
        } else if (arg == "--load" && !options.hasMap() && valueFollows) {
            options.mapPath = std::filesystem::path(argv[++i]);
        } else if (arg == "--window-size" && !windowSizeGiven && valueFollows) {
            const char* value = argv[++i];
            if (std::string_view(value) == "fullscreen") {
                options.fullscreen = true;
            } else if (!readWindowSize(value, options.windowWidth, options.windowHeight)) {
                return false;
            }
            windowSizeGiven = true;
        } else if (arg == "--export-control-pngs" && !options.exportControlPngs) {
            options.exportControlPngs = true;
        } else {
            return false;
        }
    }
    if (!combinationAllowed(options, demoSpeedGiven, windowSizeGiven)) return false;
    out = options;
    return true;
}
