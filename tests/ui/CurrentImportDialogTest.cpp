// The current import dialog: the guessed separators, the grid and its
// headings, the sample file's preset, and OK filling the curves or refusing
// with "Format Error" while the dialog stays open.

#include "UiTestSupport.h"

#include "core/SafeFile.h"
#include "core/TRadioGroup.h"
#include "presentation/CurrentTableModel.h"
#include "presentation/TDlgCurrentImport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace ombrix;

namespace {

using Lines = std::vector<std::string>;

class CurrentImportDialog : public ::testing::Test {
protected:
    void Show(Lines lines) {
        m_pDialog = std::make_unique<TDlgCurrentImport>(m_Curves);
        m_pDialog->SetLines(std::move(lines));
        m_pDialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pDialog.get()));
    }
    template <typename T> T* Find(const char* name) const {
        T* widget = m_pDialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(widget) << name;
        return widget;
    }
    void Type(const char* edit, const char* text) const {
        Find<QLineEdit>(edit)->setText(QString::fromLatin1(text));
    }
    int Item(const char* group) const { return Find<TRadioGroup>(group)->ItemIndex(); }
    QString Heading(Qt::Orientation orientation, int section) const {
        return m_pDialog->TableModel().headerData(section, orientation, Qt::DisplayRole).toString();
    }
    QString Cell(int row, int column) const {
        const auto& model = m_pDialog->TableModel();
        return model.data(model.index(row, column), Qt::DisplayRole).toString();
    }
    // Presses OK; a refusal is answered and recorded.
    std::shared_ptr<uitest::SeenMessage> PressOk(bool refusalExpected) {
        auto seen = std::make_shared<uitest::SeenMessage>();
        auto watch = uitest::AnswerNextMessageBox(QMessageBox::Ok, seen,
                                                  refusalExpected ? 5000 : 300, refusalExpected);
        Find<QPushButton>("OKBtn")->click();
        QTest::qWait(refusalExpected ? 0 : 350);
        return seen;
    }

    CurrentCurves m_Curves;
    std::unique_ptr<TDlgCurrentImport> m_pDialog;
};

TEST_F(CurrentImportDialog, ShowsTheTableSplitAtTheGuessedSeparator) {
    Show({"Time;N;L1", "07-12-09 14:30:00;1,5;2,5", "07-12-09 14:31:00;1,6;2,6", "a;;b", "a;b;",
          "last"});
    EXPECT_EQ(Item("RadioGroupListSeperator"), 1) << "semicolon";
    EXPECT_EQ(Item("RadioGroupDecSeperator"), 0) << "comma";
    EXPECT_EQ(Item("RadioGroupTimeDate"), 0);
    EXPECT_EQ(m_pDialog->windowTitle(), QStringLiteral("Current data import"));
    EXPECT_EQ(m_pDialog->HelpContext(), 25);
    const auto& model = m_pDialog->TableModel();
    ASSERT_EQ(model.rowCount(), 6);
    ASSERT_EQ(model.columnCount(), 3);
    EXPECT_EQ(Cell(3, 0), QStringLiteral("a"));
    EXPECT_EQ(Cell(3, 1), QString());
    EXPECT_EQ(Cell(3, 2), QStringLiteral("b"));
    EXPECT_EQ(Cell(4, 1), QStringLiteral("b"));
    EXPECT_EQ(Cell(4, 2), QString()) << "a separator at the end adds no field";
    for (const char* edit : {"EditTimeCol", "EditNCol", "EditL1Col", "EditL2Col", "EditL3Col",
                             "EditStartRow", "EditEndRow"})
        EXPECT_EQ(Find<QLineEdit>(edit)->text(), QStringLiteral("0")) << edit;

    // Another separator splits the grid anew.
    Find<TRadioGroup>("RadioGroupListSeperator")->Button(0)->click();
    EXPECT_EQ(Cell(1, 1), QStringLiteral("5;2"));
    EXPECT_EQ(model.columnCount(), 3);
}

