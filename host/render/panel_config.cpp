#include "panel_config.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <iterator>
#include <map>

#include "host_error.h"

namespace gaugehost::render {
namespace {

// Real panel configurations are a few kilobytes; anything this large is not one.
constexpr std::uintmax_t kLargestFile = 4 << 20;

std::string lowerCase(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](unsigned char c) { return std::tolower(c); });
    return lowered;
}

std::string_view trimmed(std::string_view text) {
    const auto isSpace = [](unsigned char c) { return std::isspace(c) != 0; };
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return text;
}

// The number after the prefix ("gauge07" → 7), or nullopt when digits do not follow it.
std::optional<int> numberAfter(std::string_view lowered, std::string_view prefix) {
    if (!lowered.starts_with(prefix) || lowered.size() == prefix.size() || lowered.size() > prefix.size() + 6) {
        return std::nullopt;
    }
    int number = 0;
    const auto digits = lowered.substr(prefix.size());
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    return number;
}

std::vector<std::string_view> fields(std::string_view value) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t comma = value.find(',', start);
        parts.push_back(trimmed(value.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start)));
        if (comma == std::string_view::npos) return parts;
        start = comma + 1;
    }
}

std::optional<int> wholeNumber(std::string_view text) {
    if (text.starts_with('+')) text.remove_prefix(1);
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return number;
}

class Reader {
public:
    explicit Reader(const std::string& fileName) { config_.fileName = fileName; }

    PanelConfig read(std::string_view text) {
        int line = 0;
        for (std::size_t start = 0; start <= text.size(); ++line) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            readLine(text.substr(start, end - start), line + 1);
            start = end + 1;
        }
        if (config_.windows.empty()) throw HostError(config_.fileName + ": has no [WindowNN] or [VcockpitNN] section");
        for (PanelWindow& window : config_.windows) {
            if (const auto title = titles_.find(lowerCase(window.section)); title != titles_.end()) window.title = title->second;
        }
        return std::move(config_);
    }

