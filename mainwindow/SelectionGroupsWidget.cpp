#include "mainwindow/SelectionGroupsWidget.h"

#include "core/OrvMainObject.h"
#include "mainwindow/TOrvMainForm.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace ombrix {

namespace {

constexpr const char* kObjectName = "SelectionGroups";
constexpr int kEditWidth = 44;
constexpr int kUpDownWidth = 16;

constexpr std::array<GridAxis, kGridAxes> kAxes = {GridAxis::X, GridAxis::Y, GridAxis::Z};
constexpr std::array<GridPlane, kGridAxes> kPlanes = {GridPlane::XY, GridPlane::XZ, GridPlane::YZ};

constexpr std::array<SelectionGroupsWidget::ControlNames, kGridAxes> kAxisNames = {{
    {"RadioButtonAxisX", "X", "EditAxisX", "UpDownAxisX"},
    {"RadioButtonAxisY", "Y", "EditAxisY", "UpDownAxisY"},
    {"RadioButtonAxisZ", "Z", "EditAxisZ", "UpDownAxisZ"},
}};
constexpr std::array<SelectionGroupsWidget::ControlNames, kGridAxes> kPlaneNames = {{
    {"RadioButtonPlaneXY", "XY    Z:", "EditPlaneXY", "UpDownPlaneXY"},
    {"RadioButtonPlaneXZ", "XZ    Y:", "EditPlaneXZ", "UpDownPlaneXZ"},
    {"RadioButtonPlaneYZ", "YZ    X:", "EditPlaneYZ", "UpDownPlaneYZ"},
}};

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

QToolButton* ArrowButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedWidth(kUpDownWidth);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return button;
}

} // namespace

// ---- up-down -----------------------------------------------------------------------------

