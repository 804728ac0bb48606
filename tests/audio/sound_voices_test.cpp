#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "audio/sound_voices.h"

namespace {

const SoundView VIEW;  // camera (0, 0), 32 px tiles, 1024 x 768: tiles 0..31 by 0..23

// Every effect 4800 samples long (0.1 s).
SoundBuffers effectSounds()
{
    SoundBuffers sounds;
    for (SampleBuffer& effect : sounds.effects)
        effect = SampleBuffer(4800, 0.1f);
    return sounds;
}

int playing(const SoundMix& mix)
{
    return static_cast<int>(
        std::count_if(mix.voices.begin(), mix.voices.end(), [](const EffectVoice& v) { return v.remaining > 0; }));
}

int bound(const LoopSlots& slots)
{
    return static_cast<int>(std::count_if(slots.begin(), slots.end(), [](const LoopSlot& s) { return !s.isFree(); }));
}

// Lets the mixer play `frames` frames.
void play(SoundMix& mix, const SoundBuffers& sounds, int frames)
{
    std::vector<float> out(2 * static_cast<std::size_t>(frames));
    mixSound(mix, sounds, out.data(), frames);
}

}  // namespace

TEST(SoundPlacement, OnlyTilesOnScreenAreHeard)
{
    struct Case {
        int cameraX;
        float x;
        float y;
        bool audible;
    };
    for (const Case& c : {Case{0, 31, 0, true}, Case{0, 32, 0, false}, Case{31, 0, 0, true}, Case{32, 0, 0, false},
                          Case{0, 0, 23, true}, Case{0, 0, 24, false}, Case{0, -1, 5, false}}) {
        SoundView view = VIEW;
        view.cameraX = c.cameraX;
        EXPECT_EQ(isAudible(view, c.x, c.y), c.audible) << c.cameraX << ": " << c.x << ", " << c.y;
        EXPECT_EQ(attenuation(view, c.x, c.y) > 0.0f, c.audible);
    }
}

TEST(SoundPlacement, GainFallsFromTheCentreAndPanFollowsTheScreen)
{
    // Tile (15.5, 11.5) lies at the centre of the 1024 x 768 view.
    EXPECT_EQ(attenuation(VIEW, 15.5f, 11.5f), 1.0f);
    const PanGains centre = pan(VIEW, 15.5f);
    EXPECT_FLOAT_EQ(centre.left, 0.7071068f);
    EXPECT_EQ(centre.left, centre.right);
    EXPECT_FLOAT_EQ(attenuation(VIEW, 25.5f, 11.5f), 1.0f / 2.2f) << "ten tiles away";

    const PanGains leftEdge = pan(VIEW, -0.5f);
    EXPECT_EQ(leftEdge.left, 1.0f);
    EXPECT_EQ(leftEdge.right, 0.0f);
    const PanGains farLeft = pan(VIEW, -3.0f);
    EXPECT_EQ(farLeft.left, 1.0f);
    const PanGains farRight = pan(VIEW, 40.0f);
    EXPECT_NEAR(farRight.left, 0.0f, 1e-7f);
    EXPECT_EQ(farRight.right, 1.0f);

    const SoundView tiny = clampedView(0, 0, 0, -5, 0);
    EXPECT_EQ(tiny.width, 1);
    EXPECT_EQ(tiny.height, 1);
    EXPECT_EQ(tiny.tileSize, 1);
}

TEST(SoundPlacement, NeighbouringSourcesAreDetunedByQuarterSemitones)
{
    EXPECT_FLOAT_EQ(detuneFactor(0, false), std::pow(2.0f, -0.125f));
    EXPECT_FLOAT_EQ(detuneFactor(4, false), std::pow(2.0f, 1.0f / 48.0f));
    EXPECT_FLOAT_EQ(detuneFactor(4, true), 0.8f * std::pow(2.0f, 1.0f / 48.0f));
    EXPECT_FLOAT_EQ(detuneFactor(13, false), detuneFactor(0, false));
    for (std::uint32_t variant = 0; variant < 13; ++variant) {
        EXPECT_GE(detuneFactor(variant, false), std::pow(2.0f, -0.125f));
        EXPECT_LE(detuneFactor(variant, false), std::pow(2.0f, 0.125f));
    }
}

