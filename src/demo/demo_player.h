#pragma once

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "demo/demo_events.h"
#include "demo/demo_script.h"
#include "demo/demo_targets.h"
#include "editing/tool.h"
#include "world/control_type.h"

class Game;

constexpr double DEMO_CLICK_HOLD_SECONDS = 0.12;  // divided by the demo speed
constexpr double DEMO_SCENE_TITLE_SECONDS = 2.5;  // divided by the demo speed
constexpr float DEMO_PRESS_RING_SECONDS = 0.35f;  // real time, whatever the demo speed
constexpr DemoPoint DEMO_POINTER_START = {512, 384};
constexpr const char* DEMO_SCENE_LOG_VARIABLE = "GEARHAVEN_DEMO_SCENES";

// Plays a loaded demo script against the running game as a user would: it glides a
// synthetic pointer and hands synthetic clicks, drags, keys, text and a quit to the
// shell through the event sink, which the shell takes as input in its next frame.
// Beyond that it moves the camera for FOCUS_TILE, opens the tool group a TOOL
// points into, waits for sinks and shops, draws its pointer and scene titles over
// the frame and writes the scene log. Without a script it does nothing at all.
class DemoPlayer {
  public:
    DemoPlayer(SDL_Window* window, const DemoScript* script, bool demoMouse, double speed,
               DemoEventSink sink = pushToEventQueue);
    DemoPlayer(const DemoPlayer&) = delete;
    DemoPlayer& operator=(const DemoPlayer&) = delete;

    // Once a frame before the world advances, with the frame's real time (capped by the
    // shell). FOCUS_TILE writes the camera and TOOL the open tool group, which the same
    // frame draws; viewWidth and viewHeight place the tool panel's buttons.
    void update(float dt, const Game& game, int toolPanelX, int toolPanelY, int& cameraX, int& cameraY, int tileSize,
                Tool& openToolGroup, int viewWidth, int viewHeight);

    // After the world advanced, before its income events are emptied: a WAIT_SHOP in
    // progress sees a sale in its shop.
    void noteSales(const Game& game);

    // Real input stops the demo for good; a button the demo holds is released first.
    void interruptByUser();

    // The synthetic pointer while the demo runs and drives it, else the real mouse.
    void pointerPosition(int& x, int& y) const;

    bool isRunning() const;

    // A command failed while the demo ran; the program then ends with an error.
    bool failed() const { return failed_; }

    // Last in the frame: the scene title, the pointer and the press ring.
    void drawOverlay(SDL_Renderer* renderer) const;

    // One button event at the synthetic pointer, with the modifier the demo holds.
    void pushMouseButton(Uint8 button, bool down);

    // "--demo_mouse": the real mouse follows the synthetic one, and real pointer motion
    // and wheel stay live while the demo runs.
    const bool demoMouse;

  private:
    // The screen as the frame hands it in, for starting commands.
    struct FrameView {
        int toolPanelX;
        int toolPanelY;
        int cameraX;
        int cameraY;
        int tileSize;
        int viewWidth;
        int viewHeight;
    };

    void openSceneLog();
    void executeStep(const FrameView& view, Tool& openToolGroup);
    // False when the commands behind this one wait for the next frame.
    bool startCommand(const DemoCommand& command, const FrameView& view, Tool& openToolGroup);
    void startScene(const std::string& title);
    void startGlide(DemoPoint target, double seconds);
    void startFocus(const DemoCommand& command, const FrameView& view);
    void startTool(const DemoCommand& command, const FrameView& view, Tool& openToolGroup);
    void startUiTarget(const DemoCommand& command);
    void startClick(DemoCommandKind kind);
    void startDrag(const DemoCommand& command, const FrameView& view);
    void sendKey(const DemoCommand& command);
    void sendText(const DemoCommand& command);

    void advanceCommand(const DemoCommand& command, const Game& game, int& cameraX, int& cameraY);
    bool awaitedTileHolds(const DemoCommand& command, const Game& game, ControlType type, const char* missing);
    void checkSink(const DemoCommand& command, const Game& game);
    void checkShop(const DemoCommand& command, const Game& game);
    void glideStep(DemoCommandKind kind, int& cameraX, int& cameraY);
    void finishCommand();
    void fail(int line, const std::string& message);

    void pushMotion(bool leftHeld);
    void followWithRealMouse() const;
    void windowSize(int& width, int& height) const;
    Uint32 windowId() const;
    int roundedX() const;
    int roundedY() const;

    SDL_Window* window_;
    const DemoScript* script_;
    double speed_;
    DemoEventSink sink_;
    bool active_ = true;
    std::size_t index_ = 0;
    bool waiting_ = false;
    double elapsed_ = 0.0;
    double duration_ = 0.0;
    DemoPoint pointer_ = DEMO_POINTER_START;
    DemoPoint glideStart_;
    DemoPoint target_;
    int cameraStartX_ = 0;
    int cameraStartY_ = 0;
    int cameraTargetX_ = 0;
    int cameraTargetY_ = 0;
    float pressTimer_ = 0.0f;
    float sceneTitleTimer_ = 0.0f;
    std::string sceneTitle_;
    std::ofstream sceneLog_;
    Uint8 pressedButton_ = 0;
    bool shiftHeld_ = false;
    bool ctrlHeld_ = false;
    bool saleSeen_ = false;
    bool failed_ = false;
};
