// Runs the game on the X display it is given (under xvfb-run), does to its window
// what a player would, and ends with the game's exit code:
//
//     gearhaven-window-driver WIDTHxHEIGHT|keep PROGRAM [ARGUMENTS...]
//
// Once the game's window shows, it is resized (unless "keep") and then closed
// as by its close button. Both requests reach the game in this order through the
// X server, so the game sees the new size before it is asked to quit.
// Exit codes of its own: 124 the game hung, 125 the driver could not work.

#include <chrono>
#include <cstdio>
#include <optional>
#include <thread>

#include "x11_game_window.h"

namespace {

constexpr int DRIVER_FAILED = 125;
constexpr int GAME_HUNG = 124;
constexpr auto PATIENCE = std::chrono::seconds(15);
constexpr auto POLL_INTERVAL = std::chrono::milliseconds(20);
constexpr auto RETRY_INTERVAL = std::chrono::milliseconds(500);

int stopHungGame(pid_t game)
{
    killGame(game);
    std::fprintf(stderr, "window driver: the game did not finish in time\n");
    return GAME_HUNG;
}

// Resizes and closes the game's window, again every half second while the game runs, and
// waits for it to end.
int drive(Display* display, pid_t game, std::optional<std::pair<int, int>> size)
{
    XSetErrorHandler(ignoreXError);
    const auto deadline = std::chrono::steady_clock::now() + PATIENCE;
    auto nextAttempt = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() < deadline) {
        if (auto code = finishedGame(game)) return *code;
        const std::optional<Window> window = findGameWindow(display, DefaultRootWindow(display));
        if (window && std::chrono::steady_clock::now() >= nextAttempt) {
            if (size)
                XResizeWindow(display, *window, static_cast<unsigned>(size->first),
                              static_cast<unsigned>(size->second));
            askToClose(display, *window);
            XSync(display, False);
            nextAttempt = std::chrono::steady_clock::now() + RETRY_INTERVAL;
        }
        std::this_thread::sleep_for(POLL_INTERVAL);
    }
    return stopHungGame(game);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s WIDTHxHEIGHT|keep PROGRAM [ARGUMENTS...]\n", argv[0]);
        return DRIVER_FAILED;
    }
    std::optional<std::pair<int, int>> size;
    int width = 0;
    int height = 0;
    if (std::sscanf(argv[1], "%dx%d", &width, &height) == 2) size = std::pair{width, height};
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "window driver: no X display\n");
        return DRIVER_FAILED;
    }
    const pid_t game = startGame(display, argv + 2, DRIVER_FAILED);
    if (game < 0) return DRIVER_FAILED;
    const int code = drive(display, game, size);
    XCloseDisplay(display);
    return code;
}
