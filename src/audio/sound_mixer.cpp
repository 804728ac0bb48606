#include "audio/sound_mixer.h"

#include <algorithm>
#include <cmath>

float sampleWavetable(const SampleBuffer& samples, double position)
{
    if (samples.empty()) return 0.0f;
    const auto count = static_cast<std::uint32_t>(samples.size());
    // Positions lie inside the buffer almost always; the division is for the rest.
    std::uint32_t i = static_cast<std::uint32_t>(static_cast<std::int64_t>(position));
    if (i >= count) i %= count;
    const std::uint32_t j = i + 1 == count ? 0 : i + 1;
    const auto f = static_cast<float>(position - std::floor(position));
    return samples[i] + (samples[j] - samples[i]) * f;
}

namespace {

struct StereoSum {
    float left = 0.0f;
    float right = 0.0f;

    void add(float leftGain, float rightGain, float s)
    {
        left += leftGain * s;
        right += rightGain * s;
    }
};

// Glides the slot's gain one frame towards its target; false when the slot
// has faded out and was freed.
bool glide(LoopSlot& slot, float factor)
{
    slot.currentGain += (slot.targetGain - slot.currentGain) * factor;
    if (slot.targetGain == 0.0f && slot.currentGain < LOOP_SILENCE) {
        slot.reset();
        return false;
    }
    return true;
}

void mixArmMotors(LoopSlots& slots, const SampleBuffer& loop, StereoSum& sum)
{
    const auto count = static_cast<double>(loop.size());
    for (LoopSlot& slot : slots) {
        if (slot.isFree() || !glide(slot, ARM_LOOP_GLIDE)) continue;
        const float s = sampleWavetable(loop, slot.position) * slot.currentGain;
        slot.position += slot.rate;
        if (slot.position >= count && count > 0.0) slot.position = std::fmod(slot.position, count);
        sum.add(slot.leftGain, slot.rightGain, s);
    }
}

void mixPressMotors(LoopSlots& slots, const SampleBuffer& loop, StereoSum& sum)
{
    const auto count = static_cast<double>(loop.size());
    for (LoopSlot& slot : slots) {
        if (slot.isFree() || !glide(slot, PRESS_LOOP_GLIDE)) continue;
        const float s = sampleWavetable(loop, slot.position) * slot.currentGain;
        slot.position += 1.0;
        if (slot.position >= count) slot.position = 0.0;
        sum.add(slot.leftGain, slot.rightGain, s);
    }
}

void mixEffects(std::array<EffectVoice, EFFECT_VOICES>& voices, const SoundBuffers& sounds, StereoSum& sum)
{
    for (EffectVoice& voice : voices) {
        if (voice.remaining == 0) continue;
        const float s = sampleWavetable(sounds.effects[voice.kind], voice.position) * voice.gain;
        voice.remaining -= 1;
        sum.add(voice.leftGain, voice.rightGain, s);
        voice.position += voice.rate;
    }
}

}  // namespace

void mixSound(SoundMix& mix, const SoundBuffers& sounds, float* out, int frames)
{
    for (int frame = 0; frame < frames; ++frame) {
        StereoSum sum;
        mixArmMotors(mix.armSlots, sounds.armMotor, sum);
        mixPressMotors(mix.pressSlots, sounds.pressMotor, sum);
        mixEffects(mix.voices, sounds, sum);
        const float headroom = std::max(std::fabs(sum.left), std::fabs(sum.right)) + 1.0f;
        out[2 * frame] = sum.left / headroom;
        out[2 * frame + 1] = sum.right / headroom;
    }
}

void silenceAll(SoundMix& mix)
{
    for (EffectVoice& voice : mix.voices)
        voice.remaining = 0;
    for (LoopSlot& slot : mix.armSlots)
        slot.reset();
    for (LoopSlot& slot : mix.pressSlots)
        slot.reset();
}
