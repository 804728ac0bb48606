#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

// The committed sounds are what the generator makes, so `make assets` after a
// change to a recipe is never forgotten, and a run changes no byte.
TEST(SoundGenerator, WritesTheCommittedSoundsByteForByte)
{
    const fs::path out = fs::temp_directory_path() / ("gearhaven-soundgen-" + std::to_string(::getpid()));
    const std::string command = std::string(GEARHAVEN_SOUNDGEN) + " " + out.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    const fs::path committed = fs::path(GEARHAVEN_SOURCE_DIR) / "assets" / "sounds";
    int files = 0;
    for (const auto& entry : fs::directory_iterator(out)) {
        ++files;
        EXPECT_EQ(fileBytes(entry.path()), fileBytes(committed / entry.path().filename())) << entry.path().filename();
    }
    EXPECT_EQ(files, 15);
    fs::remove_all(out);
    EXPECT_NE(std::system((std::string(GEARHAVEN_SOUNDGEN) + " 2>/dev/null").c_str()), 0) << "no directory given";
}
