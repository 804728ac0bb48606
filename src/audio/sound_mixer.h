#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The effect sounds, in the order of their buffers and file names.
enum SoundEffectKind : int {
    GRAB_SOUND = 0,
    RELEASE_SOUND,
    MIXER_SOUND,
    DISTRIBUTOR_SOUND,
    OVEN_INPUT_SOUND,
    SMELTER_INPUT_SOUND,
    OVEN_OUTPUT_SOUND,
    SMELTER_OUTPUT_SOUND,
    MOLDER_CLAMP_SOUND,
    MOLDER_INJECT_SOUND,
    MOLDER_OPEN_SOUND,
    SHOP_SALE_SOUND,
    EJECTOR_HIT_SOUND,
};

constexpr int SOUND_EFFECT_KINDS = 13;
constexpr int OUTPUT_RATE = 48000;         // frames per second
constexpr int OUTPUT_BUFFER_FRAMES = 512;  // about 10.7 ms per device buffer
constexpr int OUTPUT_FRAME_BYTES = 8;      // two float channels
constexpr int EFFECT_VOICES = 24;
constexpr int LOOP_SLOTS = 64;         // per motor kind
constexpr float CENTRE_PAN = 0.7071f;  // both sides of a centred sound
constexpr std::uint32_t FREE_LOOP_ID = 0xFFFFFFFFu;
constexpr float LOOP_SILENCE = 0.00001f;   // a fading slot below this is freed
constexpr float ARM_LOOP_GLIDE = 0.0015f;  // per frame towards the target gain
constexpr float PRESS_LOOP_GLIDE = 0.0012f;

// Mono 32-bit float samples at the output rate.
using SampleBuffer = std::vector<float>;

// Every sound the engine plays, converted once at start-up.
struct SoundBuffers {
    std::array<SampleBuffer, SOUND_EFFECT_KINDS> effects;
    SampleBuffer armMotor;
    SampleBuffer pressMotor;
};

// One effect sound being played; remaining 0 marks a free voice.
struct EffectVoice {
    std::int32_t remaining = 0;  // output frames still to play
    std::int32_t total = 0;      // output frames the sound lasts at its rate
    double position = 0.0;       // read position in source samples
    SoundEffectKind kind = GRAB_SOUND;
    float rate = 1.0f;  // source samples per output frame
    float gain = 1.0f;  // distance gain
    float leftGain = CENTRE_PAN;
    float rightGain = CENTRE_PAN;
    float x = 0.0f;  // tile of the sound's source
    float y = 0.0f;
};

// One looped motor sound bound to one arm or press.
struct LoopSlot {
    std::uint32_t id = FREE_LOOP_ID;  // the source's tile index
    float x = 0.0f;
    float y = 0.0f;
    float targetGain = 0.0f;
    float currentGain = 0.0f;
    float rate = 1.0f;  // arm motors only; presses play at the recorded speed
    float leftGain = CENTRE_PAN;
    float rightGain = CENTRE_PAN;
    double position = 0.0;

    bool isFree() const { return id == FREE_LOOP_ID; }
    void reset() { *this = LoopSlot{}; }
};

using LoopSlots = std::array<LoopSlot, LOOP_SLOTS>;

// All the audio thread reads and writes while it mixes.
struct SoundMix {
    std::array<EffectVoice, EFFECT_VOICES> voices;
    LoopSlots armSlots;
    LoopSlots pressSlots;
};

// One read with linear interpolation; the end wraps to the start, so loops
// interpolate across their seam. An empty buffer reads 0.
float sampleWavetable(const SampleBuffer& samples, double position);

// Mixes `frames` interleaved stereo frames into `out`: arm motors, press
// motors, then effects, each frame through a soft limiter that keeps the
// output below full scale.
void mixSound(SoundMix& mix, const SoundBuffers& sounds, float* out, int frames);

// Stops every effect and frees every loop slot at once.
void silenceAll(SoundMix& mix);
