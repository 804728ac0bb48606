#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

// Run as the README says, from the top folder with a relative picture folder,
// while another run's scratch folders sit in the temporary directory.
TEST(Gallery, RunsFromTheTopFolderIntoARelativeFolderAndLeavesOtherRunsAlone)
{
#ifndef GEARHAVEN_GALLERY
    GTEST_SKIP() << "built without the game";
#else
    std::string pattern = (fs::temp_directory_path() / "gearhaven-gallery-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path top = pattern, temporary = top / "tmp";
    fs::create_directory_symlink(fs::path(GEARHAVEN_SOURCE_DIR) / "assets", top / "assets");
    for (const char* other : {"gearhaven-gallery-sheets", "gearhaven-gallery-slots"}) {
        fs::create_directories(temporary / other);
        std::ofstream(temporary / other / "mine.txt") << "another run's\n";
    }
    const std::string command = "cd '" + top.string() + "' && TMPDIR='" + temporary.string() + "' " +
                                GEARHAVEN_GALLERY + " out >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(fs::is_regular_file(top / "out" / "sheets-beside-painter.png"));
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(temporary), {}), 4)
        << "the other run's two folders and their files, and nothing of this run";
    fs::remove_all(top);
#endif
}
