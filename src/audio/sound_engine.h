#pragma once

#include <cstdint>
#include <vector>

// One source of a looped motor sound: an arm or a molder press.
struct ArmLoopSource {
    std::uint32_t id = 0;  // tile index
    int x = 0;
    int y = 0;
    bool isLong = false;

    friend bool operator==(const ArmLoopSource&, const ArmLoopSource&) = default;
};

// What the simulation asks of the sound engine. The header carries no SDL
// types so that the world can be built and tested without a window; every
// operation defaults to silence, which is also what a closed or muted engine
// does.
class SoundEngine {
  public:
    virtual ~SoundEngine() = default;

    virtual void playGrab(std::uint32_t, int, int, bool) {}
    virtual void playRelease(std::uint32_t, int, int, bool) {}
    virtual void playMixer(std::uint32_t, float, float) {}
    virtual void playDistributor(std::uint32_t, float, float) {}
    virtual void playOvenInput(std::uint32_t, float, float) {}
    virtual void playSmelterInput(std::uint32_t, float, float) {}
    virtual void playOvenOutput(std::uint32_t, float, float) {}
    virtual void playSmelterOutput(std::uint32_t, float, float) {}
    virtual void playMolderClamp(std::uint32_t, float, float) {}
    virtual void playMolderInject(std::uint32_t, float, float) {}
    virtual void playMolderOpen(std::uint32_t, float, float) {}
    virtual void playShopSale(std::uint32_t, float, float) {}
    virtual void playEjectorHit(std::uint32_t, float, float) {}
    virtual void updateArmLoops(const std::vector<ArmLoopSource>&) {}
    virtual void updatePressLoops(const std::vector<ArmLoopSource>&) {}
};
