#include "scenario.h"

#include "key_events.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "hex_text.h"
#include "host_variables.h"
#include "truncation.h"

namespace gaugehost {
namespace {

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

// A key event as its name, or in hexadecimal when no gauge names it.
std::string keyEventText(std::uint32_t id) {
    const std::string_view name = gauge::key::nameOf(id);
    return name.empty() ? hex(id) : std::string(name);
}

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

// Splits a line into words, numbers, quoted texts and the marks = ~ <= , ( ); # starts a comment.
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

// A whole number, decimal or 0x-hexadecimal, that fits 32 bits signed or unsigned.
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
// Running

struct Runner {
    Runner(const ScenarioOptions& options, std::ostream& report) : options(options), report(report) {
        for (const auto& folder : options.moduleFolders) host.addModuleFolder(folder);
    }

    GaugeInstance& gauge(const std::string& alias, const Location& at) {
        auto it = gauges.find(alias);
        if (it == gauges.end()) throw ScenarioFault(at, "no gauge " + quote(alias));
        return *it->second;
    }

    const ElementState& element(const std::string& alias, int index, const Location& at) {
        const auto& elements = gauge(alias, at).elements();
        if (index < 0 || static_cast<std::size_t>(index) >= elements.size()) {
            throw ScenarioFault(at, "gauge " + alias + " has no element " + std::to_string(index) + "; its elements are 0 to " +
                                        std::to_string(elements.size() - 1));
        }
        return elements[static_cast<std::size_t>(index)];
    }

    void check(bool held, const Location& at, const std::string& expected, const std::string& actual) {
        if (held) {
            ++result.passed;
            return;
        }
        ++result.failed;
        report << at.text() << ": expected " << expected << ", got " << actual << '\n';
    }

    const ScenarioOptions& options;
    std::ostream& report;
    PanelHost host;
    std::map<std::string, GaugeInstance*> gauges;
    std::size_t keyEventsChecked = 0;
    std::size_t windowCallsChecked = 0;
    ScenarioResult result;
};

using Step = std::function<void(Runner&)>;

// ---------------------------------------------------------------------------------------------
// Reading

const char* const kCommands =
    "load, gauge, set, tick, cycle, code, press, hold, move, release, click, drag, gps, named, window, expect, snapshot";
const char* const kExpectations =
    "value, picture, angle, slider, strip, rotation, text, text-length, hidden, keys, window-calls, open-windows, named, "
    "tooltip, cursor";

class LineReader {
public:
    LineReader(std::vector<Token> tokens, Location line, std::set<std::string>& aliases)
        : tokens_(std::move(tokens)), line_(std::move(line)), aliases_(aliases) {}

    bool atEnd() const { return next_ == tokens_.size(); }
    bool peek(const char* text) const { return !atEnd() && !tokens_[next_].quoted && tokens_[next_].text == text; }
    Location here() const {
        return {line_.file, line_.line, atEnd() ? endColumn() : tokens_[next_].column};
    }

    const Token& take(const std::string& expected) {
        if (atEnd()) fail("expected " + expected + " before the end of the line");
        return tokens_[next_++];
    }

    std::string word(const std::string& expected) {
        const Token& token = take(expected);
        if (token.quoted || std::strchr("=~,()", token.text[0]) != nullptr || token.text == "<=") {
            failAt(token, "expected " + expected + ", found " + describe(token));
        }
        return token.text;
    }

    void mark(const char* text) {
        const Token& token = take(std::string("\"") + text + "\"");
        if (token.quoted || token.text != text) failAt(token, std::string("expected \"") + text + "\", found " + describe(token));
    }

    double real(const std::string& expected) {
        const Token& token = take(expected);
        auto value = token.quoted ? std::nullopt : parseReal(token.text);
        if (!value) {
            auto integer = token.quoted ? std::nullopt : parseInteger(token.text);
            if (!integer) failAt(token, "expected " + expected + ", found " + describe(token));
            return static_cast<double>(*integer);
        }
        return *value;
    }

