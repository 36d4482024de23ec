// The device behind a port name given by the host.
#pragma once

#include <string>
#include <string_view>

namespace orvdrv {

// "COM1" to "COM8" (any letter case) name the first eight on-board serial ports
// "/dev/ttyS0" to "/dev/ttyS7"; any other name is already a device path.
std::string PortDevicePath(std::string_view name);

} // namespace orvdrv
