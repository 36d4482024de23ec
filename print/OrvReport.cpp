#include "print/OrvReport.h"

#include "core/Ombrix.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QScreen>

namespace ombrix {

namespace {

constexpr double kFallbackScreenDpi = 96.0;
// Fine enough that a chart's thin lines stay sharp on paper.
constexpr int kPdfResolution = 600;

} // namespace

QPageLayout ReportPageLayout() {
    return QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kReportMarginMm, kReportMarginMm, kReportMarginMm, kReportMarginMm),
        QPageLayout::Millimeter);
}

double ScreenDotsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 0.0;
    return dpi > 0.0 ? dpi : kFallbackScreenDpi;
}

QRectF ReportPictureRect(const QSizeF& printable, double deviceDpi, const QSize& picture,
                         double screenDpi) {
    if (picture.isEmpty() || printable.isEmpty() || deviceDpi <= 0.0 || screenDpi <= 0.0) return {};
    QSizeF size = QSizeF(picture) * (deviceDpi / screenDpi);
    if (size.width() > printable.width() || size.height() > printable.height())
        size.scale(printable, Qt::KeepAspectRatio);
    return QRectF(QPointF(0, 0), size);
}

bool PaintReport(QPagedPaintDevice& device, const QImage& picture) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    if (picture.isNull()) return painter.end();
    const int dpi = device.logicalDpiX();
    const QRectF printable = device.pageLayout().paintRectPixels(dpi);
    const QRectF target =
        ReportPictureRect(printable.size(), dpi, picture.size(), ScreenDotsPerInch());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    return painter.end();
}

bool WriteReportPdf(const QString& file, const QImage& picture, QString& error) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        error = out.errorString();
        return false;
    }
    {
        QPdfWriter writer(&out);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(ReportPageLayout());
        writer.setCreator(QString::fromLatin1(kApplicationTitle));
        writer.setTitle(QString::fromLatin1(kApplicationTitle));
        if (!PaintReport(writer, picture)) {
            out.cancelWriting();
            error = QStringLiteral("the page could not be drawn");
            return false;
        }
    }
    if (!out.commit()) {
        error = out.errorString();
        return false;
    }
    return true;
}

} // namespace ombrix
