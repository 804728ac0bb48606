#include "demo/demo_script.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <istream>
#include <locale>
#include <sstream>

#include "persistence/text_file.h"
#include "world/cargo.h"
#include "world/geometry.h"

namespace {

std::string utf8Text(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// Only spaces, TABs and carriage returns make a line blank; other blanks make it bad.
std::size_t firstNonBlank(std::string_view line) { return line.find_first_not_of(" \t\r"); }

DemoCommandKind commandKind(const std::string& keyword)
{
    const auto found = std::find(DEMO_COMMAND_KEYWORDS.begin(), DEMO_COMMAND_KEYWORDS.end(), keyword);
    return found == DEMO_COMMAND_KEYWORDS.end() ? -1
                                                : static_cast<DemoCommandKind>(found - DEMO_COMMAND_KEYWORDS.begin());
}

bool appendReals(std::istream& in, int count, std::vector<double>& numbers)
{
    for (int i = 0; i < count; ++i) {
        double value = 0.0;
        if (!(in >> value)) return false;
        numbers.push_back(value);
    }
    return true;
}

// A whole decimal number inside low..high; read as 64 bits, so a 32-bit overflow is out of range too.
bool appendInteger(std::istream& in, long long low, long long high, std::vector<double>& numbers)
{
    long long value = 0;
    if (!(in >> value) || value < low || value > high) return false;
    numbers.push_back(static_cast<double>(value));
    return true;
}

// Written as a comparison that NaN fails.
bool isInside(double value, double low, double endExclusive) { return value >= low && value < endExclusive; }

// The first count numbers lie within reach either way of 0.
bool withinReach(const std::vector<double>& numbers, std::size_t count, double reach)
{
    return std::all_of(numbers.begin(), numbers.begin() + static_cast<std::ptrdiff_t>(count),
                       [reach](double value) { return std::abs(value) <= reach; });
}

bool readWord(std::istream& in, std::string& word) { return static_cast<bool>(in >> word); }

// A double-quoted text with backslash escapes, or else one blank-delimited word as it stands.
bool readQuoted(std::istream& in, std::string& text)
{
    in >> std::ws;
    if (in.peek() != '"') return readWord(in, text);
    in.get();
    text.clear();
    for (auto c = in.get(); c != std::istream::traits_type::eof(); c = in.get()) {
        if (c == '"') return true;
        if (c == '\\') {
            c = in.get();
            if (c == std::istream::traits_type::eof()) return false;
        }
        text.push_back(static_cast<char>(c));
    }
    return false;
}

// Durations that may be 0 are the last number of their command.
bool lastIsDuration(const std::vector<double>& numbers) { return numbers.back() >= 0.0; }

bool readWaitSink(std::istream& in, DemoCommand& command)
{
    std::string cargo;
    if (!appendInteger(in, 0, GRID_WIDTH - 1, command.numbers) ||
        !appendInteger(in, 0, GRID_HEIGHT - 1, command.numbers) || !readWord(in, cargo)) {
        return false;
    }
    command.text = toUpperCopy(cargo);
    const CargoType type = cargoTypeFromKeyword(command.text);
    if (!isCargoType(type)) return false;
    command.numbers.push_back(type);
    return appendInteger(in, 0, INT_MAX, command.numbers);
}

bool readArguments(std::istream& in, DemoCommand& command)
{
    std::vector<double>& numbers = command.numbers;
    switch (command.kind) {
    case DEMO_SCENE:
    case DEMO_TEXT:
        return readQuoted(in, command.text);
    case DEMO_WAIT:
        return appendReals(in, 1, numbers) && lastIsDuration(numbers);
    case DEMO_WAIT_SINK:
        return readWaitSink(in, command);
    case DEMO_WAIT_SHOP:
        return appendInteger(in, 0, GRID_WIDTH - 1, numbers) && appendInteger(in, 0, GRID_HEIGHT - 1, numbers);
    case DEMO_MOVE:
        return appendReals(in, 3, numbers) && lastIsDuration(numbers) && withinReach(numbers, 2, DEMO_POINTER_REACH);
    case DEMO_TILE:
        return appendReals(in, 3, numbers) && lastIsDuration(numbers) && withinReach(numbers, 2, DEMO_TILE_REACH);
    case DEMO_FOCUS_TILE:
        return appendReals(in, 3, numbers) && lastIsDuration(numbers) && isInside(numbers[0], 0, GRID_WIDTH) &&
               isInside(numbers[1], 0, GRID_HEIGHT);
    case DEMO_TOOL:
    case DEMO_UI:
        if (!readWord(in, command.text)) return false;
        command.text = toUpperCopy(command.text);
        return appendReals(in, 1, numbers) && lastIsDuration(numbers);
    case DEMO_KEY:
        if (!readWord(in, command.text)) return false;
        command.text = toUpperCopy(command.text);
        return true;
    case DEMO_DRAG_TILE:
    case DEMO_CTRL_DRAG_TILE:
        return appendReals(in, 5, numbers) && numbers.back() > 0.0 && withinReach(numbers, 4, DEMO_TILE_REACH);
    default:  // CLICK, SHIFT_CLICK, RIGHT_CLICK, FINISH take no arguments
        return true;
    }
}

// Blank and comment lines give no command and count as good.
bool parseLine(std::string_view line, int lineNumber, std::vector<DemoCommand>& commands)
{
    const std::size_t start = firstNonBlank(line);
    if (start == std::string_view::npos || line[start] == '#') return true;
    std::istringstream in{std::string(line.substr(start))};
    in.imbue(std::locale::classic());
    std::string keyword;
    if (!readWord(in, keyword)) return false;
    DemoCommand command;
    command.kind = commandKind(toUpperCopy(keyword));
    command.line = lineNumber;
    if (command.kind < 0 || !readArguments(in, command) || !lineHasNoMoreTokens(in)) return false;
    commands.push_back(std::move(command));
    return true;
}

// Nothing of a faulty script is kept.
bool refuse(DemoScript& script, std::string message)
{
    script.commands.clear();
    script.error = std::move(message);
    return false;
}

}  // namespace

bool loadDemoScript(DemoScript& script, const std::filesystem::path& file, const SystemCalls& calls)
{
    script.commands.clear();
    script.error.clear();
    const FileText read = readRegularFile(file, MAX_DEMO_SCRIPT_BYTES, calls);
    if (read.fault == FileFault::TooLarge) return refuse(script, "Das Demo-Drehbuch ist zu gross: " + utf8Text(file));
    // A directory, a pipe or a device is no script; a read error part-way must not
    // leave half a script to run.
    if (read.fault != FileFault::None) {
        return refuse(script, "Drehbuch konnte nicht geoeffnet werden: " + utf8Text(file));
    }
    std::string_view rest = read.text;
    for (int lineNumber = 1; !rest.empty(); ++lineNumber) {
        const std::size_t lineEnd = rest.find('\n');
        const std::string_view line = rest.substr(0, lineEnd);
        if (line.size() > MAX_DEMO_LINE_BYTES || !parseLine(line, lineNumber, script.commands)) {
            return refuse(script, "Ungueltiger Demo-Befehl in Zeile " + std::to_string(lineNumber));
        }
        rest.remove_prefix(lineEnd == std::string_view::npos ? rest.size() : lineEnd + 1);
    }
    if (script.commands.empty()) return refuse(script, "Das Demo-Drehbuch ist leer");
    return true;
}

std::string toUpperCopy(std::string word)
{
    for (char& c : word) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return word;
}

bool lineHasNoMoreTokens(std::istream& line)
{
    std::string rest;
    return !(line >> rest);
}
