// The sheets of the view setup dialog: their controls, captions and group
// boxes. What the controls mean lives in ViewSetupRules; here they are only
// laid out and named.

#include "presentation/ColorShape.h"
#include "presentation/TDlgSetup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QValidator>

namespace ombrix {

namespace {

// Limits what the user types, not what the dialog shows: a loaded value with
// its prefix and unit may be longer than the limit and stays whole, and
// deleting from it is always possible.
class TypingLimit : public QValidator {
public:
    TypingLimit(QLineEdit* edit, int limit) : QValidator(edit), m_nLimit(limit) {
        // The line edit asks about a change before it takes it; the length it
        // had before is the one of its last accepted text.
        connect(edit, &QLineEdit::textChanged, this,
                [this](const QString& text) { m_nLength = text.size(); });
    }
    State validate(QString& input, int&) const override {
        const bool grows = input.size() > m_nLength;
        return grows && input.size() > m_nLimit ? Invalid : Acceptable;
    }

private:
    int m_nLimit;
    qsizetype m_nLength = 0;
};

QGroupBox* Group(const QString& caption) {
    auto* group = new QGroupBox(caption);
    return group;
}

QLabel* Label(const QString& text) {
    return new QLabel(text);
}

// A row of widgets with a stretch at the end.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    row->addStretch(1);
    return row;
}

QWidget* Column(std::initializer_list<QWidget*> widgets) {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch(1);
    return column;
}

} // namespace

QLineEdit* TDlgSetup::Edit(const char* name, int width) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(width);
    if (const int limit = MaxTextLength(name); limit > 0)
        edit->setValidator(new TypingLimit(edit, limit));
    if (IsCheckedField(name)) edit->installEventFilter(this);
    return edit;
}

QCheckBox* TDlgSetup::Check(const char* name, const QString& caption) {
    auto* check = new QCheckBox(caption);
    check->setObjectName(QString::fromLatin1(name));
    connect(check, &QCheckBox::clicked, this, &TDlgSetup::ApplyEnablingRules);
    return check;
}

ColorShape* TDlgSetup::Shape(const char* name) {
    auto* shape = new ColorShape;
    shape->setObjectName(QString::fromLatin1(name));
    return shape;
}

QPushButton* TDlgSetup::ColorButton(const char* name) {
    QPushButton* button = Button(name, QStringLiteral("..."));
    button->setFixedWidth(28);
    connect(button, &QPushButton::clicked, this, [this, button] { ColorButtonClick(button); });
    return button;
}

