// The load wizard: reading the source, keeping datasets by ranges or ticks,
// and the pages in between.

#include "UiTestSupport.h"

#include "core/HelpSystem.h"
#include "core/ProgramFolder.h"
#include "datasets/LoadData.h"
#include "datasets/LoadDataModel.h"
#include "datasets/OrvDataList.h"
#include "export/ExportRun.h"
#include "link/OrvCommunication.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <array>

using namespace ombrix;

namespace {

// An analyser whose directory and range reads the test decides.
class ScriptedAnalyser : public OrvCommunication {
public:
    bool ReadMemoryDirectory(TransferLines& lines) override {
        if (directory.empty()) return false;
        ReadDeviceHeader(lines);
        lines.AppendText(directory);
        return true;
    }
    bool ReadMemoryRange(int kind, int from, int to, TransferLines& lines) override {
        ranges.push_back({kind, from, to});
        if (rangeReadFails) return false;
        lines.AppendText(rangeText);
        return true;
    }

    std::string directory;
    bool rangeReadFails = false;
    std::string rangeText;
    std::vector<std::array<int, 3>> ranges;
};

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

std::vector<int> MemNumbers(const OrvDataList& list) {
    std::vector<int> numbers;
    for (int i = 0; i < list.GetCount(); ++i)
        numbers.push_back(list.GetDataset(i)->GetMemNumber());
    return numbers;
}

QString PageOf(const TDlgLoadData& dialog) {
    return dialog.findChild<QTabWidget*>(QStringLiteral("PageControlDataLoad"))
        ->currentWidget()
        ->objectName();
}

class LoadDataWizard : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::ClearSettings();
        ASSERT_TRUE(m_folder.isValid());
        m_demo = QString::fromStdString(ProgramFile("DemoDat.dat").string());
        QFile::remove(m_demo);
        ASSERT_TRUE(WriteBytes(m_demo, ReadBytes(QStringLiteral(OMBRIX_DATA_DIR "/DemoDat.dat"))));
        ASSERT_EQ(ReadAnalyserMemory(m_reference), SourceReadResult::eRead);
        ASSERT_GT(m_reference.GetAutoCount(), 1);
        m_dialog.SetDataList(&m_list);
        m_dialog.SetCommunication(&m_analyser);
    }
    void TearDown() override { QFile::remove(m_demo); }

    template <class T> T* Find(const QByteArray& name) {
        T* widget = m_dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name.constData();
        return widget;
    }
    QPushButton* Button(const QByteArray& name) { return Find<QPushButton>(name); }
    QLineEdit* Edit(const QByteArray& name) { return Find<QLineEdit>(name); }
    QCheckBox* Box(const QByteArray& name) { return Find<QCheckBox>(name); }
    QTabWidget* Pages() { return Find<QTabWidget>("PageControlDataLoad"); }
    QTableWidget* Rows() { return Find<QTableWidget>("ListViewDataList"); }
    QString Page() { return Pages()->currentWidget()->objectName(); }

    void ClickTab(int index) {
        QTabBar* bar = Pages()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    void ShowAndReadAnalyser() {
        m_dialog.show();
        Button("OKBtn")->click();
        ASSERT_EQ(Page(), QStringLiteral("TabSheetOverview"));
    }
    std::vector<bool> Ticks() {
        std::vector<bool> ticks;
        for (int row = 0; row < Rows()->rowCount(); ++row)
            ticks.push_back(Rows()->item(row, 0)->checkState() == Qt::Checked);
        return ticks;
    }
    // An exported file of the reference datasets at the given positions.
    QString Export(const char* name, const std::vector<int>& positions) {
        OrvDataList list;
        ReadAnalyserMemory(list);
        for (int i : positions)
            list.GetDataset(i)->SetChecked(true);
        const QString path = m_folder.filePath(QString::fromLatin1(name));
        const ExportRunResult result =
            ExportRun(list, std::filesystem::path(path.toStdString()), [] { return true; });
        EXPECT_EQ(result.status, ExportRunResult::eWritten) << result.error;
        return path;
    }
    std::vector<int> ReferenceNumbers(const std::vector<int>& positions) {
        std::vector<int> numbers;
        for (int i : positions)
            numbers.push_back(m_reference.GetDataset(i)->GetMemNumber());
        return numbers;
    }

    QTemporaryDir m_folder;
    QString m_demo;
    OrvDataList m_reference;
    OrvDataList m_list;
    ScriptedAnalyser m_analyser;
    TDlgLoadData m_dialog;
};

