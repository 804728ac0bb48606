#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
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
    int left = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(temporary)) {
        EXPECT_TRUE(entry.is_directory() || entry.path().filename() == "mine.txt") << entry.path();
        ++left;
    }
    EXPECT_EQ(left, 4) << "the other run's folders and files, and nothing of this run";
    fs::remove_all(top);
#endif
}