    std::int64_t integer(const std::string& expected) {
        const Token& token = take(expected);
        auto value = token.quoted ? std::nullopt : parseInteger(token.text);
        if (!value) failAt(token, "expected " + expected + ", found " + describe(token));
        return *value;
    }

    int count(const std::string& expected) {
        const Token& token = tokens_.at(next_ < tokens_.size() ? next_ : tokens_.size() - 1);
        const auto value = integer(expected);
        if (value < 0 || value > 1000000) failAt(token, "expected " + expected + " from 0 to 1000000");
        return static_cast<int>(value);
    }

    std::string text(const std::string& expected) {
        const Token& token = take(expected);
        if (!token.quoted) failAt(token, "expected " + expected + " in quotes, found " + describe(token));
        return token.text;
    }

    // A gauge alias that an earlier `gauge` line created.
    std::string alias() {
        const Token& token = take("a gauge name");
        if (token.quoted || !aliases_.contains(token.text)) {
            failAt(token, "no gauge " + quote(token.text) + " is created before this line; create it with \"gauge " +
                              token.text + " = Module!Gauge\"");
        }
        return token.text;
    }

    // A host variable by the token table's name or as a hexadecimal token.
    std::uint32_t hostVariable() {
        const Token& token = take("a host variable");
        if (!token.quoted && isHex(token.text)) {
            if (auto value = parseInteger(token.text); value && *value > 0) return static_cast<std::uint32_t>(*value);
        }
        if (!token.quoted) {
            if (const auto* info = findHostVariable(token.text)) return info->token;
        }
        failAt(token, "unknown host variable " + quote(token.text) +
                          "; expected a name from the host variable table or a hexadecimal token such as 0x14D");
        return 0;
    }

    // A key event by the framework's name or as a hexadecimal id.
    std::uint32_t keyEvent() {
        const Token& token = take("a key event");
        if (!token.quoted && isHex(token.text)) {
            if (auto value = parseInteger(token.text); value && *value > 0) return static_cast<std::uint32_t>(*value);
        }
        if (!token.quoted) {
            if (const gauge::KeyEventId id = gauge::key::idOf(token.text); id != 0) return id;
        }
        failAt(token, "unknown key event " + quote(token.text) +
                          "; expected a key event name such as GEAR_UP or a hexadecimal id such as 0x1021F");
        return 0;
    }

    void end() {
        if (!atEnd()) failAt(tokens_[next_], "unexpected " + describe(tokens_[next_]) + "; expected the end of the line");
    }

    void defineAlias(const std::string& alias) { aliases_.insert(alias); }

    [[noreturn]] void fail(const std::string& message) const { throw ScenarioFault(here(), message); }
    [[noreturn]] void failAt(const Token& token, const std::string& message) const {
        throw ScenarioFault({line_.file, line_.line, token.column}, message);
    }

private:
    static std::string describe(const Token& token) { return token.quoted ? quote(token.text) : "\"" + token.text + "\""; }
    int endColumn() const {
        if (tokens_.empty()) return 1;
        const Token& last = tokens_.back();
        return last.column + static_cast<int>(last.text.size()) + (last.quoted ? 2 : 0);
    }

    std::vector<Token> tokens_;
    std::size_t next_ = 0;
    Location line_;
    std::set<std::string>& aliases_;
};

// A value for a host variable, in the variable's own form.
Step setVariable(LineReader& in, std::uint32_t token) {
    const auto* info = findHostVariable(token);
    const auto form = info != nullptr ? info->form : VariableForm::Real;
    if (form == VariableForm::Real) {
        const double value = in.real("a number");
        return [token, value](Runner& run) { run.host.variables().set(token, value); };
    }
    if (form == VariableForm::Bcd) {
        const Token& raw = in.take("a BCD value in hexadecimal such as 0x2250");
        auto value = raw.quoted || !isHex(raw.text) ? std::nullopt : parseInteger(raw.text);
        if (!value) in.failAt(raw, "expected a BCD value in hexadecimal such as 0x2250, found \"" + raw.text + "\"");
        return [token, bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(*value))](Runner& run) {
            run.host.variables().setInteger(token, bits);
        };
    }
    const auto value = in.integer("a whole number");
    return [token, bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(value))](Runner& run) {
        run.host.variables().setInteger(token, bits);
    };
}