TEST_F(LoadDataWizard, OpensOnTheSourcePageWithoutTabs) {
    m_dialog.show();
    EXPECT_EQ(m_dialog.windowTitle(), QStringLiteral("Load data"));
    EXPECT_EQ(Page(), QStringLiteral("TabSheetSelectSource"));
    EXPECT_FALSE(Pages()->tabBar()->isVisible());
    EXPECT_FALSE(Button("ButtonBack")->isVisible());
    EXPECT_EQ(Button("OKBtn")->text(), QStringLiteral("Next"));
    EXPECT_TRUE(Button("OKBtn")->isDefault());
    EXPECT_TRUE(Find<QRadioButton>("RadioButtonAnalyzer")->isChecked());
    EXPECT_EQ(HelpContextOf(&m_dialog), TDlgLoadData::kSourceHelpContext);
    EXPECT_NE(Find<QFileDialog>("OpenDialog"), nullptr);
    for (const char* name : {"EditAllNo", "EditVectorFrom", "UpDownMatrixTo", "CheckBoxList"})
        EXPECT_NE(m_dialog.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
}

TEST_F(LoadDataWizard, NextReadsTheAnalyserMemoryAndOffersItsCounts) {
    ShowAndReadAnalyser();
    EXPECT_TRUE(Pages()->tabBar()->isVisible());
    EXPECT_FALSE(Pages()->isTabVisible(0));
    EXPECT_TRUE(Pages()->isTabVisible(1));
    EXPECT_TRUE(Pages()->isTabVisible(2));
    EXPECT_EQ(Pages()->tabText(1), QStringLiteral("Overview"));
    EXPECT_EQ(Pages()->tabText(2), QStringLiteral("Details"));
    EXPECT_TRUE(Button("ButtonBack")->isVisible());
    EXPECT_EQ(Button("OKBtn")->text(), QStringLiteral("Load"));
    EXPECT_EQ(HelpContextOf(&m_dialog), TDlgLoadData::kOverviewHelpContext);
    EXPECT_EQ(m_list.GetTotalCount(), m_reference.GetTotalCount());

    struct Row {
        const char* name;
        int count;
    };
    const Row rows[] = {
        {"All", m_reference.GetTotalCount()}, {"Normal", m_reference.GetNormalCount()},
        {"Auto", m_reference.GetAutoCount()}, {"Matrix", m_reference.GetMatrixCount()},
        {"List", m_reference.GetListCount()}, {"Vector", m_reference.GetVectorCount()}};
    for (const Row& row : rows) {
        const QByteArray name(row.name);
        const QString count = QString::number(row.count);
        EXPECT_EQ(Edit("Edit" + name + "No")->text(), count) << row.name;
        EXPECT_TRUE(Edit("Edit" + name + "No")->isReadOnly());
        EXPECT_EQ(Edit("Edit" + name + "From")->text(), row.count > 0 ? "1" : "0") << row.name;
        EXPECT_EQ(Edit("Edit" + name + "To")->text(), count) << row.name;
        EXPECT_EQ(Find<TUpDown>("UpDown" + name + "From")->Max(), row.count) << row.name;
        EXPECT_EQ(Find<TUpDown>("UpDown" + name + "To")->Max(), row.count) << row.name;
        EXPECT_EQ(Box("CheckBox" + name)->isChecked(), name == "All") << row.name;
    }

    // The Details page lists the datasets in list order, every row ticked.
    const std::vector<DatasetListRow> expected = m_list.FillListView();
    ClickTab(2);
    ASSERT_EQ(Page(), QStringLiteral("TabSheetDetail"));
    EXPECT_EQ(HelpContextOf(&m_dialog), TDlgLoadData::kDetailHelpContext);
    ASSERT_EQ(Rows()->rowCount(), static_cast<int>(expected.size()));
    for (int row = 0; row < Rows()->rowCount(); ++row) {
        const DatasetListRow& want = expected[static_cast<size_t>(row)];
        EXPECT_EQ(Rows()->item(row, 0)->text(), QString::fromLatin1(want.index));
        EXPECT_EQ(Rows()->item(row, 1)->text(), QString::fromLatin1(want.dataType));
        EXPECT_EQ(Rows()->item(row, 2)->text(), QString::fromLatin1(want.mode));
        EXPECT_EQ(Rows()->item(row, 3)->text(), QString::fromLatin1(want.dateTime));
    }
    EXPECT_EQ(Ticks(), std::vector<bool>(expected.size(), true));
    ClickTab(1);
    EXPECT_EQ(HelpContextOf(&m_dialog), TDlgLoadData::kOverviewHelpContext);
}

TEST_F(LoadDataWizard, OverviewKeepsTheTickedRanges) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, std::pair<const char*, const char*>>> ticked;
        std::vector<int> keptPositions; // empty: see `kind`
        Code kind = 0;                  // the first dataset of this kind alone
    };
    const Case cases[] = {
        {"All 2 to 3", {{"All", {"2", "3"}}}, {1, 2}},
        {"only Auto 1 to 1", {{"Auto", {"1", "1"}}}, {}, eAuto},
        // An edit that is not a number counts as 0.
        {"Auto from a word", {{"Auto", {"one", "1"}}}, {}, eAuto},
        {"nothing ticked", {}, {}},
    };
    for (const Case& c : cases) {
        OrvDataList list;
        TDlgLoadData dialog;
        dialog.SetDataList(&list);
        dialog.SetCommunication(&m_analyser);
        dialog.show();
        dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        // The All row keeps numbers that must not count once All is unticked.
        dialog.findChild<QLineEdit*>(QStringLiteral("EditAllFrom"))->setText(QStringLiteral("2"));
        dialog.findChild<QLineEdit*>(QStringLiteral("EditAllTo"))->setText(QStringLiteral("3"));
        dialog.findChild<QCheckBox*>(QStringLiteral("CheckBoxAll"))->setChecked(false);
        for (const auto& [row, range] : c.ticked) {
            const QString name = QString::fromLatin1(row);
            dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox") + name)->click();
            dialog.findChild<QLineEdit*>(QStringLiteral("Edit") + name + QStringLiteral("From"))
                ->setText(QString::fromLatin1(range.first));
            dialog.findChild<QLineEdit*>(QStringLiteral("Edit") + name + QStringLiteral("To"))
                ->setText(QString::fromLatin1(range.second));
        }
        dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.what;
        EXPECT_FALSE(dialog.isVisible()) << c.what;
        if (c.kind != 0) {
            int first = 0;
            while (m_reference.GetDataset(first)->GetDataType() != c.kind)
                ++first;
            EXPECT_EQ(MemNumbers(list), ReferenceNumbers({first})) << c.what;
        } else {
            EXPECT_EQ(MemNumbers(list), ReferenceNumbers(c.keptPositions)) << c.what;
        }
        // Read from a file: nothing in it is unsaved.
        EXPECT_TRUE(list.AllExported()) << c.what;
    }
}

