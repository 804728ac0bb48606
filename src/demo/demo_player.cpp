#include "demo/demo_player.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <locale>

#include "demo/demo_overlay.h"
#include "ui/tool_panel_layout.h"
#include "world/game.h"

namespace {

bool isDrag(DemoCommandKind kind) { return kind == DEMO_DRAG_TILE || kind == DEMO_CTRL_DRAG_TILE; }

bool isGlide(DemoCommandKind kind)
{
    switch (kind) {
    case DEMO_MOVE:
    case DEMO_TILE:
    case DEMO_FOCUS_TILE:
    case DEMO_TOOL:
    case DEMO_UI:
    case DEMO_DRAG_TILE:
    case DEMO_CTRL_DRAG_TILE:
        return true;
    default:
        return false;
    }
}

bool isClick(DemoCommandKind kind)
{
    return kind == DEMO_CLICK || kind == DEMO_SHIFT_CLICK || kind == DEMO_RIGHT_CLICK;
}

Uint8 clickButton(DemoCommandKind kind) { return kind == DEMO_RIGHT_CLICK ? SDL_BUTTON_RIGHT : SDL_BUTTON_LEFT; }

// Half away from zero, as every pixel the demo hands on.
int roundedPixel(double value) { return static_cast<int>(std::lround(value)); }

// The numbers of a command as the tile coordinates and counts they stand for.
int truncated(double value) { return static_cast<int>(value); }

double secondsSinceEpoch()
{
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

}  // namespace

DemoPlayer::DemoPlayer(SDL_Window* window, const DemoScript* script, bool demoMouse, double speed, DemoEventSink sink)
    : demoMouse(demoMouse), window_(window), script_(script), speed_(speed), sink_(std::move(sink))
{
    if (script_ == nullptr) return;
    openSceneLog();
    SDL_ShowCursor(demoMouse ? SDL_ENABLE : SDL_DISABLE);
    followWithRealMouse();
}

void DemoPlayer::openSceneLog()
{
    const char* path = std::getenv(DEMO_SCENE_LOG_VARIABLE);
    if (path == nullptr) return;
    sceneLog_.open(path, std::ios::out | std::ios::trunc);
    if (!sceneLog_.is_open()) {
        SDL_Log("Szenendatei konnte nicht geöffnet werden: %s", path);
        return;
    }
    sceneLog_.imbue(std::locale::classic());
    sceneLog_ << std::fixed << std::setprecision(6);
}

bool DemoPlayer::isRunning() const { return active_ && script_ != nullptr && index_ < script_->commands.size(); }

void DemoPlayer::update(float dt, const Game& game, int toolPanelX, int toolPanelY, int& cameraX, int& cameraY,
                        int tileSize, Tool& openToolGroup, int viewWidth, int viewHeight)
{
    if (!isRunning()) return;
    pressTimer_ = std::max(pressTimer_ - dt, 0.0f);
    sceneTitleTimer_ = std::max(sceneTitleTimer_ - dt, 0.0f);
    if (!waiting_) {
        executeStep({toolPanelX, toolPanelY, cameraX, cameraY, tileSize, viewWidth, viewHeight}, openToolGroup);
        if (!isRunning()) return;
    }
    if (!waiting_) return;
    // A command is checked in the frame that started it too, so it takes at least that frame.
    elapsed_ += dt;
    advanceCommand(script_->commands[index_], game, cameraX, cameraY);
}

void DemoPlayer::executeStep(const FrameView& view, Tool& openToolGroup)
{
    while (isRunning() && !waiting_) {
        elapsed_ = 0.0;
        glideStart_ = pointer_;
        if (!startCommand(script_->commands[index_], view, openToolGroup)) return;
    }
}

bool DemoPlayer::startCommand(const DemoCommand& command, const FrameView& view, Tool& openToolGroup)
{
    const std::vector<double>& n = command.numbers;
    switch (command.kind) {
    case DEMO_SCENE:
        startScene(command.text);
        break;
    case DEMO_WAIT:
        duration_ = n[0] / speed_;
        waiting_ = true;
        return true;
    case DEMO_WAIT_SINK:
        SDL_Log("Demo wartet auf Ziel (%d, %d): %s >= %d", truncated(n[0]), truncated(n[1]), command.text.c_str(),
                truncated(n[3]));
        waiting_ = true;
        return true;
    case DEMO_WAIT_SHOP:
        SDL_Log("Demo wartet auf Verkauf im Kaufhaus (%d, %d)", truncated(n[0]), truncated(n[1]));
        saleSeen_ = false;
        waiting_ = true;
        return true;
    case DEMO_MOVE:
        startGlide({static_cast<float>(n[0]), static_cast<float>(n[1])}, n[2]);
        return true;
    case DEMO_TILE:
        startGlide(tileCentreOnScreen(n[0], n[1], view.tileSize, view.cameraX, view.cameraY), n[2]);
        return true;
    case DEMO_FOCUS_TILE:
        startFocus(command, view);
        return true;
    case DEMO_TOOL:
        startTool(command, view, openToolGroup);
        return true;
    case DEMO_UI:
        startUiTarget(command);
        return true;
    case DEMO_CLICK:
    case DEMO_SHIFT_CLICK:
    case DEMO_RIGHT_CLICK:
        startClick(command.kind);
        return true;
    case DEMO_DRAG_TILE:
    case DEMO_CTRL_DRAG_TILE:
        startDrag(command, view);
        return true;
    case DEMO_KEY:
        sendKey(command);
        return false;
    case DEMO_TEXT:
        sendText(command);
        return false;
    case DEMO_FINISH:
        sink_(quitEvent());
        break;
    default:  // no command of the loader's: nothing to do
        break;
    }
    finishCommand();
    return true;
}

void DemoPlayer::startScene(const std::string& title)
{
    SDL_Log("Demo-Szene: %s", title.c_str());
    sceneTitle_ = title;
    sceneTitleTimer_ = static_cast<float>(DEMO_SCENE_TITLE_SECONDS / speed_);
    if (!sceneLog_.is_open()) return;
    sceneLog_ << secondsSinceEpoch() << '\t' << static_cast<double>(sceneTitleTimer_) << '\t' << title << '\n';
    sceneLog_.flush();
}

void DemoPlayer::startGlide(DemoPoint target, double seconds)
{
    target_ = target;
    duration_ = seconds / speed_;
    waiting_ = true;
}

void DemoPlayer::startFocus(const DemoCommand& command, const FrameView& view)
{
    int width = 0;
    int height = 0;
    windowSize(width, height);
    const FocusMove move = focusOnTile(command.numbers[0], command.numbers[1], view.tileSize, width, height);
    cameraStartX_ = view.cameraX;
    cameraStartY_ = view.cameraY;
    cameraTargetX_ = move.cameraX;
    cameraTargetY_ = move.cameraY;
    startGlide(move.pointer, command.numbers[2]);
}

// The group's pop-up opens before the pointer sets off, so the button is there when it
// arrives; the script picks the tool with a click of its own.
void DemoPlayer::startTool(const DemoCommand& command, const FrameView& view, Tool& openToolGroup)
{
    const std::optional<Tool> tool = demoToolNamed(command.text);
    if (!tool) {
        fail(command.line, "unbekanntes Werkzeug " + command.text);
        return;
    }
    openToolGroup = toolGroupOf(*tool);
    const ScreenRect button = toolButtonRect(*tool, view.toolPanelX, view.toolPanelY, view.viewWidth, view.viewHeight);
    const DemoPoint centre = {static_cast<float>(button.left + button.width / 2),
                              static_cast<float>(button.top + button.height / 2)};
    startGlide(centre, command.numbers[0]);
}

void DemoPlayer::startUiTarget(const DemoCommand& command)
{
    int width = 0;
    int height = 0;
    windowSize(width, height);
    const std::optional<DemoPoint> point = uiTargetPoint(command.text, width, height);
    if (!point) {
        fail(command.line, "unbekanntes UI-Ziel " + command.text);
        return;
    }
    startGlide(*point, command.numbers[0]);
}

void DemoPlayer::startClick(DemoCommandKind kind)
{
    if (kind == DEMO_SHIFT_CLICK) shiftHeld_ = true;
    pushMouseButton(clickButton(kind), true);
    waiting_ = true;
}

// The pointer jumps to the first tile and presses there; the glide to the second tile
// and the release follow frame by frame.
void DemoPlayer::startDrag(const DemoCommand& command, const FrameView& view)
{
    const std::vector<double>& n = command.numbers;
    pointer_ = tileCentreOnScreen(n[0], n[1], view.tileSize, view.cameraX, view.cameraY);
    glideStart_ = pointer_;
    followWithRealMouse();
    pushMotion(false);
    ctrlHeld_ = command.kind == DEMO_CTRL_DRAG_TILE;
    pushMouseButton(SDL_BUTTON_LEFT, true);
    startGlide(tileCentreOnScreen(n[2], n[3], view.tileSize, view.cameraX, view.cameraY), n[4]);
}

void DemoPlayer::sendKey(const DemoCommand& command)
{
    const std::optional<DemoKey> key = demoKeyNamed(command.text);
    if (!key) {
        fail(command.line, "unbekannte Taste " + command.text);
        return;
    }
    sink_(demoKeyEvent(*key, true));
    sink_(demoKeyEvent(*key, false));
    finishCommand();
}

void DemoPlayer::sendText(const DemoCommand& command)
{
    if (command.text.size() > DEMO_TEXT_MAX_BYTES) {
        fail(command.line, "TEXT ist zu lang");
        return;
    }
    sink_(demoTextEvent(windowId(), command.text));
    finishCommand();
}

void DemoPlayer::advanceCommand(const DemoCommand& command, const Game& game, int& cameraX, int& cameraY)
{
    const DemoCommandKind kind = command.kind;
    if (kind == DEMO_WAIT) {
        if (elapsed_ >= duration_) finishCommand();
    } else if (kind == DEMO_WAIT_SINK) {
        checkSink(command, game);
    } else if (kind == DEMO_WAIT_SHOP) {
        checkShop(command, game);
    } else if (isGlide(kind)) {
        glideStep(kind, cameraX, cameraY);
    } else if (isClick(kind) && elapsed_ >= DEMO_CLICK_HOLD_SECONDS / speed_) {
        pushMouseButton(clickButton(kind), false);
        shiftHeld_ = false;
        finishCommand();
    }
}

// The tile a wait watches, checked every frame: a control demolished while the demo
// waits for it ends the demo.
bool DemoPlayer::awaitedTileHolds(const DemoCommand& command, const Game& game, ControlType type, const char* missing)
{
    const int x = truncated(command.numbers[0]);
    const int y = truncated(command.numbers[1]);
    if (game.inBounds(x, y) && game.tileAt(x, y).type == type) return true;
    fail(command.line, missing);
    return false;
}

// The sink's own count for the cargo, not what arrived since the wait began.
void DemoPlayer::checkSink(const DemoCommand& command, const Game& game)
{
    if (!awaitedTileHolds(command, game, SINK, "an der angegebenen Kachel steht kein Ziel")) return;
    const Tile& sink = game.tileAt(truncated(command.numbers[0]), truncated(command.numbers[1]));
    const int cargo = truncated(command.numbers[2]);
    if (isCargoType(cargo) && sink.sinkDelivered[cargo] >= truncated(command.numbers[3])) finishCommand();
}

void DemoPlayer::checkShop(const DemoCommand& command, const Game& game)
{
    if (!awaitedTileHolds(command, game, SHOP, "an der angegebenen Kachel steht kein Kaufhaus")) return;
    if (saleSeen_) finishCommand();
}

void DemoPlayer::glideStep(DemoCommandKind kind, int& cameraX, int& cameraY)
{
    const float p = duration_ > 0.0 ? std::clamp(static_cast<float>(elapsed_ / duration_), 0.0f, 1.0f) : 1.0f;
    const float eased = p * p * (3.0f - 2.0f * p);
    if (kind == DEMO_FOCUS_TILE) {
        cameraX = roundedPixel(cameraStartX_ + (cameraTargetX_ - cameraStartX_) * eased);
        cameraY = roundedPixel(cameraStartY_ + (cameraTargetY_ - cameraStartY_) * eased);
    }
    pointer_ = {glideStart_.x + (target_.x - glideStart_.x) * eased,
                glideStart_.y + (target_.y - glideStart_.y) * eased};
    followWithRealMouse();
    pushMotion(isDrag(kind));
    if (p < 1.0f) return;
    if (isDrag(kind)) pushMouseButton(SDL_BUTTON_LEFT, false);
    ctrlHeld_ = false;
    finishCommand();
}

void DemoPlayer::finishCommand()
{
    ++index_;
    waiting_ = false;
    elapsed_ = 0.0;
}

// The quit ends the program; the shell reports the failure in its exit code.
void DemoPlayer::fail(int line, const std::string& message)
{
    SDL_Log("Demo-Fehler in Zeile %d: %s", line, message.c_str());
    sink_(quitEvent());
    waiting_ = false;
    index_ = script_->commands.size();
    failed_ = true;
}

void DemoPlayer::noteSales(const Game& game)
{
    if (!isRunning() || !waiting_) return;
    const DemoCommand& command = script_->commands[index_];
    if (command.kind != DEMO_WAIT_SHOP) return;
    const int x = truncated(command.numbers[0]);
    const int y = truncated(command.numbers[1]);
    for (const IncomeEvent& sale : game.incomeEvents) {
        if (sale.x == x && sale.y == y) saleSeen_ = true;
    }
}

void DemoPlayer::interruptByUser()
{
    if (!isRunning()) return;  // nothing to stop, and no cursor hidden
    active_ = false;
    waiting_ = false;
    pressTimer_ = 0.0f;
    sceneTitleTimer_ = 0.0f;
    // The shell saw the press, so it must see the release.
    if (pressedButton_ != 0) pushMouseButton(pressedButton_, false);
    shiftHeld_ = false;
    ctrlHeld_ = false;
    if (!demoMouse) SDL_ShowCursor(SDL_ENABLE);
    SDL_Log("Demo durch Benutzereingabe unterbrochen");
}

void DemoPlayer::pointerPosition(int& x, int& y) const
{
    if (isRunning() && !demoMouse) {
        x = roundedX();
        y = roundedY();
        return;
    }
    SDL_GetMouseState(&x, &y);
}

void DemoPlayer::pushMouseButton(Uint8 button, bool down)
{
    const Uint32 mark = ctrlHeld_ ? DEMO_CTRL_MARK : shiftHeld_ ? DEMO_SHIFT_MARK : DEMO_EVENT_MARK;
    sink_(demoButtonEvent(windowId(), mark, button, down, roundedX(), roundedY()));
    if (down) {
        pressTimer_ = DEMO_PRESS_RING_SECONDS;
        pressedButton_ = button;
    } else {
        pressedButton_ = 0;
    }
}

void DemoPlayer::pushMotion(bool leftHeld) { sink_(demoMotionEvent(windowId(), roundedX(), roundedY(), leftHeld)); }

void DemoPlayer::followWithRealMouse() const
{
    if (demoMouse) SDL_WarpMouseInWindow(window_, roundedX(), roundedY());
}

void DemoPlayer::drawOverlay(SDL_Renderer* renderer) const
{
    if (!isRunning()) return;
    // A recording with a scene log gets its titles from the log, not burnt into the picture.
    if (!sceneLog_.is_open() && sceneTitleTimer_ > 0.0f && !sceneTitle_.empty()) {
        int width = 0;
        int height = 0;
        windowSize(width, height);
        drawDemoSceneTitle(renderer, width, sceneTitle_);
    }
    drawDemoPointer(renderer, roundedX(), roundedY());
    drawDemoPressRing(renderer, roundedX(), roundedY(), pressTimer_);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
}

void DemoPlayer::windowSize(int& width, int& height) const
{
    if (window_ != nullptr) SDL_GetWindowSize(window_, &width, &height);
}

Uint32 DemoPlayer::windowId() const { return window_ != nullptr ? SDL_GetWindowID(window_) : 0; }

int DemoPlayer::roundedX() const { return roundedPixel(pointer_.x); }

int DemoPlayer::roundedY() const { return roundedPixel(pointer_.y); }
