// Printing: the print / clipboard options dialog, the one-page report's
// layout, "Print" through the printer dialog to a PDF file, and the preview
// window with its controls.

#include "MainWindowFixture.h"

#include "print/OrvReport.h"
#include "print/Preview.h"
#include "print/TPrintOptionDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>

#include <optional>

using namespace ombrix;
using uitest::AnswerNextMessageBox;
using uitest::AnswerNextModal;
using uitest::SeenMessage;

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;

// The page size of a PDF file in points, from its first media box.
std::optional<QSizeF> PdfPageSize(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = pdf.readAll();
    if (!bytes.startsWith("%PDF")) return std::nullopt;
    static const QRegularExpression box(
        QStringLiteral(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])"));
    const QRegularExpressionMatch match = box.match(QString::fromLatin1(bytes));
    if (!match.hasMatch()) return std::nullopt;
    return QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
}

// ---- the options dialog -----------------------------------------------------------------------

class PrintOptionDialog : public ::testing::Test {
protected:
    void SetUp() override { uitest::ClearSettings(); }
    void TearDown() override { uitest::ClearSettings(); }

    QCheckBox* Box(const char* name) const {
        return m_Dialog.findChild<QCheckBox*>(QString::fromLatin1(name));
    }
    // Opens the dialog, lets `change` act on it, and closes it with `button`.
    void Run(const std::function<void()>& change, const char* button) {
        AnswerNextModal([&](QWidget* dialog) {
            change();
            dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        });
        m_Dialog.exec();
    }

    TPrintOptionDlg m_Dialog;
};