TEST_F(LoadDataWizard, AllAndKindBoxesAreExclusive) {
    ShowAndReadAnalyser();
    Box("CheckBoxNormal")->click();
    EXPECT_FALSE(Box("CheckBoxAll")->isChecked());
    Box("CheckBoxMatrix")->click();
    EXPECT_TRUE(Box("CheckBoxNormal")->isChecked());
    EXPECT_TRUE(Box("CheckBoxMatrix")->isChecked());
    Box("CheckBoxAll")->click();
    for (const char* kind : {"Normal", "Auto", "Matrix", "List", "Vector"})
        EXPECT_FALSE(Box(QByteArray("CheckBox") + kind)->isChecked()) << kind;
    // Unticking does not tick the other side.
    Box("CheckBoxAll")->click();
    Box("CheckBoxVector")->click();
    Box("CheckBoxVector")->click();
    EXPECT_FALSE(Box("CheckBoxAll")->isChecked());
    EXPECT_FALSE(Box("CheckBoxVector")->isChecked());

    // Showing the page again starts over from All.
    ClickTab(2);
    ClickTab(1);
    EXPECT_TRUE(Box("CheckBoxAll")->isChecked());
}

TEST_F(LoadDataWizard, UpDownStepsTheEditWithinItsRange) {
    ShowAndReadAnalyser();
    const int total = m_reference.GetTotalCount();
    auto* to = Find<TUpDown>("UpDownAllTo");
    auto* from = Find<TUpDown>("UpDownAllFrom");
    to->findChild<QToolButton*>(QStringLiteral("Up"))->click();
    EXPECT_EQ(Edit("EditAllTo")->text(), QString::number(total));
    to->findChild<QToolButton*>(QStringLiteral("Down"))->click();
    EXPECT_EQ(Edit("EditAllTo")->text(), QString::number(total - 1));
    from->findChild<QToolButton*>(QStringLiteral("Down"))->click();
    from->findChild<QToolButton*>(QStringLiteral("Down"))->click();
    EXPECT_EQ(Edit("EditAllFrom")->text(), QStringLiteral("0"));
    // A word in the edit steps from 0; the cursor keys step as the arrows do.
    Edit("EditAllFrom")->setText(QStringLiteral("x"));
    QTest::keyClick(Edit("EditAllFrom"), Qt::Key_Up);
    QTest::keyClick(Edit("EditAllFrom"), Qt::Key_Up);
    EXPECT_EQ(Edit("EditAllFrom")->text(), QStringLiteral("2"));
    // A kind without datasets stays at 0.
    for (const char* kind : {"Normal", "Auto", "Matrix", "List", "Vector"}) {
        const QByteArray name(kind);
        const int count = Find<TUpDown>("UpDown" + name + "To")->Max();
        Find<TUpDown>("UpDown" + name + "To")->Step(5);
        EXPECT_EQ(Edit("Edit" + name + "To")->text(), QString::number(count)) << kind;
    }
}

