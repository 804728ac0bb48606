#include <cstdlib>

// Test programs run without a screen or a sound card: SDL's dummy drivers
// unless the caller chose others. CTest's environment cannot be relied on for
// this, as gtest_discover_tests hands on only the first entry of a list-valued
// property, and the programs are also run by hand.
namespace {

const bool HEADLESS_SDL = [] {
    ::setenv("SDL_VIDEODRIVER", "dummy", 0);
    ::setenv("SDL_RENDER_DRIVER", "software", 0);
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    return true;
}();

}  // namespace
