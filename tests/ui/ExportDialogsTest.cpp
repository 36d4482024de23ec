// The export format dialogs and the dataset tick list.

#include "UiTestSupport.h"

#include "core/DateTime.h"
#include "core/FormatSettings.h"
#include "core/SettingsStore.h"
#include "core/TRadioGroup.h"
#include "datasets/OrvDataList.h"
#include "export/ExportCells.h"
#include "export/TDlgExportFormat.h"
#include "export/TDlgExportFormatDetail.h"
#include "export/TDlgExportList.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace ombrix;

namespace {

class ExportFormat : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::ClearSettings();
        m_regional = RegionalFormat();
    }
    void TearDown() override { SetRegionalFormat(m_regional); }

    QCheckBox* Box(const char* name) {
        return m_dialog.findChild<QCheckBox*>(QString::fromLatin1(name));
    }
    QString Label(const char* name) {
        return m_dialog.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    QPushButton* Button(const char* name) {
        return m_dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    TDlgExportFormatDetail& Detail() { return m_dialog.Detail(); }

    // "User defined": in the detail dialog click the given items, then press `close`.
    void ChooseInDetail(std::vector<std::pair<TRadioGroup*, int>> items,
                        const char* close = "OKBtn") {
        uitest::AnswerNextModal([items, close](QWidget* detail) {
            for (const auto& [group, index] : items)
                group->Button(index)->click();
            detail->findChild<QPushButton*>(QString::fromLatin1(close))->click();
        });
        Button("ButtonDistin")->click();
    }

    static bool Stored(const char* name) { return Settings().ReadString(name).has_value(); }

    FormatSettings m_regional;
    TDlgExportFormat m_dialog;
};

TEST_F(ExportFormat, ChoosingSemicolunStoresASemicolon) {
    m_dialog.show();
    EXPECT_TRUE(Box("CheckBoxDistinWin")->isChecked());
    EXPECT_EQ(Label("LabelDistin"), QStringLiteral("[,]"));
    ChooseInDetail({{Detail().RadioGroupDistCol(), 1}});
    // While the regional box is ticked the label keeps the regional separator.
    EXPECT_EQ(Label("LabelDistin"), QStringLiteral("[,]"));
    Box("CheckBoxDistinWin")->click();
    EXPECT_EQ(Label("LabelDistin"), QStringLiteral("[;]"));
    Button("OKBtn")->click();
    EXPECT_EQ(m_dialog.result(), QDialog::Accepted);
    EXPECT_EQ(GetExportFormat(ExportFormatKind::ListSeparator, false), ";");
    SetExportSeparator(true);
    EXPECT_EQ(GetExportSeparator(), ";");
    // The decimal point was left to the regional settings.
    EXPECT_TRUE(Stored(reg::kDecimalSeparator));
    EXPECT_EQ(GetExportFormat(ExportFormatKind::DecimalSeparator, false), "");
}

TEST_F(ExportFormat, DateTimeItemStoresBothPicturesAndIsShownAgain) {
    m_dialog.show();
    ChooseInDetail({{Detail().RadioGroupTimeDate(), 0}, {Detail().RadioGroupDecPoint(), 0}});
    Box("CheckBoxTimeDateWin")->click();
    Box("CheckBoxDecWin")->click();
    EXPECT_EQ(Label("LabelDateTime"), QStringLiteral("[yy-mm-dd hh:mm:ss]"));
    EXPECT_EQ(Label("LabelDec"), QStringLiteral("[,]"));
    Button("OKBtn")->click();
    EXPECT_EQ(GetExportFormat(ExportFormatKind::Date, false), "yy-mm-dd");
    EXPECT_EQ(GetExportFormat(ExportFormatKind::Time, false), "hh:mm:ss");
    EXPECT_EQ(GetExportFormat(ExportFormatKind::DecimalSeparator, false), ",");

    // Another choice in between is forgotten: the showing reads the stored settings.
    Detail().RadioGroupTimeDate()->SetItemIndex(1);
    m_dialog.hide();
    m_dialog.show();
    EXPECT_EQ(Detail().RadioGroupTimeDate()->ItemIndex(), 0);
    EXPECT_FALSE(Box("CheckBoxTimeDateWin")->isChecked());
    EXPECT_EQ(Label("LabelDateTime"), QStringLiteral("[yy-mm-dd hh:mm:ss]"));
    EXPECT_EQ(Detail().RadioGroupDecPoint()->ItemIndex(), 0);
}

// Pictures that equal neither item (a four-digit year) leave the group without
// a choice; OK with the box cleared then stores empty pictures.
TEST_F(ExportFormat, PicturesOfNoItemLeaveNoChoiceAndStoreEmpty) {
    struct Case {
        const char* regionalDate;
        const char* storedDate;
        const char* storedTime;
        bool regionalBox;
        const char* label;
    };
    const Case cases[] = {
        {"dd/mm/yyyy", "", "", true, "[dd/mm/yyyy hh:nn:ss]"},
        {"yyyy-mm-dd", "", "", true, "[yyyy-mm-dd hh:nn:ss]"},
        {"dd/mm/yyyy", "dd.mm.yyyy", "hh:mm:ss", false, "[dd.mm.yyyy hh:mm:ss]"},
    };
    for (const Case& c : cases) {
        uitest::ClearSettings();
        FormatSettings regional = m_regional;
        regional.ShortDateFormat = c.regionalDate;
        SetRegionalFormat(regional);
        if (*c.storedDate) {
            SetExportFormat(ExportFormatKind::Date, c.storedDate);
            SetExportFormat(ExportFormatKind::Time, c.storedTime);
        }
        m_dialog.show();
        EXPECT_EQ(Detail().RadioGroupTimeDate()->ItemIndex(), -1) << c.label;
        EXPECT_EQ(Box("CheckBoxTimeDateWin")->isChecked(), c.regionalBox) << c.label;
        EXPECT_EQ(Label("LabelDateTime"), QString::fromLatin1(c.label));
        if (Box("CheckBoxTimeDateWin")->isChecked()) Box("CheckBoxTimeDateWin")->click();
        EXPECT_EQ(Label("LabelDateTime"), QString::fromLatin1(c.label))
            << "nothing chosen: still the effective value";
        Button("OKBtn")->click();
        EXPECT_TRUE(Stored(reg::kDateFormat) && Stored(reg::kTimeFormat)) << c.label;
        EXPECT_EQ(GetExportFormat(ExportFormatKind::Date, false), "") << c.label;
        EXPECT_EQ(GetExportFormat(ExportFormatKind::Time, false), "") << c.label;
        m_dialog.hide();
    }
}

TEST_F(ExportFormat, CancelStoresNothingEvenAfterDetailChoices) {
    WriteRegString(reg::kListSeparator, ",");
    m_dialog.show();
    EXPECT_FALSE(Box("CheckBoxDistinWin")->isChecked());
    EXPECT_EQ(Detail().RadioGroupDistCol()->ItemIndex(), 0);
    ChooseInDetail({{Detail().RadioGroupDistCol(), 1}, {Detail().RadioGroupTimeDate(), 1}},
                   "CancelBtn");
    // The detail dialog's Cancel does not take back its choices.
    EXPECT_EQ(Label("LabelDistin"), QStringLiteral("[;]"));
    Box("CheckBoxShow")->click();
    Box("CheckBoxDecWin")->click();
    Button("CancelBtn")->click();
    EXPECT_EQ(m_dialog.result(), QDialog::Rejected);
    EXPECT_EQ(GetExportFormat(ExportFormatKind::ListSeparator, false), ",");
    for (const char* name :
         {reg::kDateFormat, reg::kTimeFormat, reg::kDecimalSeparator, reg::kShowExportDlg})
        EXPECT_FALSE(Stored(name)) << name;
}

TEST_F(ExportFormat, ShowBoxFollowsAndStoresShowExportDlg) {
    m_dialog.show();
    EXPECT_TRUE(Box("CheckBoxShow")->isChecked());
    Box("CheckBoxShow")->click();
    Button("OKBtn")->click();
    EXPECT_EQ(ReadRegInt(reg::kShowExportDlg, -1), 0);
    EXPECT_FALSE(TDlgExportFormat::ShowExportDlg());
    m_dialog.show();
    EXPECT_FALSE(Box("CheckBoxShow")->isChecked());
}

class ExportList : public ::testing::Test {
protected:
    void Open(OrvDataList& list) {
        m_dialog.SetDataList(&list);
        m_dialog.show();
    }
    QTableWidget* View() { return m_dialog.ListView(); }
    bool Ticked(int row) { return View()->item(row, 0)->checkState() == Qt::Checked; }
    void Click(const char* name) {
        m_dialog.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
    void SortBy(int column) {
        QHeaderView* header = View()->horizontalHeader();
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }
    QStringList Column(int column) {
        QStringList texts;
        for (int row = 0; row < View()->rowCount(); ++row)
            texts << View()->item(row, column)->text();
        return texts;
    }

    TDlgExportList m_dialog;
};

TEST_F(ExportList, RowsShowTheDatasetsAndTheirMarks) {
    auto list = uitest::MakeDataList({{3, 'N'}, {4, 'A'}, {9, 'V'}});
    list->GetDataset(1)->SetChecked(true);
    Open(*list);
    EXPECT_EQ(m_dialog.windowTitle(), QStringLiteral("Export to file"));
    ASSERT_EQ(View()->rowCount(), 3);
    EXPECT_EQ(Column(0), (QStringList{"3", "4", "9"}));
    EXPECT_EQ(Column(1), (QStringList{"N", "A", "V"}));
    EXPECT_EQ(Column(2), (QStringList{"FST", "FST", "FST"}));
    EXPECT_EQ(View()->item(0, 3)->text(),
              QString::fromLatin1(list->GetDataset(0)->FormatDateAndTime(0)));
    EXPECT_FALSE(Ticked(0));
    EXPECT_TRUE(Ticked(1));
    EXPECT_FALSE(Ticked(2));
}

// Ticks go straight into the datasets, so Cancel keeps them for the next showing.
TEST_F(ExportList, TicksAreTheDatasetsMarksAndSurviveCancel) {
    auto list = uitest::MakeDataList({{1, 'N'}, {2, 'N'}, {3, 'M'}});
    m_dialog.SetDataList(list.get());
    m_dialog.setWindowTitle(QStringLiteral("Erase"));
    uitest::AnswerNextModal([this](QWidget*) {
        View()->item(0, 0)->setCheckState(Qt::Checked);
        View()->item(2, 0)->setCheckState(Qt::Checked);
        Click("CancelBtn");
    });
    EXPECT_EQ(m_dialog.exec(), QDialog::Rejected);
    EXPECT_TRUE(list->GetDataset(0)->GetChecked());
    EXPECT_FALSE(list->GetDataset(1)->GetChecked());
    EXPECT_TRUE(list->GetDataset(2)->GetChecked());
    m_dialog.show();
    EXPECT_TRUE(Ticked(0) && !Ticked(1) && Ticked(2));
}

TEST_F(ExportList, AllSelectedAndInvertButtons) {
    auto list = uitest::MakeDataList({{1, 'N'}, {2, 'A'}, {3, 'M'}, {4, 'L'}});
    list->GetDataset(3)->SetChecked(true);
    Open(*list);
    auto marks = [&] {
        std::string text;
        for (int i = 0; i < list->GetCount(); ++i)
            text += list->GetDataset(i)->GetChecked() ? 'x' : '-';
        return text;
    };
    View()->clearSelection();
    Click("ButtonSelectSelected");
    EXPECT_EQ(marks(), "---x") << "no highlighted row: nothing changes";
    View()->selectRow(1);
    View()->selectionModel()->select(View()->model()->index(2, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    Click("ButtonSelectSelected");
    EXPECT_EQ(marks(), "-xxx");
    Click("ButtonInvertSelected");
    EXPECT_EQ(marks(), "x---");
    Click("ButtonSelectAll");
    EXPECT_EQ(marks(), "xxxx");
}

// Index sorts by number (2 before 10), other columns by their text, always
// ascending; a tick after sorting still reaches the dataset of its row.
TEST_F(ExportList, ColumnClickSortsAscendingAndRowsKeepTheirDatasets) {
    OrvDataList list;
    const DateTime second = EncodeDate(2024, 1, 2) + EncodeTime(8, 0, 0, 0);
    const DateTime first = EncodeDate(2024, 2, 1) + EncodeTime(8, 0, 0, 0);
    list.Append(CreateDataset(eNormal, 10, eIntProbe, 0, eFST, second));
    list.Append(CreateDataset(eAuto, 2, eIntProbe, 0, eFST, first));
    list.Append(CreateDataset(eVector, 33, eIntProbe, 0, eFFT, second + 1));
    Open(list);

    SortBy(0);
    EXPECT_EQ(Column(0), (QStringList{"2", "10", "33"}));
    SortBy(0);
    EXPECT_EQ(Column(0), (QStringList{"2", "10", "33"})) << "a second click sorts the same way";
    SortBy(1);
    EXPECT_EQ(Column(1), (QStringList{"A", "N", "V"}));
    SortBy(3);
    // 01/02/2024 (1 February) comes before 02/01/2024 (2 January) as text.
    EXPECT_EQ(Column(0), (QStringList{"2", "10", "33"}));
    EXPECT_TRUE(Column(3)[0].startsWith(QStringLiteral("01/02/2024")));

    SortBy(2);
    const int row = Column(2).indexOf(QStringLiteral("FFT"));
    ASSERT_GE(row, 0);
    View()->item(row, 0)->setCheckState(Qt::Checked);
    EXPECT_TRUE(list.GetDataset(2)->GetChecked());
    EXPECT_FALSE(list.GetDataset(0)->GetChecked() || list.GetDataset(1)->GetChecked());
}

} // namespace