TEST_F(LoadDataWizard, DetailsKeepTheTickedRows) {
    ShowAndReadAnalyser();
    ClickTab(2);
    const int count = Rows()->rowCount();
    ASSERT_GE(count, 5);

    // "All selected": the highlighted rows are ticked, the others not.
    Rows()->clearSelection();
    for (int row : {1, 3})
        Rows()->selectionModel()->select(Rows()->model()->index(row, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    Button("ButtonSelectSelected")->click();
    std::vector<bool> expected(static_cast<size_t>(count), false);
    expected[1] = expected[3] = true;
    EXPECT_EQ(Ticks(), expected);
    Button("ButtonInvert")->click();
    expected.flip();
    EXPECT_EQ(Ticks(), expected);
    Button("ButtonSelectAll")->click();
    EXPECT_EQ(Ticks(), std::vector<bool>(static_cast<size_t>(count), true));

    // Ticks by mouse; Load keeps exactly the ticked rows, in list order.
    for (int row = 0; row < count; ++row)
        if (row != 0 && row != 4) Rows()->item(row, 0)->setCheckState(Qt::Unchecked);
    Button("OKBtn")->click();
    EXPECT_EQ(m_dialog.result(), QDialog::Accepted);
    EXPECT_EQ(MemNumbers(m_list), ReferenceNumbers({0, 4}));
}

TEST_F(LoadDataWizard, DetailsWithoutTicksLoadAnEmptyList) {
    ShowAndReadAnalyser();
    ClickTab(2);
    Button("ButtonInvert")->click();
    EXPECT_EQ(Ticks(), std::vector<bool>(static_cast<size_t>(Rows()->rowCount()), false));
    Button("OKBtn")->click();
    EXPECT_EQ(m_dialog.result(), QDialog::Accepted);
    // The kind counters keep what was read; the caller looks at the datasets.
    EXPECT_EQ(m_list.GetCount(), 0);
}

TEST_F(LoadDataWizard, BackThenNextReadsTheSourceAgain) {
    ShowAndReadAnalyser();
    Button("ButtonBack")->click();
    EXPECT_EQ(Page(), QStringLiteral("TabSheetSelectSource"));
    EXPECT_FALSE(Pages()->tabBar()->isVisible());
    EXPECT_FALSE(Button("ButtonBack")->isVisible());
    EXPECT_EQ(Button("OKBtn")->text(), QStringLiteral("Next"));
    EXPECT_EQ(HelpContextOf(&m_dialog), TDlgLoadData::kSourceHelpContext);
    EXPECT_TRUE(m_dialog.isVisible());

    // The analyser's memory now holds three datasets: Next reads them in
    // place of the ones read before.
    const QString exported = Export("three.txt", {0, 2, 5});
    ASSERT_TRUE(WriteBytes(m_demo, "first\r\nsecond\r\nDemo\r\n<DATALOG DEMO DATA>\r\n" +
                                       ReadBytes(exported) + "<REMOTE DEMO DATA>\r\n"));
    Button("OKBtn")->click();
    EXPECT_EQ(Page(), QStringLiteral("TabSheetOverview"));
    EXPECT_EQ(MemNumbers(m_list), ReferenceNumbers({0, 2, 5}));
    EXPECT_EQ(Edit("EditAllNo")->text(), QStringLiteral("3"));
    ClickTab(2);
    EXPECT_EQ(Rows()->rowCount(), 3);
}

TEST_F(LoadDataWizard, FileSourceReadsAnExportedFile) {
    for (const char* name : {"export.csv", "export.txt"}) {
        const QString path = Export(name, {1, 3, 4});
        OrvDataList list;
        TDlgLoadData dialog;
        dialog.SetDataList(&list);
        dialog.SetCommunication(&m_analyser);
        dialog.show();
        QStringList filters;
        uitest::AnswerNextModal([&](QWidget* window) {
            auto* files = qobject_cast<QFileDialog*>(window);
            ASSERT_NE(files, nullptr);
            filters = files->nameFilters();
            files->selectFile(path);
            static_cast<QDialog*>(files)->accept();
        });
        dialog.findChild<QPushButton*>(QStringLiteral("ButtonFileSelect"))->click();
        EXPECT_EQ(filters, QStringList({QStringLiteral("Excel format files (*.csv *.CSV)"),
                                        QStringLiteral("Text files (*.txt *.TXT)")}));
        EXPECT_TRUE(
            dialog.findChild<QRadioButton*>(QStringLiteral("RadioButtonFile"))->isChecked());
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("EditFileName"))->text(),
                  QString::fromLatin1(name));
        EXPECT_EQ(PageOf(dialog), QStringLiteral("TabSheetOverview")) << name;
        EXPECT_EQ(MemNumbers(list), ReferenceNumbers({1, 3, 4})) << name;

        // Back, then Next reads the chosen file again, not the analyser.
        dialog.findChild<QPushButton*>(QStringLiteral("ButtonBack"))->click();
        Export(name, {6});
        dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        EXPECT_EQ(MemNumbers(list), ReferenceNumbers({6})) << name;
        dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << name;
        EXPECT_EQ(MemNumbers(list), ReferenceNumbers({6})) << name;
    }
}

