#include "audio/wav_loader.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The file's audio bytes converted in place; the buffer is as large as the
// conversion needs.
struct ConvertedAudio {
    std::vector<Uint8> bytes;
    std::size_t length = 0;
};

bool convertToOutputFormat(const std::string& path, const SDL_AudioSpec& spec, Uint8* data, Uint32 length,
                           ConvertedAudio& converted)
{
    SDL_AudioCVT cvt;
    const int needed = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_F32SYS, 1, OUTPUT_RATE);
    if (needed < 0) {
        SDL_Log("WAV-Datei %s hat ein nicht unterstütztes Format: %s", path.c_str(), SDL_GetError());
        SDL_FreeWAV(data);
        return false;
    }
    converted.bytes.assign(static_cast<std::size_t>(length) * static_cast<std::size_t>(std::max(1, cvt.len_mult)), 0);
    if (length > 0) std::memcpy(converted.bytes.data(), data, length);
    SDL_FreeWAV(data);
    converted.length = length;
    if (needed == 0) return true;
    cvt.buf = converted.bytes.data();
    cvt.len = static_cast<int>(length);
    if (SDL_ConvertAudio(&cvt) != 0) {
        SDL_Log("WAV-Datei %s konnte nicht umgewandelt werden: %s", path.c_str(), SDL_GetError());
        return false;
    }
    converted.length = static_cast<std::size_t>(cvt.len_cvt);
    return true;
}

}  // namespace

bool loadWav(const std::string& path, SampleBuffer& samples)
{
    SDL_AudioSpec spec;
    Uint8* data = nullptr;
    Uint32 length = 0;
    // A file that cannot be opened keeps the reason the open gave.
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (file == nullptr || SDL_LoadWAV_RW(file, 1, &spec, &data, &length) == nullptr) {
        SDL_Log("WAV-Datei %s konnte nicht geladen werden: %s", path.c_str(), SDL_GetError());
        return false;
    }
    ConvertedAudio converted;
    if (!convertToOutputFormat(path, spec, data, length, converted)) return false;
    if (converted.length < 1 || converted.length % sizeof(float) != 0) {
        SDL_Log("WAV-Datei %s enthält keine gültigen Audiodaten", path.c_str());
        return false;
    }
    samples.resize(converted.length / sizeof(float));
    std::memcpy(samples.data(), converted.bytes.data(), converted.length);
    return true;
}

bool loadSounds(const std::string& directory, SoundBuffers& sounds)
{
    SoundBuffers loaded;
    for (int kind = 0; kind < SOUND_EFFECT_KINDS; ++kind) {
        if (!loadWav(directory + "/" + EFFECT_FILE_NAMES[kind], loaded.effects[kind])) return false;
    }
    if (!loadWav(directory + "/" + ARM_MOTOR_FILE_NAME, loaded.armMotor)) return false;
    if (!loadWav(directory + "/" + PRESS_MOTOR_FILE_NAME, loaded.pressMotor)) return false;
    sounds = std::move(loaded);
    return true;
}
