#include "persistence/map_tokens.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <istream>
#include <limits>

#include "world/tile.h"

namespace {

// No number the map text holds comes near this; longer tokens are refused
// without being buffered.
constexpr std::size_t MAX_TOKEN_LENGTH = 64;
constexpr int MAX_UNSIGNED_DIGITS = 20;

struct Token {
    char chars[MAX_TOKEN_LENGTH];
    std::size_t length = 0;

    const char* begin() const { return chars; }
    const char* end() const { return chars + length; }
};

bool isBlank(int c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// Skips whitespace; false when the stream has failed or the text ends first.
bool skipBlanks(std::istream& in)
{
    if (!in) return false;
    std::streambuf* buffer = in.rdbuf();
    int c = buffer->sgetc();
    while (c != std::char_traits<char>::eof() && isBlank(c))
        c = buffer->snextc();
    if (c == std::char_traits<char>::eof()) {
        in.setstate(std::ios::eofbit);
        return false;
    }
    return true;
}

bool readToken(std::istream& in, Token& token)
{
    token.length = 0;
    if (!skipBlanks(in)) {
        in.setstate(std::ios::failbit);
        return false;
    }
    std::streambuf* buffer = in.rdbuf();
    int c = buffer->sgetc();
    while (c != std::char_traits<char>::eof() && !isBlank(c)) {
        if (token.length == MAX_TOKEN_LENGTH) {
            in.setstate(std::ios::failbit);
            return false;
        }
        token.chars[token.length++] = static_cast<char>(c);
        c = buffer->snextc();
    }
    if (c == std::char_traits<char>::eof()) in.setstate(std::ios::eofbit);
    return true;
}

// The whole token must be the number; from_chars takes no '+' and no blanks.
template <typename Number> bool parseWhole(const Token& token, Number& value)
{
    auto [end, error] = std::from_chars(token.begin(), token.end(), value);
    return error == std::errc{} && end == token.end();
}

template <typename Number> bool readNumber(std::istream& in, Number& value)
{
    Token token;
    if (!readToken(in, token) || !parseWhole(token, value)) {
        in.setstate(std::ios::failbit);
        return false;
    }
    return true;
}

// Everything up to the closing quote; a backslash takes the next character as it is.
bool readQuotedLabel(std::istream& in, std::string& label)
{
    std::streambuf* buffer = in.rdbuf();
    buffer->sbumpc();
    for (;;) {
        int c = buffer->sbumpc();
        if (c == '\\')
            c = buffer->sbumpc();
        else if (c == '"')
            return true;
        if (c == std::char_traits<char>::eof() || label.size() == static_cast<std::size_t>(MAX_LABEL_LENGTH)) {
            in.setstate(std::ios::failbit);
            return false;
        }
        label.push_back(static_cast<char>(c));
    }
}

void separate(TextOut& out)
{
    if (!out.text.empty() && out.text.back() != '\n') out.text.push_back(' ');
}

template <typename Number> void appendNumber(TextOut& out, Number value)
{
    separate(out);
    char chars[32];
    auto result = std::to_chars(chars, chars + sizeof chars, value);
    out.text.append(chars, result.ptr);
}

}  // namespace

bool readUnsigned(std::istream& in, std::uint64_t& value)
{
    Token token;
    if (!readToken(in, token)) return false;
    bool digitsOnly = token.length >= 1 && token.length <= MAX_UNSIGNED_DIGITS;
    for (char c : token)
        digitsOnly = digitsOnly && c >= '0' && c <= '9';
    if (!digitsOnly || !parseWhole(token, value)) {
        in.setstate(std::ios::failbit);
        return false;
    }
    return true;
}

bool readBoundedUnsigned(std::istream& in, std::uint32_t& value, std::uint32_t max)
{
    std::uint64_t wide = 0;
    if (!readUnsigned(in, wide) || wide > max) return false;
    value = static_cast<std::uint32_t>(wide);
    return true;
}

bool readInt(std::istream& in, int& value) { return readNumber(in, value); }

bool readInt64(std::istream& in, std::int64_t& value) { return readNumber(in, value); }

bool readBool(std::istream& in, bool& value)
{
    int number = 0;
    if (!readInt(in, number) || (number != 0 && number != 1)) return false;
    value = number == 1;
    return true;
}

bool readFloat(std::istream& in, float& value) { return readNumber(in, value) && std::isfinite(value); }

bool readDouble(std::istream& in, double& value) { return readNumber(in, value) && std::isfinite(value); }

bool readLabel(std::istream& in, std::string& label)
{
    label.clear();
    if (!skipBlanks(in)) {
        in.setstate(std::ios::failbit);
        return false;
    }
    if (in.rdbuf()->sgetc() == '"') {
        if (!readQuotedLabel(in, label)) return false;
    } else {
        Token token;
        if (!readToken(in, token)) return false;
        label.assign(token.begin(), token.end());
    }
    return isValidLabel(label);
}

bool readKeyword(std::istream& in, std::string_view keyword)
{
    Token token;
    return readToken(in, token) && std::string_view(token.chars, token.length) == keyword;
}

bool atEndOfText(std::istream& in) { return !in.fail() && !skipBlanks(in) && !in.fail(); }

void writeWord(TextOut& out, std::string_view word)
{
    separate(out);
    out.text.append(word);
}

void writeValue(TextOut& out, int value) { appendNumber(out, value); }

void writeValue(TextOut& out, std::uint32_t value) { appendNumber(out, value); }

void writeValue(TextOut& out, std::uint64_t value) { appendNumber(out, value); }

void writeValue(TextOut& out, std::int64_t value) { appendNumber(out, value); }

void writeValue(TextOut& out, bool value)
{
    separate(out);
    out.text.push_back(value ? '1' : '0');
}

void writeValue(TextOut& out, float value) { writeValue(out, static_cast<double>(value)); }

void writeValue(TextOut& out, double value)
{
    separate(out);
    // As printf's %g with the stream's precision (a negative one means the default 6).
    constexpr int MAX_PRECISION = 100;
    const int precision = out.precision < 0 ? 6 : std::min(out.precision, MAX_PRECISION);
    char chars[MAX_PRECISION + 32];
    auto result = std::to_chars(chars, chars + sizeof chars, value, std::chars_format::general, precision);
    out.text.append(chars, result.ptr);
}

void writeLabel(TextOut& out, const std::string& label)
{
    separate(out);
    out.text.push_back('"');
    for (char c : label) {
        if (c == '"' || c == '\\') out.text.push_back('\\');
        out.text.push_back(c);
    }
    out.text.push_back('"');
}

void endLine(TextOut& out) { out.text.push_back('\n'); }