struct Point {
    int x, y;
};

Point point(LineReader& in) {
    const int x = static_cast<int>(in.integer("an x coordinate"));
    if (in.peek(",")) in.mark(",");
    const int y = static_cast<int>(in.integer("a y coordinate"));
    return {x, y};
}

double tolerance(LineReader& in) {
    if (!in.peek("~")) return 1e-9;
    in.mark("~");
    return in.real("a tolerance");
}

std::string windowCallText(const WindowCallRecord& call) {
    const char* verb = call.call == WindowCall::Toggle ? "toggle" : call.call == WindowCall::Open ? "open" : "close";
    return std::string(verb) + " " + std::to_string(call.window);
}

template <class Item, class Describe>
std::string listText(const std::vector<Item>& items, Describe describe) {
    if (items.empty()) return "none";
    std::string text;
    for (const auto& item : items) text += (text.empty() ? "" : ", ") + describe(item);
    return text;
}

Step expectation(LineReader& in) {
    const Location at = in.here();
    const std::string what = in.word("what to expect (one of " + std::string(kExpectations) + ")");
    if (what == "value" || what == "angle" || what == "rotation") {
        const auto alias = in.alias();
        const int index = static_cast<int>(in.integer("an element index"));
        in.mark("=");
        const double expected = in.real("a number");
        const double within = tolerance(in);
        in.end();
        return [=](Runner& run) {
            const auto& state = run.element(alias, index, at);
            std::optional<double> actual = what == "angle"      ? std::optional(state.needleAngle)
                                           : what == "rotation" ? std::optional(state.spriteRotation)
                                                                : state.returned;
            const std::string subject = what + " of " + alias + " element " + std::to_string(index);
            run.check(actual && std::abs(*actual - expected) <= within, at, subject + " " + number(expected),
                      actual ? number(*actual) : "no callback value");
        };
    }
    if (what == "slider" || what == "strip") {
        const auto alias = in.alias();
        const int index = static_cast<int>(in.integer("an element index"));
        in.mark("=");
        const double x = in.real("an x offset");
        if (in.peek(",")) in.mark(",");
        const double y = in.real("a y offset");
        const double within = tolerance(in);
        in.end();
        return [=](Runner& run) {
            const auto& state = run.element(alias, index, at);
            const double ax = what == "slider" ? state.sliderX : state.stripX;
            const double ay = what == "slider" ? state.sliderY : state.stripY;
            run.check(std::abs(ax - x) <= within && std::abs(ay - y) <= within, at,
                      what + " of " + alias + " element " + std::to_string(index) + " at " + number(x) + ", " + number(y),
                      number(ax) + ", " + number(ay));
        };
    }
    if (what == "picture") {
        const auto alias = in.alias();
        const int index = static_cast<int>(in.integer("an element index"));
        in.mark("=");
        std::optional<int> expected;
        if (in.peek("none")) {
            in.word("none");
        } else {
            expected = static_cast<int>(in.integer("a picture index or none"));
        }
        in.end();
        return [=](Runner& run) {
            const auto& state = run.element(alias, index, at);
            auto show = [](std::optional<int> picture) { return picture ? std::to_string(*picture) : std::string("none"); };
            run.check(state.picture == expected, at, "picture " + show(expected) + " on " + alias + " element " + std::to_string(index),
                      show(state.picture));
        };
    }
    if (what == "text") {
        const auto alias = in.alias();
        const int index = static_cast<int>(in.integer("an element index"));
        in.mark("=");
        const std::string expected = in.text("the text");
        in.end();
        return [=](Runner& run) {
            const auto& state = run.element(alias, index, at);
            run.check(state.text == expected, at, "text " + quote(expected) + " on " + alias + " element " + std::to_string(index),
                      quote(state.text));
        };
    }
    if (what == "text-length") {
        const auto alias = in.alias();
        const int index = static_cast<int>(in.integer("an element index"));
        in.mark("<=");
        const int most = in.count("a length");
        in.end();
        return [=](Runner& run) {
            const auto& state = run.element(alias, index, at);
            run.check(state.text.size() <= static_cast<std::size_t>(most), at,
                      "a text of at most " + std::to_string(most) + " characters on " + alias + " element " + std::to_string(index),
                      quote(state.text) + " (" + std::to_string(state.text.size()) + ")");
        };
    }
    if (what == "hidden") {
        const auto alias = in.alias();
        const int index = static_cast<int>(in.integer("an element index"));
        in.mark("=");
        const Token& answer = in.take("yes or no");
        if (answer.quoted || (answer.text != "yes" && answer.text != "no")) in.failAt(answer, "expected yes or no");
        const bool expected = answer.text == "yes";
        in.end();
        return [=](Runner& run) {
            const auto& state = run.element(alias, index, at);
            run.check(state.hidden == expected, at, alias + " element " + std::to_string(index) + (expected ? " hidden" : " shown"),
                      state.hidden ? "hidden" : "shown");
        };
    }
    if (what == "keys") {
        in.mark("=");
        struct ExpectedKey {
            std::uint32_t id;
            std::optional<std::uint32_t> parameter;  // nullopt: any
        };
        std::vector<ExpectedKey> expected;
        if (in.peek("none")) {
            in.word("none");
        } else {
            while (!in.atEnd()) {
                ExpectedKey key{in.keyEvent(), std::nullopt};
                if (in.peek("(")) {
                    in.mark("(");
                    if (in.peek("*")) {
                        in.word("*");
                    } else {
                        key.parameter = static_cast<std::uint32_t>(in.integer("a parameter or *"));
                    }
                    in.mark(")");
                }
                expected.push_back(key);
                if (in.peek(",")) in.mark(",");
            }
            if (expected.empty()) in.fail("expected key events or none");
        }
        in.end();
        return [=](Runner& run) {
            const auto& all = run.host.keyEvents();
            std::vector<KeyEvent> fresh(all.begin() + static_cast<std::ptrdiff_t>(run.keyEventsChecked), all.end());
            run.keyEventsChecked = all.size();
            bool same = fresh.size() == expected.size();
            for (std::size_t i = 0; same && i < fresh.size(); ++i) {
                same = fresh[i].id == expected[i].id && (!expected[i].parameter || *expected[i].parameter == fresh[i].parameter);
            }
            run.check(same, at,
                      "key events " + listText(expected, [](const ExpectedKey& key) {
                          return keyEventText(key.id) + "(" + (key.parameter ? std::to_string(*key.parameter) : "*") + ")";
                      }),
                      listText(fresh, [](const KeyEvent& key) {
                          return keyEventText(key.id) + "(" + std::to_string(key.parameter) + ")";
                      }));
        };
    }
    if (what == "window-calls") {
        in.mark("=");
        std::vector<WindowCallRecord> expected;
        if (in.peek("none")) {
            in.word("none");
        } else {
            while (!in.atEnd()) {
                const Token& verb = in.take("toggle, open or close");
                WindowCallRecord call;
                if (verb.text == "toggle") call.call = WindowCall::Toggle;
                else if (verb.text == "open") call.call = WindowCall::Open;
                else if (verb.text == "close") call.call = WindowCall::Close;
                else in.failAt(verb, "expected toggle, open or close, found \"" + verb.text + "\"");
                call.window = static_cast<std::uint32_t>(in.integer("a panel window id"));
                expected.push_back(call);
                if (in.peek(",")) in.mark(",");
            }
        }
        in.end();
        return [=](Runner& run) {
            const auto& all = run.host.windowCalls();
            std::vector<WindowCallRecord> fresh(all.begin() + static_cast<std::ptrdiff_t>(run.windowCallsChecked), all.end());
            run.windowCallsChecked = all.size();
            bool same = fresh.size() == expected.size();
            for (std::size_t i = 0; same && i < fresh.size(); ++i) {
                same = fresh[i].call == expected[i].call && fresh[i].window == expected[i].window;
            }
            run.check(same, at, "window calls " + listText(expected, windowCallText), listText(fresh, windowCallText));
        };
    }
    if (what == "open-windows") {
        in.mark("=");
        std::set<std::uint32_t> expected;
        if (in.peek("none")) {
            in.word("none");
        } else {
            while (!in.atEnd()) {
                expected.insert(static_cast<std::uint32_t>(in.integer("a panel window id")));
                if (in.peek(",")) in.mark(",");
            }
        }
        in.end();
        return [=](Runner& run) {
            const auto& open = run.host.openWindows();
            auto show = [](const std::set<std::uint32_t>& windows) {
                return listText(std::vector<std::uint32_t>(windows.begin(), windows.end()),
                                [](std::uint32_t id) { return std::to_string(id); });
            };
            run.check(open == expected, at, "open windows " + show(expected), show(open));
        };
    }
    if (what == "named") {
        const std::string name = in.word("a named variable");
        in.mark("=");
        std::optional<double> expected;
        if (in.peek("missing")) {
            in.word("missing");
        } else {
            expected = in.real("a number or missing");
        }
        const double within = tolerance(in);
        in.end();
        return [=](Runner& run) {
            const auto actual = run.host.namedVariable(name);
            const bool held = expected ? actual && std::abs(*actual - *expected) <= within : !actual;
            run.check(held, at, "named variable " + name + " " + (expected ? number(*expected) : "missing"),
                      actual ? number(*actual) : "missing");
        };
    }
    if (what == "tooltip" || what == "cursor") {
        const auto alias = in.alias();
        const Point at2 = point(in);
        in.mark("=");
        std::optional<Tooltip> expectedTooltip;
        int expectedCursor = gauge::cursor::kNone;
        if (in.peek("none")) {
            in.word("none");
        } else if (what == "tooltip") {
            Tooltip tooltip;
            const Token& token = in.take("a tooltip id or a quoted text");
            if (token.quoted) {
                tooltip.text = token.text;
            } else if (auto id = parseInteger(token.text)) {
                tooltip.id = static_cast<std::uint32_t>(*id);
            } else {
                in.failAt(token, "expected a tooltip id, a quoted text or none");
            }
            expectedTooltip = tooltip;
        } else {
            expectedCursor = static_cast<int>(in.integer("a cursor number or none"));
        }
        in.end();
        return [=](Runner& run) {
            const auto& map = run.gauge(alias, at).mouseMap();
            const std::string where = " at " + std::to_string(at2.x) + ", " + std::to_string(at2.y) + " of " + alias;
            if (what == "cursor") {
                const int actual = map.cursorAt(at2.x, at2.y);
                auto show = [](int cursor) { return cursor == gauge::cursor::kNone ? std::string("none") : std::to_string(cursor); };
                run.check(actual == expectedCursor, at, "cursor " + show(expectedCursor) + where, show(actual));
                return;
            }
            const auto actual = map.tooltipAt(at2.x, at2.y);
            auto show = [](const std::optional<Tooltip>& tooltip) {
                if (!tooltip) return std::string("none");
                return tooltip->text.empty() ? hex(tooltip->id) : quote(tooltip->text);
            };
            run.check(actual == expectedTooltip, at, "tooltip " + show(expectedTooltip) + where, show(actual));
        };
    }
    in.failAt({what, at.column, false}, "unknown expectation \"" + what + "\"; expected one of " + kExpectations);
}

