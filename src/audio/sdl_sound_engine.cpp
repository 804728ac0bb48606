#include "audio/sdl_sound_engine.h"

#include "audio/sound_voices.h"
#include "audio/wav_loader.h"

namespace {

// Holds the audio device's lock for a scope; no device, no lock.
class DeviceLock {
  public:
    explicit DeviceLock(SDL_AudioDeviceID device) : device_(device)
    {
        if (device_ != 0) SDL_LockAudioDevice(device_);
    }
    ~DeviceLock()
    {
        if (device_ != 0) SDL_UnlockAudioDevice(device_);
    }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

  private:
    SDL_AudioDeviceID device_;
};

}  // namespace

SdlSoundEngine::~SdlSoundEngine() { close(); }

bool SdlSoundEngine::init(const std::string& directory)
{
    if (device_ != 0) return true;
    if (!loadSounds(directory, sounds_)) return false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec wanted{};
    wanted.freq = OUTPUT_RATE;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 2;
    wanted.samples = OUTPUT_BUFFER_FRAMES;
    wanted.callback = audioCallback;
    wanted.userdata = this;
    // No changes allowed: SDL converts to whatever the hardware takes.
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device == 0) return false;
    device_ = device;
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlSoundEngine::close()
{
    // Closing stops the callback; it must not wait for our own lock.
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    device_ = 0;
}

void SdlSoundEngine::setMuted(bool muted)
{
    DeviceLock lock(device_);
    if (device_ != 0 && muted && !muted_) silenceAll(mix_);
    muted_ = muted;
}

void SdlSoundEngine::setView(int cameraX, int cameraY, int tileSize, int viewWidth, int viewHeight)
{
    DeviceLock lock(device_);
    view_ = clampedView(cameraX, cameraY, tileSize, viewWidth, viewHeight);
    followView(mix_, view_);
}

SoundMix SdlSoundEngine::mixState() const
{
    DeviceLock lock(device_);
    return mix_;
}

void SDLCALL SdlSoundEngine::audioCallback(void* engine, Uint8* stream, int length)
{
    auto& self = *static_cast<SdlSoundEngine*>(engine);
    mixSound(self.mix_, self.sounds_, reinterpret_cast<float*>(stream), length / OUTPUT_FRAME_BYTES);
}

void SdlSoundEngine::playEffectLocked(SoundEffectKind kind, std::uint32_t variant, float x, float y, bool isLong)
{
    if (device_ == 0) return;
    DeviceLock lock(device_);
    if (muted_) return;
    startEffect(mix_, sounds_, view_, kind, variant, x, y, isLong);
}

void SdlSoundEngine::playGrab(std::uint32_t variant, int x, int y, bool isLong)
{
    playEffectLocked(GRAB_SOUND, variant, static_cast<float>(x), static_cast<float>(y), isLong);
}

void SdlSoundEngine::playRelease(std::uint32_t variant, int x, int y, bool isLong)
{
    playEffectLocked(RELEASE_SOUND, variant, static_cast<float>(x), static_cast<float>(y), isLong);
}

void SdlSoundEngine::playMixer(std::uint32_t variant, float x, float y)
{
    playEffectLocked(MIXER_SOUND, variant, x, y, false);
}

void SdlSoundEngine::playDistributor(std::uint32_t variant, float x, float y)
{
    playEffectLocked(DISTRIBUTOR_SOUND, variant, x, y, false);
}

void SdlSoundEngine::playOvenInput(std::uint32_t variant, float x, float y)
{
    playEffectLocked(OVEN_INPUT_SOUND, variant, x, y, false);
}

void SdlSoundEngine::playSmelterInput(std::uint32_t variant, float x, float y)
{
    playEffectLocked(SMELTER_INPUT_SOUND, variant, x, y, false);
}

void SdlSoundEngine::playOvenOutput(std::uint32_t variant, float x, float y)
{
    playEffectLocked(OVEN_OUTPUT_SOUND, variant, x, y, false);
}

void SdlSoundEngine::playSmelterOutput(std::uint32_t variant, float x, float y)
{
    playEffectLocked(SMELTER_OUTPUT_SOUND, variant, x, y, false);
}

void SdlSoundEngine::playMolderClamp(std::uint32_t variant, float x, float y)
{
    playEffectLocked(MOLDER_CLAMP_SOUND, variant, x, y, false);
}

void SdlSoundEngine::playMolderInject(std::uint32_t variant, float x, float y)
{
    playEffectLocked(MOLDER_INJECT_SOUND, variant, x, y, false);
}

void SdlSoundEngine::playMolderOpen(std::uint32_t variant, float x, float y)
{
    playEffectLocked(MOLDER_OPEN_SOUND, variant, x, y, false);
}

void SdlSoundEngine::playShopSale(std::uint32_t variant, float x, float y)
{
    playEffectLocked(SHOP_SALE_SOUND, variant, x, y, false);
}

void SdlSoundEngine::playEjectorHit(std::uint32_t variant, float x, float y)
{
    playEffectLocked(EJECTOR_HIT_SOUND, variant, x, y, false);
}

void SdlSoundEngine::updateArmLoops(const std::vector<ArmLoopSource>& sources)
{
    if (device_ == 0) return;
    DeviceLock lock(device_);
    if (!muted_) feedArmLoops(mix_.armSlots, view_, sources);
}

void SdlSoundEngine::updatePressLoops(const std::vector<ArmLoopSource>& sources)
{
    if (device_ == 0) return;
    DeviceLock lock(device_);
    if (!muted_) feedPressLoops(mix_.pressSlots, view_, sources);
}

bool startSoundEngine(SdlSoundEngine& engine, const std::string& directory)
{
    if (engine.init(directory)) return true;
    SDL_Log("Arm-Sound nicht verfügbar: %s", SDL_GetError());
    return false;
}
