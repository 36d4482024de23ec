#include <gtest/gtest.h>

#include <string>

#include "ReplyClassifier.h"

namespace {

struct ReplyCase {
    std::string reply;
    int code;
};

TEST(ReplyClassifier, GivesEachDocumentedFailureItsCode) {
    const ReplyCase cases[] = {
        {"FAILED: illegal sub fct nr", 102},
        {"FAILED: arg out of range", 103},
        {"FAILED: wrong selected", 104},
        {"FAILED: not implemented yet", 105},
        {"FAILED: not enough memory", 106},
        {"FAILED: mode not available", 107},
        {"FAILED: improper device type", 108},
        {"FAILED: no standard available", 109},
        {"FAILED: matrix empty", 110},
        {"FAILED: command ignored", 111},
        {"FAILED: already running", 112},
        {"FAILED: not running", 113},
        {"FAILED: matrix not open", 114},
        {"FAILED: standard not available", 115},
        {"FAILED: Command number out of range", 116},
    };
    for (const auto& c : cases)
        EXPECT_EQ(orvdrv::ClassifyReply(c.reply), c.code) << c.reply;
}

TEST(ReplyClassifier, DecidesByContainmentWithErrorFirstAndTheTableOrder) {
    const ReplyCase cases[] = {
        {"OK", 0},
        {"", 0},
        {"REMOTE 1", 0},
        {"ERROR CMD", 100},
        {"CMD 140: ERROR", 100},
        {"ERROR", 101},
        {"ERROR: arg out of range", 101},
        // an error answer wins over a failure named in the same line
        {"FAILED: arg out of range ERROR", 101},
        // several reasons: the first in the table wins, not the first in the line
        {"FAILED: arg out of range, illegal sub fct nr", 102},
        {"FAILED: Command number out of range", 116},
        // a reason without "FAILED" is no failure
        {"arg out of range", 0},
        // a failure the table does not know counts as success
        {"FAILED: battery low", 0},
        {"FAILED", 0},
        // letter case as the analyser writes it
        {"error cmd", 0},
        {"failed: arg out of range", 0},
        {"FAILED: command number out of range", 0},
        // a stray NUL does not hide the rest of the line
        {std::string("x\0ERROR", 7), 101},
        {std::string("FAILED\0matrix empty", 19), 110},
    };
    for (const auto& c : cases)
        EXPECT_EQ(orvdrv::ClassifyReply(c.reply), c.code) << c.reply;
}

} // namespace
