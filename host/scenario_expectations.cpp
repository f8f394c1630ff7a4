// The scenario expectations: what must come out, one reader per expectation. Each reads the state
// after the last cycle and reports `expected …, got …` when it does not hold.
#include <algorithm>
#include <limits>
#include <set>
#include <vector>

#include "hex_text.h"
#include "key_events.h"
#include "frame_names.h"
#include "scenario_steps.h"
#include "value_text.h"

namespace gaugehost::scenario {
namespace {

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

// The records that came since the last expectation on them; from now on they count as checked.
template <class Record>
std::vector<Record> sinceLastCheck(const std::vector<Record>& all, std::size_t& checked) {
    std::vector<Record> fresh(all.begin() + static_cast<std::ptrdiff_t>(checked), all.end());
    checked = all.size();
    return fresh;
}

// The NAME INDEX that the expectations on one element start with.
struct ElementAt {
    std::string alias;
    int index;
    std::string text() const { return alias + " element " + std::to_string(index); }
};

ElementAt elementAt(LineReader& in) {
    std::string alias = in.alias();
    return {std::move(alias), in.index("an element index")};
}

// `value`, `angle` and `rotation`: one number of an element. A value is any element's callback's;
// an angle is a needle's, a rotation a sprite's.
Step elementNumber(LineReader& in, const Location& at, const std::string& what) {
    const ElementAt element = elementAt(in);
    in.mark("=");
    const double expected = in.anyReal("a number");
    const double within = in.tolerance();
    in.end();
    return [=](Runner& run) {
        std::optional<double> actual;
        if (what == "angle") {
            actual = run.element(element.alias, element.index, {gauge::kNeedle}).needleAngle;
        } else if (what == "rotation") {
            actual = run.element(element.alias, element.index, {gauge::kSprite}).spriteRotation;
        } else {
            actual = run.element(element.alias, element.index).returned;
        }
        const std::string subject = what + " of " + element.text();
        run.check(actual && holds(*actual, expected, within), at, subject + " " + number(expected),
                  actual ? number(*actual) : "no callback value");
    };
}

// `slider` and `strip`: an element's two offsets.
Step elementOffsets(LineReader& in, const Location& at, const std::string& what) {
    const ElementAt element = elementAt(in);
    in.mark("=");
    const double x = in.anyReal("an x offset");
    in.accept(",");
    const double y = in.anyReal("a y offset");
    const double within = in.tolerance();
    in.end();
    return [=](Runner& run) {
        const bool slider = what == "slider";
        const auto& state = run.element(element.alias, element.index, {slider ? gauge::kSlider : gauge::kMovingImage});
        const double ax = slider ? state.sliderX : state.stripX;
        const double ay = slider ? state.sliderY : state.stripY;
        run.check(holds(ax, x, within) && holds(ay, y, within), at,
                  what + " of " + element.text() + " at " + number(x) + ", " + number(y),
                  number(ax) + ", " + number(ay));
    };
}

Step picture(LineReader& in, const Location& at, const std::string&) {
    const ElementAt element = elementAt(in);
    in.mark("=");
    std::optional<int> expected;
    if (!in.accept("none")) {
        expected = in.index("a picture index or none");
    }
    in.end();
    return [=](Runner& run) {
        const auto& state = run.element(element.alias, element.index, {gauge::kIcon});
        auto show = [](std::optional<int> picture) { return picture ? std::to_string(*picture) : std::string("none"); };
        run.check(state.picture == expected, at, "picture " + show(expected) + " on " + element.text(),
                  show(state.picture));
    };
}

Step text(LineReader& in, const Location& at, const std::string&) {
    const ElementAt element = elementAt(in);
    in.mark("=");
    const std::string expected = in.text("the text");
    in.end();
    return [=](Runner& run) {
        const auto& state = run.element(element.alias, element.index, {gauge::kString});
        run.check(state.text == expected, at, "text " + quote(expected) + " on " + element.text(),
                  quote(state.text));
    };
}

Step textLength(LineReader& in, const Location& at, const std::string&) {
    const ElementAt element = elementAt(in);
    in.mark("<=");
    const int most = in.index("a length");
    in.end();
    return [=](Runner& run) {
        const auto& state = run.element(element.alias, element.index, {gauge::kString});
        run.check(state.text.size() <= static_cast<std::size_t>(most), at,
                  "a text of at most " + std::to_string(most) + " characters on " + element.text(),
                  quote(state.text) + " (" + std::to_string(state.text.size()) + ")");
    };
}

Step hidden(LineReader& in, const Location& at, const std::string&) {
    const ElementAt element = elementAt(in);
    in.mark("=");
    const Token& answer = in.take("yes or no");
    if (answer.quoted || (answer.text != "yes" && answer.text != "no")) in.failAt(answer, "expected yes or no");
    const bool expected = answer.text == "yes";
    in.end();
    return [=](Runner& run) {
        const auto& state = run.element(element.alias, element.index);
        run.check(state.hidden == expected, at, element.text() + (expected ? " hidden" : " shown"),
                  state.hidden ? "hidden" : "shown");
    };
}

Step keys(LineReader& in, const Location& at, const std::string&) {
    in.mark("=");
    struct ExpectedKey {
        std::uint32_t id;
        std::optional<std::uint32_t> parameter;  // nullopt: any
    };
    std::vector<ExpectedKey> expected;
    if (!in.accept("none")) {
        while (!in.atEnd()) {
            ExpectedKey key{in.keyEvent(), std::nullopt};
            if (in.accept("(")) {
                if (!in.accept("*")) {
                    key.parameter = in.bits("a parameter or *");
                }
                in.mark(")");
            }
            expected.push_back(key);
            in.accept(",");
        }
        if (expected.empty()) in.fail("expected key events or none");
    }
    in.end();
    return [=](Runner& run) {
        const auto fresh = sinceLastCheck(run.host.keyEvents(), run.keyEventsChecked);
        const bool same = std::ranges::equal(fresh, expected, [](const KeyEvent& sent, const ExpectedKey& key) {
            return sent.id == key.id && (!key.parameter || *key.parameter == sent.parameter);
        });
        run.check(same, at,
                  "key events " + listText(expected, [](const ExpectedKey& key) {
                      return keyEventName(key.id) + "(" + (key.parameter ? std::to_string(*key.parameter) : "*") + ")";
                  }),
                  listText(fresh, [](const KeyEvent& key) {
                      return keyEventName(key.id) + "(" + std::to_string(key.parameter) + ")";
                  }));
    };
}

Step windowCalls(LineReader& in, const Location& at, const std::string&) {
    in.mark("=");
    std::vector<WindowCallRecord> expected;
    if (!in.accept("none")) {
        while (!in.atEnd()) {
            const Token& verb = in.take("toggle, open or close");
            WindowCallRecord call;
            if (verb.text == "toggle") call.call = WindowCall::Toggle;
            else if (verb.text == "open") call.call = WindowCall::Open;
            else if (verb.text == "close") call.call = WindowCall::Close;
            else in.failAt(verb, "expected toggle, open or close, found \"" + verb.text + "\"");
            call.window = in.windowId();
            expected.push_back(call);
            in.accept(",");
        }
    }
    in.end();
    return [=](Runner& run) {
        const auto fresh = sinceLastCheck(run.host.windowCalls(), run.windowCallsChecked);
        // The host's result of each call is not part of what a scenario states.
        const bool same = std::ranges::equal(fresh, expected, [](const WindowCallRecord& made, const WindowCallRecord& call) {
            return made.call == call.call && made.window == call.window;
        });
        run.check(same, at, "window calls " + listText(expected, windowCallText), listText(fresh, windowCallText));
    };
}

Step openWindows(LineReader& in, const Location& at, const std::string&) {
    in.mark("=");
    std::set<std::uint32_t> expected;
    if (!in.accept("none")) {
        while (!in.atEnd()) {
            expected.insert(in.windowId());
            in.accept(",");
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

Step named(LineReader& in, const Location& at, const std::string&) {
    const std::string name = in.word("a named variable");
    in.mark("=");
    std::optional<double> expected;
    if (!in.accept("missing")) {
        expected = in.anyReal("a number or missing");
    }
    const double within = in.tolerance();
    in.end();
    return [=](Runner& run) {
        const auto actual = run.host.namedVariable(name);
        const bool held = expected ? actual && holds(*actual, *expected, within) : !actual;
        run.check(held, at, "named variable " + name + " " + (expected ? number(*expected) : "missing"),
                  actual ? number(*actual) : "missing");
    };
}

std::string pointText(const std::string& alias, Point point) {
    return " at " + std::to_string(point.x) + ", " + std::to_string(point.y) + " of " + alias;
}

Step tooltip(LineReader& in, const Location& at, const std::string&) {
    const auto alias = in.alias();
    const Point point = in.point();
    in.mark("=");
    std::optional<Tooltip> expected;
    if (!in.accept("none")) {
        Tooltip tooltip;
        const Token& token = in.take("a tooltip id or a quoted text");
        if (token.quoted) {
            tooltip.text = token.text;
        } else if (auto id = readWholeNumber(token.text); id && *id >= 0) {
            tooltip.id = static_cast<std::uint32_t>(*id);
        } else {
            in.failAt(token, "expected a tooltip id from 0 to 4294967295, a quoted text or none");
        }
        expected = tooltip;
    }
    in.end();
    return [=](Runner& run) {
        const auto actual = run.gauge(alias).mouseMap().tooltipAt(point.x, point.y);
        auto show = [](const std::optional<Tooltip>& tooltip) {
            if (!tooltip) return std::string("none");
            return tooltip->text.empty() ? hex(tooltip->id) : quote(tooltip->text);
        };
        run.check(actual == expected, at, "tooltip " + show(expected) + pointText(alias, point), show(actual));
    };
}

Step cursor(LineReader& in, const Location& at, const std::string&) {
    const auto alias = in.alias();
    const Point point = in.point();
    in.mark("=");
    int expected = gauge::cursor::kNone;
    if (!in.accept("none")) {
        expected = static_cast<int>(in.whole("a cursor number or none", std::numeric_limits<std::int32_t>::min(),
                                             std::numeric_limits<std::int32_t>::max()));
    }
    in.end();
    return [=](Runner& run) {
        const int actual = run.gauge(alias).mouseMap().cursorAt(point.x, point.y);
        auto show = [](int cursor) { return cursor == gauge::cursor::kNone ? std::string("none") : std::to_string(cursor); };
        run.check(actual == expected, at, "cursor " + show(expected) + pointText(alias, point), show(actual));
    };
}

const StepReader kExpectations[] = {
    {"value", "expect value NAME INDEX = NUMBER [~ TOL]", "the element's callback returned the number", elementNumber},
    {"picture", "expect picture NAME INDEX = N|none", "the icon shows picture N, or none", picture},
    {"angle", "expect angle NAME INDEX = DEG [~ TOL]", "the needle's angle, degrees clockwise from +x", elementNumber},
    {"slider", "expect slider NAME INDEX = X Y [~ TOL]", "the slider's offsets in pixels", elementOffsets},
    {"strip", "expect strip NAME INDEX = X Y [~ TOL]", "how far a moving image's strip is shifted left and up",
     elementOffsets},
    {"rotation", "expect rotation NAME INDEX = DEG [~ TOL]", "the sprite's rotation", elementNumber},
    {"text", "expect text NAME INDEX = \"TEXT\"", "the text written, exactly", text},
    {"text-length", "expect text-length NAME INDEX <= N", "the text has at most N characters", textLength},
    {"hidden", "expect hidden NAME INDEX = yes|no", "the element's hidden bit", hidden},
    {"keys", "expect keys = EVENT(PARAM) ...|none", "exactly these key events since the last expect keys", keys},
    {"window-calls", "expect window-calls = toggle|open|close ID ...|none",
     "exactly these panel-window calls since the last expect window-calls", windowCalls},
    {"open-windows", "expect open-windows = ID ...|none", "exactly these windows are open", openWindows},
    {"named", "expect named NAME = NUMBER|missing [~ TOL]", "the named variable holds the number, or does not exist",
     named},
    {"tooltip", "expect tooltip NAME X Y = ID|\"TEXT\"|none", "the tooltip shown at the point", tooltip},
    {"cursor", "expect cursor NAME X Y = N|none", "the cursor shown at the point", cursor},
};

}  // namespace

std::span<const StepReader> expectations() { return kExpectations; }

Step readExpectation(LineReader& in, const Location&, const std::string&) {
    const Location at = in.here();
    const std::string what = in.word("what to expect (one of " + wordsOf(expectations()) + ")");
    if (const StepReader* reader = readerFor(expectations(), what)) return reader->read(in, at, what);
    in.failAt({what, at.column, false}, "unknown expectation \"" + what + "\"; expected one of " + wordsOf(expectations()));
}

}  // namespace gaugehost::scenario
