#pragma once
// The one-page report: an A4 portrait page with 12.7 mm margins whose only
// content is the picture of the view (with the information and comment above
// it when the print options say so). Print, the preview and ombrix-cli paint
// the page with these functions, so all three give the same page.

#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <QSize>
#include <QString>

class QPagedPaintDevice;

namespace ombrix {

inline constexpr double kReportMarginMm = 12.7;

// A4, portrait, 12.7 mm on all four sides.
QPageLayout ReportPageLayout();

// Dots per inch of the screen on which the picture was composed; the picture
// prints at the size it had there.
double ScreenDotsPerInch();

// Where a picture of `picture` pixels lands, in the device's pixels relative
// to the top left corner of the printable area: at that corner, at its screen
// size; a picture larger than the printable area is shrunk to fit it, keeping
// its proportions, rather than cut off at the margins.
QRectF ReportPictureRect(const QSizeF& printable, double deviceDpi, const QSize& picture,
                         double screenDpi);

// Paints the page onto `device` (a printer, a PDF writer): the picture at the
// top left of the printable area; a null picture leaves the page empty.
// False when the device cannot be painted on (no printer, a file that cannot
// be written).
bool PaintReport(QPagedPaintDevice& device, const QImage& picture);

// The page as a PDF file in the report's layout. The file is written next to
// its final name and renamed over it only when complete, so a failure leaves
// an earlier file whole; `error` says why it failed.
bool WriteReportPdf(const QString& file, const QImage& picture, QString& error);

} // namespace ombrix