private:
    enum class Open { Nothing, Window, Section, Titles };

    void warn(int line, const std::string& what) {
        config_.warnings.push_back(config_.fileName + ":" + std::to_string(line) + ": " + what);
    }

    PanelWindow& window() { return config_.windows[openIndex_]; }

    void readLine(std::string_view raw, int line) {
        if (line == 1 && raw.starts_with("\xEF\xBB\xBF")) raw.remove_prefix(3);  // a byte order mark
        if (const std::size_t comment = raw.find("//"); comment != std::string_view::npos) raw = raw.substr(0, comment);
        std::string_view content = trimmed(raw);
        if (content.empty() || content.front() == ';') return;
        if (const std::size_t comment = content.find(';'); comment != std::string_view::npos) {
            warn(line, "a ';' comment after a value; comments take a line of their own or follow //");
            content = trimmed(content.substr(0, comment));
        }
        if (content.front() == '[') return openSection(content, line);
        const std::size_t equals = content.find('=');
        if (equals == std::string_view::npos) {
            return warn(line, "\"" + std::string(content) + "\" is neither a [section] nor key=value; passed over");
        }
        const std::string_view key = trimmed(content.substr(0, equals));
        const std::string_view value = trimmed(content.substr(equals + 1));
        if (key.empty()) return warn(line, "a value without a key; passed over");
        switch (open_) {
            case Open::Nothing: return warn(line, std::string(key) + " stands before any [section]; passed over");
            case Open::Window: return readWindowKey(key, value, line);
            case Open::Titles: titles_[lowerCase(key)] = value; [[fallthrough]];
            case Open::Section: config_.otherSections[openIndex_].keys.emplace_back(key, value); return;
        }
    }

    void openSection(std::string_view content, int line) {
        if (content.back() != ']') {
            warn(line, "the section header " + std::string(content) + " is not closed with ]");
        } else {
            content.remove_suffix(1);
        }
        const std::string name(trimmed(content.substr(1)));
        open_ = Open::Nothing;
        if (name.empty()) return warn(line, "a section without a name; its keys are passed over");
        const std::string lowered = lowerCase(name);
        const bool isWindow = numberAfter(lowered, "window") || numberAfter(lowered, "vcockpit");
        if (const auto seen = sections_.find(lowered); seen != sections_.end()) {
            warn(line, "[" + name + "] appears again (first on line " + std::to_string(seen->second.line) +
                           "); its lines are read into the first, later lines winning");
            open_ = seen->second.open;
            openIndex_ = seen->second.index;
            return;
        }
        if (isWindow) {
            config_.windows.push_back({});
            PanelWindow& opened = config_.windows.back();
            opened.section = name;
            opened.ident = name;
            opened.line = line;
            open_ = Open::Window;
            openIndex_ = config_.windows.size() - 1;
            keyLines_.emplace_back();
            gaugeIndex_.emplace_back();
        } else {
            config_.otherSections.push_back(PanelSection{.name = name, .keys = {}});
            open_ = lowered == "window titles" ? Open::Titles : Open::Section;
            openIndex_ = config_.otherSections.size() - 1;
        }
        sections_[lowered] = {.line = line, .open = open_, .index = openIndex_};
    }

    void readWindowKey(std::string_view key, std::string_view value, int line) {
        const std::string lowered = lowerCase(key);
        if (const auto number = numberAfter(lowered, "gauge")) return readGauge(key, *number, value, line);
        const bool drawn = lowered == "ident" || lowered == "size_mm" || lowered == "position" || lowered == "file" ||
                           lowered == "file_1024" || lowered == "background_color";
        if (!drawn) {
            window().otherKeys.emplace_back(key, value);
            return;
        }
        // Called once the value is read: a line passed over does not count as given.
        const auto given = [&] {
            auto& seen = keyLines_[openIndex_];
            if (const auto first = seen.find(lowered); first != seen.end()) {
                warn(line, std::string(key) + " is given again in [" + window().section + "] (first on line " +
                               std::to_string(first->second) + "); this line wins");
            }
            seen[lowered] = line;
        };
        const auto parts = fields(value);
        const std::string where = std::string(key) + ": ";
        if (lowered == "ident") {
            if (value.empty()) return warn(line, where + "the ident is empty; the window goes by its section name");
            given();
            window().ident = value;
        } else if (lowered == "size_mm") {
            const auto width = wholeNumber(parts[0]);
            const auto height = parts.size() == 2 ? wholeNumber(parts[1]) : std::nullopt;
            if (parts.size() > 2 || !width || *width < 1 || (parts.size() == 2 && (!height || *height < 1))) {
                return warn(line, where + "expected width[,height], whole numbers of at least 1; passed over");
            }
            given();
            window().width = width;
            window().height = height;
        } else if (lowered == "file" || lowered == "file_1024") {
            if (value.empty()) return warn(line, where + "names no bitmap");
            given();
            (lowered == "file" ? window().file : window().file1024) = value;
        } else if (lowered == "position") {
            const auto position = wholeNumber(value);
            if (!position || *position < 0 || *position > 8) return warn(line, where + "expected a screen position from 0 to 8; passed over");
            given();
            window().position = position;
        } else {
            std::optional<int> channels[3];
            if (parts.size() == 3) {
                for (std::size_t i = 0; i < 3; ++i) channels[i] = wholeNumber(parts[i]);
            }
            const auto isChannel = [](const std::optional<int>& channel) { return channel && *channel >= 0 && *channel <= 255; };
            if (!std::all_of(std::begin(channels), std::end(channels), isChannel)) {
                return warn(line, where + "expected red,green,blue, each from 0 to 255; passed over");
            }
            given();
            window().backgroundColour = Rgba{static_cast<std::uint8_t>(*channels[0]), static_cast<std::uint8_t>(*channels[1]),
                                             static_cast<std::uint8_t>(*channels[2]), 255};
        }
    }

    void readGauge(std::string_view key, int number, std::string_view value, int line) {
        const std::string where = std::string(key) + ": ";
        auto parts = fields(value);
        if (parts.size() > 1 && parts.back().empty()) {
            warn(line, where + "a trailing comma");
            parts.pop_back();
        }
        if (parts.size() < 3 || parts.size() > 6) {
            return warn(line, where + "expected Module!Gauge, x, y[, width[, height[, parameter]]]; passed over");
        }
        const std::string_view name = parts[0];
        const std::size_t bang = name.find('!');
        if (bang == std::string_view::npos || bang == 0 || bang + 1 == name.size() || name.find('!', bang + 1) != std::string_view::npos) {
            return warn(line, where + "\"" + std::string(name) + "\" is not Module!Gauge; passed over");
        }
        GaugePlacement placed;
        placed.key = key;
        placed.number = number;
        placed.module = name.substr(0, bang);
        placed.gauge = name.substr(bang + 1);
        placed.line = line;
        if (parts.size() == 6) placed.parameter = parts[5];
        const char* const axes[] = {"x", "y", "width", "height"};
        for (std::size_t i = 1; i < std::min<std::size_t>(parts.size(), 5); ++i) {
            const bool isSize = i >= 3;
            // A size may be left empty when a parameter follows it.
            if (isSize && parts[i].empty()) continue;
            const auto number = wholeNumber(parts[i]);
            if (!number || (isSize && *number < 1)) {
                return warn(line, where + axes[i - 1] + " \"" + std::string(parts[i]) + "\" is not a whole number" +
                                      (isSize ? " of at least 1" : "") + "; passed over");
            }
            switch (i) {
                case 1: placed.x = *number; break;
                case 2: placed.y = *number; break;
                case 3: placed.width = number; break;
                default: placed.height = number; break;
            }
        }
        if (placed.height && !placed.width) return warn(line, where + "a height without a width; passed over");
        auto& numbered = gaugeIndex_[openIndex_];
        if (const auto earlier = numbered.find(number); earlier != numbered.end()) {
            GaugePlacement& replaced = window().gauges[earlier->second];
            warn(line, where + "gauge number " + std::to_string(number) + " is given again in [" + window().section +
                           "] (first on line " + std::to_string(replaced.line) + "); this line wins");
            replaced = std::move(placed);
            return;
        }
        numbered[number] = window().gauges.size();
        window().gauges.push_back(std::move(placed));
    }

    struct SeenSection {
        int line;
        Open open;
        std::size_t index;
    };

    PanelConfig config_;
    Open open_ = Open::Nothing;
    std::size_t openIndex_ = 0;  // into windows or otherSections, as open_ says
    std::map<std::string, SeenSection> sections_;
    std::map<std::string, std::string> titles_;  // by lower-case section name
    std::vector<std::map<std::string, int>> keyLines_;       // per window: the line each drawn key was last read on
    std::vector<std::map<int, std::size_t>> gaugeIndex_;     // per window: gauge number → index in its gauges
};

}  // namespace

const PanelWindow* PanelConfig::findWindow(std::string_view identOrSection) const {
    const std::string wanted = lowerCase(identOrSection);
    for (const PanelWindow& window : windows) {
        if (lowerCase(window.ident) == wanted || lowerCase(window.section) == wanted) return &window;
    }
    return nullptr;
}

PanelConfig parsePanelConfig(std::string_view text, const std::string& fileName) { return Reader(fileName).read(text); }

PanelConfig readPanelConfig(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        throw HostError("cannot read the panel configuration " + file.string() + ": not a file");
    }
    if (std::filesystem::file_size(file, error) > kLargestFile) {
        throw HostError("the panel configuration " + file.string() + " is larger than " + std::to_string(kLargestFile >> 20) +
                        " MB; it is not one");
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) throw HostError("cannot read the panel configuration " + file.string());
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    return parsePanelConfig(text, file.string());
}

}  // namespace gaugehost::render
