#pragma once
// A small filled rectangle that shows a colour of the view settings beside the
// "..." button that edits it.

#include <QColor>
#include <QFrame>

#include <cstdint>

namespace ombrix {

class ColorShape : public QFrame {
    Q_OBJECT
public:
    explicit ColorShape(QWidget* parent = nullptr);

    QColor Color() const { return m_Color; }
    void SetColor(const QColor& color);
    // The colour as the view settings store it: R + 256 G + 65536 B.
    std::uint32_t StoredColor() const;
    void SetStoredColor(std::uint32_t color);

    QSize sizeHint() const override { return {36, 18}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_Color = Qt::white;
};

} // namespace ombrix
