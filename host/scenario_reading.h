// Reading scenario lines: the words, numbers, quoted texts and marks of a line, and a reader that
// takes them one by one, each refusal a ScenarioFault naming the file, line and column.
#pragma once

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

// Splits a line into words, numbers, quoted texts and the marks = ~ <= , ( ); # starts a comment.
std::vector<Token> tokenize(const std::string& line, const Location& at);

std::optional<double> parseReal(const std::string& text);
// A whole number, decimal or 0x-hexadecimal, that fits 32 bits signed or unsigned.
std::optional<std::int64_t> parseInteger(const std::string& text);
bool isHex(const std::string& text);

// A number as reports show it, and a text in quotes with its quotes and backslashes escaped.
std::string number(double value);
std::string quote(const std::string& text);

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
    double real(const std::string& expected);
    std::int64_t integer(const std::string& expected);
    int count(const std::string& expected);  // 0 to 1000000
    std::string text(const std::string& expected);
    // A gauge alias that an earlier `gauge` line created.
    std::string alias();
    // A host variable by the token table's name or as a hexadecimal token.
    std::uint32_t hostVariable();
    // A key event by the framework's name or as a hexadecimal id.
    std::uint32_t keyEvent();
    // `x y` or `x,y`.
    Point point();
    // `~ TOL`, or 1e-9 without it.
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