TEST_F(LoadDataWizard, FileTickedWithoutAFileAsksForOne) {
    m_dialog.show();
    Find<QRadioButton>("RadioButtonFile")->click();
    auto watch = uitest::AnswerNextModal([](QWidget* window) {
        EXPECT_NE(qobject_cast<QFileDialog*>(window), nullptr);
        qobject_cast<QDialog*>(window)->reject();
    });
    Button("OKBtn")->click();
    EXPECT_TRUE(watch->answered);
    EXPECT_EQ(Page(), QStringLiteral("TabSheetSelectSource"));
    EXPECT_EQ(m_list.GetListState(), eEmtyList);
}

TEST_F(LoadDataWizard, SourcesThatDoNotReadStayOnTheSourcePage) {
    const QString broken = m_folder.filePath(QStringLiteral("broken.csv"));
    ASSERT_TRUE(WriteBytes(broken, "Device: x\r\nSN: 1\r\nCAL-DATE: 26-01-01\r\n"));
    const QByteArray brokenDemo = "a\r\nb\r\nDemo\r\n<DATALOG DEMO DATA>\r\nDevice: x\r\n"
                                  "<REMOTE DEMO DATA>\r\n";
    const QByteArray notDemo = "a\r\nb\r\nc\r\n<DATALOG DEMO DATA>\r\n<REMOTE DEMO DATA>\r\n";
    struct Case {
        const char* what;
        QString file; // empty: the analyser
        QByteArray demo;
        QString message; // empty: none
    };
    const Case cases[] = {
        {"broken file", broken, {}, QStringLiteral("Format Error")},
        {"broken analyser memory", {}, brokenDemo, QStringLiteral("Format Error")},
        {"no demo memory", {}, notDemo, {}},
        {"missing file",
         m_folder.filePath(QStringLiteral("gone.csv")),
         {},
         QStringLiteral("Cannot open file \"%1\".")
             .arg(QDir::toNativeSeparators(m_folder.filePath(QStringLiteral("gone.csv"))))},
    };
    for (const Case& c : cases) {
        if (!c.demo.isEmpty()) ASSERT_TRUE(WriteBytes(m_demo, c.demo));
        OrvDataList list;
        TDlgLoadData dialog;
        dialog.SetDataList(&list);
        dialog.SetCommunication(&m_analyser);
        auto seen = std::make_shared<uitest::SeenMessage>();
        auto watch =
            uitest::AnswerNextMessageBox(QMessageBox::Ok, seen, 2000, !c.message.isEmpty());
        if (c.file.isEmpty()) {
            dialog.show();
            dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        } else {
            dialog.OpenOnFile(c.file);
            dialog.show();
            QTest::qWait(50);
        }
        watch->cancelled = true;
        EXPECT_EQ(seen->seen, !c.message.isEmpty()) << c.what;
        if (seen->seen) {
            EXPECT_EQ(seen->title, QStringLiteral("Ombrix Error")) << c.what;
            EXPECT_EQ(seen->text, c.message) << c.what;
        }
        EXPECT_TRUE(dialog.isVisible()) << c.what;
        EXPECT_EQ(PageOf(dialog), QStringLiteral("TabSheetSelectSource")) << c.what;
        EXPECT_FALSE(dialog.findChild<QPushButton*>(QStringLiteral("ButtonBack"))->isVisible());
    }
}

