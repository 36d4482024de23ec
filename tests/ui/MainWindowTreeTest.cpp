// The data tree and the view panel of a running DATALOG window: loading and
// merging, the four sort keys, the pages each kind of dataset shows and the
// page that comes forward, the value page, the error page, lazy expansion,
// comments, erasing, and the speed of a large memory.

#include "MainWindowFixture.h"

#include "core/Ombrix.h"
#include "datasets/LoadDataModel.h"
#include "datasets/OrvNormalDataset.h"
#include "mainwindow/ViewPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>

using namespace ombrix;
using uitest::AnswerNextMessageBox;
using uitest::AnswerNextModal;
using uitest::SeenMessage;

namespace {

class MainWindowTree : public uitest::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        StartDatalog();
    }

    PageVisibility Pages() const { return Form().PageControlView().Visibility(); }
    static PageVisibility Only(std::initializer_list<int> sheets) {
        PageVisibility shown{};
        for (int sheet : sheets)
            shown[static_cast<std::size_t>(sheet)] = true;
        return shown;
    }
    bool Shown(const char* name) const { return Find<QWidget>(name)->isVisibleTo(&Form()); }
    void ChooseTab(int sheet) const {
        const int tab = static_cast<int>(
            std::find(kViewTabOrder.begin(), kViewTabOrder.end(), sheet) - kViewTabOrder.begin());
        Form().PageControlView().TabBar()->setCurrentIndex(tab);
    }
    OrvDataset* ByNumber(int number) const {
        OrvDataList* list = Main().CurrentDataList();
        for (int i = 0; i < list->GetCount(); ++i)
            if (list->GetDataset(i)->GetMemNumber() == number) return list->GetDataset(i);
        return nullptr;
    }
};

TEST_F(MainWindowTree, SecondLoadOfTheSameAnalyserAsksWhetherToMerge) {
    OrvDataList* first = Main().CurrentDataList();
    auto seen = std::make_shared<SeenMessage>();
    AnswerNextModal([&](QWidget* wizard) {
        AnswerNextMessageBox(QMessageBox::Yes, seen);
        LoadEverything(wizard);
    });
    Trigger("DatabaseLoad");
    EXPECT_TRUE(seen->seen);
    EXPECT_EQ(seen->title, QStringLiteral("Ombrix Warning"));
    EXPECT_EQ(seen->text, QString::fromLatin1(kMergeQuestion));
    ASSERT_EQ(Main().DataLists().size(), 1u);
    EXPECT_EQ(Main().DataLists().front().get(), first);
    EXPECT_EQ(first->GetCount(), 19); // nothing the list already held came twice
    EXPECT_EQ(ShownDatasets().size(), 19u);

    AnswerNextModal([&](QWidget* wizard) {
        AnswerNextMessageBox(QMessageBox::No, nullptr);
        LoadEverything(wizard);
    });
    Trigger("DatabaseLoad");
    ASSERT_EQ(Main().DataLists().size(), 1u);
    EXPECT_NE(Main().DataLists().front().get(), first);
    EXPECT_EQ(ShownDatasets().size(), 19u);
    // The shown dataset belongs to the list that took the old one's place.
    EXPECT_EQ(Main().CurrentDataList(), Main().DataLists().front().get());
}

TEST_F(MainWindowTree, FourSortKeysOrderTheDatasetsAndRebuildingForgetsThem) {
    auto shownBy = [&](auto key) {
        std::vector<decltype(key(nullptr))> keys;
        for (OrvDataset* dataset : ShownDatasets())
            keys.push_back(key(dataset));
        return keys;
    };
    auto letter = [](OrvDataset* d) { return d ? d->FormatDataType(0) : std::string(); };

    Trigger("DatabaseSortType");
    EXPECT_TRUE(Action("DatabaseSortType")->isChecked());
    const std::vector<std::string> letters = shownBy(letter);
    EXPECT_TRUE(std::is_sorted(letters.begin(), letters.end()));
    std::vector<std::string> kinds = letters;
    kinds.erase(std::unique(kinds.begin(), kinds.end()), kinds.end());
    EXPECT_EQ(kinds, (std::vector<std::string>{"A", "L", "M", "N", "V"}));

    Trigger("DatabaseSortMode");
    const auto modes = shownBy([](OrvDataset* d) { return d->FormatMode(0); });
    EXPECT_TRUE(std::is_sorted(modes.begin(), modes.end()));
    EXPECT_EQ(modes.front(), "FFT");
    EXPECT_EQ(modes.back(), "STD");

    Trigger("DatabaseSortDateTime");
    const auto times = shownBy([](OrvDataset* d) { return d->GetDateTime(); });
    EXPECT_TRUE(std::is_sorted(times.begin(), times.end()));

    Trigger("DatabaseSortIndex");
    const auto numbers = shownBy([](OrvDataset* d) { return d->GetMemNumber(); });
    EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));

    Trigger("DatabaseSortType");
    Form().RebuildTree();
    const auto rebuilt = shownBy([](OrvDataset* d) { return d; });
    OrvDataList* list = Main().CurrentDataList();
    for (int i = 0; i < list->GetCount(); ++i)
        EXPECT_EQ(rebuilt[static_cast<std::size_t>(i)], list->GetDataset(i));
}

