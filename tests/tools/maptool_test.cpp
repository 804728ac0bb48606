#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "world/game.h"

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string fileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class MapTool : public ::testing::Test {
  protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("gearhaven-maptool-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path write(const std::string& name, const std::string& text)
    {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    ToolRun run(const std::string& arguments)
    {
        const fs::path out = dir_ / "stdout";
        const fs::path err = dir_ / "stderr";
        const std::string command =
            std::string(GEARHAVEN_MAPTOOL) + " " + arguments + " >" + out.string() + " 2>" + err.string();
        const int status = std::system(command.c_str());
        return ToolRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, fileText(out), fileText(err)};
    }

    fs::path dir_;
};

std::string freshText()
{
    std::ostringstream text;
    Game{}.writeMap(text);
    return text.str();
}

}  // namespace

TEST_F(MapTool, FreshWritesANewWorldThatRoundTripsUnchanged)
{
    const ToolRun fresh = run("fresh");
    EXPECT_EQ(fresh.exitCode, 0);
    EXPECT_EQ(fresh.out, freshText());

    const fs::path map = write("fresh.map", fresh.out);
    const ToolRun again = run("roundtrip " + map.string());
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, fresh.out);

    const ToolRun check = run("check " + map.string());
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_EQ(check.err, "");
}

TEST_F(MapTool, RefusedMapsGiveOneLineWithTheReason)
{
    std::string text = freshText();
    text.replace(text.find("STATE 0"), 7, "STATE -1");
    const ToolRun check = run("check " + write("spoilt.map", text).string());
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(check.err.find("line 4802"), std::string::npos) << check.err;
    EXPECT_EQ(std::count(check.err.begin(), check.err.end(), '\n'), 1);

    const ToolRun roundtrip = run("roundtrip " + (dir_ / "missing.map").string());
    EXPECT_EQ(roundtrip.exitCode, 1);
    EXPECT_EQ(roundtrip.out, "");
    EXPECT_NE(roundtrip.err.find("cannot be opened"), std::string::npos);
}

TEST_F(MapTool, RunAdvancesTheWorldAndBadCommandsShowTheUsage)
{
    const fs::path map = write("fresh.map", freshText());
    const ToolRun advance = run("run " + map.string() + " 10");
    EXPECT_EQ(advance.exitCode, 0);
    EXPECT_NE(advance.out, freshText());  // ten seconds have passed on the clocks
    EXPECT_EQ(run("run " + map.string() + " 0").out, freshText());
    // Seconds it cannot run, as too many steps to count among them.
    for (const char* seconds : {"-1", "ten", "nan", "inf", "1e400", "2e17"}) {
        const ToolRun refused = run("run " + map.string() + " " + seconds);
        EXPECT_EQ(refused.exitCode, 2) << seconds;
        EXPECT_NE(refused.err.find("usage"), std::string::npos) << seconds;
    }

    for (const char* arguments : {"", "check", "fresh extra", "explode "}) {
        const ToolRun bad = run(arguments);
        EXPECT_EQ(bad.exitCode, 2) << arguments;
        EXPECT_NE(bad.err.find("usage"), std::string::npos) << arguments;
    }
}
