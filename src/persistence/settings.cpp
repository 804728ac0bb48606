#include "persistence/settings.h"

#include <charconv>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>

#include "persistence/durable_file.h"
#include "persistence/text_file.h"

namespace fs = std::filesystem;

namespace {

// A decimal integer with an optional sign that makes up the whole text.
std::optional<long long> parseWholeInteger(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    long long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return negative ? -value : value;
}

std::optional<int> parseWindowSize(std::string_view text, int minimum)
{
    std::optional<long long> value = parseWholeInteger(text);
    if (!value || *value < minimum || *value > MAX_WINDOW_SIZE) return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<bool> parseSwitch(std::string_view text)
{
    if (text == "0") return false;
    if (text == "1") return true;
    return std::nullopt;
}

void applySetting(std::string_view key, std::string_view value, Settings& settings)
{
    if (key == "autosave_minutes") {
        if (value == "0" || value == "1" || value == "5" || value == "10") {
            settings.autosaveMinutes = static_cast<int>(*parseWholeInteger(value));
        }
    } else if (key == "window_width") {
        if (auto width = parseWindowSize(value, MIN_WINDOW_WIDTH)) settings.windowWidth = *width;
    } else if (key == "window_height") {
        if (auto height = parseWindowSize(value, MIN_WINDOW_HEIGHT)) settings.windowHeight = *height;
    } else if (key == "fullscreen") {
        if (auto on = parseSwitch(value)) settings.fullscreen = *on;
    } else if (key == "sound_enabled") {
        if (auto on = parseSwitch(value)) settings.soundEnabled = *on;
    } else if (key == "language") {
        settings.language = parseLanguageCode(value);
    }
}

// One line of the ini; inSection tracks whether the last header was "[settings]".
void readSettingsLine(std::string_view line, bool& inSection, Settings& settings)
{
    std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return;
    line.remove_prefix(first);
    if (line.front() == ';' || line.front() == '#') return;
    if (line.front() == '[') {
        // Anything after the bracket, even a blank or a carriage return, makes it another section.
        inSection = line == "[settings]";
        return;
    }
    if (!inSection) return;
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return;
    std::string_view key = line.substr(0, equals);
    std::string_view value = line.substr(equals + 1);
    std::size_t keyEnd = key.find_last_not_of(" \t");
    std::size_t valueStart = value.find_first_not_of(" \t");
    std::size_t valueEnd = value.find_last_not_of(" \t\r");
    if (keyEnd == std::string_view::npos || valueStart == std::string_view::npos) return;
    if (valueEnd == std::string_view::npos || valueEnd < valueStart) return;
    applySetting(key.substr(0, keyEnd + 1), value.substr(valueStart, valueEnd - valueStart + 1), settings);
}

void readIni(std::string_view rest, Settings& settings)
{
    bool inSection = false;
    while (!rest.empty()) {
        std::size_t lineEnd = rest.find('\n');
        readSettingsLine(rest.substr(0, lineEnd), inSection, settings);
        if (lineEnd == std::string_view::npos) break;
        rest.remove_prefix(lineEnd + 1);
    }
}

struct LegacyNumber {
    std::optional<int> value;
    bool unread = false;  // the file is there but could not be read, and may hold a setting
};

// The first integer of a legacy file, leading white space skipped, the rest ignored.
LegacyNumber readLegacyNumber(const fs::path& file, const SystemCalls& calls)
{
    const FileText read = readRegularFile(file, MAX_SETTINGS_FILE_BYTES, calls);
    if (read.fault == FileFault::CannotOpen || read.fault == FileFault::ReadError) return {std::nullopt, true};
    std::istringstream in(read.text);
    int value = 0;
    if (!(in >> value)) return {};
    return {value, false};
}

// False when a legacy file could not be read, so that the migration keeps it.
bool readLegacyFiles(const fs::path& dir, Settings& settings, const SystemCalls& calls)
{
    const LegacyNumber minutes = readLegacyNumber(dir / LEGACY_AUTOSAVE_FILE_NAME, calls);
    const int interval = minutes.value.value_or(0);
    if (interval == 1 || interval == 5 || interval == 10) settings.autosaveMinutes = interval;
    const LegacyNumber sound = readLegacyNumber(dir / LEGACY_SOUND_FILE_NAME, calls);
    if (sound.value == 0 || sound.value == 1) settings.soundEnabled = sound.value == 1;
    return !minutes.unread && !sound.unread;
}

std::string settingsFileText(const Settings& settings)
{
    std::string text = "[settings]\n";
    text += "autosave_minutes=" + std::to_string(settings.autosaveMinutes) + '\n';
    text += std::string("sound_enabled=") + (settings.soundEnabled ? '1' : '0') + '\n';
    text += "language=" + std::string(languageCode(settings.language)) + '\n';
    text += "window_width=" + std::to_string(settings.windowWidth) + '\n';
    text += "window_height=" + std::to_string(settings.windowHeight) + '\n';
    text += std::string("fullscreen=") + (settings.fullscreen ? '1' : '0') + '\n';
    return text;
}

// "Of any kind": a directory or a dangling link counts, and so does a path the system
// cannot examine, so that a doubtful ini is never overwritten.
bool iniExists(const fs::path& dir)
{
    std::error_code error;
    fs::file_status status = fs::symlink_status(settingsFilePath(dir), error);
    return status.type() != fs::file_type::not_found;
}

}  // namespace

fs::path settingsFilePath(const fs::path& dir) { return dir / SETTINGS_FILE_NAME; }

Settings loadSettings(const fs::path& dir, const SystemCalls& calls)
{
    Settings settings;
    // What the player set stays readable however much else the file has come to hold.
    const FileText ini = readLeadingLines(settingsFilePath(dir), MAX_SETTINGS_FILE_BYTES, calls);
    if (ini.fault == FileFault::Missing || ini.fault == FileFault::CannotOpen) {
        readLegacyFiles(dir, settings, calls);
    } else if (ini.fault == FileFault::None) {
        readIni(ini.text, settings);
    }
    return settings;
}

bool saveSettings(const fs::path& dir, const Settings& settings, const SystemCalls& calls)
{
    // Atomically, so that a write that fails leaves the settings that were there.
    return replaceFileAtomically(settingsFilePath(dir), settingsFileText(settings), calls);
}

bool saveSoundSetting(const fs::path& dir, bool enabled)
{
    Settings settings = loadSettings(dir);
    settings.soundEnabled = enabled;
    return saveSettings(dir, settings);
}

bool migrateLegacySettings(const fs::path& dir, const SystemCalls& calls)
{
    if (iniExists(dir)) return true;
    Settings settings;
    if (!readLegacyFiles(dir, settings, calls) || !saveSettings(dir, settings, calls)) return false;
    // Only now that the ini is on disk may the old files go; errors and missing files do not matter.
    calls.unlink((dir / LEGACY_AUTOSAVE_FILE_NAME).c_str());
    calls.unlink((dir / LEGACY_SOUND_FILE_NAME).c_str());
    return true;
}