UpDownButtons::UpDownButtons(QLineEdit* buddy, QWidget* parent) : QWidget(parent), m_pBuddy(buddy) {
    m_pUp = ArrowButton(Qt::UpArrow, this);
    m_pDown = ArrowButton(Qt::DownArrow, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pUp);
    layout->addWidget(m_pDown);
    setFixedWidth(kUpDownWidth);
    connect(m_pUp, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(m_pDown, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDownButtons::SetRange(int minimum, int maximum) {
    m_nMin = minimum;
    m_nMax = std::max(minimum, maximum);
}

void UpDownButtons::Step(int direction) {
    bool isNumber = false;
    const int current = m_pBuddy->text().toInt(&isNumber);
    // A text that is no number, or one outside the grid, starts again at the range's end.
    int next = m_nMin;
    if (isNumber && current >= m_nMin && current <= m_nMax)
        next = std::clamp(current + direction, m_nMin, m_nMax);
    else if (direction < 0)
        next = m_nMax;
    const QString text = QString::number(next);
    if (m_pBuddy->text() != text) m_pBuddy->setText(text);
}

// ---- the groups ----------------------------------------------------------------------------

SelectionGroupsWidget& SelectionGroupsWidget::Of(TOrvMainForm& form) {
    if (auto* groups = form.findChild<SelectionGroupsWidget*>(QString::fromLatin1(kObjectName),
                                                              Qt::FindDirectChildrenOnly))
        return *groups;
    return *new SelectionGroupsWidget(form);
}

MatrixSelection& GridSelectionOf(TOrvMainForm& form) {
    return SelectionGroupsWidget::Of(form).Selection();
}

SelectionGroupsWidget::SelectionGroupsWidget(TOrvMainForm& form)
    : QObject(&form), m_Form(form), m_pAxisHost(form.AxisSelectionHost()),
      m_pPlaneHost(form.PlaneSelectionHost()) {
    setObjectName(QString::fromLatin1(kObjectName));
    m_pButtons = new QButtonGroup(this);
    BuildGroup(m_pAxisHost, {&kAxisNames, &m_AxisButtons, &m_AxisEdits, &m_AxisUpDowns},
               &SelectionGroupsWidget::AxisViewRefresh);
    BuildGroup(m_pPlaneHost, {&kPlaneNames, &m_PlaneButtons, &m_PlaneEdits, &m_PlaneUpDowns},
               &SelectionGroupsWidget::EditPlaneRefresh);
    ShowSelection();
}

void SelectionGroupsWidget::BuildGroup(QWidget* host, const Controls& controls,
                                       void (SelectionGroupsWidget::*refresh)()) {
    auto* row = new QWidget(host);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < kGridAxes; ++i) {
        const ControlNames& names = (*controls.names)[i];
        auto* button = new QRadioButton(QString::fromLatin1(names.caption), row);
        button->setObjectName(QString::fromLatin1(names.button));
        auto* edit = new QLineEdit(QStringLiteral("0"), row);
        edit->setObjectName(QString::fromLatin1(names.edit));
        edit->setFixedWidth(kEditWidth);
        auto* upDown = new UpDownButtons(edit, row);
        upDown->setObjectName(QString::fromLatin1(names.upDown));
        upDown->setFixedHeight(edit->sizeHint().height());
        layout->addWidget(button);
        layout->addWidget(edit);
        layout->addSpacing(-layout->spacing());
        layout->addWidget(upDown);
        if (i + 1 < kGridAxes) layout->addSpacing(8);
        m_pButtons->addButton(button);
        (*controls.buttons)[i] = button;
        (*controls.edits)[i] = edit;
        (*controls.upDowns)[i] = upDown;
        connect(button, &QRadioButton::clicked, this, [this, refresh] { (this->*refresh)(); });
        connect(edit, &QLineEdit::textChanged, this, [this, refresh] { (this->*refresh)(); });
    }
    host->layout()->addWidget(row);
}

void SelectionGroupsWidget::SetExtent(const GridRanges& extent) {
    for (int a = 0; a < kGridAxes; ++a)
        m_AxisUpDowns[At(a)]->SetRange(extent.min[At(a)], extent.max[At(a)]);
    for (const GridPlane plane : kPlanes) {
        const auto fixed = static_cast<std::size_t>(FixedAxisOf(plane));
        m_PlaneUpDowns[static_cast<std::size_t>(plane)]->SetRange(extent.min[fixed],
                                                                  extent.max[fixed]);
    }
}

void SelectionGroupsWidget::ShowSelection() {
    const bool wasShowing = std::exchange(m_bShowing, true);
    const std::optional<GridAxis> axis = m_Selection.Axis();
    const std::optional<GridPlane> plane = m_Selection.Plane();
    if (!axis && !plane) {
        // An exclusive group keeps one button checked; nothing chosen clears all.
        m_pButtons->setExclusive(false);
        for (QAbstractButton* button : m_pButtons->buttons())
            button->setChecked(false);
        m_pButtons->setExclusive(true);
    } else if (axis) {
        m_AxisButtons[static_cast<std::size_t>(*axis)]->setChecked(true);
    } else {
        m_PlaneButtons[static_cast<std::size_t>(*plane)]->setChecked(true);
    }
    for (int i = 0; i < kGridAxes; ++i) {
        const QString axisText = QString::fromLatin1(m_Selection.AxisText(kAxes[At(i)]));
        if (m_AxisEdits[At(i)]->text() != axisText) m_AxisEdits[At(i)]->setText(axisText);
        const QString planeText = QString::fromLatin1(m_Selection.PlaneText(kPlanes[At(i)]));
        if (m_PlaneEdits[At(i)]->text() != planeText) m_PlaneEdits[At(i)]->setText(planeText);
    }
    ApplyEnabling();
    m_bShowing = wasShowing;
}

void SelectionGroupsWidget::ApplyEnabling() {
    const MatrixSelection::Enabled enabled = m_Selection.EnabledControls();
    for (int i = 0; i < kGridAxes; ++i) {
        m_AxisEdits[At(i)]->setEnabled(enabled.axisEdits[At(i)]);
        m_AxisUpDowns[At(i)]->setEnabled(enabled.axisEdits[At(i)]);
        m_PlaneEdits[At(i)]->setEnabled(enabled.planeEdits[At(i)]);
        m_PlaneUpDowns[At(i)]->setEnabled(enabled.planeEdits[At(i)]);
    }
}

void SelectionGroupsWidget::AxisViewRefresh() {
    if (m_bShowing || m_pAxisHost->isHidden()) return;
    for (int a = 0; a < kGridAxes; ++a)
        m_Selection.SetAxisText(kAxes[At(a)], m_AxisEdits[At(a)]->text().toLatin1().toStdString());
    for (int a = 0; a < kGridAxes; ++a)
        if (m_AxisButtons[At(a)]->isChecked()) m_Selection.SelectAxis(kAxes[At(a)]);
    ShowSelection();
    RedrawViews();
}

void SelectionGroupsWidget::EditPlaneRefresh() {
    if (m_bShowing || m_pPlaneHost->isHidden()) return;
    for (int p = 0; p < kGridAxes; ++p)
        m_Selection.SetPlaneText(kPlanes[At(p)],
                                 m_PlaneEdits[At(p)]->text().toLatin1().toStdString());
    for (int p = 0; p < kGridAxes; ++p)
        if (m_PlaneButtons[At(p)]->isChecked()) m_Selection.SelectPlane(kPlanes[At(p)]);
    ShowSelection();
    RedrawViews();
}

void SelectionGroupsWidget::RedrawViews() {
    // The line or plane and the statistic and histogram of the same choice.
    const OrvMainObject* main = MainObject();
    if (main && main->CurrentDataset()) m_Form.RefreshView();
}

QRadioButton* SelectionGroupsWidget::AxisButton(GridAxis axis) const {
    return m_AxisButtons[static_cast<std::size_t>(axis)];
}
QRadioButton* SelectionGroupsWidget::PlaneButton(GridPlane plane) const {
    return m_PlaneButtons[static_cast<std::size_t>(plane)];
}
QLineEdit* SelectionGroupsWidget::AxisEdit(GridAxis axis) const {
    return m_AxisEdits[static_cast<std::size_t>(axis)];
}
QLineEdit* SelectionGroupsWidget::PlaneEdit(GridPlane plane) const {
    return m_PlaneEdits[static_cast<std::size_t>(plane)];
}
UpDownButtons* SelectionGroupsWidget::AxisUpDown(GridAxis axis) const {
    return m_AxisUpDowns[static_cast<std::size_t>(axis)];
}
UpDownButtons* SelectionGroupsWidget::PlaneUpDown(GridPlane plane) const {
    return m_PlaneUpDowns[static_cast<std::size_t>(plane)];
}

} // namespace ombrix
