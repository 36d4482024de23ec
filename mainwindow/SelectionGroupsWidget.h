#pragma once
// The two selection groups below the view pages: "Axis" chooses the grid line
// of the axis view, "Plane" the grid plane of the plane view. One choice serves
// the axis, plane, statistic and histogram pages of a spatial measurement; the
// groups hold it and show it in their buttons and edits.

#include "mainwindow/MatrixSelection.h"

#include <QWidget>

#include <array>
#include <functional>

class QButtonGroup;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace ombrix {

class TOrvMainForm;

// The small up and down arrows beside an index edit: they step the edit's
// number within the grid's range of that axis.
class UpDownButtons : public QWidget {
public:
    explicit UpDownButtons(QLineEdit* buddy, QWidget* parent = nullptr);
    void SetRange(int minimum, int maximum);
    int Minimum() const { return m_nMin; }
    int Maximum() const { return m_nMax; }
    // One step up (+1) or down (-1) from the edit's number, kept in the range.
    void Step(int direction);

private:
    QLineEdit* m_pBuddy;
    QToolButton* m_pUp;
    QToolButton* m_pDown;
    int m_nMin = 0;
    int m_nMax = 0;
};

class SelectionGroupsWidget : public QObject {
public:
    // The groups of `form`, built into its selection hosts on first use; they
    // live as long as the window.
    static SelectionGroupsWidget& Of(TOrvMainForm& form);

    MatrixSelection& Selection() { return m_Selection; }
    const MatrixSelection& Selection() const { return m_Selection; }

    // The up-downs take the index ranges of the grid shown: the axis up-downs
    // the range of their axis, each plane up-down the range of the axis its
    // plane keeps fixed.
    void SetExtent(const GridRanges& extent);
    // Buttons, edits and their enabling in line with the selection, after a
    // view chose a line or plane or put an edit back into range.
    void ShowSelection();

    QRadioButton* AxisButton(GridAxis axis) const;
    QRadioButton* PlaneButton(GridPlane plane) const;
    QLineEdit* AxisEdit(GridAxis axis) const;
    QLineEdit* PlaneEdit(GridPlane plane) const;
    UpDownButtons* AxisUpDown(GridAxis axis) const;
    UpDownButtons* PlaneUpDown(GridPlane plane) const;

    // The object names and caption of one button with its edit and up-down.
    struct ControlNames {
        const char* button;
        const char* caption;
        const char* edit;
        const char* upDown;
    };

private:
    explicit SelectionGroupsWidget(TOrvMainForm& form);
    // One group's three buttons with their edits and up-downs.
    struct Controls {
        const std::array<ControlNames, kGridAxes>* names;
        std::array<QRadioButton*, kGridAxes>* buttons;
        std::array<QLineEdit*, kGridAxes>* edits;
        std::array<UpDownButtons*, kGridAxes>* upDowns;
    };
    void BuildGroup(QWidget* host, const Controls& controls,
                    void (SelectionGroupsWidget::*refresh)());
    // A click on an axis button or a change of an axis edit.
    void AxisViewRefresh();
    // A click on a plane button or a change of a plane edit.
    void EditPlaneRefresh();
    void ApplyEnabling();
    void RedrawViews();

    TOrvMainForm& m_Form;
    QWidget* m_pAxisHost = nullptr;
    QWidget* m_pPlaneHost = nullptr;
    MatrixSelection m_Selection;
    QButtonGroup* m_pButtons = nullptr; // all six: one choice
    std::array<QRadioButton*, kGridAxes> m_AxisButtons{};
    std::array<QRadioButton*, kGridAxes> m_PlaneButtons{};
    std::array<QLineEdit*, kGridAxes> m_AxisEdits{};
    std::array<QLineEdit*, kGridAxes> m_PlaneEdits{};
    std::array<UpDownButtons*, kGridAxes> m_AxisUpDowns{};
    std::array<UpDownButtons*, kGridAxes> m_PlaneUpDowns{};
    bool m_bShowing = false; // the program itself writes the controls
};

// The grid selection the axis, plane, statistic and histogram pages share.
MatrixSelection& GridSelectionOf(TOrvMainForm& form);

} // namespace ombrix