QPushButton* TDlgSetup::Button(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

void TDlgSetup::BuildSheets() {
    m_pSheets[eSetupValue] = BuildNoSettingsSheet(eSetupValue);
    m_pSheets[eSetupGraph] = BuildGraphSheet();
    m_pSheets[eSetupFFT] = BuildFFTSheet();
    m_pSheets[eSetupPeakList] = BuildPeakListSheet();
    m_pSheets[eSetupAxis] = BuildAxisSheet();
    m_pSheets[eSetupPlane] = BuildPlaneSheet();
    m_pSheets[eSetupStatistic] = BuildNoSettingsSheet(eSetupStatistic);
    m_pSheets[eSetupHistogram] = BuildHistogramSheet();
    m_pSheets[eSetupHarmonics] = BuildHarmonicsSheet();
    for (int sheet = 0; sheet < kSetupSheetCount; ++sheet) {
        QWidget* page = m_pSheets[static_cast<std::size_t>(sheet)];
        page->setObjectName(QString::fromLatin1(SetupSheetOf(sheet)->objectName));
        page->setWindowTitle(QString::fromLatin1(SetupSheetOf(sheet)->caption));
        m_pPageControl->addWidget(page);
    }
}

QWidget* TDlgSetup::BuildNoSettingsSheet(int) {
    auto* label = new QLabel(QString::fromLatin1(kNoSettingsText));
    label->setAlignment(Qt::AlignCenter);
    auto* sheet = new QWidget;
    auto* layout = new QVBoxLayout(sheet);
    layout->addWidget(label);
    return sheet;
}

// "dot" width field, shape and "..." button of a line.
static QHBoxLayout* LineRow(QLineEdit* width, ColorShape* shape, QPushButton* button) {
    return Row({width, Label(QStringLiteral("dot")), shape, button});
}

// Bar width in tenths of the space a bar has, its colour and "..." button.
static QHBoxLayout* BarRow(QLineEdit* width, ColorShape* shape, QPushButton* button) {
    return Row({width, Label(QStringLiteral("/ 10 width")), shape, button});
}

QWidget* TDlgSetup::BuildGraphSheet() {
    auto* xAxis = Group(QStringLiteral("X-Axis"));
    auto* xGrid = new QGridLayout(xAxis);
    xGrid->addWidget(Check("CheckBoxGraphXAutoScale", QStringLiteral("Auto scale")), 0, 0, 1, 2);
    xGrid->addWidget(Label(QStringLiteral("Length")), 1, 0);
    xGrid->addWidget(Edit("EditGraphXLength"), 1, 1);
    xGrid->addWidget(Label(QStringLiteral("Offset")), 2, 0);
    xGrid->addWidget(Edit("EditGraphXOffset"), 2, 1);

    auto* yAxis = Group(QStringLiteral("Y-Axis"));
    auto* yGrid = new QGridLayout(yAxis);
    yGrid->addWidget(Check("CheckBoxGraphYAutoScale", QStringLiteral("Auto scale")), 0, 0, 1, 2);
    yGrid->addWidget(Check("CheckBoxGraphYLog", QStringLiteral("logarithmic")), 1, 0, 1, 2);
    yGrid->addWidget(Label(QStringLiteral("Min")), 2, 0);
    yGrid->addWidget(Edit("EditGraphYMin"), 2, 1);
    yGrid->addWidget(Label(QStringLiteral("Max")), 3, 0);
    yGrid->addWidget(Edit("EditGraphYMax"), 3, 1);

    auto* line = Group(QStringLiteral("Line"));
    auto* lineLayout = new QVBoxLayout(line);
    lineLayout->addLayout(LineRow(Edit("EditGraphLineDot", 28), Shape("ShapeGraphLineColor"),
                                  ColorButton("ButtonGraphLineColor")));

    auto* threshold = Group(QStringLiteral("Threshold and alarm level"));
    auto* thresholdLayout = new QVBoxLayout(threshold);
    thresholdLayout->addWidget(Check("CheckBoxGraphTreshold", QStringLiteral("Visible")));
    thresholdLayout->addLayout(Row({Edit("EditGraphThreshold")}));
    thresholdLayout->addLayout(LineRow(Edit("EditGraphThresholdDot", 28),
                                       Shape("ShapeGraphThresholdColor"),
                                       ColorButton("ButtonGraphThresholdColor")));

    auto* current = Group(QStringLiteral("Current"));
    auto* currentGrid = new QGridLayout(current);
    currentGrid->addWidget(Check("CheckBoxGraphCurrent", QStringLiteral("Visible")), 0, 0, 1, 2);
    QPushButton* import =
        Button("ButtonGraphImportCurrentData", QStringLiteral("import current data"));
    connect(import, &QPushButton::clicked, this, &TDlgSetup::ButtonGraphImportCurrentDataClick);
    currentGrid->addWidget(import, 0, 2, 1, 3);
    currentGrid->addWidget(Label(QStringLiteral("X-axis offset")), 1, 0);
    currentGrid->addWidget(Edit("EditGraphCurrentOffset"), 1, 1);
    currentGrid->addWidget(Edit("EditGraphCurrentDot", 28), 2, 0, Qt::AlignRight);
    currentGrid->addWidget(Label(QStringLiteral("dot")), 2, 1);
    const char* phases[][3] = {{"N", "ShapeGraphNColor", "ButtonGraphNColor"},
                               {"L1", "ShapeGraphL1Color", "ButtonGraphL1Color"},
                               {"L2", "ShapeGraphL2Color", "ButtonGraphL2Color"},
                               {"L3", "ShapeGraphL3Color", "ButtonGraphL3Color"}};
    for (int i = 0; i < 4; ++i) {
        currentGrid->addWidget(Label(QString::fromLatin1(phases[i][0])), 1 + i, 2);
        currentGrid->addWidget(Shape(phases[i][1]), 1 + i, 3);
        currentGrid->addWidget(ColorButton(phases[i][2]), 1 + i, 4);
    }

    auto* sheet = new QWidget;
    auto* grid = new QGridLayout(sheet);
    grid->addWidget(xAxis, 0, 0);
    grid->addWidget(yAxis, 1, 0);
    grid->addWidget(line, 2, 0);
    grid->addWidget(threshold, 0, 1);
    grid->addWidget(current, 1, 1, 2, 1);
    return sheet;
}

QWidget* TDlgSetup::BuildFFTSheet() {
    auto axisGroup = [this](const QString& caption, const char* autoScale, const char* log,
                            const char* min, const char* max) {
        auto* group = Group(caption);
        auto* grid = new QGridLayout(group);
        grid->addWidget(Check(autoScale, QStringLiteral("Auto scale")), 0, 0, 1, 2);
        grid->addWidget(Check(log, QStringLiteral("logarithmic")), 1, 0, 1, 2);
        grid->addWidget(Label(QStringLiteral("Min")), 2, 0);
        grid->addWidget(Edit(min), 2, 1);
        grid->addWidget(Label(QStringLiteral("Max")), 3, 0);
        grid->addWidget(Edit(max), 3, 1);
        return group;
    };
    QGroupBox* xAxis = axisGroup(QStringLiteral("X-Axis"), "CheckBoxFFTXAutoScale",
                                 "CheckBoxFFTXLog", "EditFFTXMin", "EditFFTXMax");
    QGroupBox* yAxis = axisGroup(QStringLiteral("Y-Axis"), "CheckBoxFFTYAutoScale",
                                 "CheckBoxFFTYLog", "EditFFTYMin", "EditFFTYMax");

    auto* line = Group(QStringLiteral("Line"));
    auto* lineLayout = new QVBoxLayout(line);
    lineLayout->addLayout(LineRow(Edit("EditFFTLineDot", 28), Shape("ShapeFFTLineColor"),
                                  ColorButton("ButtonFFTLineColor")));

    auto* threshold = Group(QStringLiteral("Threshold and alarm level"));
    auto* thresholdLayout = new QVBoxLayout(threshold);
    thresholdLayout->addWidget(Check("CheckBoxFFTThreshold", QStringLiteral("Visible")));
    thresholdLayout->addLayout(Row({Edit("EditFFTThreshold")}));
    thresholdLayout->addLayout(LineRow(Edit("EditFFTThresholdDot", 28),
                                       Shape("ShapeFFTThresholdColor"),
                                       ColorButton("ButtonFFTThresholdColor")));

    auto* standard = Group(QStringLiteral("Standard  (Only available for logarithmic X-axis and "
                                          "logartimic Y- axis with absolute values)"));
    standard->setObjectName(QStringLiteral("GroupBoxFFTStandard"));
    auto* standardLayout = new QVBoxLayout(standard);
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(kStandardComboName));
    combo->setMinimumWidth(260);
    QPushButton* add = Button("ButtonAddStandard", QStringLiteral("Add new standard"));
    connect(add, &QPushButton::clicked, this, &TDlgSetup::ButtonAddStandardClick);
    standardLayout->addLayout(
        Row({Check("CheckBoxFFTStandard", QStringLiteral("Visible")), combo, add}));
    standardLayout->addLayout(LineRow(Edit("EditFFTStandardDot", 28),
                                      Shape("ShapeFFTStandardColor"),
                                      ColorButton("ButtonFFTStandardColor")));

    auto* sheet = new QWidget;
    auto* grid = new QGridLayout(sheet);
    grid->addWidget(xAxis, 0, 0);
    grid->addWidget(yAxis, 0, 1);
    grid->addWidget(line, 1, 0);
    grid->addWidget(threshold, 1, 1);
    grid->addWidget(standard, 2, 0, 1, 2);
    return sheet;
}

