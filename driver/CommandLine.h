// The text of one command line as the analyser expects it (the line feed is added when sent).
#pragma once

#include <string>
#include <string_view>

namespace orvdrv {

// Command and sub-function number that mean "none".
inline constexpr int kNoNumber = -1;

// command kNoNumber: the argument alone (plain keyword lines such as "REMOTE?").
// Otherwise "C<command>", then " <sub>" unless sub is kNoNumber, then " <argument>".
std::string FormatCommandLine(int command, int sub, std::string_view argument);

} // namespace orvdrv
