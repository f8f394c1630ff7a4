#include "scenario_reading.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "host_error.h"
#include "key_events.h"
#include "nearest_names.h"
#include "value_text.h"

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
    if (const auto nul = line.find('\0'); nul != std::string::npos) {
        throw ScenarioFault({at.file, at.line, static_cast<int>(nul) + 1}, "a NUL byte; a scenario is a text file");
    }
    const auto keep = [&](Token token) {
        if (token.text.size() > kLongestToken) {
            throw ScenarioFault({at.file, at.line, token.column}, (token.quoted ? "a text of " : "a word of ") +
                                                                   std::to_string(token.text.size()) + " characters; at most " +
                                                                   std::to_string(kLongestToken) + " are read");
        }
        tokens.push_back(std::move(token));
    };
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
            keep({text, column, true});
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
            keep({line.substr(i, end - i), column, false});
            i = end;
        }
    }
    return tokens;
}

bool holds(double actual, double expected, double within) {
    if (std::isnan(expected)) return std::isnan(actual);
    if (std::isinf(expected)) return actual == expected;
    return std::abs(actual - expected) <= within;
}

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
    const auto value = token.quoted ? std::nullopt : readReal(token.text);
    if (!value) failAt(token, "expected " + expected + ", found " + describe(token));
    return *value;
}

double LineReader::anyReal(const std::string& expected) {
    if (!atEnd() && !tokens_[next_].quoted) {
        std::string lower = tokens_[next_].text;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        constexpr double kInfinity = std::numeric_limits<double>::infinity();
        const std::pair<const char*, double> kUnbounded[] = {{"inf", kInfinity}, {"+inf", kInfinity}, {"-inf", -kInfinity},
                                                             {"nan", std::numeric_limits<double>::quiet_NaN()}};
        for (const auto& [word, value] : kUnbounded) {
            if (lower == word) {
                ++next_;
                return value;
            }
        }
    }
    return real(expected + " (or inf, -inf, nan)");
}

std::int64_t LineReader::whole(const std::string& expected, std::int64_t lowest, std::int64_t highest) {
    const Token& token = take(expected);
    const auto value = token.quoted ? std::nullopt : readWholeNumber(token.text);
    if (!value || *value < lowest || *value > highest) {
        failAt(token, "expected " + expected + " from " + std::to_string(lowest) + " to " + std::to_string(highest) +
                          ", found " + describe(token));
    }
    return *value;
}

std::uint32_t LineReader::bits(const std::string& expected) {
    const Token& token = take(expected);
    const auto value = token.quoted ? std::nullopt : readWholeNumber(token.text);
    if (!value) failAt(token, "expected " + expected + " (32 bits, -2147483648 to 0xFFFFFFFF), found " + describe(token));
    return static_cast<std::uint32_t>(*value);
}

int LineReader::index(const std::string& expected) {
    return static_cast<int>(whole(expected, 0, std::numeric_limits<std::int32_t>::max()));
}

std::uint32_t LineReader::windowId() { return static_cast<std::uint32_t>(whole("a panel window id", 0, 0xFFFFFFFF)); }

int LineReader::count(const std::string& expected) { return static_cast<int>(whole(expected, 0, kMostCycles)); }

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
    try {
        if (!token.quoted) return readHostVariable(token.text);
    } catch (const HostError& error) {
        failAt(token, error.what());
    }
    failAt(token, "expected a host variable, found " + describe(token));
}

std::uint32_t LineReader::keyEvent() {
    const Token& token = take("a key event");
    if (!token.quoted && isHexadecimal(token.text)) {
        if (auto value = readWholeNumber(token.text); value && *value > 0) return static_cast<std::uint32_t>(*value);
    }
    if (!token.quoted) {
        if (const gauge::KeyEventId id = gauge::key::idOf(token.text); id != 0) return id;
    }
#define GAUGE_KEY_EVENT_NAME(name, id) #name,
    static const std::vector<std::string> kNames{GAUGE_KEY_EVENTS(GAUGE_KEY_EVENT_NAME)};
#undef GAUGE_KEY_EVENT_NAME
    failAt(token, "unknown key event " + quote(token.text) + didYouMean(token.text, kNames) +
                      " (expected a key event name such as GEAR_UP or a hexadecimal id such as 0x1021F)");
}

Point LineReader::point() {
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min(), highest = std::numeric_limits<std::int32_t>::max();
    const int x = static_cast<int>(whole("an x coordinate", lowest, highest));
    accept(",");
    const int y = static_cast<int>(whole("a y coordinate", lowest, highest));
    return {x, y};
}

double LineReader::tolerance() {
    if (!accept("~")) return 1e-9;
    const Token& token = take("a tolerance");
    const auto within = token.quoted ? std::nullopt : readReal(token.text);
    if (!within || *within < 0) failAt(token, "expected a tolerance, a finite number >= 0, found " + describe(token));
    return *within;
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
