// Runs the game on the X display it is given (under xvfb-run), does to its window
// what a player would, and ends with the game's exit code:
//
//     gearhaven-window-driver WIDTHxHEIGHT|keep PROGRAM [ARGUMENTS...]
//
// Once the game's window shows (its title begins with "Gearhaven"; the first frame
// adds the delivered count), it is resized (unless "keep") and then closed
// as by its close button. Both requests reach the game in this order through the
// X server, so the game sees the new size before it is asked to quit.
// Exit codes of its own: 124 the game hung, 125 the driver could not work.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <thread>

namespace {

constexpr int DRIVER_FAILED = 125;
constexpr int GAME_HUNG = 124;
constexpr auto PATIENCE = std::chrono::seconds(15);
constexpr auto POLL_INTERVAL = std::chrono::milliseconds(20);
constexpr auto RETRY_INTERVAL = std::chrono::milliseconds(500);

bool isGameWindow(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0 || attributes.map_state != IsViewable) return false;
    XTextProperty name;
    if (XGetWMName(display, window, &name) == 0) return false;
    const bool named = name.value != nullptr && std::strncmp(reinterpret_cast<char*>(name.value), "Gearhaven", 9) == 0;
    XFree(name.value);
    return named;
}

// Searched through the whole tree: a full-screen window without a window manager
// sits inside a frame window of SDL's own.
std::optional<Window> findGameWindow(Display* display, Window below)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::optional<Window> found;
    if (XQueryTree(display, below, &root, &parent, &children, &count) == 0) return found;
    for (unsigned int i = 0; i < count && !found; ++i) {
        found = isGameWindow(display, children[i]) ? children[i] : findGameWindow(display, children[i]);
    }
    if (children != nullptr) XFree(children);
    return found;
}

void askToClose(Display* display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
}

int exitCodeOf(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); }

// The game's exit code once it ends, or nothing while it runs.
std::optional<int> finished(pid_t game)
{
    int status = 0;
    if (waitpid(game, &status, WNOHANG) != game) return std::nullopt;
    return exitCodeOf(status);
}

int stopHungGame(pid_t game)
{
    kill(game, SIGKILL);
    waitpid(game, nullptr, 0);
    std::fprintf(stderr, "window driver: the game did not finish in time\n");
    return GAME_HUNG;
}

// A window SDL replaced while it was being found is gone by the time a request
// reaches it; the next attempt finds its successor.
int ignoreError(Display*, XErrorEvent*) { return 0; }

// Resizes and closes the game's window, again every half second while the game runs, and
// waits for it to end.
int drive(Display* display, pid_t game, std::optional<std::pair<int, int>> size)
{
    XSetErrorHandler(ignoreError);
    const auto deadline = std::chrono::steady_clock::now() + PATIENCE;
    auto nextAttempt = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() < deadline) {
        if (auto code = finished(game)) return *code;
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
    const pid_t game = fork();
    if (game < 0) return DRIVER_FAILED;
    if (game == 0) {
        close(ConnectionNumber(display));
        execv(argv[2], argv + 2);
        _exit(DRIVER_FAILED);
    }
    const int code = drive(display, game, size);
    XCloseDisplay(display);
    return code;
}
