#pragma once

#include <cstdint>
#include <vector>

#include "audio/sound_engine.h"
#include "audio/sound_mixer.h"
#include "audio/sound_view.h"

// How the game thread changes what the mixer plays. The engine calls these
// with the audio device locked; they are plain functions so that the rules
// are tested without a device.

constexpr int PLAYING_EFFECT_LIMIT = 12;
// A repeat of a sound at the same place within 0.1 s is dropped.
constexpr std::int32_t REPEAT_FRAMES = OUTPUT_RATE / 10 - 1;
constexpr float ARM_LOOP_LEVEL = 0.044f;    // one arm motor; more share it by 1/sqrt(n)
constexpr float PRESS_LOOP_LEVEL = 0.018f;  // the same for presses

// Which sound wins a voice when all playing voices are taken; higher wins.
int effectPriority(SoundEffectKind kind);

// Starts an effect at tile position (x, y) or refuses it: not audible, a
// repeat, no voice to spare, or no sound loaded for the kind.
bool startEffect(SoundMix& mix, const SoundBuffers& sounds, const SoundView& view, SoundEffectKind kind,
                 std::uint32_t variant, float x, float y, bool isLong);

// After the view moved: playing sounds take their new gain and pan, sounds
// and motors that left the view stop at once.
void followView(SoundMix& mix, const SoundView& view);

// The running arm motors and presses after a world step: listed sources glide
// to their level, the rest fade out.
void feedArmLoops(LoopSlots& slots, const SoundView& view, const std::vector<ArmLoopSource>& sources);
void feedPressLoops(LoopSlots& slots, const SoundView& view, const std::vector<ArmLoopSource>& sources);
