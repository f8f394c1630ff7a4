#include "nearest_names.h"

#include <algorithm>
#include <cctype>
#include <numeric>

namespace gaugehost {
namespace {

std::size_t editDistance(std::string_view a, std::string_view b) {
    const auto same = [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    };
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same(a[i - 1], b[j - 1]) ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::vector<std::string> nearestNames(std::string_view wanted, const std::vector<std::string>& candidates) {
    // A third of the name may be mistyped, and two characters of any name.
    const std::size_t nearEnough = std::max<std::size_t>(2, wanted.size() / 3);
    std::vector<std::pair<std::size_t, std::string>> near;
    for (const auto& candidate : candidates) {
        if (const std::size_t distance = editDistance(wanted, candidate); distance <= nearEnough) {
            near.emplace_back(distance, candidate);
        }
    }
    std::stable_sort(near.begin(), near.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> names;
    for (const auto& [distance, name] : near) {
        if (names.size() == 3) break;
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return names;
}

std::string didYouMean(std::string_view wanted, const std::vector<std::string>& candidates) {
    const auto names = nearestNames(wanted, candidates);
    if (names.empty()) return {};
    std::string text = "; did you mean " + names[0];
    for (std::size_t i = 1; i < names.size(); ++i) text += (i + 1 == names.size() ? " or " : ", ") + names[i];
    return text + "?";
}

}  // namespace gaugehost
