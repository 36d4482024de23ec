// The export run from the main window with its dialogs, its numbered parts and
// the files it leaves unwritten; the close query; the picture of the view; and
// an exported file dropped back on the window.

#include "MainWindowFixture.h"

#include "datasets/LoadDataModel.h"
#include "export/ExportRun.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFileDialog>
#include <QFontMetrics>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUrl>

#include <fstream>
#include <functional>
#include <optional>

using namespace ombrix;
using uitest::AnswerNextMessageBox;
using uitest::AnswerNextModal;
using uitest::SeenMessage;

namespace {

class MainWindowExport : public uitest::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        QApplication::setQuitOnLastWindowClosed(false);
        StartDatalog();
        WriteRegInt(reg::kShowExportDlg, 0);
    }

    QString Path(const char* name) const { return m_Folder.filePath(QString::fromLatin1(name)); }
    QStringList Written() const { return QDir(m_Folder.path()).entryList(QDir::Files, QDir::Name); }
    static void Press(QWidget* window, const char* button) {
        window->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    }

    // The export: the tick list (`tick` marks the datasets), the format dialog
    // when it is to be shown, the file name, and the answer to the split
    // question when one is expected.
    void Export(const QString& file, std::function<void(QWidget*)> tick,
                std::optional<QMessageBox::StandardButton> split = std::nullopt,
                std::shared_ptr<SeenMessage> seenSplit = nullptr) {
        const bool formatDialog = ReadRegInt(reg::kShowExportDlg, 1) != 0;
        auto chooseFile = [file, split, seenSplit](QWidget* window) {
            auto* dialog = qobject_cast<QFileDialog*>(window);
            ASSERT_NE(dialog, nullptr);
            if (split) AnswerNextMessageBox(*split, seenSplit);
            dialog->selectFile(file);
            static_cast<QDialog*>(dialog)->accept();
        };
        AnswerNextModal([=, this](QWidget* list) {
            m_sListCaption = list->windowTitle();
            if (formatDialog)
                AnswerNextModal([=, this](QWidget* format) {
                    m_sFormatCaption = format->windowTitle();
                    AnswerNextModal(chooseFile);
                    Press(format, "OKBtn");
                });
            else
                AnswerNextModal(chooseFile);
            tick(list);
            Press(list, "OKBtn");
        });
        Trigger("DatabaseExportToFile");
    }
    static void TickAll(QWidget* list) { Press(list, "ButtonSelectAll"); }

    // Timed series of the given lengths.
    void ShowLongSeries(std::initializer_list<int> lengths) {
        const std::string file = Path("series.src").toStdString();
        {
            std::ofstream out(file, std::ios::binary);
            out << "Device:     LF-Analyser\r\nSN:         99-0001\r\nCAL-DATE:   2026-03-17\r\n"
                   "HW-Version: 3\r\nSW-Version: 2.14\r\nSW-Date:    2025-11-04\r\n"
                   "SW-Time:    09:12:40\r\n";
            int mem = 0;
            for (int length : lengths) {
                ++mem;
                out << "MEM# D PROBE      CHN MODE DATE     TIME     STEP     FILTER      DET\r\n"
                    << mem << "    A INT_PRB    ALL FST  26-10-06 10:0" << mem
                    << ":00 00:00:01 5Hz..2KHz   RMS\r\nN    VALUE[T]   VALID FREQ[HZ]\r\n";
                for (int n = 1; n <= length; ++n)
                    out << n << "    3.1262E-06 OK    50\r\n";
            }
        }
        auto list = std::make_unique<OrvDataList>();
        ASSERT_EQ(ReadTransferFile(*list, file), SourceReadResult::eRead);
        QFile::remove(QString::fromStdString(file));
        ShowOnly(std::move(list));
    }

    QTemporaryDir m_Folder;
    QString m_sListCaption;
    QString m_sFormatCaption;
};

