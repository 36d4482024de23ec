#pragma once
// The status line of the main window: the connection state on the left, the
// activity and alarm indicator in the middle (drawn from the status tag), and
// the hint of whatever the pointer is over on the right.

#include <QStatusBar>

class QLabel;

namespace ombrix {

class ActivityPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 90;
    explicit ActivityPanel(QWidget* parent = nullptr);

    int Tag() const { return m_nTag; }
    void SetTag(int tag) { m_nTag = tag; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_nTag = 0;
};

class StatusPanel : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent = nullptr);

    void SetStateText(const QString& text);
    QString StateText() const;
    void SetHintText(const QString& text);
    QString HintText() const;

    // The indicator's tag: 0 offline, 1000 alarm, otherwise the activity counter.
    int Tag() const;
    void SetTag(int tag);
    void RepaintIndicator();
    ActivityPanel* Indicator() const { return m_pIndicator; }

private:
    QLabel* m_pState;
    ActivityPanel* m_pIndicator;
    QLabel* m_pHint;
};

} // namespace ombrix