TEST_F(LoadDataWizard, OpenOnFileReadsTheDroppedFileWhenShown) {
    const QString path = Export("dropped.csv", {2, 3});
    m_dialog.OpenOnFile(path);
    QString shownFile;
    uitest::AnswerNextModal([&](QWidget* window) {
        ASSERT_EQ(window, &m_dialog);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Page() == QStringLiteral("TabSheetOverview"); }));
        EXPECT_TRUE(Find<QRadioButton>("RadioButtonFile")->isChecked());
        shownFile = Edit("EditFileName")->text();
        Button("OKBtn")->click();
    });
    EXPECT_EQ(m_dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(shownFile, QStringLiteral("dropped.csv"));
    EXPECT_EQ(MemNumbers(m_list), ReferenceNumbers({2, 3}));

    // Shown again, the wizard starts over on the source page without a file.
    uitest::AnswerNextModal([&](QWidget*) {
        QTest::qWait(20);
        EXPECT_EQ(Page(), QStringLiteral("TabSheetSelectSource"));
        EXPECT_TRUE(Edit("EditFileName")->text().isEmpty());
        Button("CancelBtn")->click();
    });
    EXPECT_EQ(m_dialog.exec(), QDialog::Rejected);
}

// A list of which the analyser's header or directory is known: the chosen
// datasets come from the analyser.
TEST_F(LoadDataWizard, DetailsOfAHeaderOnlyListReadTheDirectory) {
    ShowAndReadAnalyser();
    m_analyser.directory = "MEM# D MODE DATE TIME\r\n"
                           "7 N FST 26-10-06 09:14:32\r\n"
                           "9 A FST 26-10-06 09:20:00\r\n"
                           "12 N FST 26-10-06 09:30:00\r\n";
    m_list.SetListState(eHeaderList);
    ClickTab(2);
    ASSERT_EQ(Rows()->rowCount(), 3);
    EXPECT_EQ(Rows()->item(1, 0)->text(), QStringLiteral("9"));
    EXPECT_EQ(Rows()->item(1, 1)->text(), QStringLiteral("A"));
    EXPECT_EQ(Ticks(), std::vector<bool>(3, true));
    EXPECT_EQ(m_list.GetListState(), eIndexList);

    Rows()->item(1, 0)->setCheckState(Qt::Unchecked);
    Button("OKBtn")->click();
    // 7 and 12 are not neighbours: two reads.
    const std::vector<std::array<int, 3>> reads = {{0, 7, 7}, {0, 12, 12}};
    EXPECT_EQ(m_analyser.ranges, reads);
    EXPECT_EQ(m_dialog.result(), QDialog::Accepted);
    EXPECT_EQ(m_list.GetListState(), eFullList);
    EXPECT_FALSE(m_dialog.isVisible());
}

