#include "CommandLine.h"

namespace orvdrv {

std::string FormatCommandLine(int command, int sub, std::string_view argument) {
    if (command == kNoNumber) return std::string(argument);
    std::string line = "C" + std::to_string(command);
    if (sub != kNoNumber) line += " " + std::to_string(sub);
    line += ' ';
    line += argument;
    return line;
}

} // namespace orvdrv