TEST_F(MainWindowTree, EachKindShowsItsPagesAndBringsItsMainPageForward) {
    Select(FirstOfKind(eNormal));
    EXPECT_EQ(Pages(), Only({eSheetValue}));
    EXPECT_EQ(Form().ViewSheet(), eSheetValue);

    // A stored series has no live value: graph, statistic and histogram.
    Select(FirstOfKind(eAuto));
    EXPECT_EQ(Pages(), Only({eSheetGraph, eSheetStatistic, eSheetHistogram}));
    EXPECT_EQ(Form().ViewSheet(), eSheetGraph);
    EXPECT_FALSE(Shown("GroupBoxAxisSel"));

    Select(FirstOfKind(eMatrix));
    EXPECT_EQ(Pages(), Only({eSheetAxis, eSheetPlane, eSheetStatistic, eSheetHistogram}));
    EXPECT_EQ(Form().ViewSheet(), eSheetAxis);
    EXPECT_TRUE(Shown("GroupBoxAxisSel"));
    EXPECT_FALSE(Shown("GroupBoxPlaneSel"));
    ChooseTab(eSheetPlane);
    EXPECT_EQ(Form().ViewSheet(), eSheetPlane);
    EXPECT_TRUE(Shown("GroupBoxPlaneSel"));
    EXPECT_FALSE(Shown("GroupBoxAxisSel"));
    // The statistic of a grid works on both selections.
    ChooseTab(eSheetStatistic);
    EXPECT_TRUE(Shown("GroupBoxPlaneSel"));
    EXPECT_TRUE(Shown("GroupBoxAxisSel"));

    Select(FirstOfKind(eList));
    EXPECT_EQ(Pages(), Only({eSheetHarmonics}));
    EXPECT_EQ(Form().ViewSheet(), eSheetHarmonics);
    EXPECT_FALSE(Shown("GroupBoxPlaneSel"));

    Select(FirstOfKind(eVector));
    EXPECT_EQ(Pages(), Only({eSheetFFT, eSheetPeakList}));
    EXPECT_EQ(Form().ViewSheet(), eSheetFFT);
    // Another spectrum keeps the page the user chose ...
    ChooseTab(eSheetPeakList);
    Select(ByNumber(14));
    EXPECT_EQ(Form().ViewSheet(), eSheetPeakList);
    // ... a spectrum after another kind comes up on its spectrum page.
    Select(FirstOfKind(eNormal));
    Select(ByNumber(15));
    EXPECT_EQ(Form().ViewSheet(), eSheetFFT);
}

TEST_F(MainWindowTree, InformationAndCommentBoxesFollowTheSelectionAndTheCommentIsKept) {
    Select(ByNumber(1));
    auto* info = Find<QPlainTextEdit>("MemoInfo");
    auto* comment = Find<QPlainTextEdit>("MemoComment");
    EXPECT_TRUE(info->toPlainText().startsWith(QStringLiteral("Device: LF-Analyser 23-0871")));
    EXPECT_EQ(comment->toPlainText(),
              QStringLiteral("Office 1.12, desk above the transformer room"));

    comment->setPlainText(QStringLiteral("Checked again \xB5T"));
    EXPECT_EQ(ByNumber(1)->GetComment(), "Checked again \xB5T");
    Select(ByNumber(2));
    EXPECT_NE(comment->toPlainText(), QStringLiteral("Checked again \xB5T"));
    Select(ByNumber(1));
    EXPECT_EQ(comment->toPlainText(), QStringLiteral("Checked again \xB5T"));
}

TEST_F(MainWindowTree, ValuePageShowsAStoredValueWithoutTheBar) {
    Select(ByNumber(1));
    EXPECT_EQ(Find<QLabel>("LabelValueVal")->text(), QString::fromLatin1("2.413 \xB5T"));
    EXPECT_EQ(Find<QLabel>("LabelValueFieldType")->text(), QStringLiteral("B"));
    EXPECT_EQ(Find<QLabel>("LabelValueChannel")->text(), QStringLiteral("ALL"));
    EXPECT_EQ(Find<QLabel>("LabelFrqVal")->text(), QStringLiteral("50 Hz"));
    EXPECT_TRUE(Shown("LabelValueFrq"));
    EXPECT_FALSE(Shown("ProgressBarValue"));
    EXPECT_FALSE(Shown("ImageValueScale"));

    // An overdriven value without frequency shows why there is no number.
    auto* value = static_cast<OrvNormalDataset*>(ByNumber(4));
    value->SetValueFields(1e-6, eValidOverdrive, -1);
    Select(value);
    EXPECT_EQ(Find<QLabel>("LabelValueVal")->text(), QStringLiteral("Overdrive"));
    EXPECT_FALSE(Shown("LabelValueFrq"));
}

