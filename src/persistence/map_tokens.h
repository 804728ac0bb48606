#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

// Token reading and writing of the map text. Readers take whole
// whitespace-separated tokens and refuse any token that is not entirely the
// number asked for; they return false on a missing token or a stream error.

// 1 to 20 decimal digits, no sign, fitting in 64 bits; leading zeros allowed.
bool readUnsigned(std::istream& in, std::uint64_t& value);
// readUnsigned, refused above max. Every count of the map text is read so.
bool readBoundedUnsigned(std::istream& in, std::uint32_t& value, std::uint32_t max);
bool readInt(std::istream& in, int& value);
bool readInt64(std::istream& in, std::int64_t& value);
// "0" or "1" (any int token of those values).
bool readBool(std::istream& in, bool& value);
// Finite numbers only.
bool readFloat(std::istream& in, float& value);
bool readDouble(std::istream& in, double& value);
// A quoted label (backslash escapes) or, unquoted, a whole token; refused
// when longer than the label limit or holding a character labels may not have.
bool readLabel(std::istream& in, std::string& label);
// One token compared with the expected keyword.
bool readKeyword(std::istream& in, std::string_view keyword);
// True when nothing but whitespace is left.
bool atEndOfText(std::istream& in);

// Map text being built. Tokens of a line are separated by single blanks;
// floats are written with the given number of significant digits.
struct TextOut {
    std::string text;
    int precision = 9;
};

void writeWord(TextOut& out, std::string_view word);
void writeValue(TextOut& out, int value);
void writeValue(TextOut& out, std::uint32_t value);
void writeValue(TextOut& out, std::uint64_t value);
void writeValue(TextOut& out, std::int64_t value);
void writeValue(TextOut& out, bool value);
void writeValue(TextOut& out, float value);
void writeValue(TextOut& out, double value);
// The label in double quotes, a backslash before every quote and backslash.
void writeLabel(TextOut& out, const std::string& label);
void endLine(TextOut& out);
