#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "audio/sdl_sound_engine.h"
#include "audio/wav_loader.h"
#include "support/sdl_log_capture.h"
#include "support/world_builders.h"

namespace {

namespace fs = std::filesystem;

const fs::path SOUNDS = fs::path(GEARHAVEN_SOURCE_DIR) / "assets" / "sounds";

class SoundFiles : public ::testing::Test {
  protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("gearhaven-sounds-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        for (const auto& entry : fs::directory_iterator(SOUNDS))
            fs::copy_file(entry.path(), dir_ / entry.path().filename());
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
};

// A WAV file of 32-bit float mono samples at 48 kHz, which needs no conversion.
std::string floatWav(const std::string& data)
{
    const auto le32 = [](std::uint32_t v) {
        return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                           static_cast<char>(v >> 24)};
    };
    const auto le16 = [](std::uint16_t v) { return std::string{static_cast<char>(v), static_cast<char>(v >> 8)}; };
    return "RIFF" + le32(static_cast<std::uint32_t>(36 + data.size())) + "WAVEfmt " + le32(16) + le16(3) + le16(1) +
           le32(48000) + le32(48000 * 4) + le16(4) + le16(32) + "data" + le32(static_cast<std::uint32_t>(data.size())) +
           data;
}

bool hasLine(const SdlLogCapture& log, const std::string& line)
{
    return std::find(log.lines().begin(), log.lines().end(), line) != log.lines().end();
}

bool buffersEmpty(const SoundBuffers& sounds)
{
    return sounds.armMotor.empty() && sounds.pressMotor.empty() &&
           std::all_of(sounds.effects.begin(), sounds.effects.end(), [](const SampleBuffer& b) { return b.empty(); });
}

int playingKind(const SoundMix& mix, SoundEffectKind kind)
{
    return static_cast<int>(std::count_if(mix.voices.begin(), mix.voices.end(),
                                          [&](const EffectVoice& v) { return v.remaining > 0 && v.kind == kind; }));
}

bool allSilent(const SoundMix& mix)
{
    const auto freeSlot = [](const LoopSlot& s) { return s.isFree(); };
    return std::all_of(mix.voices.begin(), mix.voices.end(), [](const EffectVoice& v) { return v.remaining == 0; }) &&
           std::all_of(mix.armSlots.begin(), mix.armSlots.end(), freeSlot) &&
           std::all_of(mix.pressSlots.begin(), mix.pressSlots.end(), freeSlot);
}

// Source, belts, a kiln, belts and the shop on row 9: logs are bought,
// burnt and sold as coal, with the kiln's and the shop's sounds.
Game coalFactory()
{
    Game game;
    game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y).sourceRunning = true;
    const int y = STARTER_SOURCE_Y;
    layBeltRun(game, 4, y, EAST, 6);
    setTile(game, 10, y, OVEN, EAST);
    layBeltRun(game, 11, y, EAST, 5);
    setTile(game, 16, y, SHOP, WEST);
    return game;
}

std::string mapText(const Game& game)
{
    std::ostringstream text;
    game.writeMap(text);
    return text.str();
}

}  // namespace

TEST_F(SoundFiles, AllFifteenLoadAndASecondInitDoesNotReload)
{
    SdlSoundEngine engine;
    ASSERT_TRUE(engine.init(dir_.string())) << SDL_GetError();
    EXPECT_TRUE(engine.isOpen());
    const SoundBuffers& sounds = engine.sounds();
    for (const SampleBuffer& effect : sounds.effects) {
        EXPECT_GT(effect.size(), 0u);
        EXPECT_LT(effect.size(), static_cast<std::size_t>(OUTPUT_RATE)) << "effects last under a second";
    }
    EXPECT_EQ(sounds.armMotor.size(), static_cast<std::size_t>(OUTPUT_RATE));
    EXPECT_EQ(sounds.pressMotor.size(), static_cast<std::size_t>(OUTPUT_RATE));

    fs::remove_all(dir_);
    EXPECT_TRUE(engine.init(dir_.string())) << "open already: nothing is read";
    EXPECT_FALSE(buffersEmpty(engine.sounds()));
    engine.close();
    EXPECT_FALSE(engine.isOpen());
    fs::create_directories(dir_);
}

TEST_F(SoundFiles, AMissingLoopFailsTheWholeLoadAndKeepsTheBuffersEmpty)
{
    fs::remove(dir_ / PRESS_MOTOR_FILE_NAME);
    SdlLogCapture log;
    SdlSoundEngine engine;
    EXPECT_FALSE(engine.init(dir_.string()));
    EXPECT_FALSE(engine.isOpen());
    EXPECT_TRUE(buffersEmpty(engine.sounds()));
    const std::string path = (dir_ / PRESS_MOTOR_FILE_NAME).string();
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0].rfind("WAV-Datei " + path + " konnte nicht geladen werden: ", 0), 0u) << log.lines()[0];
}

