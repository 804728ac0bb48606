#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "audio/sdl_sound_engine.h"
#include "audio/sound_mixer.h"

namespace {

// A bound slot at full gain gliding towards `target`.
LoopSlot boundSlot(float current, float target)
{
    LoopSlot slot;
    slot.id = 7;
    slot.currentGain = current;
    slot.targetGain = target;
    return slot;
}

// Mixes one frame at a time until the slot is freed; returns the frames
// mixed and the gain it had in the frame before.
struct Fade {
    int frames = 0;
    float lastGain = 0.0f;
};

Fade fadeOut(SoundMix& mix, const SoundBuffers& sounds, LoopSlot& slot, int limit)
{
    Fade fade;
    float out[2];
    while (!slot.isFree() && fade.frames < limit) {
        fade.lastGain = slot.currentGain;
        mixSound(mix, sounds, out, 1);
        ++fade.frames;
    }
    return fade;
}

}  // namespace

TEST(SoundMixer, TheCallbackWritesWholeFramesAndSilenceIsExactZero)
{
    SdlSoundEngine engine;  // no device: the callback is called by hand
    std::vector<float> stream(1025, 0.25f);
    SdlSoundEngine::audioCallback(&engine, reinterpret_cast<Uint8*>(stream.data()), 4);
    EXPECT_EQ(stream[0], 0.25f) << "less than one frame writes nothing";

    SdlSoundEngine::audioCallback(&engine, reinterpret_cast<Uint8*>(stream.data()), 4096);
    for (int i = 0; i < 1024; ++i)
        ASSERT_EQ(stream[i], 0.0f) << i;
    EXPECT_EQ(stream[1024], 0.25f) << "4096 bytes are 512 stereo frames";
}

TEST(SoundMixer, OneVoiceIsScaledByItsGainsAndTheLimiter)
{
    SoundBuffers sounds;
    sounds.effects[SHOP_SALE_SOUND] = SampleBuffer(100, 1.0f);
    SoundMix mix;
    mix.voices[3] = EffectVoice{100, 100, 0.0, SHOP_SALE_SOUND, 1.0f, 1.0f, CENTRE_PAN, CENTRE_PAN, 0.0f, 0.0f};
    float out[4];
    mixSound(mix, sounds, out, 2);
    EXPECT_FLOAT_EQ(out[0], 0.7071f / 1.7071f);
    EXPECT_FLOAT_EQ(out[1], 0.7071f / 1.7071f);
    EXPECT_EQ(mix.voices[3].remaining, 98);
    EXPECT_EQ(mix.voices[3].position, 2.0);

    // A mix that peaks at full scale comes out at half; the quieter side keeps its ratio.
    mix.voices[3] = EffectVoice{100, 100, 0.0, SHOP_SALE_SOUND, 1.0f, 1.0f, 1.0f, 0.5f, 0.0f, 0.0f};
    mixSound(mix, sounds, out, 1);
    EXPECT_FLOAT_EQ(out[0], 0.5f);
    EXPECT_FLOAT_EQ(out[1], 0.25f);
}

TEST(SoundMixer, ReadsInterpolateAndWrapToTheStart)
{
    const SampleBuffer ramp = {0.0f, 1.0f, 2.0f, 3.0f};
    EXPECT_EQ(sampleWavetable({}, 1.5), 0.0f);
    EXPECT_FLOAT_EQ(sampleWavetable(ramp, 1.25), 1.25f);
    EXPECT_FLOAT_EQ(sampleWavetable(ramp, 3.5), 1.5f) << "the last sample leads back to the first";
    EXPECT_FLOAT_EQ(sampleWavetable(ramp, 5.5), 1.5f);
}

TEST(SoundMixer, MotorsFadeGeometricallyAndAreFreedBelowTheThreshold)
{
    SoundBuffers sounds;
    sounds.armMotor = SampleBuffer(480, 0.5f);
    sounds.pressMotor = SampleBuffer(480, 0.5f);
    struct Case {
        bool arm;
        float factor;
    };
    for (const Case& c : {Case{true, 0.9985f}, Case{false, 0.9988f}}) {
        SoundMix mix;
        LoopSlot& slot = c.arm ? mix.armSlots[5] : mix.pressSlots[5];
        slot = boundSlot(1.0f, 0.0f);
        float out[2];
        mixSound(mix, sounds, out, 1);
        EXPECT_FLOAT_EQ(slot.currentGain, c.factor);

        const Fade fade = fadeOut(mix, sounds, slot, 20000);
        const int expected = static_cast<int>(std::ceil(std::log(LOOP_SILENCE) / std::log(c.factor)));
        EXPECT_NEAR(fade.frames, expected, 2) << "freed in the first frame below 0.00001";
        EXPECT_GE(fade.lastGain * c.factor, LOOP_SILENCE * 0.999f);
        EXPECT_EQ(slot.id, FREE_LOOP_ID);
        EXPECT_EQ(slot.leftGain, CENTRE_PAN);
        mixSound(mix, sounds, out, 1);
        EXPECT_EQ(out[0], 0.0f) << "a freed slot adds nothing";
    }

    // A tiny target that is not zero keeps the slot bound.
    SoundMix mix;
    mix.armSlots[0] = boundSlot(1e-7f, 1e-7f);
    mix.pressSlots[0] = boundSlot(1e-7f, 1e-7f);
    EXPECT_EQ(fadeOut(mix, sounds, mix.armSlots[0], 20000).frames, 20000);
    EXPECT_FALSE(mix.pressSlots[0].isFree());
}

TEST(SoundMixer, ArmMotorsPlayAtTheirRateAndPressesAtTheRecordedSpeed)
{
    SoundBuffers sounds;
    sounds.armMotor = SampleBuffer(10, 0.5f);
    sounds.pressMotor = SampleBuffer(10, 0.5f);
    SoundMix mix;
    mix.armSlots[0] = boundSlot(0.5f, 0.5f);
    mix.armSlots[0].rate = 0.75f;
    mix.pressSlots[0] = boundSlot(0.5f, 0.5f);
    mix.pressSlots[0].rate = 0.75f;
    std::vector<float> out(2 * 14);
    mixSound(mix, sounds, out.data(), 14);
    EXPECT_DOUBLE_EQ(mix.armSlots[0].position, std::fmod(14 * 0.75, 10.0)) << "wraps at the loop's end";
    EXPECT_DOUBLE_EQ(mix.pressSlots[0].position, 4.0) << "one sample a frame, back to 0 at the end";

    silenceAll(mix);
    EXPECT_TRUE(mix.armSlots[0].isFree());
    EXPECT_TRUE(mix.pressSlots[0].isFree());
}