TEST_F(CurrentImportDialog, HeadingsFollowTheEditFields) {
    Show({"a;b;c", "1;2;3", "4;5;6", "7;8;9", "x", "y"});
    Type("EditTimeCol", "1");
    Type("EditL2Col", "3");
    Type("EditStartRow", "2");
    Type("EditEndRow", "4");
    EXPECT_EQ(Heading(Qt::Horizontal, 0), QStringLiteral("1 (Time/Date)"));
    EXPECT_EQ(Heading(Qt::Horizontal, 1), QStringLiteral("2"));
    EXPECT_EQ(Heading(Qt::Horizontal, 2), QStringLiteral("3 (L2)"));
    EXPECT_EQ(Heading(Qt::Vertical, 1), QStringLiteral("2 (Start)"));
    EXPECT_EQ(Heading(Qt::Vertical, 3), QStringLiteral("4 (End)"));
    Type("EditL2Col", "three");
    EXPECT_EQ(Heading(Qt::Horizontal, 2), QStringLiteral("3")) << "no integer counts as 0";
}

TEST_F(CurrentImportDialog, TheSampleFileIsPresetAndImportsWithOk) {
    const auto text = ReadWholeFile(OMBRIX_DATA_DIR "/Demo_strom.txt");
    ASSERT_TRUE(text);
    Show(SplitLines(*text));
    EXPECT_EQ(Find<QLineEdit>("EditTimeCol")->text(), QStringLiteral("2"));
    EXPECT_EQ(Find<QLineEdit>("EditNCol")->text(), QStringLiteral("0"));
    EXPECT_EQ(Find<QLineEdit>("EditL1Col")->text(), QStringLiteral("3"));
    EXPECT_EQ(Find<QLineEdit>("EditL3Col")->text(), QStringLiteral("5"));
    EXPECT_EQ(Find<QLineEdit>("EditStartRow")->text(), QStringLiteral("26"));
    EXPECT_EQ(Find<QLineEdit>("EditEndRow")->text(), QStringLiteral("38"));
    EXPECT_EQ(Item("RadioGroupTimeDate"), 1);
    EXPECT_EQ(Heading(Qt::Horizontal, 1), QStringLiteral("2 (Time/Date)"));
    EXPECT_EQ(Heading(Qt::Vertical, 25), QStringLiteral("26 (Start)"));

    PressOk(false);
    EXPECT_EQ(m_pDialog->result(), QDialog::Accepted);
    EXPECT_FALSE(m_pDialog->isVisible());
    EXPECT_TRUE(m_Curves.Points(ePhaseN).empty());
    EXPECT_EQ(m_Curves.Points(ePhaseL2).size(), 13u);
}

TEST_F(CurrentImportDialog, RefusalsKeepTheDialogOpenWithItsInputs) {
    const Lines lines = {
        "Time;L1", "09.12.07 14:30:00;1.5", "09.12.07 14:31:00;1.6", "09.12.07 14:32:00;bad", "x",
        "y"};
    struct Case {
        const char* what;
        const char *time, *start, *end;
    };
    const Case cases[] = {
        {"start row equal to end row", "1", "2", "2"},
        {"time column 0", "0", "2", "3"},
        {"a cell that is no number", "1", "2", "4"},
    };
    m_Curves.Replace({CurrentCurves::Curve{{1.0, 5.0}}, {}, {}, {}});
    Show(lines);
    Find<TRadioGroup>("RadioGroupTimeDate")->Button(1)->click();
    Type("EditL1Col", "2");
    for (const Case& c : cases) {
        Type("EditTimeCol", c.time);
        Type("EditStartRow", c.start);
        Type("EditEndRow", c.end);
        const auto seen = PressOk(true);
        EXPECT_TRUE(seen->seen) << c.what;
        EXPECT_EQ(seen->title, QStringLiteral("Ombrix Error")) << c.what;
        EXPECT_EQ(seen->text, QStringLiteral("Format Error")) << c.what;
        EXPECT_TRUE(m_pDialog->isVisible()) << c.what;
        EXPECT_EQ(Find<QLineEdit>("EditEndRow")->text(), QString::fromLatin1(c.end)) << c.what;
        EXPECT_EQ(m_Curves.Points(ePhaseN).size(), 1u) << c.what << ": earlier curves kept";
    }
    // Corrected, the same dialog imports.
    Type("EditTimeCol", "1");
    Type("EditEndRow", "3");
    PressOk(false);
    EXPECT_EQ(m_pDialog->result(), QDialog::Accepted);
    EXPECT_TRUE(m_Curves.Points(ePhaseN).empty());
    EXPECT_EQ(m_Curves.Points(ePhaseL1).size(), 2u);
}

} // namespace
