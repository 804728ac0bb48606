#pragma once

// Finding and closing the game's window on an X display, for the programs that
// drive the game from outside: the window tests' driver and the screenshot tool.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <optional>
#include <string_view>

// A viewable window whose title starts with the game's name: once the world has
// run, the title goes on with the delivered count.
inline bool isGameWindow(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0 || attributes.map_state != IsViewable) return false;
    XTextProperty name;
    if (XGetWMName(display, window, &name) == 0) return false;
    const bool named =
        name.value != nullptr && std::string_view(reinterpret_cast<char*>(name.value)).starts_with("Gearhaven");
    XFree(name.value);
    return named;
}

// Searched through the whole tree: a full-screen window without a window manager
// sits inside a frame window of SDL's own.
inline std::optional<Window> findGameWindow(Display* display, Window below)
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

// As the window's close button does.
inline void askToClose(Display* display, Window window)
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

// Runs the program argv[0] with its arguments in a child that leaves the display
// connection to its parent; -1 when no child could be made. A child that cannot
// start the program ends with failCode.
inline pid_t startGame(Display* display, char** argv, int failCode)
{
    const pid_t game = fork();
    if (game == 0) {
        close(ConnectionNumber(display));
        execv(argv[0], argv);
        _exit(failCode);
    }
    return game;
}

// The game's exit code once it ends, or nothing while it runs.
inline std::optional<int> finishedGame(pid_t game)
{
    int status = 0;
    if (waitpid(game, &status, WNOHANG) != game) return std::nullopt;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

inline void killGame(pid_t game)
{
    kill(game, SIGKILL);
    waitpid(game, nullptr, 0);
}

// A window SDL replaced while it was being found is gone by the time a request
// reaches it; the next attempt finds its successor.
inline int ignoreXError(Display*, XErrorEvent*) { return 0; }
