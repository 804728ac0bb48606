// Takes a screenshot of the game's own window on the X display it is given
// (under xvfb-run):
//
//     gearhaven-window-shot OUT.png SECONDS PROGRAM [ARGUMENTS...]
//
// Runs the game, waits for its window, lets it run SECONDS more, saves what the
// window shows as OUT.png, and closes the window as by its close button. Ends
// with 0 once the picture is saved and the game has ended; 1 when the game
// showed no window, died or could not be closed, or the picture could not be
// taken or written; 2 on a bad command line.

#include <SDL.h>
#include <SDL_image.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>

#include "x11_game_window.h"

namespace {

constexpr int SHOT_FAILED = 1;
constexpr int BAD_CALL = 2;
constexpr auto PATIENCE = std::chrono::seconds(15);
constexpr auto POLL_INTERVAL = std::chrono::milliseconds(20);

using Clock = std::chrono::steady_clock;

// The game as this tool sees it; a game that ended has been waited for and
// must not be waited for or signalled again.
struct RunningGame {
    pid_t pid = -1;
    bool ended = false;

    bool stillRuns()
    {
        ended = ended || finishedGame(pid).has_value();
        return !ended;
    }
    void stop()
    {
        if (stillRuns()) killGame(pid);
        ended = true;
    }
};

std::optional<Window> awaitWindow(Display* display, RunningGame& game)
{
    const auto deadline = Clock::now() + PATIENCE;
    while (Clock::now() < deadline && game.stillRuns()) {
        if (std::optional<Window> window = findGameWindow(display, DefaultRootWindow(display))) return window;
        std::this_thread::sleep_for(POLL_INTERVAL);
    }
    return std::nullopt;
}

// The window as the X server holds it: 32-bit pixels, blue in the lowest byte.
bool saveWindow(Display* display, Window window, const char* path)
{
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    bool saved = false;
    if (image->bits_per_pixel == 32) {
        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(image->data, image->width, image->height, 32,
                                                                  image->bytes_per_line, SDL_PIXELFORMAT_RGB888);
        saved = surface != nullptr && IMG_SavePNG(surface, path) == 0;
        SDL_FreeSurface(surface);
    }
    XDestroyImage(image);
    return saved;
}

bool closeGame(Display* display, Window window, RunningGame& game)
{
    askToClose(display, window);
    XSync(display, False);
    const auto deadline = Clock::now() + PATIENCE;
    while (Clock::now() < deadline) {
        if (!game.stillRuns()) return true;
        std::this_thread::sleep_for(POLL_INTERVAL);
    }
    game.stop();
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OUT.png SECONDS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return BAD_CALL;
    }
    const double seconds = std::atof(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "window shot: no X display\n");
        return SHOT_FAILED;
    }
    XSetErrorHandler(ignoreXError);
    RunningGame game{startGame(display, argv + 3, SHOT_FAILED)};
    if (game.pid < 0) return SHOT_FAILED;
    const std::optional<Window> window = awaitWindow(display, game);
    if (!window) {
        std::fprintf(stderr, "window shot: the game showed no window\n");
        game.stop();
        return SHOT_FAILED;
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    const bool saved = game.stillRuns() && saveWindow(display, *window, argv[1]);
    const bool closed = closeGame(display, *window, game);
    XCloseDisplay(display);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", argv[1]);
    return saved && closed ? 0 : SHOT_FAILED;
}