TEST_F(PrintOptionDialog, CaptionsAndEveryOptionOnWhenNoneIsStored) {
    std::array<bool, 3> shown{};
    Run(
        [&] {
            shown = {Box("CheckBoxShow")->isChecked(), Box("CheckBoxInfoBlock")->isChecked(),
                     Box("CheckBoxComment")->isChecked()};
        },
        "CancelBtn");
    EXPECT_EQ(shown, (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(m_Dialog.windowTitle(), QStringLiteral("Print / clipboard options"));
    EXPECT_EQ(Box("CheckBoxShow")->text(), QStringLiteral("Show this dialog every time"));
    EXPECT_EQ(Box("CheckBoxInfoBlock")->text(), QStringLiteral("info-header"));
    EXPECT_EQ(Box("CheckBoxComment")->text(), QStringLiteral("customer input"));
    EXPECT_EQ(m_Dialog.findChild<QGroupBox*>()->title(), QStringLiteral("Include..."));
}

// Each showing reads the stored options afresh; OK writes all three as 1 or
// 0, Cancel writes nothing.
TEST_F(PrintOptionDialog, ShowReadsOkWritesCancelKeeps) {
    WriteRegInt(reg::kShowPrnOptDlg, 1);
    WriteRegInt(reg::kPrnOptInfo, 0);
    WriteRegInt(reg::kPrnOptComment, 7); // any value but 0 is on
    std::array<bool, 3> shown{};
    auto flipAll = [&] {
        shown = {Box("CheckBoxShow")->isChecked(), Box("CheckBoxInfoBlock")->isChecked(),
                 Box("CheckBoxComment")->isChecked()};
        for (const char* name : {"CheckBoxShow", "CheckBoxInfoBlock", "CheckBoxComment"})
            Box(name)->click();
    };
    Run(flipAll, "CancelBtn");
    EXPECT_EQ(shown, (std::array<bool, 3>{true, false, true}));
    EXPECT_EQ(ReadRegInt(reg::kShowPrnOptDlg, -1), 1);
    EXPECT_EQ(ReadRegInt(reg::kPrnOptInfo, -1), 0);
    EXPECT_EQ(ReadRegInt(reg::kPrnOptComment, -1), 7);

    Run(flipAll, "OKBtn");
    EXPECT_EQ(shown, (std::array<bool, 3>{true, false, true})); // Cancel changed nothing
    EXPECT_EQ(ReadRegInt(reg::kShowPrnOptDlg, -1), 0);
    EXPECT_EQ(ReadRegInt(reg::kPrnOptInfo, -1), 1);
    EXPECT_EQ(ReadRegInt(reg::kPrnOptComment, -1), 0);
}

// ---- the page ------------------------------------------------------------------------------

struct PictureCase {
    const char* what;
    QSizeF printable;
    double deviceDpi;
    QSize picture;
    double screenDpi;
    QRectF expected;
};

TEST(ReportLayout, PictureAtTheTopLeftAtScreenSizeShrunkOnlyToFit) {
    const PictureCase cases[] = {
        {"printed at its screen size", {4000, 6000}, 600, {320, 240}, 96, {0, 0, 2000, 1500}},
        {"same density", {800, 1000}, 96, {800, 300}, 96, {0, 0, 800, 300}},
        {"too wide: shrunk to the width", {1000, 2000}, 96, {2000, 500}, 96, {0, 0, 1000, 250}},
        {"too tall: shrunk to the height", {1000, 1000}, 96, {200, 4000}, 96, {0, 0, 50, 1000}},
        {"no picture", {1000, 1000}, 96, {}, 96, {}},
    };
    for (const PictureCase& c : cases) {
        const QRectF got = ReportPictureRect(c.printable, c.deviceDpi, c.picture, c.screenDpi);
        EXPECT_NEAR(got.x(), c.expected.x(), 1e-9) << c.what;
        EXPECT_NEAR(got.y(), c.expected.y(), 1e-9) << c.what;
        EXPECT_NEAR(got.width(), c.expected.width(), 1e-6) << c.what;
        EXPECT_NEAR(got.height(), c.expected.height(), 1e-6) << c.what;
    }
}

TEST(ReportLayout, PdfIsOneA4PortraitPageAndAFailedWriteSaysSo) {
    const QPageLayout layout = ReportPageLayout();
    EXPECT_EQ(layout.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(layout.orientation(), QPageLayout::Portrait);
    EXPECT_EQ(layout.margins(QPageLayout::Millimeter),
              QMarginsF(kReportMarginMm, kReportMarginMm, kReportMarginMm, kReportMarginMm));
    // The printable area the page leaves to the picture, in millimetres.
    EXPECT_NEAR(layout.paintRect(QPageLayout::Millimeter).width(), 184.6, 0.1);
    EXPECT_NEAR(layout.paintRect(QPageLayout::Millimeter).height(), 271.6, 0.1);

    QTemporaryDir folder;
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QString error;
    const QString file = folder.filePath(QStringLiteral("report.pdf"));
    ASSERT_TRUE(WriteReportPdf(file, picture, error)) << error.toStdString();
    const std::optional<QSizeF> page = PdfPageSize(file);
    ASSERT_TRUE(page);
    EXPECT_NEAR(page->width(), 210 * kPointsPerMm, 1.0);
    EXPECT_NEAR(page->height(), 297 * kPointsPerMm, 1.0);

    // A folder in place of the file: nothing can be written, and it says so.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("taken.pdf")));
    EXPECT_FALSE(WriteReportPdf(folder.filePath(QStringLiteral("taken.pdf")), picture, error));
    EXPECT_FALSE(error.isEmpty());
}

// ---- the main window's print actions --------------------------------------------------------

class Printing : public uitest::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        QApplication::setQuitOnLastWindowClosed(false);
        StartDatalog();
        Select(Main().CurrentDataList()->GetDataset(0));
    }

    // The printer dialog answered with a PDF file as the printer.
    static std::function<void(QWidget*)> PrintTo(const QString& file) {
        return [file](QWidget* window) {
            auto* dialog = qobject_cast<QPrintDialog*>(window);
            ASSERT_NE(dialog, nullptr);
            dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog->printer()->setOutputFileName(file);
            dialog->done(QDialog::Accepted);
        };
    }

    QTemporaryDir m_Folder;
};

// The options dialog comes before the printer dialog until the user clears
// "Show this dialog every time"; then Print goes straight to the printer, and
// the options stay reachable from their menu item.
TEST_F(Printing, OptionsDialogFirstUntilTurnedOffThenStraightToThePrinter) {
    const QString first = m_Folder.filePath(QStringLiteral("first.pdf"));
    QStringList order;
    AnswerNextModal([&](QWidget* options) {
        order << options->objectName();
        AnswerNextModal([&, print = PrintTo(first)](QWidget* printer) {
            order << printer->objectName();
            print(printer);
        });
        options->findChild<QCheckBox*>(QStringLiteral("CheckBoxShow"))->setChecked(false);
        options->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    Trigger("DatabasePrint");
    EXPECT_EQ(order,
              (QStringList{QStringLiteral("PrintOptionDlg"), QStringLiteral("PrintDialog")}));
    EXPECT_TRUE(PdfPageSize(first));
    EXPECT_EQ(ReadRegInt(reg::kShowPrnOptDlg, -1), 0);

    const QString second = m_Folder.filePath(QStringLiteral("second.pdf"));
    order.clear();
    AnswerNextModal([&, print = PrintTo(second)](QWidget* printer) {
        order << printer->objectName();
        print(printer);
    });
    Trigger("DatabasePrint");
    EXPECT_EQ(order, QStringList{QStringLiteral("PrintDialog")});
    EXPECT_TRUE(PdfPageSize(second));

    AnswerNextModal([&](QWidget* options) {
        order << options->objectName();
        static_cast<QDialog*>(options)->reject();
    });
    Trigger("DatabasePrintOpt");
    EXPECT_EQ(order.last(), QStringLiteral("PrintOptionDlg"));
}

// A page that cannot be printed is reported, not passed over in silence.
TEST_F(Printing, AFailedPrintSaysSo) {
    WriteRegInt(reg::kShowPrnOptDlg, 0);
    const QString blocked = m_Folder.filePath(QStringLiteral("taken.pdf"));
    ASSERT_TRUE(QDir(m_Folder.path()).mkdir(QStringLiteral("taken.pdf")));
    auto seen = std::make_shared<SeenMessage>();
    AnswerNextModal([&, print = PrintTo(blocked)](QWidget* printer) {
        AnswerNextMessageBox(QMessageBox::Ok, seen);
        print(printer);
    });
    Trigger("DatabasePrint");
    ASSERT_TRUE(seen->seen);
    EXPECT_EQ(seen->title, QStringLiteral("Ombrix Error"));
    EXPECT_TRUE(seen->text.startsWith(QStringLiteral("The page could not be printed on")))
        << seen->text.toStdString();
}

// The preview follows the rule of Print, shows the one page beside the main
// window, and its ten controls do what their hints say.
TEST_F(Printing, PreviewShowsThePageWithItsControls) {
    WriteRegInt(reg::kShowPrnOptDlg, 0);
    Form().UpdateActions();
    EXPECT_TRUE(Action("DatabasePreview")->isEnabled());
    Trigger("DatabasePreview");
    auto* preview = Form().findChild<TPreviewForm*>();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_TRUE(preview->isWindow());
    QPrintPreviewWidget* area = preview->Preview();
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->objectName(), QStringLiteral("QRPreview"));
    EXPECT_EQ(area->pageCount(), 1);
    EXPECT_EQ(area->currentPage(), 1);
    EXPECT_DOUBLE_EQ(area->zoomFactor(), 1.0);

    const std::pair<const char*, const char*> controls[] = {
        {"ToolButtonZoomToFit", "Entire page"},
        {"ToolButtonZoomTo100", "Normal"},
        {"ToolButtonZoomToWidth", "Pagewidth"},
        {"ToolButtonFirstPage", "First"},
        {"ToolButtonPrevPage", "Previous"},
        {"ToolButtonNextPage", "Next"},
        {"ToolButtonLastPage", "Last"},
        {"ToolButtonPrinterSetup", "Print setup"},
        {"ToolButtonPrint", "Print"}};
    for (const auto& [name, hint] : controls) {
        auto* button = preview->findChild<QToolButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->toolTip(), QString::fromLatin1(hint)) << name;
    }
    auto click = [&](const char* name) {
        preview->findChild<QToolButton*>(QString::fromLatin1(name))->click();
    };
    click("ToolButtonZoomToFit");
    EXPECT_EQ(area->zoomMode(), QPrintPreviewWidget::FitInView);
    click("ToolButtonZoomToWidth");
    EXPECT_EQ(area->zoomMode(), QPrintPreviewWidget::FitToWidth);
    click("ToolButtonZoomTo100");
    EXPECT_EQ(area->zoomMode(), QPrintPreviewWidget::CustomZoom);
    EXPECT_DOUBLE_EQ(area->zoomFactor(), 1.0);
    // One page: paging stays on it.
    for (const char* name : {"ToolButtonNextPage", "ToolButtonLastPage", "ToolButtonPrevPage"}) {
        click(name);
        EXPECT_EQ(area->currentPage(), 1) << name;
    }

    const QString file = m_Folder.filePath(QStringLiteral("from-preview.pdf"));
    AnswerNextModal(PrintTo(file));
    click("ToolButtonPrint");
    EXPECT_TRUE(PdfPageSize(file));

    preview->findChild<QPushButton*>(QStringLiteral("ButtonClose"))->click();
    EXPECT_FALSE(preview->isVisible());
    // Created once and kept: the next preview shows the same window again.
    Trigger("DatabasePreview");
    EXPECT_EQ(Form().findChild<TPreviewForm*>(), preview);
    EXPECT_TRUE(preview->isVisible());
    preview->close();
}

} // namespace

namespace {

// Pictures of the options dialog and the preview to look at, written only when
// OMBRIX_SHOTS names a folder.
TEST_F(Printing, Shots) {
    const QString folder = qEnvironmentVariable("OMBRIX_SHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "OMBRIX_SHOTS names no folder";
    QDir().mkpath(folder);
    auto save = [&](QWidget* window, const char* name) {
        QTest::qWait(150);
        EXPECT_TRUE(window->grab().save(QDir(folder).filePath(QString::fromLatin1(name))));
    };
    AnswerNextModal([&](QWidget* options) {
        save(options, "print-options.png");
        static_cast<QDialog*>(options)->accept();
    });
    Trigger("DatabasePreview");
    auto* preview = Form().findChild<TPreviewForm*>();
    ASSERT_NE(preview, nullptr);
    preview->resize(1100, 800);
    save(preview, "preview.png");
    preview->close();
}

} // namespace