// A view that cannot show its dataset leaves the error page in front, and the
// selection groups go; the next dataset is shown normally again.
TEST_F(MainWindowTree, FailingViewShowsTheErrorPage) {
    class Failing : public ViewPage {
    public:
        QWidget* Widget() override { return m_pWidget; }
        void Fill(OrvDataList&, OrvDataset&) override { throw std::runtime_error("no view"); }

    private:
        QWidget* m_pWidget = new QWidget;
    };
    auto failing = std::make_unique<Failing>();
    QWidget* widget = failing->Widget();
    Form().InstallViewPage(eSheetAxis, std::move(failing));
    EXPECT_EQ(widget->parentWidget(), Form().ViewPageHost(eSheetAxis));

    Select(FirstOfKind(eMatrix));
    EXPECT_EQ(Form().ViewSheet(), eSheetViewError);
    EXPECT_EQ(Form().PageControlView().ActivePage(), eSheetViewError);
    EXPECT_TRUE(Shown("PageControlView"));
    EXPECT_FALSE(Shown("GroupBoxAxisSel"));
    EXPECT_FALSE(Shown("GroupBoxPlaneSel"));
    EXPECT_FALSE(Form().PageControlView().IsPageShown(eSheetViewError));

    Select(FirstOfKind(eNormal));
    EXPECT_EQ(Form().ViewSheet(), eSheetValue);
    Form().InstallViewPage(eSheetAxis, nullptr);
}

TEST_F(MainWindowTree, SpectrumValuesAreBuiltWhenTheDatasetIsExpanded) {
    OrvDataset* spectrum = FirstOfKind(eVector);
    const QModelIndex node = Proxy().IndexOf(Form().Tree().FindFirst(spectrum));
    const QModelIndex values = Proxy().index(Proxy().rowCount(node) - 1, 0, node);
    ASSERT_EQ(values.data().toString(), QStringLiteral("Values"));
    EXPECT_EQ(Proxy().rowCount(values), 0);
    EXPECT_FALSE(spectrum->GetExpanded());
    Form().TreeView()->expand(node);
    EXPECT_TRUE(spectrum->GetExpanded());
    EXPECT_GT(Proxy().rowCount(values), 100);
}

