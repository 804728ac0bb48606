#include "audio/sound_voices.h"

#include <algorithm>
#include <cmath>

int effectPriority(SoundEffectKind kind)
{
    switch (kind) {
    case GRAB_SOUND:
    case RELEASE_SOUND:
    case MOLDER_INJECT_SOUND:
    case SHOP_SALE_SOUND:
    case EJECTOR_HIT_SOUND:
        return 3;
    case MIXER_SOUND:
    case DISTRIBUTOR_SOUND:
    case OVEN_OUTPUT_SOUND:
    case SMELTER_OUTPUT_SOUND:
    case MOLDER_CLAMP_SOUND:
    case MOLDER_OPEN_SOUND:
        return 2;
    case OVEN_INPUT_SOUND:
    case SMELTER_INPUT_SOUND:
        return 1;
    }
    return 0;
}

namespace {

using Voices = std::array<EffectVoice, EFFECT_VOICES>;

bool isRepeat(const Voices& voices, SoundEffectKind kind, float x, float y)
{
    return std::any_of(voices.begin(), voices.end(), [&](const EffectVoice& voice) {
        return voice.remaining > 0 && voice.kind == kind && voice.total - voice.remaining <= REPEAT_FRAMES &&
               std::hypot(voice.x - x, voice.y - y) < 1.0f;
    });
}

// A free voice while fewer than the limit play; at the limit the first of
// the least important playing voices, when the new sound matters more.
EffectVoice* voiceFor(Voices& voices, SoundEffectKind kind)
{
    const auto playing =
        std::count_if(voices.begin(), voices.end(), [](const EffectVoice& v) { return v.remaining > 0; });
    if (playing < PLAYING_EFFECT_LIMIT) {
        auto free = std::find_if(voices.begin(), voices.end(), [](const EffectVoice& v) { return v.remaining == 0; });
        return free == voices.end() ? nullptr : &*free;
    }
    EffectVoice* weakest = nullptr;
    for (EffectVoice& voice : voices) {
        if (voice.remaining > 0 && (weakest == nullptr || effectPriority(voice.kind) < effectPriority(weakest->kind))) {
            weakest = &voice;
        }
    }
    return weakest != nullptr && effectPriority(kind) > effectPriority(weakest->kind) ? weakest : nullptr;
}

void placeSlot(LoopSlot& slot, const SoundView& view, float x, float y)
{
    slot.x = x;
    slot.y = y;
    const PanGains gains = pan(view, x);
    slot.leftGain = gains.left;
    slot.rightGain = gains.right;
}

// Binds each listed source to its slot, or else the first free one, and sets
// its target; sources beyond the slots stay silent. Only arm motors are
// detuned: presses play at the recorded speed.
void feedLoops(LoopSlots& slots, const SoundView& view, const std::vector<ArmLoopSource>& sources, float level,
               bool detuned)
{
    for (LoopSlot& slot : slots)
        slot.targetGain = 0.0f;
    const auto counted = std::clamp<std::size_t>(sources.size(), 1, LOOP_SLOTS);
    const float scale = level / std::sqrt(static_cast<float>(counted));
    for (const ArmLoopSource& source : sources) {
        auto slot = std::find_if(slots.begin(), slots.end(), [&](const LoopSlot& s) { return s.id == source.id; });
        if (slot == slots.end())
            slot = std::find_if(slots.begin(), slots.end(), [](const LoopSlot& s) { return s.isFree(); });
        if (slot == slots.end()) continue;
        slot->id = source.id;
        const auto x = static_cast<float>(source.x);
        const auto y = static_cast<float>(source.y);
        if (!isAudible(view, x, y)) {
            slot->reset();
            continue;
        }
        placeSlot(*slot, view, x, y);
        slot->targetGain = attenuation(view, x, y) * scale;
        if (detuned) slot->rate = detuneFactor(source.id, source.isLong);
    }
}

}  // namespace

bool startEffect(SoundMix& mix, const SoundBuffers& sounds, const SoundView& view, SoundEffectKind kind,
                 std::uint32_t variant, float x, float y, bool isLong)
{
    const float gain = attenuation(view, x, y);
    if (gain <= 0.0f || isRepeat(mix.voices, kind, x, y)) return false;
    EffectVoice* voice = voiceFor(mix.voices, kind);
    const SampleBuffer& samples = sounds.effects[kind];
    if (voice == nullptr || samples.empty()) return false;
    const float rate = detuneFactor(variant, isLong);
    const auto frames = static_cast<std::int32_t>(std::ceil(static_cast<double>(samples.size()) / rate));
    const PanGains gains = pan(view, x);
    *voice = EffectVoice{frames, frames, 0.0, kind, rate, gain, gains.left, gains.right, x, y};
    return true;
}

void followView(SoundMix& mix, const SoundView& view)
{
    for (EffectVoice& voice : mix.voices) {
        if (voice.remaining <= 0) continue;
        if (!isAudible(view, voice.x, voice.y)) {
            voice.remaining = 0;
            continue;
        }
        voice.gain = attenuation(view, voice.x, voice.y);
        const PanGains gains = pan(view, voice.x);
        voice.leftGain = gains.left;
        voice.rightGain = gains.right;
    }
    for (LoopSlots* slots : {&mix.armSlots, &mix.pressSlots}) {
        for (LoopSlot& slot : *slots) {
            if (!slot.isFree() && !isAudible(view, slot.x, slot.y)) slot.reset();
        }
    }
}

void feedArmLoops(LoopSlots& slots, const SoundView& view, const std::vector<ArmLoopSource>& sources)
{
    feedLoops(slots, view, sources, ARM_LOOP_LEVEL, true);
}

void feedPressLoops(LoopSlots& slots, const SoundView& view, const std::vector<ArmLoopSource>& sources)
{
    feedLoops(slots, view, sources, PRESS_LOOP_LEVEL, false);
}
