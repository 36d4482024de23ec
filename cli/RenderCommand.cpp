// render and report: a view of one dataset drawn by the program's own widgets
// with the stored view settings, as a picture, or as the one-page report that
// "Print" prints. The program runs on the screen-less platform for it.

#include "cli/Commands.h"
#include "cli/OffscreenProgram.h"
#include "core/NumberFormat.h"
#include "core/Ombrix.h"
#include "mainwindow/TOrvMainForm.h"
#include "mainwindow/ViewPage.h"
#include "mainwindow/ViewPageControl.h"
#include "print/OrvReport.h"

#include <QApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <qcustomplot.h>

#include <algorithm>
#include <cctype>
#include <iostream>
#include <memory>

namespace ombrix::cli {

namespace {

// A picture larger than this on either side is refused rather than allocated.
constexpr int kLargestSide = 8000;
constexpr int kSmallestSide = 16;
// Pictures are measured in screen pixels; PDF pages get them at this density.
constexpr double kPictureDpi = 96.0;
constexpr double kPointsPerInch = 72.0;

enum class PictureKind { Png, Pdf, Svg };

std::string LowerExtension(const std::string& file) {
    std::string extension = std::filesystem::path(file).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

PictureKind PictureKindOf(const std::string& file) {
    const std::string extension = LowerExtension(file);
    if (extension == ".png") return PictureKind::Png;
    if (extension == ".pdf") return PictureKind::Pdf;
    if (extension == ".svg") return PictureKind::Svg;
    throw UsageError{"-o must end in .png, .pdf or .svg: " + file};
}

std::optional<QSize> SizeOf(const Arguments& args) {
    if (!args.Has("--size")) return std::nullopt;
    const std::string text = args.Value("--size");
    const auto x = text.find_first_of("xX");
    int width = 0;
    int height = 0;
    if (x == std::string::npos || !TryParseInt(text.substr(0, x), width) ||
        !TryParseInt(text.substr(x + 1), height) || width < kSmallestSide ||
        height < kSmallestSide || width > kLargestSide || height > kLargestSide)
        throw UsageError{"--size takes WxH, each between " + std::to_string(kSmallestSide) +
                         " and " + std::to_string(kLargestSide) + " pixels: " + text};
    return QSize(width, height);
}

// The platform's remarks about running without a screen are no news to the
// user of a command-line tool; its errors still go to standard error.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toLocal8Bit().constData() << "\n";
}

// The QApplication of one drawing run, on the screen-less platform unless the
// caller chose a platform.
class OffscreenApplication {
public:
    OffscreenApplication() {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietMessages);
        m_pApplication = std::make_unique<QApplication>(m_nArgc, m_Argv);
    }

private:
    int m_nArgc = 1;
    char m_Name[11] = "ombrix-cli";
    char* m_Argv[2] = {m_Name, nullptr};
    std::unique_ptr<QApplication> m_pApplication;
};

// What the program puts on the clipboard of a view: the page itself for the
// value, peak list and statistic pages, the chart of the other pages.
QWidget& PictureSource(TOrvMainForm& form, int sheet) {
    QWidget* page = form.PageControlView().Page(sheet);
    if (sheet == eSheetValue || sheet == eSheetPeakList || sheet == eSheetStatistic) return *page;
    if (ViewPage* view = form.InstalledViewPage(sheet))
        if (QWidget* chart = view->PictureSource()) return *chart;
    return *page;
}

// Draws `source` at `size` onto `device`. Charts draw themselves at any size
// (as lines and text where the device keeps them); other pages are laid out
// at that size and painted.
void DrawView(QWidget& source, QPaintDevice& device, const QSize& size, bool vector) {
    if (auto* plot = qobject_cast<QCustomPlot*>(&source)) {
        QCPPainter painter(&device);
        if (vector) {
            painter.setMode(QCPPainter::pmVectorized);
            painter.setMode(QCPPainter::pmNoCaching);
        }
        plot->toPainter(&painter, size.width(), size.height());
        return;
    }
    if (source.size() != size) {
        source.resize(size);
        QApplication::processEvents();
    }
    QPainter painter(&device);
    source.render(&painter, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

void Commit(QSaveFile& out, const std::string& file) {
    if (!out.commit())
        throw UsageError{"cannot write " + file + ": " + out.errorString().toStdString()};
}

QSaveFile& Open(QSaveFile& out, const std::string& file) {
    if (!out.open(QIODevice::WriteOnly))
        throw UsageError{"cannot write " + file + ": " + out.errorString().toStdString()};
    return out;
}

void WritePicture(QWidget& source, const QSize& size, PictureKind kind, const std::string& file) {
    QSaveFile out(QString::fromLocal8Bit(file));
    Open(out, file);
    switch (kind) {
    case PictureKind::Png: {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        DrawView(source, image, size, false);
        if (!image.save(&out, "PNG")) {
            out.cancelWriting();
            throw UsageError{"cannot write " + file};
        }
        break;
    }
    case PictureKind::Pdf: {
        QPdfWriter writer(&out);
        writer.setResolution(static_cast<int>(kPictureDpi));
        writer.setPageLayout(
            QPageLayout(QPageSize(QSizeF(size) * (kPointsPerInch / kPictureDpi), QPageSize::Point),
                        QPageLayout::Portrait, QMarginsF()));
        writer.setCreator(QString::fromLatin1(kApplicationTitle));
        DrawView(source, writer, size, true);
        break;
    }
    case PictureKind::Svg: {
        QSvgGenerator generator;
        generator.setOutputDevice(&out);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setResolution(static_cast<int>(kPictureDpi));
        generator.setTitle(QString::fromLatin1(kApplicationTitle));
        DrawView(source, generator, size, true);
        break;
    }
    }
    Commit(out, file);
}

struct DrawArguments {
    std::filesystem::path file;
    int sheet = 0;
    std::string output;
};

DrawArguments CheckDrawArguments(const Arguments& args, const std::string& command) {
    if (args.Positional().size() != 1) throw UsageError{command + " needs exactly one FILE"};
    if (!args.Has("--mem")) throw UsageError{"--mem N names the dataset"};
    const std::optional<int> sheet = ViewSheetOf(args.Value("--view"));
    if (!sheet) throw UsageError{"--view takes " + ViewSheetNames()};
    if (!args.Has("-o")) throw UsageError{command + " needs -o OUT"};
    return {args.Positional()[0], *sheet, args.Value("-o")};
}

} // namespace

int RenderCommand(const std::vector<std::string>& words) {
    const Arguments args(words, {"--mem", "--view", "--size", "-o"}, {});
    const DrawArguments draw = CheckDrawArguments(args, "render");
    const PictureKind kind = PictureKindOf(draw.output);
    const std::optional<QSize> size = SizeOf(args);

    OffscreenApplication application;
    OffscreenProgram program(false);
    if (!program.Start(draw.file)) return kExitFormatError;
    program.Show(args, draw.sheet);
    QWidget& source = PictureSource(program.Form(), draw.sheet);
    WritePicture(source, size.value_or(source.size()), kind, draw.output);
    return kExitOk;
}

int ReportCommand(const std::vector<std::string>& words) {
    const Arguments args(words, {"--mem", "--view", "-o"}, {});
    const DrawArguments draw = CheckDrawArguments(args, "report");
    if (LowerExtension(draw.output) != ".pdf")
        throw UsageError{"-o must end in .pdf: " + draw.output};

    OffscreenApplication application;
    OffscreenProgram program(true);
    if (!program.Start(draw.file)) return kExitFormatError;
    program.Show(args, draw.sheet);
    QString error;
    if (!WriteReportPdf(QString::fromLocal8Bit(draw.output), program.Form().MakeViewBitmap(),
                        error))
        throw UsageError{"cannot write " + draw.output + ": " + error.toStdString()};
    return kExitOk;
}

} // namespace ombrix::cli
