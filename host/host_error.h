#pragma once

#include <stdexcept>

namespace gaugehost {

// Every refusal of the bench host: bad input is reported and changes nothing.
class HostError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace gaugehost
