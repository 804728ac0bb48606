#pragma once

#include <cstddef>
#include <filesystem>

#include "persistence/system_calls.h"
#include "world/language.h"

// The player's lasting preferences, stored in "gearhaven.ini" in the settings directory.
// Every change reads the whole file, changes one field and writes the whole file again.
// Where the directory is unknown the defaults of this record apply.
struct Settings {
    int autosaveMinutes = 0;  // 0 = off; the file accepts 0, 1, 5 and 10
    int windowWidth = 1024;
    int windowHeight = 768;
    bool fullscreen = false;
    bool soundEnabled = true;
    Language language = ENGLISH;
};

constexpr const char* SETTINGS_FILE_NAME = "gearhaven.ini";
// A settings file is a few lines; of a file far longer only the lines within
// this bound are read, and the legacy files past it are refused unread.
constexpr std::size_t MAX_SETTINGS_FILE_BYTES = 1 << 20;
constexpr const char* LEGACY_AUTOSAVE_FILE_NAME = "autosave.cfg";
constexpr const char* LEGACY_SOUND_FILE_NAME = "sound.cfg";

// Window sizes the file accepts.
constexpr int MIN_WINDOW_WIDTH = 980;
constexpr int MIN_WINDOW_HEIGHT = 480;
constexpr int MAX_WINDOW_SIZE = 8192;

std::filesystem::path settingsFilePath(const std::filesystem::path& dir);

// Never fails: the defaults overlaid with every valid entry of the file, or of the
// legacy files when the ini cannot be opened. An ini that opens but is no
// regular file or fails to read gives the defaults; of one past the size bound
// the whole lines within the bound count.
Settings loadSettings(const std::filesystem::path& dir, const SystemCalls& calls = realSystemCalls());

// Replaces the whole file; true only when it reached the disk completely. On
// failure the file keeps its old text.
bool saveSettings(const std::filesystem::path& dir, const Settings& settings,
                  const SystemCalls& calls = realSystemCalls());

bool saveSoundSetting(const std::filesystem::path& dir, bool enabled);

// Once at start-up: without an ini, writes one from the legacy files and the defaults
// and removes the legacy files once it is on disk. True when an ini exists or was
// written; false, with nothing changed, when a legacy file is there but cannot be read.
bool migrateLegacySettings(const std::filesystem::path& dir, const SystemCalls& calls = realSystemCalls());
