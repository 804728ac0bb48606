#pragma once

#include <array>
#include <string>

#include "audio/sound_mixer.h"

// The sound files, all directly in the sound directory.
constexpr std::array<const char*, SOUND_EFFECT_KINDS> EFFECT_FILE_NAMES = {
    "grab.wav",          "release.wav",     "mixer.wav",          "distributor.wav",  "oven_input.wav",
    "smelter_input.wav", "oven_output.wav", "smelter_output.wav", "molder_clamp.wav", "molder_inject.wav",
    "molder_open.wav",   "shop_sale.wav",   "ejector_hit.wav",
};
constexpr const char* ARM_MOTOR_FILE_NAME = "arm_motor.wav";
constexpr const char* PRESS_MOTOR_FILE_NAME = "press_motor.wav";

// Reads one WAV file that SDL understands and converts it to mono float at
// the output rate. On failure logs why and leaves `samples` as it was.
bool loadWav(const std::string& path, SampleBuffer& samples);

// Loads all 15 sounds of the directory, or none: `sounds` changes only when
// every file loaded.
bool loadSounds(const std::string& directory, SoundBuffers& sounds);
