#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "persistence/current_directory.h"
#include "persistence/faulty_calls.h"
#include "persistence/settings.h"

namespace fs = std::filesystem;

namespace {

const std::string DEFAULT_FILE = "[settings]\n"
                                 "autosave_minutes=0\n"
                                 "sound_enabled=1\n"
                                 "language=en\n"
                                 "window_width=1024\n"
                                 "window_height=768\n"
                                 "fullscreen=0\n";

// Each test gets a settings directory of its own.
class SettingsFile : public ::testing::Test {
  protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "gearhaven-settings-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override
    {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }

    void write(const std::string& name, const std::string& content)
    {
        std::ofstream out(dir / name, std::ios::binary);
        out << content;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(dir / name, std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
    }
    Settings loadIni(const std::string& content)
    {
        write("gearhaven.ini", content);
        return loadSettings(dir);
    }

    fs::path dir;
};

bool sameSettings(const Settings& a, const Settings& b)
{
    return a.autosaveMinutes == b.autosaveMinutes && a.windowWidth == b.windowWidth &&
           a.windowHeight == b.windowHeight && a.fullscreen == b.fullscreen && a.soundEnabled == b.soundEnabled &&
           a.language == b.language;
}

}  // namespace

TEST_F(SettingsFile, DefaultsAreWrittenLineByLine)
{
    ASSERT_TRUE(saveSettings(dir, Settings{}));
    EXPECT_EQ(read("gearhaven.ini"), DEFAULT_FILE);
    EXPECT_EQ(settingsFilePath(dir), dir / "gearhaven.ini");
}

TEST_F(SettingsFile, WrittenSettingsReadBackTheSame)
{
    Settings changed;
    changed.autosaveMinutes = 10;
    changed.windowWidth = 1600;
    changed.windowHeight = 900;
    changed.fullscreen = true;
    changed.soundEnabled = false;
    changed.language = GERMAN;
    ASSERT_TRUE(saveSettings(dir, changed));
    EXPECT_TRUE(sameSettings(loadSettings(dir), changed));
    EXPECT_NE(read("gearhaven.ini").find("language=de\n"), std::string::npos);

    // Whatever else the file held is gone after a write.
    write("gearhaven.ini", "# mine\n[other]\nkey=1\n");
    ASSERT_TRUE(saveSettings(dir, Settings{}));
    EXPECT_EQ(read("gearhaven.ini"), DEFAULT_FILE);
}

TEST_F(SettingsFile, MissingEntriesKeepTheirDefaults)
{
    Settings settings = loadIni("[settings]\nwindow_width=1280\n");
    Settings expected;
    expected.windowWidth = 1280;
    EXPECT_TRUE(sameSettings(settings, expected));
    EXPECT_TRUE(sameSettings(loadSettings(dir / "nowhere"), Settings{}));
}

TEST_F(SettingsFile, OnlyTheSettingsSectionCounts)
{
    Settings settings = loadIni("window_width=1100\n"
                                "[video]\nwindow_width=1200\n"
                                "[settings]\nwindow_height=600\n"
                                "[audio]\nsound_enabled=0\n"
                                "[settings]\nfullscreen=1\n");
    EXPECT_EQ(settings.windowWidth, 1024);
    EXPECT_EQ(settings.windowHeight, 600);
    EXPECT_TRUE(settings.soundEnabled);
    EXPECT_TRUE(settings.fullscreen);

    EXPECT_EQ(loadIni("[settings] \nwindow_width=1200\n").windowWidth, 1024);
    EXPECT_EQ(loadIni("[settings]\r\nwindow_width=1200\r\n").windowWidth, 1024);
    EXPECT_EQ(loadIni("  [settings]\nwindow_width=1200\n").windowWidth, 1200);
}

TEST_F(SettingsFile, CommentsBlanksAndLineEndsAreTolerated)
{
    Settings settings = loadIni("; comment\n"
                                "\n"
                                " \t\r\n"
                                "[settings]\n"
                                "# window_width=1300\n"
                                "  window_width \t=\t 1400 \t\r\n"
                                "window_height = 700\r\n"
                                "autosave_minutes = 10\n"
                                "no equals sign here\n"
                                "  = 5\n"
                                "fullscreen=   \n"
                                "language=de\r\n"
                                "sound_enabled=0");
    EXPECT_EQ(settings.windowWidth, 1400);
    EXPECT_EQ(settings.windowHeight, 700);
    EXPECT_EQ(settings.autosaveMinutes, 10);
    EXPECT_FALSE(settings.fullscreen);
    EXPECT_EQ(settings.language, GERMAN);
    EXPECT_FALSE(settings.soundEnabled);  // the last line needs no line end
}

TEST_F(SettingsFile, BadValuesKeepTheLastGoodOne)
{
    Settings settings = loadIni("[settings]\n"
                                "autosave_minutes=5\nautosave_minutes=2\nautosave_minutes=05\nautosave_minutes=+5\n"
                                "window_width=1500\nwindow_width=979\nwindow_width=8193\nwindow_width=1024px\n"
                                "window_height=600\nwindow_height=479\nwindow_height=99999999999999999999\n"
                                "sound_enabled=0\nsound_enabled=yes\n"
                                "fullscreen=1\nfullscreen=true\n"
                                "Sound_enabled=1\nunknown=3\n");
    EXPECT_EQ(settings.autosaveMinutes, 5);
    EXPECT_EQ(settings.windowWidth, 1500);
    EXPECT_EQ(settings.windowHeight, 600);
    EXPECT_FALSE(settings.soundEnabled);
    EXPECT_TRUE(settings.fullscreen);

    EXPECT_EQ(loadIni("[settings]\nwindow_width=+1024\nwindow_height=+480\n").windowHeight, 480);
    EXPECT_EQ(loadIni("[settings]\nwindow_width=8192\n").windowWidth, 8192);
    EXPECT_EQ(loadIni("[settings]\nwindow_width=-1024\n").windowWidth, 1024);
    EXPECT_EQ(loadIni("[settings]\nwindow_width=+-1100\n").windowWidth, 1024);
}

TEST_F(SettingsFile, EveryLanguageButExactlyDeIsEnglish)
{
    EXPECT_EQ(loadIni("[settings]\nlanguage=de\n").language, GERMAN);
    EXPECT_EQ(loadIni("[settings]\nlanguage=de\nlanguage=DE\n").language, ENGLISH);
    EXPECT_EQ(loadIni("[settings]\nlanguage=de\nlanguage=fr\n").language, ENGLISH);
    EXPECT_EQ(loadIni("[settings]\nlanguage = de \n").language, GERMAN);
}

TEST_F(SettingsFile, SoundSwitchKeepsTheOtherPreferences)
{
    Settings settings;
    settings.autosaveMinutes = 5;
    settings.language = GERMAN;
    ASSERT_TRUE(saveSettings(dir, settings));
    ASSERT_TRUE(saveSoundSetting(dir, false));
    settings.soundEnabled = false;
    EXPECT_TRUE(sameSettings(loadSettings(dir), settings));
}

TEST_F(SettingsFile, LegacyFilesAreReadOnlyWithoutAnIni)
{
    write("autosave.cfg", "  5 minutes\n");
    write("sound.cfg", "0");
    Settings legacy = loadSettings(dir);
    EXPECT_EQ(legacy.autosaveMinutes, 5);
    EXPECT_FALSE(legacy.soundEnabled);

    write("gearhaven.ini", "");
    EXPECT_TRUE(sameSettings(loadSettings(dir), Settings{}));
}

TEST_F(SettingsFile, FirstStartMovesLegacyFilesIntoTheIni)
{
    write("autosave.cfg", "5\n");
    write("sound.cfg", "0\n");
    ASSERT_TRUE(migrateLegacySettings(dir));
    EXPECT_FALSE(fs::exists(dir / "autosave.cfg"));
    EXPECT_FALSE(fs::exists(dir / "sound.cfg"));
    std::string ini = read("gearhaven.ini");
    EXPECT_NE(ini.find("autosave_minutes=5\n"), std::string::npos);
    EXPECT_NE(ini.find("sound_enabled=0\n"), std::string::npos);
}

TEST_F(SettingsFile, LegacyIntervalsOutsideTheChoicesAreIgnored)
{
    for (const char* interval : {"0", "2", "abc", ""}) {
        write("autosave.cfg", interval);
        EXPECT_EQ(loadSettings(dir).autosaveMinutes, 0) << interval;
    }
    write("sound.cfg", "2");
    EXPECT_TRUE(loadSettings(dir).soundEnabled);
}

TEST_F(SettingsFile, FirstStartWithoutLegacyFilesWritesTheDefaults)
{
    ASSERT_TRUE(migrateLegacySettings(dir));
    EXPECT_EQ(read("gearhaven.ini"), DEFAULT_FILE);
}

TEST_F(SettingsFile, AnExistingIniLeavesLegacyFilesAlone)
{
    write("gearhaven.ini", "[settings]\nautosave_minutes=1\n");
    write("autosave.cfg", "10");
    write("sound.cfg", "0");
    ASSERT_TRUE(migrateLegacySettings(dir));
    EXPECT_TRUE(fs::exists(dir / "autosave.cfg"));
    EXPECT_TRUE(fs::exists(dir / "sound.cfg"));
    EXPECT_EQ(read("gearhaven.ini"), "[settings]\nautosave_minutes=1\n");
    Settings settings = loadSettings(dir);
    EXPECT_EQ(settings.autosaveMinutes, 1);
    EXPECT_TRUE(settings.soundEnabled);
}

TEST_F(SettingsFile, AFullDiskIsReportedAsFailure)
{
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    fs::create_symlink("/dev/full", dir / "gearhaven.ini");
    EXPECT_FALSE(saveSettings(dir, Settings{}));
    EXPECT_FALSE(saveSoundSetting(dir, false));
}

// A file past the size bound keeps the settings at its top: the whole lines
// within the bound count, the line the bound cuts does not, and the next write
// keeps what was read.
TEST_F(SettingsFile, AnOverlongFileKeepsTheSettingsAtItsTop)
{
    std::string text = "[settings]\nlanguage=de\nwindow_width=1600\n";
    const std::string cutAfterTheOne = "autosave_minutes=1";
    text += "#" + std::string(MAX_SETTINGS_FILE_BYTES - text.size() - cutAfterTheOne.size() - 2, '-') + "\n";
    write("gearhaven.ini", text + cutAfterTheOne + "0\nwindow_height=600\n");
    Settings expected;
    expected.language = GERMAN;
    expected.windowWidth = 1600;
    EXPECT_TRUE(sameSettings(loadSettings(dir), expected));
    ASSERT_TRUE(saveSoundSetting(dir, false));
    expected.soundEnabled = false;
    EXPECT_TRUE(sameSettings(loadSettings(dir), expected));
}

TEST_F(SettingsFile, AnEndlessFileDoesNotHangTheReader)
{
    if (!fs::exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero";
    fs::create_symlink("/dev/zero", dir / "gearhaven.ini");
    EXPECT_TRUE(sameSettings(loadSettings(dir), Settings{}));
}

// The migration fails once at each of its calls, and stops at each as a crash
// would stop it: the legacy files go only once an ini holding their values is on
// disk with its directory entry, and success is reported only then. Failing to
// close a synced file or to remove a legacy file loses nothing.
TEST_F(SettingsFile, EveryFaultOfTheMigrationKeepsTheLegacyFilesUntilTheIniIsOnDisk)
{
    std::string migrated = DEFAULT_FILE;
    migrated.replace(migrated.find("autosave_minutes=0"), 18, "autosave_minutes=5");
    migrated.replace(migrated.find("sound_enabled=1"), 15, "sound_enabled=0");
    auto layLegacyFiles = [&] {
        fs::remove(dir / "gearhaven.ini");
        write("autosave.cfg", "5\n");
        write("sound.cfg", "0\n");
    };
    layLegacyFiles();
    FaultyCalls clean;
    ASSERT_TRUE(migrateLegacySettings(dir, clean.calls));
    ASSERT_EQ(read("gearhaven.ini"), migrated);
    const std::size_t firstRemoval = clean.indexOf("unlink ");
    ASSERT_LT(firstRemoval, clean.log.size());
    EXPECT_LT(clean.indexOf("fsync gearhaven.ini"), firstRemoval);
    EXPECT_LT(clean.indexOf("fsync " + dir.filename().string()), firstRemoval);

    for (CallPlan::Fault fault : {CallPlan::Fault::FailOne, CallPlan::Fault::StopFrom}) {
        for (std::size_t at = 0; at < clean.log.size(); ++at) {
            const std::string& call = clean.log[at];
            layLegacyFiles();
            FaultyCalls faulty(faultAt(fault, at));
            const bool ok = migrateLegacySettings(dir, faulty.calls);
            const bool legacyKept = fs::exists(dir / "autosave.cfg") && fs::exists(dir / "sound.cfg");
            if (!legacyKept || ok) {
                EXPECT_EQ(read("gearhaven.ini"), migrated) << call;
            }
            if (fault == CallPlan::Fault::FailOne) {
                EXPECT_EQ(ok, call.starts_with("close ") || call.starts_with("unlink ")) << call;
                EXPECT_TRUE(ok || legacyKept) << call;
            }
        }
    }
}

TEST_F(SettingsFile, AFailedMigrationKeepsTheLegacyFiles)
{
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    write("autosave.cfg", "5");
    fs::permissions(dir, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_FALSE(migrateLegacySettings(dir));
    EXPECT_TRUE(fs::exists(dir / "autosave.cfg"));
    EXPECT_FALSE(fs::exists(dir / "gearhaven.ini"));
    EXPECT_FALSE(saveSettings(dir, Settings{}));
}

TEST(SettingsDirectory, IsTheCurrentDirectory)
{
    std::optional<fs::path> directory = currentDirectory();
    ASSERT_TRUE(directory.has_value());
    EXPECT_EQ(*directory, fs::current_path());
}
