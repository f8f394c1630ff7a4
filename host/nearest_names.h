// The names a mistyped name most likely meant, for messages that suggest them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gaugehost {

// Up to three candidates closest to `wanted` by edit distance, ignoring case, closest first; only
// those near enough to be a slip of the keyboard.
std::vector<std::string> nearestNames(std::string_view wanted, const std::vector<std::string>& candidates);

// "; did you mean A, B or C?", or an empty text when nothing is near.
std::string didYouMean(std::string_view wanted, const std::vector<std::string>& candidates);

}  // namespace gaugehost