TEST(SoundEffects, AStartedEffectIsPlacedDetunedAndLastsItsLengthAtItsRate)
{
    const SoundBuffers sounds = effectSounds();
    SoundMix mix;
    ASSERT_TRUE(startEffect(mix, sounds, VIEW, GRAB_SOUND, 4, 15.5f, 11.5f, true));
    const EffectVoice& voice = mix.voices[0];
    EXPECT_EQ(voice.kind, GRAB_SOUND);
    EXPECT_FLOAT_EQ(voice.rate, detuneFactor(4, true));
    EXPECT_EQ(voice.total, static_cast<int>(std::ceil(4800.0 / voice.rate)));
    EXPECT_EQ(voice.remaining, voice.total);
    EXPECT_EQ(voice.gain, 1.0f);
    EXPECT_EQ(voice.leftGain, voice.rightGain);

    EXPECT_FALSE(startEffect(mix, sounds, VIEW, GRAB_SOUND, 4, 40.0f, 11.0f, false)) << "off screen";
    SoundBuffers noGrab = sounds;
    noGrab.effects[GRAB_SOUND].clear();
    EXPECT_FALSE(startEffect(mix, noGrab, VIEW, GRAB_SOUND, 0, 3.0f, 3.0f, false)) << "nothing loaded";
    EXPECT_EQ(playing(mix), 1);
}

TEST(SoundEffects, ARepeatAtTheSamePlaceWithinATenthOfASecondIsDropped)
{
    const SoundBuffers sounds = effectSounds();
    SoundMix mix;
    ASSERT_TRUE(startEffect(mix, sounds, VIEW, GRAB_SOUND, 0, 5, 5, false));
    play(mix, sounds, REPEAT_FRAMES);
    EXPECT_FALSE(startEffect(mix, sounds, VIEW, GRAB_SOUND, 0, 5, 5, false)) << "4799 frames after the first";
    EXPECT_FALSE(startEffect(mix, sounds, VIEW, GRAB_SOUND, 0, 5.5f, 5.5f, false)) << "less than a tile away";
    EXPECT_TRUE(startEffect(mix, sounds, VIEW, GRAB_SOUND, 0, 6, 5, false)) << "a tile away";
    EXPECT_TRUE(startEffect(mix, sounds, VIEW, RELEASE_SOUND, 0, 5, 5, false)) << "another kind";

    play(mix, sounds, 1);  // the first has now played 4800 frames and still sounds
    ASSERT_GT(mix.voices[0].remaining, 0);
    EXPECT_TRUE(startEffect(mix, sounds, VIEW, GRAB_SOUND, 0, 5, 5, false));
}

TEST(SoundEffects, TwelveVoicesPlayAndMoreImportantSoundsTakeOverTheLeastImportant)
{
    const SoundBuffers sounds = effectSounds();
    SoundMix mix;
    for (int i = 0; i < 12; ++i) {
        const auto kind = i == 4 ? SMELTER_INPUT_SOUND : OVEN_INPUT_SOUND;
        ASSERT_TRUE(startEffect(mix, sounds, VIEW, kind, 0, static_cast<float>(i), 0, false));
    }
    EXPECT_FALSE(startEffect(mix, sounds, VIEW, OVEN_INPUT_SOUND, 0, 20, 20, false)) << "not more important";

    ASSERT_TRUE(startEffect(mix, sounds, VIEW, SHOP_SALE_SOUND, 0, 20, 20, false));
    EXPECT_EQ(mix.voices[0].kind, SHOP_SALE_SOUND) << "the first playing oven input gave way";
    EXPECT_EQ(mix.voices[0].x, 20.0f);
    EXPECT_EQ(playing(mix), 12);

    ASSERT_TRUE(startEffect(mix, sounds, VIEW, MIXER_SOUND, 0, 21, 20, false));
    EXPECT_EQ(mix.voices[1].kind, MIXER_SOUND);

    // All twelve at priority 2 or 3: an oven input, a distributor and another mixer are dropped.
    for (int i = 2; i < 12; ++i)
        mix.voices[static_cast<std::size_t>(i)].kind = MOLDER_OPEN_SOUND;
    EXPECT_FALSE(startEffect(mix, sounds, VIEW, OVEN_INPUT_SOUND, 0, 22, 20, false));
    EXPECT_FALSE(startEffect(mix, sounds, VIEW, DISTRIBUTOR_SOUND, 0, 22, 20, false));
    EXPECT_TRUE(startEffect(mix, sounds, VIEW, EJECTOR_HIT_SOUND, 0, 22, 20, false));
    EXPECT_EQ(mix.voices[1].kind, EJECTOR_HIT_SOUND);
    EXPECT_EQ(effectPriority(static_cast<SoundEffectKind>(13)), 0);
}

