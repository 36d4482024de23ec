#include "mainwindow/ToolBarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace ombrix {

namespace {

constexpr int kSide = 48; // drawn on a 24-unit grid at twice the size
const QColor kOutline(60, 60, 60);
const QColor kPaper(252, 252, 248);
const QColor kBlue(40, 100, 190);
const QColor kGreen(30, 160, 60);

void Page(QPainter& p, QRectF r) {
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kPaper);
    p.drawPath(path);
    for (double y = r.top() + 6; y < r.bottom() - 2; y += 3)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

void Magnifier(QPainter& p, QPointF centre, double radius, const char* sign) {
    p.setPen(QPen(kOutline, 2.5, Qt::SolidLine, Qt::RoundCap));
    const QPointF handle = centre + QPointF(radius * 0.75, radius * 0.75);
    p.drawLine(handle, handle + QPointF(5, 5));
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(QColor(220, 235, 250));
    p.drawEllipse(centre, radius, radius);
    if (!*sign) return;
    p.setPen(QPen(kBlue, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre - QPointF(radius * 0.5, 0), centre + QPointF(radius * 0.5, 0));
    if (sign[0] == '+')
        p.drawLine(centre - QPointF(0, radius * 0.5), centre + QPointF(0, radius * 0.5));
}

void Arrow(QPainter& p, QPointF from, QPointF to, QColor color) {
    p.setPen(QPen(color, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    p.drawLine(to, to - 4 * d + 3.5 * n);
    p.drawLine(to, to - 4 * d - 3.5 * n);
}

void RoundBadge(QPainter& p, const QString& text) {
    p.setPen(QPen(kBlue.darker(130), 1));
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(12, 12), 10, 10);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, text);
}

void Draw(QPainter& p, ToolBarPicture picture) {
    switch (picture) {
    case ToolBarPicture::Load:
        p.setPen(QPen(kOutline, 1.5));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(3, 16, 18, 5));
        Arrow(p, {12, 2}, {12, 14}, kBlue);
        break;
    case ToolBarPicture::Play: {
        QPolygonF triangle({{6, 3}, {20, 12}, {6, 21}});
        p.setPen(QPen(kGreen.darker(150), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(kGreen);
        p.drawPolygon(triangle);
        break;
    }
    case ToolBarPicture::Reset:
        p.setPen(QPen(QColor(210, 110, 20), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 4, 16, 16), 100 * 16, 280 * 16);
        p.drawLine(QPointF(10, 3.5), QPointF(14, 1));
        p.drawLine(QPointF(10, 3.5), QPointF(13.5, 7));
        break;
    case ToolBarPicture::Export:
        Page(p, QRectF(3, 2, 13, 19));
        Arrow(p, {10, 15}, {22, 15}, kGreen);
        break;
    case ToolBarPicture::Clipboard:
        p.setPen(QPen(kOutline, 1));
        p.setBrush(QColor(170, 120, 60));
        p.drawRoundedRect(QRectF(4, 3, 16, 19), 2, 2);
        Page(p, QRectF(6.5, 6, 11, 14));
        p.setBrush(QColor(150, 150, 150));
        p.drawRect(QRectF(9, 1.5, 6, 3));
        break;
    case ToolBarPicture::Print:
        Page(p, QRectF(7, 2, 10, 9));
        p.setPen(QPen(kOutline, 1));
        p.setBrush(QColor(150, 150, 155));
        p.drawRoundedRect(QRectF(2, 10, 20, 9), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(6, 16, 12, 6));
        break;
    case ToolBarPicture::Preview:
        Page(p, QRectF(3, 2, 14, 19));
        Magnifier(p, {14, 13}, 4.5, "");
        break;
    case ToolBarPicture::Setup:
        p.setPen(QPen(kOutline, 1.5, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            const double y = 5 + 7 * i;
            p.drawLine(QPointF(3, y), QPointF(21, y));
        }
        p.setBrush(kBlue);
        p.drawRect(QRectF(13, 3, 4, 4));
        p.drawRect(QRectF(6, 10, 4, 4));
        p.drawRect(QRectF(15, 17, 4, 4));
        break;
    case ToolBarPicture::ZoomOut:
        Magnifier(p, {10, 10}, 7, "-");
        break;
    case ToolBarPicture::ZoomIn:
        Magnifier(p, {10, 10}, 7, "+");
        break;
    case ToolBarPicture::Info:
        RoundBadge(p, QStringLiteral("i"));
        break;
    case ToolBarPicture::Help:
        RoundBadge(p, QStringLiteral("?"));
        break;
    }
}

} // namespace

QIcon ToolBarIcon(ToolBarPicture picture) {
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kSide / 24.0, kSide / 24.0);
    Draw(painter, picture);
    painter.end();
    return QIcon(pixmap);
}

} // namespace ombrix
