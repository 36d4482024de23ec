#include "presentation/ColorShape.h"

#include <QPainter>

namespace ombrix {

ColorShape::ColorShape(QWidget* parent) : QFrame(parent) {
    setFixedSize(sizeHint());
}

void ColorShape::SetColor(const QColor& color) {
    m_Color = color;
    update();
}

std::uint32_t ColorShape::StoredColor() const {
    return static_cast<std::uint32_t>(m_Color.red()) |
           (static_cast<std::uint32_t>(m_Color.green()) << 8) |
           (static_cast<std::uint32_t>(m_Color.blue()) << 16);
}

void ColorShape::SetStoredColor(std::uint32_t color) {
    SetColor(QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
}

void ColorShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Shadow), 1));
    p.setBrush(m_Color);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace ombrix
