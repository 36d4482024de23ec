#include "mainwindow/OrvChart.h"

#include "core/OrvMainObject.h"
#include "datasets/OrvDataset.h"
#include "presentation/ViewSetupStruct.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace ombrix {

namespace {

constexpr int kScrollBarThickness = 14;
constexpr int kScrollBarInset = 4;
constexpr int kScrollMax = 100;
constexpr int kCrossHalf = 8;
constexpr int kMarkerPenWidth = 3;
constexpr int kMarkerPointSize = 10;
constexpr int kFootPadding = 4;
// A drag shorter than this is a click, not a zoom.
constexpr int kMinZoomPixels = 4;

} // namespace

QColor ToQColor(ChartColor color) {
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

ChartColor FromQColor(const QColor& color) {
    return static_cast<ChartColor>(color.red()) | (static_cast<ChartColor>(color.green()) << 8) |
           (static_cast<ChartColor>(color.blue()) << 16);
}

OrvChart::OrvChart(ZoomState& zoom, std::optional<ZoomableChart> zoomable, const char* objectName,
                   const char* hScrollBarName, const char* vScrollBarName, QWidget* parent)
    : QCustomPlot(parent), m_Zoom(zoom), m_Zoomable(zoomable) {
    setObjectName(QString::fromLatin1(objectName));
    setBackground(Qt::white);
    setInteractions({});
    // A line of many short segments drawn piece by piece with a wide pen costs
    // a quarter of a millisecond a segment; as one polyline it costs almost
    // nothing.
    setPlottingHint(QCP::phFastPolylines, true);
    setSelectionRectMode(QCP::srmNone);
    setMouseTracking(true);
    axisRect()->setRangeZoomAxes(xAxis, yAxis);
    xAxis2->setVisible(false);
    yAxis2->setVisible(false);

    m_pTitle = new QCPTextElement(this, QString(), QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    plotLayout()->insertRow(0);
    plotLayout()->addElement(0, 0, m_pTitle);
    m_pFoot = new QCPTextElement(this, QString());
    m_pFoot->setTextFlags(Qt::AlignRight | Qt::AlignTop);
    plotLayout()->addElement(2, 0, m_pFoot);

    // The zoom runs here, after the rectangle, not in the plot's own handler,
    // so that a click without a drag does not collapse the axes.
    connect(selectionRect(), &QCPSelectionRect::accepted, this,
            [this](const QRect& rect, QMouseEvent* event) { RectSelected(rect, event); });

    if (Zoomable()) {
        m_pScrollBarH = new QScrollBar(Qt::Horizontal, this);
        m_pScrollBarV = new QScrollBar(Qt::Vertical, this);
        m_pScrollBarH->setObjectName(QString::fromLatin1(hScrollBarName ? hScrollBarName : ""));
        m_pScrollBarV->setObjectName(QString::fromLatin1(vScrollBarName ? vScrollBarName : ""));
        // Up on the bar is up on the axis.
        m_pScrollBarV->setInvertedAppearance(true);
        m_pScrollBarV->setInvertedControls(true);
        for (QScrollBar* bar : {m_pScrollBarH, m_pScrollBarV}) {
            bar->setRange(0, kScrollMax);
            bar->setPageStep(0);
            bar->setCursor(Qt::ArrowCursor);
        }
        connect(m_pScrollBarH, &QScrollBar::valueChanged, this,
                [this] { ScrollBarChange(m_pScrollBarH, xAxis); });
        connect(m_pScrollBarV, &QScrollBar::valueChanged, this,
                [this] { ScrollBarChange(m_pScrollBarV, yAxis); });
        SyncScrollBars();
    }
}

OrvChart::~OrvChart() = default;

// ---- texts ------------------------------------------------------------------------------

void OrvChart::SetTitle(const QString& text) {
    m_pTitle->setText(text);
}

void OrvChart::SetFootText(const QString& text) {
    m_pFoot->setText(text);
}

void OrvChart::PlaceLegendBelow() {
    if (legend->layout() == plotLayout()) return;
    axisRect()->insetLayout()->take(legend);
    const int footRow = plotLayout()->rowCount() - 1;
    plotLayout()->insertRow(footRow);
    plotLayout()->addElement(footRow, 0, legend);
    plotLayout()->setRowStretchFactor(footRow, 0.001);
    legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    legend->setBorderPen(Qt::NoPen);
    legend->setMargins(QMargins(4, 2, 4, 2));
}

void OrvChart::ShowLegendRow(bool shown) {
    if (shown) {
        PlaceLegendBelow();
    } else if (legend->layout() == plotLayout()) {
        plotLayout()->take(legend);
        plotLayout()->simplify();
    }
    legend->setVisible(shown);
}

// ---- axes --------------------------------------------------------------------------------

void OrvChart::SetAxisAutomatic(QCPAxis* axis, bool automatic) {
    if (axis == xAxis) m_bXAutomatic = automatic;
    if (axis == yAxis) m_bYAutomatic = automatic;
}

bool OrvChart::AxisAutomatic(QCPAxis* axis) const {
    if (m_bZoomed && (axis == xAxis || axis == yAxis)) return false;
    if (axis == xAxis) return m_bXAutomatic;
    if (axis == yAxis) return m_bYAutomatic;
    return true;
}

void OrvChart::ApplyValueAxis(QCPAxis* axis, bool automatic, double min, double max) {
    SetAxisAutomatic(axis, automatic);
    if (m_bZoomed || automatic) return;
    if (min < max) axis->setRange(min, max);
}

void OrvChart::RescaleAutomaticAxes() {
    if (m_bZoomed) return;
    if (m_bXAutomatic) xAxis->rescale(true);
    RescaleValueAxes();
}

void OrvChart::RescaleValueAxes() {
    if (m_bZoomed) return;
    for (QCPAxis* axis : {yAxis, yAxis2}) {
        if (axis == yAxis && !m_bYAutomatic) continue;
        // Only the shown stretch of the keys counts, so that a time window
        // scales to what it shows.
        const QCP::SignDomain domain =
            axis->scaleType() == QCPAxis::stLogarithmic ? QCP::sdPositive : QCP::sdBoth;
        bool any = false;
        QCPRange total;
        for (int i = 0; i < plottableCount(); ++i) {
            QCPAbstractPlottable* p = plottable(i);
            if (!p->visible() || p->valueAxis() != axis || p->keyAxis() != xAxis) continue;
            bool found = false;
            const QCPRange r = p->getValueRange(found, domain, xAxis->range());
            if (!found) continue;
            total =
                any ? QCPRange(std::min(total.lower, r.lower), std::max(total.upper, r.upper)) : r;
            any = true;
        }
        if (!any) continue;
        if (total.lower == total.upper) {
            const double half = total.lower == 0 ? 1 : std::fabs(total.lower) * 0.05;
            total = QCPRange(total.lower - half, total.upper + half);
            if (domain == QCP::sdPositive && total.lower <= 0) total.lower = total.upper * 0.01;
        }
        axis->setRange(total);
    }
}

// ---- zoom --------------------------------------------------------------------------------

void OrvChart::RectSelected(const QRect& rect, QMouseEvent*) {
    if (!Zoomable() || !m_Zoom.Armed()) return;
    ZoomToRect(rect.normalized());
}

void OrvChart::ZoomToRect(const QRect& pixels) {
    if (pixels.width() < kMinZoomPixels || pixels.height() < kMinZoomPixels) return;
    if (!m_bZoomed) {
        m_SavedX = {xAxis, xAxis->range()};
        m_SavedY = {yAxis, yAxis->range()};
    }
    xAxis->setRange(xAxis->pixelToCoord(pixels.left()), xAxis->pixelToCoord(pixels.right()));
    yAxis->setRange(yAxis->pixelToCoord(pixels.bottom()), yAxis->pixelToCoord(pixels.top()));
    m_bZoomed = true;
    if (m_Zoomable) m_Zoom.Zoomed(*m_Zoomable);
    setSelectionRectMode(QCP::srmNone);
    setCursor(Qt::ArrowCursor);
    SyncScrollBars();
    replot();
    emit RectZoomed();
}

void OrvChart::UndoZoom() {
    if (m_bZoomed) {
        m_bZoomed = false;
        if (m_SavedX.axis) m_SavedX.axis->setRange(m_SavedX.range);
        if (m_SavedY.axis) m_SavedY.axis->setRange(m_SavedY.range);
    }
    if (m_Zoomable) m_Zoom.Unzoomed(*m_Zoomable);
    setSelectionRectMode(QCP::srmNone);
    setCursor(Qt::ArrowCursor);
    RescaleAutomaticAxes();
    SyncScrollBars();
    replot();
    emit ZoomUndone();
}

// ---- scroll bars ---------------------------------------------------------------------------

bool OrvChart::DataSpan(QCPAxis* axis, double& min, double& max) const {
    bool any = false;
    auto* plot = const_cast<OrvChart*>(this);
    for (int i = 0; i < plot->plottableCount(); ++i) {
        QCPAbstractPlottable* p = plot->plottable(i);
        if (!p->visible()) continue;
        bool found = false;
        QCPRange r;
        if (p->keyAxis() == axis)
            r = p->getKeyRange(found);
        else if (p->valueAxis() == axis)
            r = p->getValueRange(found);
        if (!found) continue;
        min = any ? std::min(min, r.lower) : r.lower;
        max = any ? std::max(max, r.upper) : r.upper;
        any = true;
    }
    return any;
}

void OrvChart::SyncScrollBar(QScrollBar* bar, QCPAxis* axis) {
    double min = 0;
    double max = 0;
    // A disabled bar needs no position, and the span costs a pass over the data.
    const bool automatic = AxisAutomatic(axis);
    const bool known = !automatic && DataSpan(axis, min, max);
    const ScrollBarState state =
        ombrix::SyncScrollBar(automatic, axis->range().lower, known ? min : 0, known ? max : 0);
    bar->setEnabled(state.enabled);
    if (state.position) bar->setValue(std::clamp(*state.position, 0, kScrollMax));
}

void OrvChart::SyncScrollBars() {
    if (!Zoomable()) return;
    m_bUpdating = true;
    SyncScrollBar(m_pScrollBarH, xAxis);
    SyncScrollBar(m_pScrollBarV, yAxis);
    m_bUpdating = false;
}

void OrvChart::ScrollBarChange(QScrollBar* bar, QCPAxis* axis) {
    if (m_bUpdating || AxisAutomatic(axis)) return;
    double min = 0;
    double max = 0;
    if (!DataSpan(axis, min, max)) return;
    const AxisRange range =
        ScrolledRange(bar->value(), {axis->range().lower, axis->range().upper}, min, max);
    axis->setRange(range.min, range.max);
    replot();
}

void OrvChart::PlaceScrollBars() {
    if (!Zoomable()) return;
    const ScrollBarPlacement place =
        ombrix::PlaceScrollBars(width(), height(), kScrollBarThickness);
    m_pScrollBarH->setGeometry(place.hLeft, place.hTop, place.hWidth, kScrollBarThickness);
    m_pScrollBarV->setGeometry(place.vLeft, place.vTop, kScrollBarThickness, place.vHeight);
}

void OrvChart::resizeEvent(QResizeEvent* event) {
    QCustomPlot::resizeEvent(event);
    if (Zoomable()) {
        // The plot leaves room for the bars along its bottom and right edges.
        const int room = kScrollBarThickness + kScrollBarInset;
        setViewport(rect().adjusted(0, 0, -room, -room));
        PlaceScrollBars();
    }
}

// ---- marker --------------------------------------------------------------------------------

OrvDataset* OrvChart::CurrentDataset() const {
    OrvMainObject* main = MainObject();
    return main ? main->CurrentDataset() : nullptr;
}

void OrvChart::EnableMarker(bool enabled) {
    m_bMarkerEnabled = enabled;
    const QFontMetrics metrics(MarkerFont());
    m_pFoot->setMinimumSize(0, enabled ? 2 * metrics.height() + kFootPadding : 0);
}

bool OrvChart::MarkerShown() const {
    return m_bMarkerEnabled && ViewSetup().GetMarkerVisible() && CurrentDataset() != nullptr;
}

std::string OrvChart::MarkerText() {
    OrvDataset* dataset = CurrentDataset();
    return dataset ? dataset->GetMarkerText() : std::string();
}

QStringList OrvChart::MarkerTextLines() const {
    QStringList lines;
    if (!MarkerShown()) return lines;
    try {
        for (const std::string& line :
             ombrix::MarkerTextLines(const_cast<OrvChart*>(this)->MarkerText()))
            lines << QString::fromLatin1(line);
    } catch (...) {
        // A marker text that cannot be made leaves the foot empty.
    }
    return lines;
}

std::optional<QPointF> OrvChart::MarkerGrabPoint(double mouseY) {
    const std::optional<QPointF> marker = MarkerPixel();
    if (!marker) return std::nullopt;
    return QPointF(marker->x(), mouseY);
}

QFont OrvChart::MarkerFont() const {
    QFont font = this->font();
    font.setItalic(true);
    font.setPointSize(kMarkerPointSize);
    return font;
}

void OrvChart::paintEvent(QPaintEvent* event) {
    QCustomPlot::paintEvent(event);
    if (!MarkerShown()) return;
    QPainter painter(this);
    DrawMarker(painter);
    DrawMarkerText(painter);
}

void OrvChart::DrawMarker(QPainter& painter) {
    std::optional<QPointF> marker;
    try {
        marker = MarkerPixel();
    } catch (...) {
        return;
    }
    const QColor background = mBackgroundBrush.style() == Qt::NoBrush
                                  ? QApplication::palette().color(QPalette::Button)
                                  : mBackgroundBrush.color();
    painter.save();
    painter.setClipRect(axisRect()->rect());
    // Drawn exclusive-or, the cross stays visible on the line it marks.
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(ToQColor(MarkerPenColor(FromQColor(background))), kMarkerPenWidth));
    if (marker && std::isfinite(marker->x()) && std::isfinite(marker->y())) {
        const QPointF p = *marker;
        painter.drawLine(QPointF(p.x() - kCrossHalf, p.y()), QPointF(p.x() + kCrossHalf, p.y()));
        painter.drawLine(QPointF(p.x(), p.y() - kCrossHalf), QPointF(p.x(), p.y() + kCrossHalf));
    }
    DrawMarkerExtras(painter);
    painter.restore();
}

void OrvChart::DrawMarkerText(QPainter& painter) {
    const QStringList lines = MarkerTextLines();
    if (lines.isEmpty()) return;
    painter.save();
    const QFont font = MarkerFont();
    painter.setFont(font);
    painter.setPen(Qt::red);
    const QFontMetrics metrics(font);
    const QRect foot = m_pFoot->outerRect();
    const int right = std::min(foot.right(), axisRect()->rect().right()) - kFootPadding;
    int baseline = foot.top() + metrics.ascent();
    for (const QString& line : lines) {
        painter.drawText(QPoint(right - metrics.horizontalAdvance(line), baseline), line);
        baseline += metrics.height();
    }
    painter.restore();
}

// ---- mouse ---------------------------------------------------------------------------------

void OrvChart::mousePressEvent(QMouseEvent* event) {
    const bool inside = axisRect()->rect().contains(event->position().toPoint());
    const bool zoomDrag = Zoomable() && m_Zoom.Armed() && inside;
    setSelectionRectMode(zoomDrag ? QCP::srmCustom : QCP::srmNone);
    QCustomPlot::mousePressEvent(event);
    if (!zoomDrag && event->button() == Qt::LeftButton) mouseMoveEvent(event);
}

void OrvChart::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    const bool inside = axisRect()->rect().contains(pos.toPoint());
    const PointerMode mode = PointerModeFor(m_bMarkerEnabled && ViewSetup().GetMarkerVisible(),
                                            Zoomable() && m_Zoom.Armed(), inside);
    if (mode != PointerMode::MarkerDrag) {
        m_bGrabbed = false;
        setCursor(mode == PointerMode::ZoomDrag ? Qt::PointingHandCursor : Qt::ArrowCursor);
        QCustomPlot::mouseMoveEvent(event);
        return;
    }
    if (selectionRectMode() != QCP::srmNone) setSelectionRectMode(QCP::srmNone);
    if (!CurrentDataset()) return;
    const bool leftHeld = event->buttons() & Qt::LeftButton;
    std::optional<QPointF> grab;
    try {
        grab = MarkerGrabPoint(pos.y());
    } catch (...) {
        grab.reset();
    }
    m_bGrabbed =
        grab && MarkerGrabbed(pos.x(), pos.y(), grab->x(), grab->y(), leftHeld, m_bGrabbed);
    setCursor(m_bGrabbed ? Qt::SizeHorCursor : Qt::ArrowCursor);
    if (leftHeld && m_bGrabbed) {
        bool moved = false;
        try {
            moved = MoveMarkerTo(pos);
        } catch (...) {
            // The marker stays where it was.
        }
        if (moved) emit MarkerMoved();
    }
    update();
}

void OrvChart::mouseReleaseEvent(QMouseEvent* event) {
    QCustomPlot::mouseReleaseEvent(event);
    if (!(event->buttons() & Qt::LeftButton) && m_bGrabbed) {
        m_bGrabbed = false;
        setCursor(Qt::ArrowCursor);
    }
}

void OrvChart::leaveEvent(QEvent* event) {
    QCustomPlot::leaveEvent(event);
    if (!(QApplication::mouseButtons() & Qt::LeftButton)) m_bGrabbed = false;
}

} // namespace ombrix