TEST_F(MainWindowTree, EraseRemovesTheTickedDatasetsAndAnEmptiedList) {
    QString caption;
    AnswerNextModal([&](QWidget* dialog) {
        caption = dialog->windowTitle();
        auto* rows = dialog->findChild<QTableWidget*>(QStringLiteral("ListViewExportList"));
        rows->item(0, 0)->setCheckState(Qt::Checked);
        rows->item(1, 0)->setCheckState(Qt::Checked);
        dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    Trigger("DatabaseErase");
    EXPECT_EQ(caption, QStringLiteral("Erase"));
    EXPECT_EQ(Main().CurrentDataList()->GetCount(), 17);
    EXPECT_EQ(ShownDatasets().size(), 17u);
    EXPECT_EQ(ShownDatasets().front()->GetMemNumber(), 3);

    // Cancel erases nothing.
    AnswerNextModal([](QWidget* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("ButtonSelectAll"))->click();
        dialog->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    });
    Trigger("DatabaseErase");
    EXPECT_EQ(Main().CurrentDataList()->GetCount(), 17);

    AnswerNextModal([](QWidget* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("ButtonSelectAll"))->click();
        dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    Trigger("DatabaseErase");
    EXPECT_TRUE(Main().DataLists().empty());
    EXPECT_EQ(Form().Tree().NodeCount(), 0u);
    Form().UpdateActions();
    EXPECT_FALSE(Action("DatabaseErase")->isEnabled());
    EXPECT_FALSE(Shown("PageControlView"));
}

// The rules of the Database and View actions in DATALOG, with a memory loaded
// and without any.
TEST_F(MainWindowTree, UpdateRulesWithAndWithoutADataList) {
    Select(FirstOfKind(eNormal));
    Form().UpdateActions();
    EXPECT_EQ(Action("OrvChangeMode")->text(), QStringLiteral("Change to Remote"));
    EXPECT_TRUE(Action("OrvChangeMode")->isEnabled());
    for (const char* name : {"DatabaseErase", "DatabaseExportToFile", "DatabaseExportToClipb",
                             "DatabasePrint", "DatabasePreview"})
        EXPECT_TRUE(Action(name)->isEnabled()) << name;
    EXPECT_FALSE(Action("ViewZoomIn")->isEnabled());
    EXPECT_FALSE(Action("ViewMarker")->isEnabled());
    for (const char* name : {"OrvActivateConfiguration", "OrvActivateStoring", "OrvLoadFFT",
                             "OrvReset_FST_STD_Data", "OrvLoadFFTcont", "ConfigAlarm"})
        EXPECT_FALSE(Action(name)->isVisible()) << name;

    Select(FirstOfKind(eVector));
    Form().UpdateActions();
    EXPECT_TRUE(Action("ViewZoomIn")->isEnabled());
    EXPECT_TRUE(Action("ViewZoomOut")->isEnabled());
    EXPECT_TRUE(Action("ViewMarker")->isEnabled());
    Select(FirstOfKind(eList));
    Form().UpdateActions();
    EXPECT_FALSE(Action("ViewZoomIn")->isEnabled());

    Main().ClearDataLists();
    Form().RebuildTree();
    Form().UpdateActions();
    for (const char* name :
         {"DatabaseErase", "DatabaseExportToFile", "DatabaseExportToClipb", "DatabasePrint"})
        EXPECT_FALSE(Action(name)->isEnabled()) << name;
    EXPECT_TRUE(Action("DatabaseLoad")->isEnabled());
    EXPECT_FALSE(Shown("MemoInfo"));
    EXPECT_FALSE(Shown("MemoComment"));
    EXPECT_FALSE(Shown("PageControlView"));
    EXPECT_TRUE(Shown("PanelViewCaption"));
    EXPECT_EQ(Find<QLabel>("PanelViewCaption")->text(), QString());
    EXPECT_EQ(Form().ViewSheet(), eSheetViewError);

    // While an analyser transfer runs the mode cannot change and closing is
    // refused without a word.
    Form().SetReady(false);
    Form().UpdateActions();
    EXPECT_FALSE(Action("OrvChangeMode")->isEnabled());
    EXPECT_FALSE(Form().CloseQuery());
    Form().SetReady(true);
}

// A memory of 10,000 single values: the tree is filled and the first one
// shown in well under a second, and selecting the last one is immediate.
TEST_F(MainWindowTree, TenThousandDatasetsFillTheTreeInUnderASecond) {
    constexpr int kCount = 10000;
    QTemporaryDir folder;
    const std::string file = folder.filePath(QStringLiteral("big.txt")).toStdString();
    {
        std::ofstream out(file, std::ios::binary);
        out << "Device:     LF-Analyser\r\nSN:         23-0871\r\nCAL-DATE:   2026-03-17\r\n"
               "HW-Version: 3\r\nSW-Version: 2.14\r\nSW-Date:    2025-11-04\r\n"
               "SW-Time:    09:12:40\r\n";
        for (int n = 1; n <= kCount; ++n) {
            char line[256];
            std::snprintf(line, sizeof line,
                          "MEM# D PROBE      CHN MODE DATE     TIME     FILTER      DET  MAX  "
                          "VALUE[T]   VALID FREQU[Hz]\r\n"
                          "%-4d N INT_PRB    ALL FST  26-10-06 %02d:%02d:%02d 5Hz..2KHz   RMS  "
                          "LIVE %.4E OK    50\r\n",
                          n, n / 3600 % 24, n / 60 % 60, n % 60, 1e-6 * (1 + n % 7));
            out << line;
        }
    }
    auto list = std::make_unique<OrvDataList>();
    ASSERT_EQ(ReadTransferFile(*list, file), SourceReadResult::eRead);
    ASSERT_EQ(list->GetCount(), kCount);

    QElapsedTimer clock;
    clock.start();
    ShowOnly(std::move(list));
    QApplication::processEvents();
    const qint64 fillMs = clock.elapsed();

    EXPECT_EQ(ShownDatasets().size(), static_cast<std::size_t>(kCount));
    clock.restart();
    Select(Main().CurrentDataList()->GetDataset(kCount - 1));
    QApplication::processEvents();
    const qint64 selectMs = clock.elapsed();
    clock.restart();
    Trigger("DatabaseSortDateTime");
    QApplication::processEvents();
    const qint64 sortMs = clock.elapsed();

    std::printf("[ figures  ] 10,000 datasets: tree filled and shown in %lld ms, last one "
                "selected in %lld ms, sorted by date/time in %lld ms\n",
                static_cast<long long>(fillMs), static_cast<long long>(selectMs),
                static_cast<long long>(sortMs));
    EXPECT_LT(fillMs, 1000);
    EXPECT_LT(selectMs, 100);
    EXPECT_EQ(Main().CurrentDataset(), Main().CurrentDataList()->GetDataset(kCount - 1));
}

} // namespace
