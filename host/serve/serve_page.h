// The page of the live bench, built into the program from serve_page.html.
#pragma once

#include <string_view>

namespace gaugehost::serve {

extern const std::string_view kServePage;

}  // namespace gaugehost::serve
