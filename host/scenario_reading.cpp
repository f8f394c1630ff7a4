#include "scenario_reading.h"

#include <charconv>
#include <cstdio>
#include <cstring>

#include "host_variables.h"
#include "key_events.h"

namespace gaugehost::scenario {

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

std::string quote(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::vector<Token> tokenize(const std::string& line, const Location& at) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        const int column = static_cast<int>(i) + 1;
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            std::string text;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '\\' && i + 1 < line.size()) {
                    text += line[i + 1];
                    i += 2;
                } else if (line[i] == '"') {
                    closed = true;
                    ++i;
                    break;
                } else {
                    text += line[i++];
                }
            }
            if (!closed) throw ScenarioFault({at.file, at.line, column}, "unterminated text; expected a closing \"");
            tokens.push_back({text, column, true});
        } else if (c == '<' && i + 1 < line.size() && line[i + 1] == '=') {
            tokens.push_back({"<=", column, false});
            i += 2;
        } else if (std::strchr("=~,()", c) != nullptr) {
            tokens.push_back({std::string(1, c), column, false});
            ++i;
        } else {
            std::size_t end = i;
            while (end < line.size() && std::strchr(" \t\r#\"=~,()", line[end]) == nullptr &&
                   !(line[end] == '<' && end + 1 < line.size() && line[end + 1] == '=')) {
                ++end;
            }
            tokens.push_back({line.substr(i, end - i), column, false});
            i = end;
        }
    }
    return tokens;
}

std::optional<double> parseReal(const std::string& text) {
    double value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (!text.empty() && text[0] == '+') ++first;
    auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) return std::nullopt;
    return value;
}

std::optional<std::int64_t> parseInteger(const std::string& text) {
    const bool negative = !text.empty() && text[0] == '-';
    std::string digits = negative ? text.substr(1) : text;
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits = digits.substr(2);
        base = 16;
    }
    std::uint64_t value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || value > 0xFFFFFFFFull) {
        return std::nullopt;
    }
    return negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
}

bool isHex(const std::string& text) { return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'); }

// ---------------------------------------------------------------------------------------------
// LineReader

Location LineReader::here() const { return {line_.file, line_.line, atEnd() ? endColumn() : tokens_[next_].column}; }

const Token& LineReader::take(const std::string& expected) {
    if (atEnd()) fail("expected " + expected + " before the end of the line");
    return tokens_[next_++];
}

bool LineReader::accept(const char* text) {
    if (!peek(text)) return false;
    ++next_;
    return true;
}

std::string LineReader::word(const std::string& expected) {
    const Token& token = take(expected);
    if (token.quoted || std::strchr("=~,()", token.text[0]) != nullptr || token.text == "<=") {
        failAt(token, "expected " + expected + ", found " + describe(token));
    }
    return token.text;
}

void LineReader::mark(const char* text) {
    const Token& token = take(std::string("\"") + text + "\"");
    if (token.quoted || token.text != text) failAt(token, std::string("expected \"") + text + "\", found " + describe(token));
}

double LineReader::real(const std::string& expected) {
    const Token& token = take(expected);
    auto value = token.quoted ? std::nullopt : parseReal(token.text);
    if (!value) {
        auto integer = token.quoted ? std::nullopt : parseInteger(token.text);
        if (!integer) failAt(token, "expected " + expected + ", found " + describe(token));
        return static_cast<double>(*integer);
    }
    return *value;
}

std::int64_t LineReader::integer(const std::string& expected) {
    const Token& token = take(expected);
    auto value = token.quoted ? std::nullopt : parseInteger(token.text);
    if (!value) failAt(token, "expected " + expected + ", found " + describe(token));
    return *value;
}

int LineReader::count(const std::string& expected) {
    const Token& token = tokens_.at(next_ < tokens_.size() ? next_ : tokens_.size() - 1);
    const auto value = integer(expected);
    if (value < 0 || value > 1000000) failAt(token, "expected " + expected + " from 0 to 1000000");
    return static_cast<int>(value);
}

std::string LineReader::text(const std::string& expected) {
    const Token& token = take(expected);
    if (!token.quoted) failAt(token, "expected " + expected + " in quotes, found " + describe(token));
    return token.text;
}

std::string LineReader::alias() {
    const Token& token = take("a gauge name");
    if (token.quoted || !aliases_.contains(token.text)) {
        failAt(token, "no gauge " + quote(token.text) + " is created before this line; create it with \"gauge " +
                          token.text + " = Module!Gauge\"");
    }
    return token.text;
}

std::uint32_t LineReader::hostVariable() {
    const Token& token = take("a host variable");
    if (!token.quoted && isHex(token.text)) {
        if (auto value = parseInteger(token.text); value && *value > 0) return static_cast<std::uint32_t>(*value);
    }
    if (!token.quoted) {
        if (const auto* info = findHostVariable(token.text)) return info->token;
    }
    failAt(token, "unknown host variable " + quote(token.text) +
                      "; expected a name from the host variable table or a hexadecimal token such as 0x14D");
}

std::uint32_t LineReader::keyEvent() {
    const Token& token = take("a key event");
    if (!token.quoted && isHex(token.text)) {
        if (auto value = parseInteger(token.text); value && *value > 0) return static_cast<std::uint32_t>(*value);
    }
    if (!token.quoted) {
        if (const gauge::KeyEventId id = gauge::key::idOf(token.text); id != 0) return id;
    }
    failAt(token, "unknown key event " + quote(token.text) +
                      "; expected a key event name such as GEAR_UP or a hexadecimal id such as 0x1021F");
}

Point LineReader::point() {
    const int x = static_cast<int>(integer("an x coordinate"));
    accept(",");
    const int y = static_cast<int>(integer("a y coordinate"));
    return {x, y};
}

double LineReader::tolerance() {
    return accept("~") ? real("a tolerance") : 1e-9;
}

void LineReader::end() {
    if (!atEnd()) failAt(tokens_[next_], "unexpected " + describe(tokens_[next_]) + "; expected the end of the line");
}

void LineReader::fail(const std::string& message) const { throw ScenarioFault(here(), message); }

void LineReader::failAt(const Token& token, const std::string& message) const {
    throw ScenarioFault({line_.file, line_.line, token.column}, message);
}

std::string LineReader::describe(const Token& token) { return token.quoted ? quote(token.text) : "\"" + token.text + "\""; }

int LineReader::endColumn() const {
    if (tokens_.empty()) return 1;
    const Token& last = tokens_.back();
    return last.column + static_cast<int>(last.text.size()) + (last.quoted ? 2 : 0);
}

}  // namespace gaugehost::scenario
