// Reading scenario lines: the words, numbers, quoted texts and marks of a line, and a reader that
// takes them one by one, each refusal a ScenarioFault naming the file, line and column.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace gaugehost::scenario {

struct Token {
    std::string text;
    int column = 0;
    bool quoted = false;
};

struct Location {
    std::string file;
    int line = 0;
    int column = 0;
    std::string text() const { return file + ":" + std::to_string(line) + ":" + std::to_string(column); }
};

// Any error of a scenario: a mistyped line found while reading it, or a step that cannot be done.
class ScenarioFault : public std::runtime_error {
public:
    ScenarioFault(Location at, const std::string& message) : std::runtime_error(message), at(std::move(at)) {}
    Location at;
};

struct Point {
    int x, y;
};

// The longest word or quoted text a line may hold; longer ones are refused before they are echoed.
inline constexpr std::size_t kLongestToken = 1000;

// Splits a line into words, numbers, quoted texts and the marks = ~ <= , ( ); # starts a comment.
// A NUL byte or a token longer than kLongestToken is a fault at its column.
std::vector<Token> tokenize(const std::string& line, const Location& at);

// A number as reports show it, and a text in quotes with its quotes and backslashes escaped.
std::string number(double value);
std::string quote(const std::string& text);

// Whether a value read holds what an expectation states: NaN only NaN, an infinity only itself,
// a finite number within the tolerance.
bool holds(double actual, double expected, double within);

// Takes the tokens of one line in order; every take names what it expected, for the fault it throws.
class LineReader {
public:
    LineReader(std::vector<Token> tokens, Location line, std::set<std::string>& aliases)
        : tokens_(std::move(tokens)), line_(std::move(line)), aliases_(aliases) {}

    bool atEnd() const { return next_ == tokens_.size(); }
    bool peek(const char* text) const { return !atEnd() && !tokens_[next_].quoted && tokens_[next_].text == text; }
    Location here() const;

    // Takes the word or mark when it stands next.
    bool accept(const char* text);
    const Token& take(const std::string& expected);
    std::string word(const std::string& expected);
    void mark(const char* text);
    // A finite number, decimal or 0x-hexadecimal.
    double real(const std::string& expected);
    // Any FLOAT64 as a named variable holds it or an expectation states it: a finite number, inf, -inf or nan.
    double anyReal(const std::string& expected);
    // A whole number from `lowest` to `highest`; the message names the range.
    std::int64_t whole(const std::string& expected, std::int64_t lowest, std::int64_t highest);
    // The 32 bits of a whole number written signed or unsigned (-1 and 0xFFFFFFFF alike).
    std::uint32_t bits(const std::string& expected);
    // 0 to 2147483647: an element index, a length, a picture index.
    int index(const std::string& expected);
    // 0 to kMostCycles.
    int count(const std::string& expected);
    std::string text(const std::string& expected);
    // A gauge alias that an earlier `gauge` line created.
    std::string alias();
    // A host variable by the token table's name or as a hexadecimal token.
    std::uint32_t hostVariable();
    // 0 to 0xFFFFFFFF.
    std::uint32_t windowId();
    // A key event by the framework's name or as a hexadecimal id.
    std::uint32_t keyEvent();
    // `x y` or `x,y`, each a signed 32-bit coordinate.
    Point point();
    // `~ TOL`, a finite number >= 0, or 1e-9 without it.
    double tolerance();
    void end();

    void defineAlias(const std::string& alias) { aliases_.insert(alias); }

    [[noreturn]] void fail(const std::string& message) const;
    [[noreturn]] void failAt(const Token& token, const std::string& message) const;

private:
    static std::string describe(const Token& token);
    int endColumn() const;

    std::vector<Token> tokens_;
    std::size_t next_ = 0;
    Location line_;
    std::set<std::string>& aliases_;
};

}  // namespace gaugehost::scenario
