// The single operations on the line: raw send and read, buffers, rate, time-out, trace, and
// what each does once the port is closed.
#include <regex>

#include "DriverTestSupport.h"

namespace orvdrv_test {
namespace {

class Line : public DriverTest {};

TEST_F(Line, EveryCallThatNeedsThePortFailsAfterCancelRemote) {
    auto& analyser = Connect();
    ASSERT_EQ(CancelRemote(), ORVDRV_OK);
    EXPECT_EQ(analyser.ReceivedTexts().back(), "LOCAL\n");
    EXPECT_FALSE(analyser.State().remote);

    char reply[16] = "#";
    struct Call {
        const char* name;
        int result;
        int expected;
    };
    const Call calls[] = {
        {"sendCommand", sendCommand(140, -1, "3", reply, sizeof reply), ORVDRV_NO_PORT},
        {"CancelRemote", CancelRemote(), ORVDRV_NO_PORT},
        {"SendeComm", SendeComm("C140 3"), ORVDRV_IO_FAILED},
        {"LeseComm", LeseComm(reply, sizeof reply), ORVDRV_IO_FAILED},
        {"SetBautrate", SetBautrate(9600), ORVDRV_PORT_UNAVAILABLE},
        {"SetTimeout", SetTimeout(100), 0},
        {"ClearCommBuffer", ClearCommBuffer(), 0},
    };
    for (const auto& call : calls)
        EXPECT_EQ(call.result, call.expected) << call.name;
    EXPECT_STREQ(reply, "");
    EXPECT_EQ(analyser.ReceivedTexts().back(), "LOCAL\n") << "nothing reached the analyser";
}

TEST_F(Line, SendeCommAndLeseCommExchangeRawLines) {
    auto& analyser = Connect();
    EXPECT_EQ(SendeComm("REMOTE?"), ORVDRV_OK);
    char reply[32];
    EXPECT_EQ(LeseComm(reply, sizeof reply), ORVDRV_OK);
    EXPECT_STREQ(reply, "REMOTE 1\r\n") << "a raw read keeps the line end";
    EXPECT_EQ(analyser.ReceivedTexts().back(), "REMOTE?\n");
}

TEST_F(Line, ClearCommBufferDiscardsWhatIsWaiting) {
    auto& analyser = Connect();
    analyser.On("PING", Response::Bytes("A\r\nB\r\n"));
    ASSERT_EQ(SendeComm("PING"), ORVDRV_OK);
    char reply[16];
    ASSERT_EQ(LeseComm(reply, sizeof reply), ORVDRV_OK);
    EXPECT_STREQ(reply, "A\r\n");
    EXPECT_EQ(ClearCommBuffer(), 1);
    ASSERT_NE(SetTimeout(200), 0);
    EXPECT_EQ(LeseComm(reply, sizeof reply), ORVDRV_TIMEOUT);
    EXPECT_STREQ(reply, "");
}

TEST_F(Line, SetBautrateChangesTheRateAndGivesUpThePortOnARateNoLineKnows) {
    auto& analyser = Connect();
    EXPECT_EQ(SetBautrate(19200), ORVDRV_OK);
    const auto settings = analyser.HostSettings();
    ASSERT_TRUE(settings);
    EXPECT_EQ(cfgetospeed(&*settings), B19200);

    EXPECT_EQ(SetBautrate(12345), ORVDRV_PORT_UNAVAILABLE);
    EXPECT_EQ(Command(140, -1, "3").code, ORVDRV_NO_PORT);
}

TEST_F(Line, SetTimeoutTakesNoNegativeWait) {
    Connect();
    EXPECT_EQ(SetTimeout(-1), 0);
    EXPECT_NE(SetTimeout(0), 0);
    EXPECT_NE(SetTimeout(250), 0);
}

TEST_F(Line, TracesEachLineWrittenOnlyWhenAsked) {
    Connect();
    ::setenv("ORVDRV_TRACE", "1", 1);
    testing::internal::CaptureStderr();
    Command(140, -1, "3");
    const std::string traced = testing::internal::GetCapturedStderr();
    ::unsetenv("ORVDRV_TRACE");
    EXPECT_TRUE(std::regex_match(traced, std::regex("[0-9]+ Write: C140 3\n"))) << traced;

    testing::internal::CaptureStderr();
    Command(140, -1, "3");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

} // namespace
} // namespace orvdrv_test
