#include "demo/demo_events.h"

#include <algorithm>

void pushToEventQueue(const SDL_Event& event)
{
    SDL_Event copy = event;
    SDL_PushEvent(&copy);
}

SDL_Event demoMotionEvent(Uint32 windowId, int x, int y, bool leftHeld)
{
    SDL_Event event{};
    event.motion.type = SDL_MOUSEMOTION;
    event.motion.windowID = windowId;
    event.motion.which = DEMO_EVENT_MARK;
    event.motion.state = leftHeld ? SDL_BUTTON_LMASK : 0;
    event.motion.x = x;
    event.motion.y = y;
    return event;
}

SDL_Event demoButtonEvent(Uint32 windowId, Uint32 mark, Uint8 button, bool down, int x, int y)
{
    SDL_Event event{};
    event.button.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.windowID = windowId;
    event.button.which = mark;
    event.button.button = button;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event demoKeyEvent(const DemoKey& key, bool down)
{
    SDL_Event event{};
    event.key.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.windowID = DEMO_EVENT_MARK;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key.code;
    event.key.keysym.mod = key.modifier;
    return event;
}

SDL_Event demoTextEvent(Uint32 windowId, std::string_view text)
{
    SDL_Event event{};
    event.text.type = SDL_TEXTINPUT;
    event.text.windowID = windowId;
    const std::size_t length = std::min(text.size(), sizeof(event.text.text) - 1);
    std::copy_n(text.begin(), length, event.text.text);
    return event;
}

SDL_Event quitEvent()
{
    SDL_Event event{};
    event.type = SDL_QUIT;
    return event;
}
