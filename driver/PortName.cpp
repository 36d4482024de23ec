#include "PortName.h"

#include <cctype>

namespace orvdrv {
namespace {

constexpr int kComPorts = 8;

bool IsComPrefix(std::string_view name) {
    if (name.size() != 4) return false;
    constexpr std::string_view prefix = "COM";
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(name[i])) != prefix[i]) return false;
    return true;
}

} // namespace

std::string PortDevicePath(std::string_view name) {
    if (IsComPrefix(name) && name[3] >= '1' && name[3] < '1' + kComPorts)
        return "/dev/ttyS" + std::string(1, static_cast<char>(name[3] - 1));
    return std::string(name);
}

} // namespace orvdrv