TEST_F(SoundFiles, FilesWithoutAWholeSampleOrInAnUnknownFormatAreRefused)
{
    SdlLogCapture log;
    SampleBuffer samples = {0.5f};
    const fs::path short_ = dir_ / "short.wav";
    std::ofstream(short_, std::ios::binary) << floatWav("abc");
    EXPECT_FALSE(loadWav(short_.string(), samples));
    EXPECT_TRUE(hasLine(log, "WAV-Datei " + short_.string() + " enthält keine gültigen Audiodaten"));
    EXPECT_EQ(samples, SampleBuffer{0.5f}) << "a refused file leaves the buffer as it was";

    const fs::path junk = dir_ / "junk.wav";
    std::ofstream(junk, std::ios::binary) << "not a sound at all";
    EXPECT_FALSE(loadWav(junk.string(), samples));
    EXPECT_EQ(log.lines().back().rfind("WAV-Datei " + junk.string() + " konnte nicht geladen werden: ", 0), 0u);

    // Two float samples come through unchanged.
    const float two[2] = {0.25f, -0.5f};
    const fs::path good = dir_ / "good.wav";
    std::ofstream(good, std::ios::binary) << floatWav(std::string(reinterpret_cast<const char*>(two), sizeof two));
    ASSERT_TRUE(loadWav(good.string(), samples));
    EXPECT_EQ(samples, (SampleBuffer{0.25f, -0.5f}));
}

TEST(SoundEngine, TheCommittedLoopsAreSeamless)
{
    for (const char* name : {ARM_MOTOR_FILE_NAME, PRESS_MOTOR_FILE_NAME}) {
        SampleBuffer loop;
        ASSERT_TRUE(loadWav((SOUNDS / name).string(), loop));
        float largestStep = 0.0f;
        for (std::size_t i = 1; i < loop.size(); ++i)
            largestStep = std::max(largestStep, std::fabs(loop[i] - loop[i - 1]));
        EXPECT_LE(std::fabs(loop.front() - loop.back()), largestStep) << name << ": no click where it wraps";
    }
}

TEST(SoundEngine, TheSimulationsCallsPlayWhereTheViewSeesThemUntilMuted)
{
    SdlSoundEngine engine;
    ASSERT_TRUE(engine.init(SOUNDS.string())) << SDL_GetError();
    SDL_PauseAudioDevice(engine.device(), 1);  // nothing plays out while the test looks
    engine.setView(0, 0, 32, 1024, 768);
    Game game = coalFactory();
    game.sound = &engine;
    ASSERT_GE(runUntil(game, 60 * 60, [](const Game& g) { return !g.incomeEvents.empty(); }), 0);
    const SoundMix mix = engine.mixState();
    ASSERT_EQ(playingKind(mix, SHOP_SALE_SOUND), 1) << "the sale of this very step";
    const auto sale = std::find_if(mix.voices.begin(), mix.voices.end(),
                                   [](const EffectVoice& v) { return v.remaining > 0 && v.kind == SHOP_SALE_SOUND; });
    EXPECT_EQ(sale->x, 16.0f);
    EXPECT_EQ(sale->gain, attenuation(SoundView{}, 16.0f, 9.0f));

    engine.updateArmLoops({{100, 20, 1, false}});
    engine.updatePressLoops({{101, 21, 1, false}});
    EXPECT_FALSE(engine.mixState().armSlots[0].isFree());
    EXPECT_FALSE(engine.mixState().pressSlots[0].isFree());

    engine.setMuted(true);
    EXPECT_TRUE(allSilent(engine.mixState()));
    engine.playShopSale(0, 15.5f, 11.5f);
    engine.updateArmLoops({{100, 20, 1, false}});
    EXPECT_TRUE(allSilent(engine.mixState())) << "muted: nothing starts";
    engine.setMuted(false);
    EXPECT_TRUE(allSilent(engine.mixState()));
    engine.playGrab(0, 15, 11, false);
    EXPECT_EQ(playingKind(engine.mixState(), GRAB_SOUND), 1);

    // The view loses the grab at once.
    engine.setView(2048, 0, 32, 1024, 768);
    EXPECT_EQ(playingKind(engine.mixState(), GRAB_SOUND), 0);
}

TEST(SoundEngine, WithoutADeviceTheGameRunsUnchangedAndSilent)
{
    // Whatever earlier tests opened, the audio output now cannot start.
    while (SDL_WasInit(SDL_INIT_AUDIO) != 0)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    const char* set = std::getenv("SDL_AUDIODRIVER");
    const std::optional<std::string> driver = set != nullptr ? std::optional<std::string>(set) : std::nullopt;
    ::setenv("SDL_AUDIODRIVER", "no-such-output", 1);
    SdlLogCapture log;
    SdlSoundEngine engine;
    const bool started = startSoundEngine(engine, SOUNDS.string());
    if (driver) {
        ::setenv("SDL_AUDIODRIVER", driver->c_str(), 1);
    } else {
        ::unsetenv("SDL_AUDIODRIVER");
    }
    EXPECT_FALSE(started);
    EXPECT_FALSE(engine.isOpen());
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0].rfind("Arm-Sound nicht verfügbar: ", 0), 0u) << log.lines()[0];

    Game silent = coalFactory();
    silent.sound = &engine;
    engine.setMuted(false);
    engine.setView(0, 0, 32, 1024, 768);
    Game plain = coalFactory();
    for (int step = 0; step < 60 * 20; ++step) {
        silent.update(1.0f / 60.0f, false);
        plain.update(1.0f / 60.0f, false);
    }
    EXPECT_FALSE(plain.incomeEvents.empty());
    EXPECT_EQ(mapText(silent), mapText(plain));
    EXPECT_TRUE(allSilent(engine.mixState()));
}
