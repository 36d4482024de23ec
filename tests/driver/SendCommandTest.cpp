#include <cstring>
#include <memory>

#include "AnalyserErrors.h"
#include "DriverTestSupport.h"

namespace orvdrv_test {
namespace {

class SendCommand : public DriverTest {};

TEST_F(SendCommand, WritesNumberedAndPlainLinesEndedByALineFeed) {
    auto& analyser = Connect();
    struct LineCase {
        int command;
        int sub;
        const char* argument;
        const char* line;
    };
    for (const auto& c : {LineCase{140, -1, "3", "C140 3\n"}, LineCase{132, 2, "50", "C132 2 50\n"},
                          LineCase{-1, -1, "REMOTE?", "REMOTE?\n"}}) {
        EXPECT_EQ(Command(c.command, c.sub, c.argument).code, ORVDRV_OK) << c.line;
        EXPECT_EQ(analyser.ReceivedTexts().back(), c.line);
    }
    EXPECT_EQ(Command(-1, -1, "REMOTE?").text, "REMOTE 1") << "the reply comes without CR LF";
}

TEST_F(SendCommand, TurnsTheAnalysersAnswersIntoResultCodes) {
    auto& analyser = Connect();
    struct AnswerCase {
        const char* answer;
        int code;
    };
    const AnswerCase answers[] = {
        {"OK", ORVDRV_OK}, {"FAILED: arg out of range", 103},  {"ERROR CMD", 100},
        {"ERROR", 101},    {"FAILED: battery low", ORVDRV_OK},
    };
    int argument = 0;
    for (const auto& c : answers) {
        const std::string arg = std::to_string(++argument);
        analyser.On("C300 " + arg, Response::Line(c.answer));
        const auto reply = Command(300, -1, arg.c_str());
        EXPECT_EQ(reply.code, c.code) << c.answer;
        EXPECT_EQ(reply.text, c.answer);
    }
    // Every error the analyser's firmware knows, end to end.
    for (int code = orvsim::kFirstErrorCode; code <= orvsim::kLastErrorCode; ++code) {
        analyser.On("C301 " + std::to_string(code), Response::Line(*orvsim::ErrorAnswer(code)));
        EXPECT_EQ(Command(301, -1, std::to_string(code).c_str()).code, code);
    }
}

TEST_F(SendCommand, KeepsEveryLineAtLeast50msAfterTheReplyBeforeIt) {
    auto& analyser = Connect();
    ASSERT_EQ(Command(140, -1, "3").code, ORVDRV_OK);
    ASSERT_EQ(Command(132, 2, "50").code, ORVDRV_OK);
    const auto received = analyser.Received();
    ASSERT_GE(received.size(), 5u);
    for (std::size_t i = 1; i < received.size(); ++i) {
        ASSERT_TRUE(received[i - 1].answerStarted) << received[i - 1].text;
        EXPECT_GE(received[i].arrived - *received[i - 1].answerStarted, 50ms) << received[i].text;
    }
}

TEST_F(SendCommand, Gives10WhenNoAnswerComesWithinTheReadTimeout) {
    auto& analyser = Connect();
    analyser.On("C1 1", Response::Silence());

    ASSERT_NE(SetTimeout(300), 0);
    auto start = Clock::now();
    EXPECT_EQ(Command(1, -1, "1").code, ORVDRV_TIMEOUT);
    EXPECT_GE(Since(start), 300ms);
    EXPECT_LT(Since(start), 4000ms);

    // A shortened wait holds for one reply only; then the analyser gets its full 4.5 s again.
    start = Clock::now();
    EXPECT_EQ(Command(1, -1, "1").code, ORVDRV_TIMEOUT);
    EXPECT_GE(Since(start), 4500ms);

    EXPECT_EQ(Command(140, -1, "3").code, ORVDRV_OK) << "the line stays usable";
}

TEST_F(SendCommand, Gives10WhenTheAnswerNeverEndsItsLine) {
    auto& analyser = Connect();
    analyser.On("C1 1", Response::Unterminated("OK"));
    const auto start = Clock::now();
    const auto reply = Command(1, -1, "1");
    EXPECT_EQ(reply.code, ORVDRV_TIMEOUT);
    EXPECT_EQ(reply.text, "OK") << "what arrived is handed over";
    EXPECT_GE(Since(start), 1000ms);
    EXPECT_LT(Since(start), 4000ms) << "after the first character the wait is one second";
}

TEST_F(SendCommand, WaitsASecondForEachCharacterAfterTheFirstWhateverTheFirstWait) {
    auto& analyser = Connect();
    // The pause is longer than the first wait, and short of a second with room to spare.
    analyser.On("C1 1", Response::Split("O", 550ms, "K"));
    ASSERT_NE(SetTimeout(450), 0);
    const auto reply = Command(1, -1, "1");
    EXPECT_EQ(reply.code, ORVDRV_OK);
    EXPECT_EQ(reply.text, "OK");
}

TEST_F(SendCommand, Gives6WhenTheAnalyserHangsUp) {
    auto& analyser = Connect();
    analyser.On("C1 1", Response::HangUp());
    EXPECT_EQ(Command(1, -1, "1").code, ORVDRV_IO_FAILED);
    EXPECT_TRUE(analyser.HungUp());
    EXPECT_EQ(Command(140, -1, "3").code, ORVDRV_IO_FAILED) << "the write fails too";
    EXPECT_EQ(CancelRemote(), ORVDRV_OK) << "the port itself closes normally";
    EXPECT_EQ(Command(140, -1, "3").code, ORVDRV_NO_PORT);
}

TEST_F(SendCommand, DropsWhatIsLeftOfAnEarlierAnswerBeforeSending) {
    auto& analyser = Connect();
    analyser.On("C1 1", Response::Bytes("OK\r\nSTALE\r\n"));
    EXPECT_EQ(Command(1, -1, "1").text, "OK");
    EXPECT_EQ(Command(2, -1, "2").text, "OK");
}

TEST_F(SendCommand, ReadsALongReplyToItsEndAndHandsOverWhatFits) {
    auto& analyser = Connect();
    analyser.On("C1 1", Response::Line(std::string(20000, 'x') + " FAILED: not running"));
    const auto reply = Command(1, -1, "1", 8);
    EXPECT_EQ(reply.code, 113) << "the code is decided on the whole reply";
    EXPECT_EQ(reply.text, "xxxxxxx");
    ASSERT_NE(SetTimeout(200), 0);
    char rest[16] = "#";
    EXPECT_EQ(LeseComm(rest, sizeof rest), ORVDRV_TIMEOUT) << "nothing of the reply is left";
    EXPECT_STREQ(rest, "");
}

TEST_F(SendCommand, TakesRepliesOfAnyBytesWithoutWritingPastTheBuffer) {
    auto& analyser = Connect();
    const auto garbage = Response::Garbage(5000);
    analyser.On("C1 1", garbage);
    analyser.On("C2 2", Response::Bytes(std::string("A\0\xB5\xFF"
                                                    "B\r\n",
                                                    7)));

    // Exactly as large as the caller says, so the sanitizer sees any byte written past it.
    constexpr int kSize = 32;
    const auto buffer = std::make_unique<char[]>(kSize);
    sendCommand(1, -1, "1", buffer.get(), kSize);
    const std::string sent = garbage.chunks.front().bytes;
    const std::size_t kept = std::min(sent.size(), std::size_t{kSize - 1});
    EXPECT_EQ(std::memcmp(buffer.get(), sent.data(), kept), 0);
    EXPECT_EQ(buffer[kept], '\0');

    EXPECT_EQ(sendCommand(2, -1, "2", buffer.get(), kSize), ORVDRV_OK);
    EXPECT_EQ(std::string(buffer.get(), 6), std::string("A\0\xB5\xFF"
                                                        "B\0",
                                                        6));
}

TEST_F(SendCommand, ReadsTheReplyEvenWithoutABufferForIt) {
    Connect();
    EXPECT_EQ(sendCommand(140, -1, "3", nullptr, 64), ORVDRV_OK);
    char one[1] = {'#'};
    EXPECT_EQ(sendCommand(140, -1, "3", one, 0), ORVDRV_OK);
    EXPECT_EQ(one[0], '#');
    EXPECT_EQ(sendCommand(140, -1, "3", one, 1), ORVDRV_OK);
    EXPECT_EQ(one[0], '\0');
    EXPECT_EQ(sendCommand(140, -1, nullptr, nullptr, 0), ORVDRV_OK);
}

} // namespace
} // namespace orvdrv_test
