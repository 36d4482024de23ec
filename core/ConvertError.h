#pragma once
// A text that should hold a number, a date or a time holds something else.

#include <stdexcept>
#include <string>

namespace ombrix {

class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace ombrix
