#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "ReplyReader.h"

namespace {

using orvdrv::ReadOutcome;

// A line that delivers bytes and then ends the way the test asks; it remembers how long each
// read was allowed to wait.
struct ScriptedLine {
    std::string bytes;
    ReadOutcome atEnd = ReadOutcome::TimedOut;
    std::size_t at = 0;
    std::vector<int> waits;

    ReadOutcome operator()(int timeoutMs, char& byte) {
        waits.push_back(timeoutMs);
        if (at == bytes.size()) return atEnd;
        byte = bytes[at++];
        return ReadOutcome::Byte;
    }
};

struct ReadCase {
    std::string bytes;
    ReadOutcome atEnd;
    int result;
    std::string reply;
};

TEST(ReplyReader, ReadsUpToTheFirstCrLfAndKeepsWhatArrivedOnFailure) {
    const ReadCase cases[] = {
        {"OK\r\n", ReadOutcome::TimedOut, ORVDRV_OK, "OK\r\n"},
        {"OK\r\nNEXT\r\n", ReadOutcome::TimedOut, ORVDRV_OK, "OK\r\n"},
        {"\r\n", ReadOutcome::TimedOut, ORVDRV_OK, "\r\n"},
        {"A\rB\nC\n\r\n", ReadOutcome::TimedOut, ORVDRV_OK, "A\rB\nC\n\r\n"},
        {std::string("\0\xFF\r\n", 4), ReadOutcome::TimedOut, ORVDRV_OK,
         std::string("\0\xFF\r\n", 4)},
        {"", ReadOutcome::TimedOut, ORVDRV_TIMEOUT, ""},
        {"OK", ReadOutcome::TimedOut, ORVDRV_TIMEOUT, "OK"},
        {"OK\r", ReadOutcome::TimedOut, ORVDRV_TIMEOUT, "OK\r"},
        {"", ReadOutcome::Failed, ORVDRV_IO_FAILED, ""},
        {"OK\n", ReadOutcome::Failed, ORVDRV_IO_FAILED, "OK\n"},
    };
    for (const auto& c : cases) {
        ScriptedLine line{c.bytes, c.atEnd};
        std::string reply;
        EXPECT_EQ(orvdrv::ReadReplyLine(line, 4500, reply), c.result) << c.bytes;
        EXPECT_EQ(reply, c.reply) << c.bytes;
    }
}

TEST(ReplyReader, WaitsTheGivenTimeForTheFirstCharacterAndOneSecondForEachFurther) {
    ScriptedLine line{"OK"};
    std::string reply;
    EXPECT_EQ(orvdrv::ReadReplyLine(line, 200, reply), ORVDRV_TIMEOUT);
    EXPECT_EQ(line.waits, (std::vector<int>{200, 1000, 1000}));
}

TEST(ReplyReader, DeletesOnlyTheFirstCrLf) {
    const std::pair<std::string, std::string> cases[] = {
        {"OK\r\n", "OK"}, {"A\r\nB\r\n", "AB\r\n"}, {"\r\n", ""}, {"OK", "OK"}, {"\n\r", "\n\r"},
    };
    for (auto [reply, expected] : cases) {
        orvdrv::DeleteFirstCrLf(reply);
        EXPECT_EQ(reply, expected);
    }
}

TEST(ReplyReader, CopiesTheReplyCutToTheBufferAndNeverBeyondIt) {
    struct CopyCase {
        std::string reply;
        int size;
        std::string written; // what the buffer holds afterwards, terminator included
    };
    const CopyCase cases[] = {
        {"OK", 8, std::string("OK\0", 3)},
        {"OKAY", 5, std::string("OKAY\0", 5)},
        {"OKAY", 4, std::string("OKA\0", 4)},
        {"OKAY", 1, std::string("\0", 1)},
        {"OKAY", 0, ""},
        {"OKAY", -3, ""},
        {std::string("A\0B", 3), 8, std::string("A\0B\0", 4)},
    };
    for (const auto& c : cases) {
        std::array<char, 16> buffer;
        buffer.fill('#');
        orvdrv::CopyReply(c.reply, buffer.data(), c.size);
        EXPECT_EQ(std::string(buffer.data(), c.written.size()), c.written) << c.reply << c.size;
        for (std::size_t i = c.written.size(); i < buffer.size(); ++i)
            ASSERT_EQ(buffer[i], '#') << "written past the buffer: " << c.reply << " " << c.size;
    }
    orvdrv::CopyReply("OK", nullptr, 8); // no buffer: nothing to do, nothing to crash
}

} // namespace
