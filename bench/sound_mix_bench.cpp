#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "audio/sound_mixer.h"
#include "audio/sound_voices.h"

namespace {

// One second of a tone for every sound, as long as the longest files.
SoundBuffers toneSounds()
{
    SampleBuffer tone(OUTPUT_RATE);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = 0.5f * std::sin(0.05f * static_cast<float>(i));
    SoundBuffers sounds;
    for (SampleBuffer& effect : sounds.effects)
        effect = tone;
    sounds.armMotor = tone;
    sounds.pressMotor = tone;
    return sounds;
}

// The busiest mix the engine allows: all 128 motor slots and 12 effects.
SoundMix busyMix(const SoundBuffers& sounds)
{
    const SoundView wide{0, 0, 32, 80 * 32, 60 * 32};
    std::vector<ArmLoopSource> sources;
    for (int i = 0; i < LOOP_SLOTS; ++i)
        sources.push_back({static_cast<std::uint32_t>(i), i % 80, i / 8, false});
    SoundMix mix;
    feedArmLoops(mix.armSlots, wide, sources);
    feedPressLoops(mix.pressSlots, wide, sources);
    for (int i = 0; i < PLAYING_EFFECT_LIMIT; ++i) {
        startEffect(mix, sounds, wide, static_cast<SoundEffectKind>(i), 0, static_cast<float>(3 * i), 5, false);
    }
    return mix;
}

}  // namespace

// One device buffer (512 frames, 10.7 ms of sound) per iteration.
static void BM_MixDeviceBuffer(benchmark::State& state)
{
    const SoundBuffers sounds = toneSounds();
    const SoundMix start = state.range(0) != 0 ? busyMix(sounds) : SoundMix{};
    std::vector<float> out(2 * OUTPUT_BUFFER_FRAMES);
    SoundMix mix = start;
    int buffers = 0;
    for (auto _ : state) {
        if (++buffers == 80) {  // restart before the effects run out
            state.PauseTiming();
            mix = start;
            buffers = 0;
            state.ResumeTiming();
        }
        mixSound(mix, sounds, out.data(), OUTPUT_BUFFER_FRAMES);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * OUTPUT_BUFFER_FRAMES);
}
BENCHMARK(BM_MixDeviceBuffer)->Arg(0)->Arg(1);
