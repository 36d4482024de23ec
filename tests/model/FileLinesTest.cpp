// A transfer file read as lines, copied piece by piece or mapped: the same
// lines as splitting its whole text and trimming them, also where a line runs
// across the pieces the file is read in, and lines changed afterwards live
// beside the file's own.

#include "core/LargeMemory.h"
#include "datasets/TransferLines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

using namespace ombrix;

namespace {

namespace fs = std::filesystem;

class FileLines : public ::testing::Test {
protected:
    fs::path Write(const std::string& text) {
        const fs::path file =
            fs::temp_directory_path() / ("ombrix-file-lines-" + std::to_string(::getpid()) + "-" +
                                         std::to_string(m_nFiles++) + ".txt");
        std::ofstream(file, std::ios::binary) << text;
        m_Files.push_back(file);
        return file;
    }
    void TearDown() override {
        for (const fs::path& file : m_Files)
            fs::remove(file);
    }
    static std::vector<std::string> Expected(const std::string& text) {
        TransferLines lines = TransferLines::FromText(text);
        lines.TrimAll();
        return lines.ToVector();
    }

private:
    int m_nFiles = 0;
    std::vector<fs::path> m_Files;
};

TEST_F(FileLines, CopiedAndMappedFilesGiveTheTrimmedLinesOfTheirText) {
    std::mt19937 random(11);
    const char alphabet[] = {'a', ';', ' ', '\t', '\r', '\n', '5', static_cast<char>(0xB5)};
    std::vector<std::string> texts = {
        "", "\n", "a", "  a  \r\n b\t\r\n", "a\r\nb", "\n\n x \n\n", "MEM#;A\r\n1;2"};
    // Over two megabytes: lines cross the one-megabyte pieces of the reading.
    std::string large;
    while (large.size() < 2'300'000)
        large += std::to_string(large.size()) + ";2.5E-06; OK \r\n";
    texts.push_back(large + "last without an end");
    for (int n = 0; n < 200; ++n) {
        std::string text;
        const int length = static_cast<int>(random() % 200);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % sizeof alphabet];
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        const fs::path file = Write(text);
        const std::vector<std::string> expected = Expected(text);
        for (const auto access :
             {TransferLines::FileAccess::Copy, TransferLines::FileAccess::Map}) {
            const std::optional<TransferLines> lines = TransferLines::FromFile(file, access);
            ASSERT_TRUE(lines) << file;
            EXPECT_EQ(lines->ToVector(), expected) << text.substr(0, 60);
        }
    }
}

TEST_F(FileLines, LinesAddedOrReplacedAfterReadingKeepTheFileLines) {
    std::optional<TransferLines> lines = TransferLines::FromFile(Write(" one \ntwo\r\nthree"));
    ASSERT_TRUE(lines);
    lines->push_back("  four ");
    lines->Replace(1, "TWO");
    lines->AppendText("five\n six \n");
    lines->resize(lines->size() + 1);
    const TransferLines copy = *lines; // shares the file's bytes
    EXPECT_EQ(copy.ToVector(),
              (std::vector<std::string>{"one", "TWO", "three", "  four ", "five", " six ", ""}));
    lines->TrimAll(); // the added lines were not trimmed yet
    EXPECT_EQ(lines->ToVector(),
              (std::vector<std::string>{"one", "TWO", "three", "four", "five", "six", ""}));
    lines->erase(lines->begin(), lines->end());
    EXPECT_TRUE(lines->empty());
    lines->push_back("again");
    EXPECT_EQ(lines->ToVector(), std::vector<std::string>{"again"});
}

TEST_F(FileLines, FirstCharactersSeenLetRareLinesBeSkipped) {
    std::optional<TransferLines> lines = TransferLines::FromFile(Write("MEM#;A\n1;2\n  x\n"));
    ASSERT_TRUE(lines);
    EXPECT_TRUE(lines->MayHoldLineStartingWith('M'));
    EXPECT_TRUE(lines->MayHoldLineStartingWith('x')); // trimmed as read
    EXPECT_FALSE(lines->MayHoldLineStartingWith('<'));
    lines->push_back("<DATALOG DEMO DATA>");
    EXPECT_TRUE(lines->MayHoldLineStartingWith('<'));

    // Untrimmed lines count the character trimming leaves first.
    TransferLines text = TransferLines::FromText("a\n");
    text.AppendText("  \t<REMOTE DEMO DATA>\n");
    text.TrimAll();
    EXPECT_TRUE(text.MayHoldLineStartingWith('<'));
    text.clear();
    EXPECT_FALSE(text.MayHoldLineStartingWith('a'));
}

TEST_F(FileLines, MissingFilesAndFoldersDoNotRead) {
    const fs::path missing = fs::temp_directory_path() / "ombrix-no-such-file.txt";
    for (const auto access : {TransferLines::FileAccess::Copy, TransferLines::FileAccess::Map}) {
        EXPECT_FALSE(TransferLines::FromFile(missing, access));
        EXPECT_FALSE(TransferLines::FromFile(fs::temp_directory_path(), access));
    }
}

} // namespace
