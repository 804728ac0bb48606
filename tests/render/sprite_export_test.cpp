#include <gtest/gtest.h>

#include <SDL_image.h>

#include <fstream>
#include <sstream>

#include "render/control_sheets.h"
#include "render/scratch_assets.h"
#include "render/sprite_export.h"
#include "render/sprite_index_files.h"
#include "render/sprite_key_print.h"
#include "render/tile_canvas.h"

namespace {

std::vector<std::string> linesOf(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::pair<int, int> pngSize(const std::filesystem::path& file)
{
    SDL_Surface* png = IMG_Load(file.string().c_str());
    if (png == nullptr) return {0, 0};
    const std::pair size{png->w, png->h};
    SDL_FreeSurface(png);
    return size;
}

// The whole export into a scratch directory's control sheet folder.
struct Exported : ScratchAssets {
    bool ok = false;
    Exported()
    {
        std::filesystem::remove_all(controls());
        SoftwareCanvas exporter(8, 8);
        ok = exportControlPngs(exporter.renderer());
    }
};

}  // namespace

TEST(SpriteExport, WritesEveryControlBridgeAndPipePictureWithItsIndex)
{
    Exported exported;
    ASSERT_TRUE(exported.ok);
    const std::filesystem::path folder = exported.controls();

    std::ifstream in(folder / "index.txt");
    std::map<SpriteKey, SpriteRef> index;
    readControlSpriteIndex(in, index);
    const std::vector<std::string> lines = linesOf(folder / "index.txt");
    ASSERT_EQ(lines.size(), 1u + 884u);
    EXPECT_EQ(index.size(), 884u) << "every key once";
    EXPECT_EQ(lines[3], "2 64 0 0 0 0 0 0 tile_2_64.png 0 0 64 64") << "the least belt key first";

    // Pictures per type, the lines in key order, each in its own cell of its type's sheet.
    const int expected[26] = {1,  1, 330, 10, 10, 20, 20, 60, 60, 60, 60, 40, 40,
                              20, 5, 10,  5,  5,  5,  35, 20, 50, 1,  1,  5,  10};
    std::map<int, int> perType;
    for (const auto& [key, ref] : index) {
        const int cell = perType[key.type]++;
        ASSERT_LE(key.type, 25) << key;
        EXPECT_EQ(ref.file, "tile_" + std::to_string(key.type) + "_64.png") << key;
        EXPECT_EQ(std::tuple(ref.x, ref.y, ref.w, ref.h), std::tuple(cell % 16 * 64, cell / 16 * 64, 64, 64)) << key;
    }
    for (int type = 0; type < 26; ++type)
        EXPECT_EQ(perType[type], expected[type]) << "type " << type;
    EXPECT_EQ(pngSize(folder / "tile_2_64.png"), std::pair(1024, 1344));
    EXPECT_EQ(pngSize(folder / "tile_21_64.png"), std::pair(1024, 256));
    // Five bridge-tile pictures leave eleven transparent cells.
    SDL_Surface* bridges = IMG_Load((folder / "tile_14_64.png").string().c_str());
    ASSERT_NE(bridges, nullptr);
    EXPECT_EQ(std::pair(bridges->w, bridges->h), std::pair(1024, 64));
    Uint8 r, g, b, a;
    SDL_LockSurface(bridges);
    const auto alphaAt = [&](int x, int y) {
        const auto* row = static_cast<const Uint8*>(bridges->pixels) + y * bridges->pitch;
        SDL_GetRGBA(*reinterpret_cast<const Uint32*>(row + x * bridges->format->BytesPerPixel), bridges->format, &r, &g,
                    &b, &a);
        return a;
    };
    EXPECT_EQ(alphaAt(4 * 64 + 32, 32), 255);
    EXPECT_EQ(alphaAt(5 * 64 + 32, 32), 0);
    SDL_UnlockSurface(bridges);
    SDL_FreeSurface(bridges);

    const std::vector<std::string> bridgeLines = linesOf(folder / "bridges.txt");
    ASSERT_EQ(bridgeLines.size(), 1u + 96u);
    EXPECT_EQ(bridgeLines[0], "GEARHAVEN_BRIDGE_SPRITES 1");
    EXPECT_EQ(bridgeLines[1], "64 1 0 0 bridge_64.png 0 0 64 78 14");
    EXPECT_EQ(bridgeLines[96], "64 4 2 7 bridge_64.png 704 546 64 78 14");
    EXPECT_EQ(pngSize(folder / "bridge_64.png"), std::pair(768, 624));

    for (int n = 0; n < 16; ++n)
        EXPECT_EQ(pngSize(folder / ("water_pipe_" + std::to_string(n) + ".png")), std::pair(32, 32)) << n;
}

TEST(SpriteExport, SheetsLoadedBackShowWhatThePainterPaints)
{
    Exported exported;
    ASSERT_TRUE(exported.ok);
    SoftwareCanvas fromSheet(64, 64), painted(64, 64);
    int compared = 0;
    for (ControlType type = EMPTY; type <= EJECTOR; ++type) {
        for (const auto& [key, sample] : controlExportSamples(type)) {
            fromSheet.clear({0, 0, 0, 255});
            painted.clear({0, 0, 0, 255});
            drawControl(fromSheet.renderer(), sample.tile, 0, 0, 0, 0, 64, sample.time, sample.powered);
            drawControlSprite(painted.renderer(), sample.tile, 0, 0, 0, 0, 64, sample.time, sample.powered);
            EXPECT_EQ(fromSheet.pixels(), painted.pixels()) << key;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 884);
    // Everything but the belts came from the sheets.
    const TextureCaches& caches = textureCaches();
    EXPECT_EQ(caches.controlSheets.size(), 25u);
    EXPECT_EQ(caches.controlSprites.size(), 330u);
    EXPECT_EQ(caches.controlSprites.begin()->first.type, BELT);
}

TEST(SpriteExport, AnIndexThatCannotBeWrittenToTheEndFailsTheExport)
{
    for (const char* index : {"index.txt", "bridges.txt"}) {
        ScratchAssets assets;
        // Writes to the full device fail once its buffer is flushed, at the latest when it is closed.
        std::filesystem::create_symlink("/dev/full", assets.controls() / index);
        SoftwareCanvas exporter(8, 8);
        EXPECT_FALSE(exportControlPngs(exporter.renderer())) << index;
    }
}

TEST(SpriteExport, AFolderThatCannotBeMadeFailsTheExportBeforeAnythingIsWritten)
{
    ScratchAssets assets;
    std::filesystem::remove_all(assets.path / "assets");
    assets.write("assets", "a file where the folder belongs");
    SoftwareCanvas exporter(8, 8);
    EXPECT_FALSE(exportControlPngs(exporter.renderer()));
    EXPECT_TRUE(std::filesystem::is_regular_file(assets.path / "assets"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(assets.path), {}), 1);
}
