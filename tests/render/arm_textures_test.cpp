#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "render/arm_textures.h"
#include "support/software_canvas.h"

namespace fs = std::filesystem;

namespace {

// Runs a test in a fresh directory, where "assets/" is the test's to fill.
class ScratchDirectory {
  public:
    ScratchDirectory() : saved_(fs::current_path())
    {
        path_ = fs::temp_directory_path() / ("gearhaven-arm-" + std::to_string(::getpid()));
        fs::remove_all(path_);
        fs::create_directories(path_ / "assets");
        fs::current_path(path_);
    }
    ~ScratchDirectory()
    {
        fs::current_path(saved_);
        fs::remove_all(path_);
    }

  private:
    fs::path saved_;
    fs::path path_;
};

void writePng(const std::string& path)
{
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 4, 4, 32, SDL_PIXELFORMAT_RGBA32);
    ASSERT_NE(s, nullptr);
    SDL_FillRect(s, nullptr, SDL_MapRGBA(s->format, 200, 100, 50, 255));
    ASSERT_EQ(IMG_SavePNG(s, path.c_str()), 0);
    SDL_FreeSurface(s);
}

std::vector<std::string> logged;

void keepLogLine(void*, int, SDL_LogPriority, const char* message) { logged.emplace_back(message); }

bool allEmpty(const ArmTextures& t)
{
    for (SDL_Texture* slot : t.slots) {
        if (slot != nullptr) return false;
    }
    return true;
}

}  // namespace

TEST(ArmTextures, AMissingSpriteIsLoggedAndLeavesEverySlotEmpty)
{
    ScratchDirectory scratch;
    for (int slot = 0; slot < ARM_SPRITE_COUNT; ++slot) {
        if (slot != ARM_HAND_CLOSED) writePng(std::string("assets/") + ARM_SPRITE_FILES[slot]);
    }
    SoftwareCanvas canvas(8, 8);
    ArmTextures textures;
    SDL_LogOutputFunction savedOutput;
    void* savedData;
    SDL_LogGetOutputFunction(&savedOutput, &savedData);
    SDL_LogSetOutputFunction(keepLogLine, nullptr);
    logged.clear();
    EXPECT_FALSE(loadArmTextures(canvas.renderer(), textures));
    SDL_LogSetOutputFunction(savedOutput, savedData);

    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].rfind("Greifarm-Grafik assets/arm_hand_closed.png konnte nicht geladen werden: ", 0), 0u)
        << logged[0];
    EXPECT_TRUE(allEmpty(textures));
    destroyArmTextures(textures);
    destroyArmTextures(textures);
    EXPECT_TRUE(allEmpty(textures));

    writePng("assets/arm_hand_closed.png");
    ASSERT_TRUE(loadArmTextures(canvas.renderer(), textures));
    for (SDL_Texture* slot : textures.slots) {
        ASSERT_NE(slot, nullptr);
        SDL_BlendMode mode;
        SDL_GetTextureBlendMode(slot, &mode);
        EXPECT_EQ(mode, SDL_BLENDMODE_BLEND);
    }
    destroyArmTextures(textures);
    EXPECT_TRUE(allEmpty(textures));
}