TEST_F(LoadDataWizard, DetailsStayEmptyWhenTheDirectoryDoesNotRead) {
    ShowAndReadAnalyser();
    m_list.SetListState(eHeaderList);
    ClickTab(2);
    EXPECT_EQ(Rows()->rowCount(), 0);
}

TEST_F(LoadDataWizard, AnalyserReadOutcomes) {
    struct Case {
        const char* what;
        bool readFails;
        std::string text;
        bool open;        // the wizard stays
        bool formatError; // "Format Error" shown
        int result;       // when closed
    };
    const Case cases[] = {
        {"no answer", true, "", true, false, 0},
        {"broken record", false, "MEM# D\r\n1 Q\r\n", false, true, QDialog::Rejected},
        {"nothing in the range", false, "", false, false, QDialog::Accepted},
    };
    for (const Case& c : cases) {
        OrvDataList list;
        ScriptedAnalyser analyser;
        analyser.rangeReadFails = c.readFails;
        analyser.rangeText = c.text;
        TDlgLoadData dialog;
        dialog.SetDataList(&list);
        dialog.SetCommunication(&analyser);
        dialog.show();
        dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        list.SetListState(eIndexList);
        dialog.findChild<QCheckBox*>(QStringLiteral("CheckBoxAuto"))->click();
        dialog.findChild<QLineEdit*>(QStringLiteral("EditAutoTo"))->setText(QStringLiteral("2"));
        auto seen = std::make_shared<uitest::SeenMessage>();
        auto watch = uitest::AnswerNextMessageBox(QMessageBox::Ok, seen, 2000, c.formatError);
        dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        watch->cancelled = true;
        const std::vector<std::array<int, 3>> reads = {{2, 1, 2}};
        EXPECT_EQ(analyser.ranges, reads) << c.what;
        EXPECT_EQ(seen->seen, c.formatError) << c.what;
        if (seen->seen) EXPECT_EQ(seen->text, QStringLiteral("Format Error"));
        EXPECT_EQ(dialog.isVisible(), c.open) << c.what;
        if (!c.open) EXPECT_EQ(dialog.result(), c.result) << c.what;
    }
}

} // namespace