TEST_F(MainWindowExport, ExportWritesTheChosenNameAfterTheFormatDialog) {
    WriteRegInt(reg::kShowExportDlg, 1);
    Export(Path("memory.csv"), TickAll);
    EXPECT_EQ(m_sListCaption, QStringLiteral("Export"));
    EXPECT_EQ(m_sFormatCaption, QStringLiteral("Export file  format"));
    EXPECT_EQ(Written(), QStringList{QStringLiteral("memory.csv")});
    QFile written(Path("memory.csv"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readLine().startsWith("Device:,    LF-Analyser\r\n"));
    EXPECT_TRUE(Main().AllExported());

    // What was exported reads back as the same memory.
    OrvDataList back;
    ASSERT_EQ(ReadTransferFile(back, Path("memory.csv").toStdString()), SourceReadResult::eRead);
    EXPECT_EQ(back.GetCount(), 19);
}

TEST_F(MainWindowExport, NothingIsWrittenWhenNoDatasetIsTicked) {
    Export(Path("none.txt"), [](QWidget*) {});
    EXPECT_TRUE(Written().isEmpty());
}

TEST_F(MainWindowExport, LongExportIsSplitIntoNumberedPartsAfterTheQuestion) {
    ShowLongSeries({40000, 40000, 40000});
    auto seen = std::make_shared<SeenMessage>();
    Export(Path("long.txt"), TickAll, QMessageBox::Ok, seen);
    EXPECT_TRUE(seen->seen);
    EXPECT_EQ(seen->title, QStringLiteral("Ombrix Warning"));
    EXPECT_EQ(seen->text, QString::fromLatin1(kExportSplitQuestion));
    EXPECT_EQ(Written(), (QStringList{QStringLiteral("long_0.txt"), QStringLiteral("long_1.txt"),
                                      QStringLiteral("long_2.txt")}));
    for (const QString& part : Written()) {
        QFile file(Path(part.toLatin1().constData()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readLine().startsWith("Device: ")) << part.toStdString();
    }
}

TEST_F(MainWindowExport, UntickedDatasetsStayOutOfTheParts) {
    ShowLongSeries({40000, 40000, 40000});
    Export(
        Path("two.txt"),
        [](QWidget* list) {
            auto* rows = list->findChild<QTableWidget*>(QStringLiteral("ListViewExportList"));
            rows->item(0, 0)->setCheckState(Qt::Checked);
            rows->item(1, 0)->setCheckState(Qt::Checked);
        },
        QMessageBox::Ok);
    EXPECT_EQ(Written(), (QStringList{QStringLiteral("two_0.txt"), QStringLiteral("two_1.txt")}));
}

// A series that does not fit even into a file of its own would leave parts
// with nothing but the header lines, without end: none of them is written, the
// run stops at that series and says so, the parts before it stay.
TEST_F(MainWindowExport, SeriesTooLongForAnyFileStopsTheRunWithoutEmptyParts) {
    ShowLongSeries({40000, 70000, 100});
    bool split = false;
    auto error = std::make_shared<SeenMessage>();
    AnswerNextModal([&](QWidget* list) {
        AnswerNextModal([&](QWidget* window) {
            AnswerNextModal([&](QWidget* question) {
                split = true;
                // The error follows the split question.
                AnswerNextMessageBox(QMessageBox::Ok, error);
                qobject_cast<QMessageBox*>(question)->button(QMessageBox::Ok)->click();
            });
            auto* dialog = qobject_cast<QFileDialog*>(window);
            dialog->selectFile(Path("huge.txt"));
            static_cast<QDialog*>(dialog)->accept();
        });
        TickAll(list);
        Press(list, "OKBtn");
    });
    Trigger("DatabaseExportToFile");
    EXPECT_TRUE(split);
    EXPECT_TRUE(error->seen);
    EXPECT_EQ(error->title, QStringLiteral("Ombrix Error"));
    EXPECT_TRUE(error->text.startsWith(QStringLiteral("Dataset #2 ")));
    EXPECT_EQ(Written(), QStringList{QStringLiteral("huge_0.txt")});
}

TEST_F(MainWindowExport, RefusedSplitWritesNothing) {
    ShowLongSeries({40000, 40000, 40000});
    Export(Path("refused.txt"), TickAll, QMessageBox::Cancel);
    EXPECT_TRUE(Written().isEmpty());
}

// A column separator that is also the decimal point would give a file whose
// numbers no reader can tell from its columns: the user is told, nothing is
// written. A text file separates by blanks and is not concerned.
TEST_F(MainWindowExport, SameSeparatorAndDecimalPointWritesNoSpreadsheetFile) {
    WriteRegString(reg::kListSeparator, ",");
    WriteRegString(reg::kDecimalSeparator, ",");
    auto seen = std::make_shared<SeenMessage>();
    AnswerNextModal([&](QWidget* list) {
        AnswerNextModal([&](QWidget* window) {
            AnswerNextMessageBox(QMessageBox::Ok, seen);
            auto* dialog = qobject_cast<QFileDialog*>(window);
            dialog->selectFile(Path("clash.csv"));
            static_cast<QDialog*>(dialog)->accept();
        });
        TickAll(list);
        Press(list, "OKBtn");
    });
    Trigger("DatabaseExportToFile");
    EXPECT_TRUE(seen->seen);
    EXPECT_EQ(seen->title, QStringLiteral("Ombrix Error"));
    EXPECT_TRUE(seen->text.contains(QStringLiteral("Nothing was written")));
    EXPECT_TRUE(Written().isEmpty());

    Export(Path("blanks.txt"), TickAll);
    EXPECT_EQ(Written(), QStringList{QStringLiteral("blanks.txt")});
}

TEST_F(MainWindowExport, CloseAsksOnlyWhileDatasetsAreUnexported) {
    Main().CurrentDataList()->GetDataset(3)->SetExported(false);
    auto seen = std::make_shared<SeenMessage>();
    AnswerNextMessageBox(QMessageBox::Cancel, seen);
    Form().close();
    EXPECT_TRUE(seen->seen);
    EXPECT_EQ(seen->text,
              QStringLiteral("There are unexported datasets. Are you sure to terminate Ombrix?"));
    EXPECT_TRUE(Form().isVisible());

    Export(Path("all.txt"), TickAll);
    EXPECT_TRUE(Main().AllExported());
    auto none = std::make_shared<SeenMessage>();
    auto watch = AnswerNextMessageBox(QMessageBox::Cancel, none, 300, false);
    Form().close();
    QTest::qWait(50);
    watch->cancelled = true;
    EXPECT_FALSE(none->seen);
    EXPECT_FALSE(Form().isVisible());
}

TEST_F(MainWindowExport, PictureOfTheViewHasTheChosenBlocksAboveTheView) {
    Select(Main().CurrentDataList()->GetDataset(0));
    Find<QPlainTextEdit>("MemoComment")->clear();
    const QSize page = Form().ViewPageHost(eSheetValue)->size();

    WriteRegInt(reg::kPrnOptInfo, 0);
    WriteRegInt(reg::kPrnOptComment, 0);
    EXPECT_EQ(Form().MakeViewBitmap().size(), page);

    WriteRegInt(reg::kPrnOptInfo, 1);
    WriteRegInt(reg::kPrnOptComment, 1);
    const int infoLines =
        Find<QPlainTextEdit>("MemoInfo")->toPlainText().split(QLatin1Char('\n')).size();
    EXPECT_EQ(infoLines, 4);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(10);
    const QImage picture = Form().MakeViewBitmap();
    EXPECT_EQ(picture.height(), page.height() + (infoLines + 2) * QFontMetrics(arial).height());
    EXPECT_GE(picture.width(), page.width());

    Trigger("DatabaseExportToClipb");
    EXPECT_EQ(QApplication::clipboard()->image().size(), picture.size());

    // Without a dataset there is no picture.
    Main().ClearDataLists();
    Form().RebuildTree();
    EXPECT_TRUE(Form().MakeViewBitmap().isNull());
}

// Printing asks the print options first while "ShowPrnOptDlg" says so; the
// options stay reachable from their own menu item.
TEST_F(MainWindowExport, PrintShowsTheOptionsFirstWhenAskedTo) {
    int options = 0;
    Form().Hooks().printOptions = [&] { ++options; };
    auto refuse = [](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); };
    AnswerNextModal(refuse);
    Trigger("DatabasePrint");
    EXPECT_EQ(options, 1);
    WriteRegInt(reg::kShowPrnOptDlg, 0);
    AnswerNextModal(refuse);
    Trigger("DatabasePrint");
    EXPECT_EQ(options, 1);
    Trigger("DatabasePrintOpt");
    EXPECT_EQ(options, 2);
    Form().Hooks().printOptions = nullptr;
    Form().UpdateActions();
    EXPECT_FALSE(Action("DatabasePrintOpt")->isEnabled());
}

// An exported file dropped on the window opens the load wizard on it; the
// datasets of the same analyser are merged on request.
TEST_F(MainWindowExport, DroppedExportFileLoadsThroughTheWizard) {
    Export(Path("again.txt"), TickAll);
    Main().CurrentDataList()->DeleteDataset(0);
    Form().RebuildTree();
    ASSERT_EQ(ShownDatasets().size(), 18u);

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(Path("again.txt"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Form(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    auto merge = std::make_shared<SeenMessage>();
    AnswerNextModal([&](QWidget* wizard) {
        auto* load = wizard->findChild<QPushButton*>(QStringLiteral("OKBtn"));
        // The wizard reads the file by itself once it shows.
        ASSERT_TRUE(QTest::qWaitFor([&] { return load->text() == QStringLiteral("Load"); }));
        AnswerNextMessageBox(QMessageBox::Yes, merge);
        load->click();
    });
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Form(), &drop);
    ASSERT_TRUE(QTest::qWaitFor([&] { return merge->seen; }, 5000))
        << Main().DataLists().size() << " lists";
    ASSERT_EQ(Main().DataLists().size(), 1u);
    EXPECT_EQ(ShownDatasets().size(), 19u);
}

} // namespace
