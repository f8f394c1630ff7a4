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

// No panel is drawn larger than an image may be.
constexpr int kLargestSide = 16384;

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

bool startsWithThenDigits(std::string_view lowered, std::string_view prefix) {
    if (!lowered.starts_with(prefix) || lowered.size() == prefix.size()) return false;
    return std::all_of(lowered.begin() + static_cast<std::ptrdiff_t>(prefix.size()), lowered.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
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

std::optional<int> wholeNumber(std::string_view text, int lowest, int highest) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty() || number < lowest || number > highest) {
        return std::nullopt;
    }
    return number;
}

class Reader {
public:
    explicit Reader(const std::string& fileName) : fileName_(fileName) {}

    PanelConfig read(std::string_view text) {
        int line = 0;
        for (std::size_t start = 0; start <= text.size(); ++line) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            readLine(text.substr(start, end - start), line + 1);
            start = end + 1;
        }
        for (const PanelWindow& window : config_.windows) {
            if (window.width == 0) fail(window.line, "[" + window.section + "] has no size_mm");
        }
        return std::move(config_);
    }

private:
    [[noreturn]] void fail(int line, const std::string& what) const {
        throw HostError(fileName_ + ":" + std::to_string(line) + ": " + what);
    }

    void readLine(std::string_view raw, int line) {
        if (line == 1 && raw.starts_with("\xEF\xBB\xBF")) raw.remove_prefix(3);  // a byte order mark
        if (const std::size_t comment = raw.find("//"); comment != std::string_view::npos) raw = raw.substr(0, comment);
        const std::string_view content = trimmed(raw);
        if (content.empty() || content.front() == ';') return;
        if (content.front() == '[') return openSection(content, line);
        const std::size_t equals = content.find('=');
        if (equals == std::string_view::npos) fail(line, "expected a [section] or key=value, found \"" + std::string(content) + "\"");
        const std::string_view key = trimmed(content.substr(0, equals));
        const std::string_view value = trimmed(content.substr(equals + 1));
        if (key.empty()) fail(line, "a value without a key");
        if (window_ == nullptr && section_ == nullptr) fail(line, std::string(key) + " stands before any [section]");
        if (window_ != nullptr) return readWindowKey(key, value, line);
        section_->keys.emplace_back(key, value);
    }

    void openSection(std::string_view content, int line) {
        if (content.back() != ']') fail(line, "the section header " + std::string(content) + " is not closed with ]");
        const std::string name(trimmed(content.substr(1, content.size() - 2)));
        if (name.empty()) fail(line, "a section without a name");
        const std::string lowered = lowerCase(name);
        if (const auto seen = sectionLines_.find(lowered); seen != sectionLines_.end()) {
            fail(line, "[" + name + "] appears twice (first on line " + std::to_string(seen->second) + ")");
        }
        sectionLines_[lowered] = line;
        window_ = nullptr;
        section_ = nullptr;
        readKeys_.clear();
        if (startsWithThenDigits(lowered, "window") || startsWithThenDigits(lowered, "vcockpit")) {
            PanelWindow window;
            window.section = name;
            window.ident = name;
            window.line = line;
            config_.windows.push_back(std::move(window));
            window_ = &config_.windows.back();
        } else {
            config_.otherSections.push_back(PanelSection{.name = name, .keys = {}});
            section_ = &config_.otherSections.back();
        }
    }

    void readWindowKey(std::string_view key, std::string_view value, int line) {
        const std::string lowered = lowerCase(key);
        const bool isGauge = startsWithThenDigits(lowered, "gauge");
        const bool drawn = isGauge || lowered == "ident" || lowered == "size_mm" || lowered == "position" ||
                           lowered == "background_color";
        if (!drawn) {
            window_->otherKeys.emplace_back(key, value);
            return;
        }
        if (const auto seen = readKeys_.find(lowered); seen != readKeys_.end()) {
            fail(line, std::string(key) + " is given twice in [" + window_->section + "] (first on line " +
                           std::to_string(seen->second) + ")");
        }
        readKeys_[lowered] = line;
        const auto parts = fields(value);
        const std::string where = std::string(key) + ": ";
        if (isGauge) {
            window_->gauges.push_back(placement(key, parts, line));
        } else if (lowered == "ident") {
            if (value.empty()) fail(line, where + "the ident is empty");
            window_->ident = value;
        } else if (lowered == "size_mm") {
            const auto width = parts.size() == 2 ? wholeNumber(parts[0], 1, kLargestSide) : std::nullopt;
            const auto height = parts.size() == 2 ? wholeNumber(parts[1], 1, kLargestSide) : std::nullopt;
            if (!width || !height) fail(line, where + "expected width,height, whole numbers from 1 to " + std::to_string(kLargestSide));
            window_->width = *width;
            window_->height = *height;
        } else if (lowered == "position") {
            const auto position = wholeNumber(value, 0, 8);
            if (!position) fail(line, where + "expected a screen position from 0 to 8");
            window_->position = position;
        } else {
            std::optional<int> channels[3];
            if (parts.size() == 3) {
                for (std::size_t i = 0; i < 3; ++i) channels[i] = wholeNumber(parts[i], 0, 255);
            }
            if (!channels[0] || !channels[1] || !channels[2]) fail(line, where + "expected red,green,blue, each from 0 to 255");
            window_->backgroundColour = Rgba{static_cast<std::uint8_t>(*channels[0]), static_cast<std::uint8_t>(*channels[1]),
                                             static_cast<std::uint8_t>(*channels[2]), 255};
        }
    }

    GaugePlacement placement(std::string_view key, const std::vector<std::string_view>& parts, int line) const {
        const std::string where = std::string(key) + ": ";
        if (parts.size() < 3 || parts.size() > 5) fail(line, where + "expected Module!Gauge, x, y[, width[, height]]");
        const std::string_view name = parts[0];
        const std::size_t bang = name.find('!');
        if (bang == std::string_view::npos || bang == 0 || bang + 1 == name.size() || name.find('!', bang + 1) != std::string_view::npos) {
            fail(line, where + "\"" + std::string(name) + "\" is not Module!Gauge");
        }
        GaugePlacement placed;
        placed.key = key;
        placed.module = name.substr(0, bang);
        placed.gauge = name.substr(bang + 1);
        placed.line = line;
        const char* const axes[] = {"x", "y", "width", "height"};
        for (std::size_t i = 1; i < parts.size(); ++i) {
            const bool isSize = i >= 3;
            const auto number = wholeNumber(parts[i], isSize ? 1 : -kLargestSide, kLargestSide);
            if (!number) {
                fail(line, where + axes[i - 1] + " \"" + std::string(parts[i]) + "\" is not a whole number from " +
                               (isSize ? "1" : std::to_string(-kLargestSide)) + " to " + std::to_string(kLargestSide));
            }
            switch (i) {
                case 1: placed.x = *number; break;
                case 2: placed.y = *number; break;
                case 3: placed.width = number; break;
                default: placed.height = number; break;
            }
        }
        return placed;
    }

    std::string fileName_;
    PanelConfig config_;
    PanelWindow* window_ = nullptr;
    PanelSection* section_ = nullptr;
    std::map<std::string, int> sectionLines_;
    std::map<std::string, int> readKeys_;  // of the open window
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
    std::ifstream in(file, std::ios::binary);
    if (!in) throw HostError("cannot read the panel configuration " + file.string());
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    return parsePanelConfig(text, file.string());
}

}  // namespace gaugehost::render
