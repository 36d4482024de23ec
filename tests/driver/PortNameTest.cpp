#include <gtest/gtest.h>

#include "PortName.h"

namespace {

TEST(PortName, ComNamesMapToTheOnBoardPortsAndEverythingElseIsAPath) {
    const std::pair<const char*, const char*> cases[] = {
        {"COM1", "/dev/ttyS0"},
        {"COM8", "/dev/ttyS7"},
        {"com3", "/dev/ttyS2"},
        {"COM9", "COM9"},
        {"COM0", "COM0"},
        {"COM10", "COM10"},
        {"COM", "COM"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"/dev/pts/3", "/dev/pts/3"},
        {"", ""},
    };
    for (const auto& [name, device] : cases)
        EXPECT_EQ(orvdrv::PortDevicePath(name), device) << name;
}

} // namespace
