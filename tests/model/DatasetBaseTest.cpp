#include "TestSupport.h"

#include "datasets/DataTree.h"
#include "datasets/OrvDataset.h"
#include "datasets/OrvNormalDataset.h"
#include "export/ExportCells.h"

#include <gtest/gtest.h>

using namespace ombrix;

namespace {

// A dataset with nothing of its own: only the common frame.
class BareDataset : public OrvDataset {
public:
    explicit BareDataset(Code kind = eNormal, Code probe = eIntProbe, Code mode = eFST)
        : OrvDataset(12, kind, probe, 0, mode, EncodeDate(2024, 3, 15) + EncodeTime(9, 5, 7, 0)) {}
};

class DatasetBase : public test::ModelTest {
protected:
    void UseCsv(const char* listSeparator) {
        SetExportFormat(ExportFormatKind::ListSeparator, listSeparator);
        SetExportSeparator(true);
    }
};

TEST_F(DatasetBase, FormatFieldBuildsEachForm) {
    UseCsv(";");
    EXPECT_EQ(OrvDataset::FormatField("SN", "123", 0), "123");
    EXPECT_EQ(OrvDataset::FormatField("SN", "123", 1), "SN");
    EXPECT_EQ(OrvDataset::FormatField("SN", "123", 2), "SN: 123");
    EXPECT_EQ(OrvDataset::FormatField("SN", "123", 3), "SN:;        123");
    EXPECT_EQ(OrvDataset::FormatField("F1[Hz]", "50.00", 4), "F1[Hz]; 50.00");
    EXPECT_EQ(OrvDataset::FormatField("SN", "123", 5), "");
    EXPECT_EQ(OrvDataset::FormatField("SN", "123", -1), "");
}

TEST_F(DatasetBase, FieldTextsOfTheCommonColumns) {
    BareDataset dataset;
    EXPECT_EQ(dataset.FormatMemNumber(2), "MEM#: 12");
    EXPECT_EQ(dataset.FormatDataType(2), "D: N");
    EXPECT_EQ(dataset.FormatProbe(2), "PROBE: INT_PRB");
    EXPECT_EQ(dataset.FormatChannel(2), "CHN: ALL");
    EXPECT_EQ(dataset.FormatMode(2), "MODE: FST");
    EXPECT_EQ(BareDataset(7).FormatDataType(2), "D: ?");
    EXPECT_EQ(BareDataset(0).FormatDataType(0), "?");
    EXPECT_EQ(BareDataset(eVector).FormatDataType(0), "V");

    // Cells use the export pictures; the tree and info texts the regional ones.
    SetExportFormat(ExportFormatKind::Date, "yy-mm-dd");
    SetExportFormat(ExportFormatKind::Time, "hh:mm:ss");
    EXPECT_EQ(dataset.FormatDate(0), "24-03-15");
    EXPECT_EQ(dataset.FormatTime(0), "09:05:07");
    EXPECT_EQ(dataset.FormatDate(1), "DATE");
    EXPECT_EQ(dataset.FormatDateAndTime(2), "DATE/TIME: 15/03/2024/09:05:07");
}

TEST_F(DatasetBase, QuantityNameFollowsTheProbe) {
    EXPECT_EQ(BareDataset(eNormal, eExtProbe1).QuantityName(), "Magnetic Induction");
    EXPECT_EQ(BareDataset(eNormal, eExtProbe2).QuantityName(), "Magnetic Induction");
    EXPECT_EQ(BareDataset(eNormal, eIntProbe).QuantityName(), "Magnetic Induction");
    EXPECT_EQ(BareDataset(eNormal, eEFieldProbe).QuantityName(), "Electric field strength");
    EXPECT_EQ(BareDataset(eNormal, kNotRead).QuantityName(), "?");
}

TEST_F(DatasetBase, ValueClassOfTheBaseLeavesMagneticUnresolved) {
    EXPECT_EQ(BareDataset(eNormal, eIntProbe, eSTD).GetValueClass(), ePercent);
    EXPECT_EQ(BareDataset(eNormal, eEFieldProbe, eSTD).GetValueClass(), ePercent);
    EXPECT_EQ(BareDataset(eNormal, eEFieldProbe, eFST).GetValueClass(), eEField);
    EXPECT_EQ(BareDataset(eNormal, eIntProbe, eFFT).GetValueClass(), eBField);
}

TEST_F(DatasetBase, SameDatasetComparesKindProbeChannelModeAndExactTime) {
    BareDataset a, b;
    b.SetMemNumber(99);
    b.SetComment("other comment");
    EXPECT_TRUE(OrvDataset::SameDataset(a, b));
    b.SetDateTime(a.GetDateTime() + 1e-9);
    EXPECT_FALSE(OrvDataset::SameDataset(a, b));
    EXPECT_FALSE(OrvDataset::SameDataset(a, BareDataset(eVector)));
    EXPECT_FALSE(OrvDataset::SameDataset(a, BareDataset(eNormal, eEFieldProbe)));
    EXPECT_FALSE(OrvDataset::SameDataset(a, BareDataset(eNormal, eIntProbe, eSTD)));
}

TEST_F(DatasetBase, InitialStateAndConstructorSelectsCsvSeparator) {
    SetExportFormat(ExportFormatKind::ListSeparator, ";");
    SetExportSeparator(false);
    BareDataset dataset;
    EXPECT_EQ(GetExportSeparator(), ";");
    EXPECT_TRUE(dataset.GetExported());
    EXPECT_FALSE(dataset.GetChecked());
    EXPECT_FALSE(dataset.GetExpanded());
    EXPECT_EQ(dataset.GetCursor(), 0);
    dataset.SetCursor(5);
    EXPECT_EQ(dataset.GetCursor(), 0);
    double number = 0, value = 0;
    dataset.GetLastPoint(number, value);
    EXPECT_EQ(number, -1.0);
    EXPECT_EQ(value, -1.0);
    dataset.SetLastPoint(3.0, 4.5);
    dataset.GetLastPoint(number, value);
    EXPECT_EQ(number, 3.0);
    EXPECT_EQ(value, 4.5);
    EXPECT_EQ(dataset.GetMarkerText(), "");
}

TEST_F(DatasetBase, InfoTextHasThreeLines) {
    BareDataset dataset;
    EXPECT_EQ(
        dataset.GetInfoText(),
        "PROBE: INT_PRB, CHN: ALL\nMEM#: 12, D: N, MODE: FST\nDATE/TIME: 15/03/2024/09:05:07");
}

// --- Reading the comment -------------------------------------------------

struct CommentCase {
    const char* name;
    TransferLines lines;
    int start;
    bool result;
    std::string comment;
    int end;
};

class CommentReading : public DatasetBase, public ::testing::WithParamInterface<CommentCase> {};

TEST_P(CommentReading, ReadsUpToTheNextRecord) {
    const CommentCase& c = GetParam();
    OrvDataset::SetTransferSeparator(';');
    BareDataset dataset;
    int index = c.start;
    EXPECT_EQ(dataset.ParseFrom(c.lines, index), c.result);
    EXPECT_EQ(dataset.GetComment(), c.comment);
    EXPECT_EQ(index, c.end);
}

INSTANTIATE_TEST_SUITE_P(
    DatasetBase, CommentReading,
    ::testing::Values(
        CommentCase{"ThreeLinesBeforeNextRecord",
                    {"COMMENT; first line", "second line", "third line", "MEM#;D", "1;N"},
                    0,
                    true,
                    "first line\nsecond line\nthird line",
                    3},
        CommentCase{"LastLineOfTheText", {"x", "COMMENT; at the end"}, 0, true, "at the end", 2},
        CommentCase{
            "FollowedDirectlyByNextRecord", {"COMMENT; short", "MEM#;D"}, 0, true, "short", 1},
        CommentCase{"WithoutSeparator", {"COMMENT"}, 0, true, "COMMENT", 1},
        CommentCase{"LinesBeforeItAreIgnored",
                    {"stray", "also stray", "COMMENT; kept", "tail"},
                    0,
                    true,
                    "kept\ntail",
                    4},
        CommentCase{"SecondCommentReplacesFirst",
                    {"COMMENT; one", "more", "COMMENT; two"},
                    0,
                    true,
                    "two",
                    3},
        CommentCase{"NextRecordAtOnce", {"MEM#;D", "1;N"}, 0, true, "", 0},
        CommentCase{"NoCommentAtAll", {"stray"}, 0, true, "", 1},
        CommentCase{"AtTheEnd", {"COMMENT; never read"}, 1, false, "", 1},
        CommentCase{"EmptyText", {}, 0, false, "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Writing the comment -------------------------------------------------

TEST_F(DatasetBase, CommentOverSeveralLinesIsWrittenAsSeveralLinesAndReadBack) {
    UseCsv(";");
    BareDataset dataset;
    dataset.SetComment("first line\nsecond line\nthird line");
    dataset.SetExported(false);
    LineList lines;
    dataset.ExportTo(lines, true);
    EXPECT_TRUE(dataset.GetExported());
    ASSERT_EQ(lines.Count(), 3u);
    EXPECT_EQ(lines[0], "COMMENT; first line");
    EXPECT_EQ(lines[1], "second line");
    EXPECT_EQ(lines[2], "third line");

    OrvDataset::SetTransferSeparator(';');
    BareDataset reread;
    int index = 0;
    reread.ParseFrom(lines.Lines(), index);
    EXPECT_EQ(reread.GetComment(), dataset.GetComment());
}

TEST_F(DatasetBase, PlainTextCommentReadsBack) {
    BareDataset dataset; // a new dataset selects the CSV separator
    SetExportSeparator(false);
    dataset.SetComment("hall 3, north wall");
    LineList lines;
    dataset.ExportTo(lines, false);
    ASSERT_EQ(lines.Count(), 1u);
    EXPECT_EQ(lines[0], "COMMENT  hall 3, north wall");
    OrvDataset::SetTransferSeparator(' ');
    BareDataset reread;
    int index = 0;
    reread.ParseFrom(lines.Lines(), index);
    EXPECT_EQ(reread.GetComment(), "hall 3, north wall");
}

TEST_F(DatasetBase, EmptyCommentWritesNothingButMarksExported) {
    BareDataset dataset;
    dataset.SetExported(false);
    LineList lines;
    dataset.ExportTo(lines, true);
    EXPECT_EQ(lines.Count(), 0u);
    EXPECT_TRUE(dataset.GetExported());
}

TEST_F(DatasetBase, OverflowWhenTheCommentHasNoRoom) {
    struct Case {
        std::size_t room;
        std::string comment;
        bool fits;
    };
    const Case cases[] = {
        {1, "", false},        // room of one line is never enough, comment or not
        {2, "", true},         //
        {2, "one", true},      //
        {3, "a\nb\nc", false}, // every line of the comment needs its room
        {4, "a\nb\nc", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.room);
        BareDataset dataset;
        dataset.SetComment(c.comment);
        dataset.SetExported(false);
        LineList lines(c.room);
        if (c.fits) {
            dataset.ExportTo(lines, true);
            EXPECT_TRUE(dataset.GetExported());
        } else {
            EXPECT_THROW(dataset.ExportTo(lines, true), ExportOverflow);
            EXPECT_EQ(lines.Count(), 0u);
            EXPECT_FALSE(dataset.GetExported());
        }
    }
}

// --- Tree ------------------------------------------------------------------

TEST_F(DatasetBase, AddToTreeAddsOneNodeAndFindsItAgain) {
    DataTree tree;
    DataTreeNode* parent = tree.AddChild(nullptr, "Datasets");
    BareDataset dataset;
    DataTreeNode* node = dataset.AddToTree(tree, parent);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->Text(), "#12, D: N, MODE: FST, 15/03/2024/09:05:07");
    EXPECT_EQ(node->Dataset(), &dataset);
    EXPECT_EQ(node->Parent(), parent);
    EXPECT_EQ(dataset.GetTreeNode(), node);

    EXPECT_EQ(dataset.AddToTree(tree, parent), node);
    EXPECT_EQ(parent->ChildCount(), 1u);
}

TEST_F(DatasetBase, ANewNodeForgetsAnEarlierExpansion) {
    DataTree tree;
    BareDataset dataset;
    dataset.AddToTree(tree, nullptr);
    dataset.ExpandNode(tree, dataset.GetTreeNode());
    EXPECT_TRUE(dataset.GetExpanded());
    dataset.AddToTree(tree, nullptr); // found again: still expanded
    EXPECT_TRUE(dataset.GetExpanded());

    tree.Clear();
    dataset.AddToTree(tree, nullptr);
    EXPECT_FALSE(dataset.GetExpanded());
}

} // namespace
