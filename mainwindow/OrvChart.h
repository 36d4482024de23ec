#pragma once
// The chart widget of the view pages, with the interaction they share: the
// marker the user drags along the data (a cross and the dataset's two-line
// marker text in the chart's foot), the rectangle zoom after "Zoom in", "Zoom
// out", and the two scroll bars that move a zoomed or fixed axis.
//
// How to use it:
//  - Construct it with the window's ZoomState and, for a chart that zooms and
//    scrolls, its ZoomableChart and the object names of its two scroll bars.
//    Build series on xAxis/yAxis as with any plot; SetTitle, SetFootText.
//  - Tell it which axes are automatic (SetAxisAutomatic) and call
//    RescaleAutomaticAxes after new data; a fixed axis gets its range from
//    the page (ApplyValueAxis). While zoomed, the chart keeps its ranges: check
//    Zoomed() before setting one.
//  - For the marker, call EnableMarker(true) and override MarkerPixel (where
//    the cross is drawn) and MoveMarkerTo (what a drag to the mouse does to the
//    dataset). MarkerText defaults to the current dataset's marker text.
//    Override MarkerGrabPoint where the grab spot is not on the mouse's height,
//    and DrawMarkerExtras for more marks over the chart.
//  - The page's "Zoom out" calls UndoZoom. The signals RectZoomed/ZoomUndone tell
//    the page.
// Everything decided here follows the rules of ChartInteraction.h.

#include "mainwindow/ChartInteraction.h"

#include <qcustomplot.h>

#include <optional>
#include <string>

class QScrollBar;

namespace ombrix {

class OrvDataset;

// Colours as the view settings keep them (R + 256 G + 65536 B).
QColor ToQColor(ChartColor color);
ChartColor FromQColor(const QColor& color);

class OrvChart : public QCustomPlot {
    Q_OBJECT
public:
    OrvChart(ZoomState& zoom, std::optional<ZoomableChart> zoomable, const char* objectName,
             const char* hScrollBarName = nullptr, const char* vScrollBarName = nullptr,
             QWidget* parent = nullptr);
    ~OrvChart() override;

    // ---- texts around the plot
    QCPTextElement* TitleElement() const { return m_pTitle; }
    QCPTextElement* FootElement() const { return m_pFoot; }
    void SetTitle(const QString& text);
    void SetFootText(const QString& text);
    // The legend in a row of its own below the plot, entries side by side.
    void PlaceLegendBelow();
    // The legend row below the plot only while `shown`: an empty legend in the
    // layout would narrow the plot to its own width.
    void ShowLegendRow(bool shown);

    // ---- axes
    // An automatic axis follows its data; a fixed one keeps the range the page
    // sets. A zoomed chart treats both of its zoomed axes as fixed.
    void SetAxisAutomatic(QCPAxis* axis, bool automatic);
    bool AxisAutomatic(QCPAxis* axis) const;
    // Automatic: follow the data; fixed: the range given. Nothing while zoomed.
    void ApplyValueAxis(QCPAxis* axis, bool automatic, double min, double max);
    // Sets every automatic axis of the plot to its data, the value axes to the
    // data inside the shown key range.
    void RescaleAutomaticAxes();
    // The automatic value axes (left, right) only, for the keys now shown.
    void RescaleValueAxes();

    // ---- zoom and scroll bars
    bool Zoomed() const { return m_bZoomed; }
    // Back to the ranges before the zoom; the page's next fill sets its own.
    void UndoZoom();
    // Zooms the plot to the pixel rectangle, as a drag after "Zoom in" does.
    void ZoomToRect(const QRect& pixels);
    void SyncScrollBars();
    QScrollBar* HorizontalScrollBar() const { return m_pScrollBarH; }
    QScrollBar* VerticalScrollBar() const { return m_pScrollBarV; }

    // ---- marker
    // A chart with a marker keeps room for two lines of marker text in its foot.
    void EnableMarker(bool enabled);
    // Marker shown: the chart has one, the "Marker" setting is on and a dataset
    // is current.
    bool MarkerShown() const;
    // The marker text lines drawn in the foot (none while the marker is hidden).
    QStringList MarkerTextLines() const;

signals:
    // The marker moved by a drag (the dataset's cursor changed).
    void MarkerMoved();
    void RectZoomed();
    void ZoomUndone();

protected:
    // Pixel position of the marker's cross; none when the marker is not drawn.
    virtual std::optional<QPointF> MarkerPixel() { return std::nullopt; }
    // Where the marker is grabbed: by default the cross's X at the mouse's Y,
    // so the marker line can be grabbed anywhere along its height.
    virtual std::optional<QPointF> MarkerGrabPoint(double mouseY);
    // A drag reached `mouse`: move the dataset's marker to the candidate there.
    // True when the marker moved.
    virtual bool MoveMarkerTo(const QPointF& mouse) {
        (void)mouse;
        return false;
    }
    virtual std::string MarkerText();
    // More marks over the chart, drawn after the cross in the same XOR pen.
    virtual void DrawMarkerExtras(QPainter& painter) { (void)painter; }
    // The smallest and largest data coordinate of the series on `axis`, used by
    // the scroll bars; false when there are no data.
    virtual bool DataSpan(QCPAxis* axis, double& min, double& max) const;

    // The dataset the window shows now (none without one).
    OrvDataset* CurrentDataset() const;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct SavedAxis {
        QCPAxis* axis = nullptr;
        QCPRange range;
    };

    bool Zoomable() const { return m_Zoomable.has_value(); }
    void RectSelected(const QRect& rect, QMouseEvent* event);
    void ScrollBarChange(QScrollBar* bar, QCPAxis* axis);
    void SyncScrollBar(QScrollBar* bar, QCPAxis* axis);
    void PlaceScrollBars();
    void DrawMarker(QPainter& painter);
    void DrawMarkerText(QPainter& painter);
    QFont MarkerFont() const;

    ZoomState& m_Zoom;
    std::optional<ZoomableChart> m_Zoomable;
    QCPTextElement* m_pTitle = nullptr;
    QCPTextElement* m_pFoot = nullptr;
    QScrollBar* m_pScrollBarH = nullptr;
    QScrollBar* m_pScrollBarV = nullptr;
    bool m_bUpdating = false; // the program moves the scroll bars itself
    bool m_bXAutomatic = true;
    bool m_bYAutomatic = true;
    bool m_bZoomed = false;
    SavedAxis m_SavedX;
    SavedAxis m_SavedY;
    bool m_bMarkerEnabled = false;
    bool m_bGrabbed = false;
};

} // namespace ombrix
