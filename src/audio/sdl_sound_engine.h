#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "audio/sound_engine.h"
#include "audio/sound_mixer.h"
#include "audio/sound_view.h"

constexpr const char* SOUND_DIRECTORY = "assets/sounds";

// The game's sound: effects and motor loops from WAV files, mixed on SDL's
// audio thread and placed by the camera's view. Without a device (no sound
// files, no audio output) every sound call returns at once and the game runs
// silent. The game thread changes what plays only while it holds the device's
// lock; the audio thread mixes while SDL holds it.
class SdlSoundEngine final : public SoundEngine {
  public:
    SdlSoundEngine() = default;
    SdlSoundEngine(const SdlSoundEngine&) = delete;
    SdlSoundEngine& operator=(const SdlSoundEngine&) = delete;
    ~SdlSoundEngine() override;

    // Loads the 15 sounds of `directory` and opens the default output; false
    // with SDL's error text when either fails. Does nothing while a device
    // is open.
    bool init(const std::string& directory);
    void close();
    void setMuted(bool muted);
    // The map's scroll in pixels, the zoom's tile size and the map viewport's
    // size, once a frame before the world advances.
    void setView(int cameraX, int cameraY, int tileSize, int viewWidth, int viewHeight);

    bool isOpen() const { return device_ != 0; }
    SDL_AudioDeviceID device() const { return device_; }  // 0 while silent
    bool isMuted() const { return muted_; }
    const SoundBuffers& sounds() const { return sounds_; }
    // A copy of what the mixer plays, taken under the lock.
    SoundMix mixState() const;

    // SDL's audio callback; `engine` is the SdlSoundEngine.
    static void SDLCALL audioCallback(void* engine, Uint8* stream, int length);

    void playGrab(std::uint32_t variant, int x, int y, bool isLong) override;
    void playRelease(std::uint32_t variant, int x, int y, bool isLong) override;
    void playMixer(std::uint32_t variant, float x, float y) override;
    void playDistributor(std::uint32_t variant, float x, float y) override;
    void playOvenInput(std::uint32_t variant, float x, float y) override;
    void playSmelterInput(std::uint32_t variant, float x, float y) override;
    void playOvenOutput(std::uint32_t variant, float x, float y) override;
    void playSmelterOutput(std::uint32_t variant, float x, float y) override;
    void playMolderClamp(std::uint32_t variant, float x, float y) override;
    void playMolderInject(std::uint32_t variant, float x, float y) override;
    void playMolderOpen(std::uint32_t variant, float x, float y) override;
    void playShopSale(std::uint32_t variant, float x, float y) override;
    void playEjectorHit(std::uint32_t variant, float x, float y) override;
    void updateArmLoops(const std::vector<ArmLoopSource>& sources) override;
    void updatePressLoops(const std::vector<ArmLoopSource>& sources) override;

  private:
    void playEffectLocked(SoundEffectKind kind, std::uint32_t variant, float x, float y, bool isLong);

    SDL_AudioDeviceID device_ = 0;
    SoundMix mix_;
    SoundBuffers sounds_;
    SoundView view_;
    bool muted_ = false;
};

// Start-up of the shell's engine: `init`, and when that fails the log line
// that says the game goes on without sound.
bool startSoundEngine(SdlSoundEngine& engine, const std::string& directory);
