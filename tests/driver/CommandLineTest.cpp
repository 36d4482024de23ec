#include <gtest/gtest.h>

#include "CommandLine.h"

namespace {

struct LineCase {
    int command;
    int sub;
    const char* argument;
    const char* line;
};

TEST(CommandLine, FormatsNumberedAndPlainLines) {
    const LineCase cases[] = {
        {140, -1, "3", "C140 3"},
        {132, 2, "50", "C132 2 50"},
        {100, -1, "1", "C100 1"},
        {0, 0, "x", "C0 0 x"},          // 0 is a number like any other, not "none"
        {7, -1, "", "C7 "},             // the blank before the argument is always written
        {-1, -1, "REMOTE?", "REMOTE?"}, // plain keyword line
        {-1, 4, "LOCAL", "LOCAL"},      // no command number, so no sub-function either
        {-1, -1, "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(orvdrv::FormatCommandLine(c.command, c.sub, c.argument), c.line)
            << c.command << "/" << c.sub << "/" << c.argument;
}

} // namespace