Step command(LineReader& in) {
    const Location at = in.here();
    const std::string verb = in.word("a command");
    if (verb == "load") {
        const std::string module = in.word("a module name or file");
        in.end();
        return [=](Runner& run) { run.host.loadModule(module); };
    }
    if (verb == "gauge") {
        const std::string alias = in.word("a name for the gauge");
        in.mark("=");
        const Location nameAt = in.here();
        const std::string full = in.word("Module!Gauge");
        const auto bang = full.find('!');
        if (bang == std::string::npos || bang == 0 || bang + 1 == full.size()) {
            throw ScenarioFault(nameAt, "expected Module!Gauge, found \"" + full + "\"");
        }
        in.end();
        in.defineAlias(alias);
        return [=](Runner& run) {
            if (run.gauges.contains(alias)) throw ScenarioFault(at, "a gauge is already called " + alias);
            try {
                run.gauges[alias] = &run.host.createGauge(full.substr(0, bang), full.substr(bang + 1), alias);
            } catch (const HostError& error) {
                throw ScenarioFault(nameAt, error.what());
            }
        };
    }
    if (verb == "set") {
        const std::uint32_t token = in.hostVariable();
        Step step = setVariable(in, token);
        in.end();
        return step;
    }
    if (verb == "tick") {
        const double tick = in.real("a tick count");
        in.end();
        return [=](Runner& run) { run.host.setTick(tick); };
    }
    if (verb == "cycle") {
        const int cycles = in.atEnd() ? 1 : in.count("a number of cycles");
        in.end();
        return [=](Runner& run) { run.host.runCycles(cycles); };
    }
    if (verb == "code") {
        const auto alias = in.alias();
        const auto code = static_cast<gauge::ServiceCode>(in.integer("a service code"));
        const auto extra = in.atEnd() ? 0 : static_cast<std::uint32_t>(in.integer("an extra value"));
        in.end();
        return [=](Runner& run) { run.host.sendServiceCode(run.gauge(alias, at), code, extra); };
    }
    if (verb == "press" || verb == "click") {
        const auto alias = in.alias();
        const Point p = point(in);
        in.end();
        const bool release = verb == "click";
        return [=](Runner& run) {
            run.host.press(run.gauge(alias, at), p.x, p.y);
            if (release) run.host.release();
        };
    }
    if (verb == "hold") {
        const int cycles = in.count("a number of cycles");
        in.end();
        return [=](Runner& run) {
            if (!run.host.buttonHeld()) throw ScenarioFault(at, "no button is held; press on a mouse area first");
            run.host.runCycles(cycles);
        };
    }
    if (verb == "move") {
        const Point p = point(in);
        in.end();
        return [=](Runner& run) {
            if (!run.host.buttonHeld()) throw ScenarioFault(at, "no button is held; press on a mouse area first");
            run.host.moveTo(p.x, p.y);
        };
    }
    if (verb == "release") {
        in.end();
        return [](Runner& run) { run.host.release(); };
    }
    if (verb == "drag") {
        const auto alias = in.alias();
        std::vector<Point> points{point(in)};
        while (!in.atEnd()) points.push_back(point(in));
        if (points.size() < 2) in.fail("expected at least two points: where the press starts and where it moves");
        return [=](Runner& run) {
            run.host.press(run.gauge(alias, at), points[0].x, points[0].y);
            for (std::size_t i = 1; i < points.size(); ++i) run.host.moveTo(points[i].x, points[i].y);
            run.host.release();
        };
    }
    if (verb == "gps") {
        const Token& action = in.take("provide, resize, withhold, u32 or f64");
        if (action.text == "provide" || action.text == "resize") {
            const int size = in.count("a record size in bytes");
            in.end();
            const bool keep = action.text == "resize";
            return [=](Runner& run) {
                std::vector<std::uint8_t> old;
                if (keep && run.host.gpsRecord() != nullptr) {
                    old.assign(run.host.gpsRecord(), run.host.gpsRecord() + run.host.gpsRecordSize());
                }
                run.host.provideGpsRecord(static_cast<std::size_t>(size));
                if (!old.empty()) {
                    std::memcpy(run.host.gpsRecord(), old.data(), std::min(old.size(), static_cast<std::size_t>(size)));
                }
            };
        }
        if (action.text == "withhold") {
            in.end();
            return [](Runner& run) { run.host.withholdGpsRecord(); };
        }
        if (action.text == "u32" || action.text == "f64") {
            const int offset = in.count("a byte offset");
            const Location valueAt = in.here();
            const bool real = action.text == "f64";
            const double value = real ? in.real("a number") : static_cast<double>(in.integer("a whole number"));
            in.end();
            return [=](Runner& run) {
                const std::size_t width = real ? 8 : 4;
                if (run.host.gpsRecord() == nullptr) throw ScenarioFault(at, "no GPS data record is provided; use \"gps provide SIZE\"");
                if (static_cast<std::size_t>(offset) + width > run.host.gpsRecordSize()) {
                    throw ScenarioFault(valueAt, "the field at offset " + std::to_string(offset) + " lies beyond the " +
                                                     std::to_string(run.host.gpsRecordSize()) + "-byte GPS data record");
                }
                if (real) {
                    std::memcpy(run.host.gpsRecord() + offset, &value, width);
                } else {
                    const auto bits = static_cast<std::uint32_t>(static_cast<std::int64_t>(value));
                    std::memcpy(run.host.gpsRecord() + offset, &bits, width);
                }
            };
        }
        in.failAt(action, "expected provide, resize, withhold, u32 or f64, found \"" + action.text + "\"");
    }
    if (verb == "named") {
        const std::string name = in.word("a named variable");
        in.mark("=");
        const double value = in.real("a number");
        in.end();
        return [=](Runner& run) { run.host.setNamedVariable(name, value); };
    }
    if (verb == "window") {
        const Token& action = in.take("open, close or toggle");
        if (action.quoted || (action.text != "open" && action.text != "close" && action.text != "toggle")) {
            in.failAt(action, "expected open, close or toggle, found \"" + action.text + "\"");
        }
        const auto window = static_cast<std::uint32_t>(in.integer("a panel window id"));
        in.end();
        const std::string what = action.text;
        // Changes made from outside are not the gauges' calls: the call log is left as it was.
        return [=](Runner& run) {
            if (what == "open") run.host.openWindow(window);
            else if (what == "close") run.host.closeWindow(window);
            else run.host.toggleWindow(window);
            run.windowCallsChecked = run.host.windowCalls().size();
        };
    }
    if (verb == "snapshot") {
        const auto alias = in.alias();
        const std::string file = in.text("a PNG file name");
        in.end();
        return [=](Runner& run) {
            if (!run.options.snapshot) throw ScenarioFault(at, "this build of gaugehost cannot draw; snapshot needs the native build");
            run.options.snapshot(run.host, run.gauge(alias, at), file);
        };
    }
    if (verb == "expect") return expectation(in);
    throw ScenarioFault(at, "unknown command \"" + verb + "\"; expected one of " + kCommands);
}

}  // namespace

