// Turns the analyser's reply line into the library's result code.
#pragma once

#include <string_view>

namespace orvdrv {

// 100 for an "ERROR" naming the command ("CMD"), 101 for any other "ERROR", 102-116 for a
// documented "FAILED" reason, 0 otherwise. The tests are case-sensitive containment tests on
// the whole reply, NUL bytes included.
int ClassifyReply(std::string_view reply);

} // namespace orvdrv
