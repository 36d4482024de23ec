#include "core/ProgramPictures.h"

#include "core/Ombrix.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace ombrix {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Field lines of a magnetic dipole with a vertical axis: r = L sin^2(theta).
void PaintFieldLines(QPainter& p, QPointF centre, double scale, double lineWidth) {
    static constexpr std::array<double, 9> kLoops = {28, 46, 70, 100, 140, 190, 255, 340, 450};
    for (size_t i = 0; i < kLoops.size(); ++i) {
        const double loop = kLoops[i] * scale;
        const int alpha = 230 - static_cast<int>(i) * 18;
        QPen pen(QColor(120, 220, 255, alpha), lineWidth);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        for (int side : {-1, 1}) {
            QPainterPath path;
            for (int step = 0; step <= 240; ++step) {
                const double theta = 0.04 + (kPi - 0.08) * step / 240.0;
                const double r = loop * std::sin(theta) * std::sin(theta);
                const QPointF point(centre.x() + side * r * std::sin(theta),
                                    centre.y() - 0.92 * r * std::cos(theta));
                if (step == 0)
                    path.moveTo(point);
                else
                    path.lineTo(point);
            }
            p.drawPath(path);
        }
    }
}

// The coil that carries the field: a core with windings.
void PaintCoil(QPainter& p, QPointF centre, double scale) {
    const QRectF core(centre.x() - 9 * scale, centre.y() - 24 * scale, 18 * scale, 48 * scale);
    QLinearGradient metal(core.topLeft(), core.topRight());
    metal.setColorAt(0, QColor(90, 100, 115));
    metal.setColorAt(0.5, QColor(215, 225, 235));
    metal.setColorAt(1, QColor(90, 100, 115));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawRoundedRect(core, 4 * scale, 4 * scale);
    p.setPen(QPen(QColor(226, 140, 50), 2.2 * scale));
    for (int turn = 0; turn < 7; ++turn) {
        const double y = core.top() + 6 * scale + turn * 6 * scale;
        p.drawLine(QPointF(core.left() - 3 * scale, y),
                   QPointF(core.right() + 3 * scale, y + 2 * scale));
    }
}

// A spectrum of a mains field: the fundamental and falling odd harmonics, with
// the limit curve of an exposure standard above it.
void PaintSpectrum(QPainter& p, const QRectF& area) {
    static constexpr std::array<double, 20> kLevels = {0.92, 0.18, 0.55, 0.12, 0.40, 0.10, 0.30,
                                                       0.08, 0.22, 0.07, 0.17, 0.06, 0.13, 0.05,
                                                       0.10, 0.05, 0.08, 0.04, 0.06, 0.04};
    const double slot = area.width() / kLevels.size();
    for (size_t i = 0; i < kLevels.size(); ++i) {
        const double height = kLevels[i] * area.height() * 0.8;
        const QRectF bar(area.left() + i * slot + slot * 0.2, area.bottom() - height, slot * 0.6,
                         height);
        QLinearGradient fill(bar.bottomLeft(), bar.topLeft());
        fill.setColorAt(0, QColor(255, 150, 40, 210));
        fill.setColorAt(1, QColor(255, 220, 90, 230));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRect(bar);
    }
    QPainterPath limit;
    for (int x = 0; x <= 100; ++x) {
        const double t = x / 100.0;
        const QPointF point(area.left() + t * area.width(),
                            area.top() + area.height() * (0.02 + 0.55 * t * t));
        if (x == 0)
            limit.moveTo(point);
        else
            limit.lineTo(point);
    }
    p.setPen(QPen(QColor(255, 80, 90, 230), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(limit);
    p.setPen(QPen(QColor(200, 225, 240, 160), 1));
    p.drawLine(area.bottomLeft(), area.bottomRight());
}

} // namespace

QPixmap SplashPicture() {
    QPixmap picture(kSplashSize);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF all(QPointF(0, 0), QSizeF(kSplashSize));
    QLinearGradient sky(all.topLeft(), all.bottomLeft());
    sky.setColorAt(0, QColor(10, 27, 56));
    sky.setColorAt(1, QColor(18, 62, 96));
    p.fillRect(all, sky);

    const QPointF source(400, 165);
    QRadialGradient glow(source, 230);
    glow.setColorAt(0, QColor(70, 170, 220, 120));
    glow.setColorAt(1, QColor(70, 170, 220, 0));
    p.fillRect(all, glow);

    PaintFieldLines(p, source, 1.0, 1.6);
    PaintCoil(p, source, 1.0);
    PaintSpectrum(p, QRectF(370, 300, 200, 70));

    // A soft shade behind the name keeps it readable over the field lines.
    p.save();
    p.translate(170, 325);
    p.scale(1.0, 0.42);
    QRadialGradient shade(QPointF(0, 0), 250);
    shade.setColorAt(0, QColor(6, 18, 38, 225));
    shade.setColorAt(0.6, QColor(6, 18, 38, 150));
    shade.setColorAt(1, QColor(6, 18, 38, 0));
    p.fillRect(QRectF(-250, -250, 500, 500), shade);
    p.restore();

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(64);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QPointF(36, 326), QString::fromLatin1(kApplicationTitle));

    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(17);
    p.setFont(subtitle);
    p.setPen(QColor(150, 220, 250));
    p.drawText(QPointF(40, 354), QStringLiteral("Low-frequency field analysis"));

    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(12);
    p.setFont(small);
    p.setPen(QColor(190, 210, 225));
    const QString version =
        QString::fromLatin1(AboutVersionText(ProgramVersionInfo().productVersion));
    p.drawText(QRectF(0, 376, 588, 20), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Version ") + version);
    p.drawText(QRectF(40, 376, 300, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("DATALOG  \u00b7  REMOTE"));
    return picture;
}

QPixmap EmblemPicture(int side) {
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(1, 1, side - 2, side - 2);
    QRadialGradient fill(disc.center(), side / 2.0);
    fill.setColorAt(0, QColor(40, 110, 160));
    fill.setColorAt(1, QColor(10, 27, 56));
    p.setPen(QPen(QColor(150, 220, 250), 1.5));
    p.setBrush(fill);
    p.drawEllipse(disc);

    QPainterPath clip;
    clip.addEllipse(disc.adjusted(2, 2, -2, -2));
    p.setClipPath(clip);
    const double scale = side / 150.0;
    PaintFieldLines(p, disc.center(), scale, std::max(1.0, 1.4 * scale));
    PaintCoil(p, disc.center(), scale);
    return picture;
}

} // namespace ombrix