ScenarioResult runScenario(std::string_view text, const std::string& fileName, const ScenarioOptions& options,
                           std::ostream& report) {
    std::vector<std::pair<Location, Step>> steps;
    std::set<std::string> aliases;
    std::istringstream lines{std::string(text)};
    int lineNumber = 0;
    try {
        for (std::string line; std::getline(lines, line);) {
            ++lineNumber;
            const Location at{fileName, lineNumber, 1};
            auto tokens = tokenize(line, at);
            if (tokens.empty()) continue;
            LineReader reader(std::move(tokens), at, aliases);
            steps.emplace_back(reader.here(), command(reader));
        }
    } catch (const ScenarioFault& fault) {
        report << fault.at.text() << ": " << fault.what() << '\n';
        return {.passed = 0, .failed = 1};
    }

    Runner run(options, report);
    for (auto& [at, step] : steps) {
        try {
            step(run);
        } catch (const ScenarioFault& fault) {
            report << fault.at.text() << ": " << fault.what() << '\n';
            ++run.result.failed;
            break;
        } catch (const std::exception& error) {
            report << at.text() << ": " << error.what() << '\n';
            ++run.result.failed;
            break;
        }
    }
    return run.result;
}

ScenarioResult runScenarioFile(const std::filesystem::path& file, const ScenarioOptions& options, std::ostream& report) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        report << file.string() << ": cannot read the scenario file\n";
        return {.passed = 0, .failed = 1};
    }
    std::ostringstream text;
    text << in.rdbuf();
    return runScenario(text.str(), file.string(), options, report);
}

}  // namespace gaugehost