QWidget* TDlgSetup::BuildPeakListSheet() {
    auto* group = Group(QStringLiteral("Number of peaks to calculate"));
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(Row({Edit("EditPeakList", 40)}));
    return Column({group});
}

QWidget* TDlgSetup::BuildGridIndexGroup(const QString& sheet) {
    auto* group = Group(QStringLiteral("Index distance and offset"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(Label(QStringLiteral("Offset")), 0, 1);
    grid->addWidget(Label(QStringLiteral("Distance")), 0, 2);
    const char* axes[] = {"X", "Y", "Z"};
    for (int i = 0; i < 3; ++i) {
        const QString axis = QString::fromLatin1(axes[i]);
        grid->addWidget(Label(axis), 1 + i, 0);
        const QByteArray offset =
            (QStringLiteral("Edit") + sheet + axis + QStringLiteral("Offset")).toLatin1();
        const QByteArray distance =
            (QStringLiteral("Edit") + sheet + axis + QStringLiteral("Distance")).toLatin1();
        grid->addWidget(Edit(offset.constData()), 1 + i, 1);
        grid->addWidget(Edit(distance.constData()), 1 + i, 2);
    }
    return group;
}

QWidget* TDlgSetup::BuildAxisSheet() {
    auto* yAxis = Group(QStringLiteral("Y-Axis"));
    auto* yGrid = new QGridLayout(yAxis);
    yGrid->addWidget(Check("CheckBoxAxisYAutoScale", QStringLiteral("Auto scale")), 0, 0, 1, 2);
    yGrid->addWidget(Check("CheckBoxAxisYLog", QStringLiteral("logarithmic")), 1, 0, 1, 2);
    yGrid->addWidget(Label(QStringLiteral("Min")), 2, 0);
    yGrid->addWidget(Edit("EditAxisYMin"), 2, 1);
    yGrid->addWidget(Label(QStringLiteral("Max")), 3, 0);
    yGrid->addWidget(Edit("EditAxisYMax"), 3, 1);

    auto* line = Group(QStringLiteral("Line"));
    auto* lineLayout = new QVBoxLayout(line);
    lineLayout->addLayout(LineRow(Edit("EditAxisLineDot", 28), Shape("ShapeAxisLineColor"),
                                  ColorButton("ButtonAxisLineColor")));

    auto* threshold = Group(QStringLiteral("Threshold and alarm level"));
    auto* thresholdLayout = new QVBoxLayout(threshold);
    thresholdLayout->addWidget(Check("CheckBoxAxisThreshold", QStringLiteral("Visible")));
    thresholdLayout->addLayout(Row({Edit("EditAxisThreshold")}));
    thresholdLayout->addLayout(LineRow(Edit("EditAxisThresholdDot", 28),
                                       Shape("ShapeAxisThresholdColor"),
                                       ColorButton("ButtonAxisThresholdColor")));

    auto* sheet = new QWidget;
    auto* grid = new QGridLayout(sheet);
    grid->addWidget(BuildGridIndexGroup(QStringLiteral("Axis")), 0, 0);
    grid->addWidget(yAxis, 1, 0);
    grid->addWidget(line, 0, 1);
    grid->addWidget(threshold, 1, 1);
    return sheet;
}

QWidget* TDlgSetup::BuildPlaneSheet() {
    auto* threshold = Group(QStringLiteral("Threshold"));
    auto* thresholdGrid = new QGridLayout(threshold);
    thresholdGrid->addWidget(Check("CheckBoxPlaneThreshold", QStringLiteral("Visible")), 0, 0);
    thresholdGrid->addWidget(Edit("EditPlaneThreshold"), 0, 1, 1, 2);
    thresholdGrid->addWidget(Label(QStringLiteral("Color of smaller values:")), 1, 0);
    thresholdGrid->addWidget(Shape("ShapePlaneThresholdSmallerColor"), 1, 1);
    thresholdGrid->addWidget(ColorButton("ButtonPlaneThresholdSmallerrColor"), 1, 2);
    thresholdGrid->addWidget(Label(QStringLiteral("Color of equal and bigger values:")), 2, 0);
    thresholdGrid->addWidget(Shape("ShapePlaneThresholdBiggerColor"), 2, 1);
    thresholdGrid->addWidget(ColorButton("ButtonPlaneThresholdBiggerColor"), 2, 2);

    auto* background = Group(QStringLiteral("Background image"));
    auto* backgroundGrid = new QGridLayout(background);
    QCheckBox* visible = Check("CheckBoxPlaneBGVisible", QStringLiteral("Visible"));
    connect(visible, &QCheckBox::clicked, this, &TDlgSetup::CheckBoxPlaneBGVisibleClick);
    backgroundGrid->addWidget(visible, 0, 0);
    backgroundGrid->addWidget(Label(QStringLiteral("File")), 1, 0);
    QLineEdit* file = Edit("EditPlaneBGImage", 200);
    file->setReadOnly(true);
    backgroundGrid->addWidget(file, 1, 1);
    QPushButton* load = Button("ButtonPlaneLoadBGImage", QStringLiteral("..."));
    load->setFixedWidth(28);
    connect(load, &QPushButton::clicked, this, &TDlgSetup::ButtonPlaneLoadBGImageClick);
    backgroundGrid->addWidget(load, 1, 2);
    QPushButton* scale =
        Button("ButtonPlaneScaleBGImage", QStringLiteral("scale background image"));
    connect(scale, &QPushButton::clicked, this, &TDlgSetup::ButtonPlaneScaleBGImageClick);
    backgroundGrid->addWidget(scale, 2, 1, 1, 2);

    auto* colorScale = Group(QStringLiteral("Color scale"));
    auto* scaleGrid = new QGridLayout(colorScale);
    scaleGrid->addWidget(Check("CheckBoxPlaneAutoScale", QStringLiteral("Auto scale (10%)")), 0, 0,
                         1, 2);
    QPushButton* defaults = Button("ButtonPlaneScaleDefault", QStringLiteral("default"));
    connect(defaults, &QPushButton::clicked, this, &TDlgSetup::ButtonPlaneScaleDefaultClick);
    scaleGrid->addWidget(defaults, 0, 2, 1, 2);
    scaleGrid->addWidget(Label(QStringLiteral("Bubble size")), 1, 0);
    scaleGrid->addWidget(Edit("EditPlaneBubbleSize"), 1, 1);
    scaleGrid->addWidget(Label(QStringLiteral("empty")), 2, 0);
    scaleGrid->addWidget(Shape("ShapePlaneScale0"), 2, 2);
    for (int k = 1; k <= 9; ++k) {
        const QByteArray edit = QStringLiteral("EditPlaneScale%1").arg(k).toLatin1();
        const QByteArray shape = QStringLiteral("ShapePlaneScale%1").arg(k).toLatin1();
        const QByteArray button = QStringLiteral("ButtonPlaneScale%1").arg(k).toLatin1();
        scaleGrid->addWidget(Label(QStringLiteral("smaller than")), 2 + k, 0);
        scaleGrid->addWidget(Edit(edit.constData()), 2 + k, 1);
        scaleGrid->addWidget(Shape(shape.constData()), 2 + k, 2);
        scaleGrid->addWidget(ColorButton(button.constData()), 2 + k, 3);
    }
    scaleGrid->addWidget(Label(QStringLiteral("all others")), 12, 0);
    scaleGrid->addWidget(Shape("ShapePlaneScaleX"), 12, 2);
    scaleGrid->addWidget(ColorButton("ButtonPlaneScale10"), 12, 3);

    auto* sheet = new QWidget;
    auto* grid = new QGridLayout(sheet);
    grid->addWidget(Column({BuildGridIndexGroup(QStringLiteral("Plane")), threshold, background}),
                    0, 0);
    grid->addWidget(colorScale, 0, 1);
    return sheet;
}

QWidget* TDlgSetup::BuildHistogramSheet() {
    auto* reference = Group(QStringLiteral("Ref display X-axis"));
    auto* referenceLayout = new QVBoxLayout(reference);
    referenceLayout->addLayout(Row({Edit("EditHistogramRef")}));
    referenceLayout->addWidget(
        Check("CheckBoxRefDisplayAuto", QStringLiteral("Auto (max. value)")));

    auto* bar = Group(QStringLiteral("Bar"));
    auto* barLayout = new QVBoxLayout(bar);
    barLayout->addWidget(Check("CheckBoxHistogramShowVal", QStringLiteral("Display Value")));
    barLayout->addLayout(BarRow(Edit("EditHistogramBarDot", 28), Shape("ShapeHistogramBarColor"),
                                ColorButton("ButtonHistogramBarColor")));
    return Column({reference, bar});
}

QWidget* TDlgSetup::BuildHarmonicsSheet() {
    auto* bar = Group(QStringLiteral("Bar"));
    auto* barLayout = new QVBoxLayout(bar);
    barLayout->addWidget(Check("CheckBoxHarmonicsShowVal", QStringLiteral("Display Value")));
    barLayout->addLayout(BarRow(Edit("EditHarmonicsBarDot", 28), Shape("ShapeHarmonicsBarColor"),
                                ColorButton("ButtonHarmonicsBarColor")));
    return Column({bar});
}

} // namespace ombrix