TEST(SoundEffects, TheViewMovesPlayingSoundsAndStopsThoseItLoses)
{
    const SoundBuffers sounds = effectSounds();
    SoundMix mix;
    ASSERT_TRUE(startEffect(mix, sounds, VIEW, SHOP_SALE_SOUND, 0, 15.5f, 11.5f, false));
    ASSERT_TRUE(startEffect(mix, sounds, VIEW, GRAB_SOUND, 0, 2, 2, false));
    feedArmLoops(mix.armSlots, VIEW, {{162, 2, 2, false}});
    feedPressLoops(mix.pressSlots, VIEW, {{492, 12, 6, false}});

    SoundView scrolled = VIEW;
    scrolled.cameraX = 5 * 32;  // tile 2 leaves on the left, the shop moves to the left half
    followView(mix, scrolled);
    EXPECT_EQ(mix.voices[1].remaining, 0);
    EXPECT_TRUE(mix.armSlots[0].isFree()) << "cut off without a fade";
    EXPECT_FALSE(mix.pressSlots[0].isFree());
    EXPECT_EQ(mix.voices[0].gain, attenuation(scrolled, 15.5f, 11.5f));
    EXPECT_GT(mix.voices[0].leftGain, mix.voices[0].rightGain);
}

TEST(SoundLoops, ListedMotorsGlideToTheirShareAndTheRestFadeOut)
{
    SoundBuffers sounds;
    sounds.armMotor = SampleBuffer(4800, 0.5f);
    sounds.pressMotor = SampleBuffer(4800, 0.5f);
    const SoundView wide{0, 0, 32, 80 * 32, 60 * 32};  // the whole map
    std::vector<ArmLoopSource> arms;
    for (int i = 0; i < 100; ++i)
        arms.push_back({static_cast<std::uint32_t>(i), i % 80, i / 80, i == 1});

    SoundMix mix;
    feedArmLoops(mix.armSlots, wide, arms);
    EXPECT_EQ(bound(mix.armSlots), 64) << "the 36 sources beyond the slots stay silent";
    EXPECT_FLOAT_EQ(mix.armSlots[3].targetGain, attenuation(wide, 3, 0) * 0.0055f);
    EXPECT_EQ(mix.armSlots[3].currentGain, 0.0f) << "fades in from silence";
    EXPECT_FLOAT_EQ(mix.armSlots[1].rate, detuneFactor(1, true));

    feedArmLoops(mix.armSlots, wide, {arms[70], arms[3]});
    EXPECT_EQ(mix.armSlots[3].id, 3u) << "a listed source keeps its slot";
    EXPECT_FLOAT_EQ(mix.armSlots[3].targetGain, attenuation(wide, 3, 0) * 0.044f / std::sqrt(2.0f));
    EXPECT_EQ(mix.armSlots[4].targetGain, 0.0f) << "an unlisted source fades out";
    EXPECT_EQ(bound(mix.armSlots), 64) << "source 70 finds no free slot yet";

    feedArmLoops(mix.armSlots, wide, {{7, 90, 0, false}});
    EXPECT_TRUE(mix.armSlots[7].isFree()) << "a source off screen is cut off";

    feedPressLoops(mix.pressSlots, wide, {{500, 20, 6, false}});
    EXPECT_FLOAT_EQ(mix.pressSlots[0].targetGain, attenuation(wide, 20, 6) * 0.018f);
    EXPECT_EQ(mix.pressSlots[0].rate, 1.0f) << "presses are not detuned";

    // Several seconds of standstill with empty arm lists free every arm motor.
    for (int frame = 0; frame < 60 * 5; ++frame) {
        feedArmLoops(mix.armSlots, wide, {});
        play(mix, sounds, OUTPUT_RATE / 60);
    }
    EXPECT_EQ(bound(mix.armSlots), 0);
    EXPECT_EQ(bound(mix.pressSlots), 1) << "presses keep their last target";
}
