#include "mainwindow/StoringPage.h"

#include "core/Clock.h"
#include "core/HostWindow.h"
#include "core/Ombrix.h"
#include "core/OrvMainObject.h"
#include "mainwindow/FlagScope.h"
#include "mainwindow/MainWindowHost.h"
#include "mainwindow/StoringTimes.h"
#include "mainwindow/TOrvMainForm.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

namespace ombrix {

namespace {

constexpr int kAutoStoringTabWidth = 68;

// The three storing tabs side by side at one width, like a row of buttons.
class AutoStoringTabs : public QTabBar {
public:
    AutoStoringTabs() {
        setObjectName(QStringLiteral("TabControlAutoStoring"));
        setExpanding(false);
        setDrawBase(false);
        // Three captions side by side in the narrow left panel: the small
        // font and padding of the classic control keep them whole.
        setUsesScrollButtons(false);
        QFont small = font();
        small.setPointSize(8);
        setFont(small);
        // Drawn as buttons, the chosen one pressed: whether storing runs must
        // be plain at a glance.
        setStyleSheet(QStringLiteral(
            "QTabBar::tab { padding: 3px 4px; border: 1px solid palette(mid);"
            " background: palette(button); }"
            "QTabBar::tab:selected { background: palette(dark); color: palette(bright-text);"
            " border-color: palette(shadow); }"));
        for (const char* caption : {"Start IMMD", "Stop", "Start PGMD"})
            addTab(QString::fromLatin1(caption));
    }

protected:
    // At least the classic width, wider where the font needs it, so that no
    // caption is cut.
    QSize tabSizeHint(int index) const override {
        int width = kAutoStoringTabWidth;
        for (int i = 0; i < count(); ++i)
            width = std::max(width, QTabBar::tabSizeHint(i).width());
        return {width, QTabBar::tabSizeHint(index).height()};
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

QLabel* Caption(const char* name, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text));
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

std::string Latin1(const QLineEdit* edit) {
    return edit->text().toLatin1().toStdString();
}

} // namespace

StoringPage::StoringPage(TOrvMainForm& form, QWidget* parent) : QWidget(parent), m_Form(form) {
    setObjectName(QStringLiteral("StoringPage"));

    auto* single = new QGroupBox(QStringLiteral("Single storing"));
    single->setObjectName(QStringLiteral("GroupBoxSingleStoring"));
    m_pButtonSingleStoring = new QPushButton(QStringLiteral("Single"));
    m_pButtonSingleStoring->setObjectName(QStringLiteral("ButtonSingleStoring"));
    m_pButtonSingleStoring->setToolTip(m_Form.Action("StoringSingle")->toolTip());
    m_pCheckBoxSaveThreshold = new QCheckBox(QStringLiteral("Storing all values above threshold"));
    m_pCheckBoxSaveThreshold->setObjectName(QStringLiteral("CheckBoxSaveThreshold"));
    auto* singleLayout = new QVBoxLayout(single);
    singleLayout->addWidget(m_pButtonSingleStoring, 0, Qt::AlignLeft);
    singleLayout->addWidget(m_pCheckBoxSaveThreshold);

    auto* automatic = new QGroupBox(QStringLiteral("Auto storing"));
    automatic->setObjectName(QStringLiteral("GroupBoxAutoStoring"));
    m_pEditTimeInterval = TimeEdit("EditTimeInterval");
    m_pEditStartTime = TimeEdit("EditStartTime");
    m_pEditStartDate = TimeEdit("EditStartDate");
    m_pEditStopTime = TimeEdit("EditStopTime");
    m_pEditStopDate = TimeEdit("EditStopDate");
    m_pEditActualTime = TimeEdit("EditActualTime");
    m_pEditActualDate = TimeEdit("EditActualDate");
    m_pEditActualTime->setReadOnly(true);
    m_pEditActualDate->setReadOnly(true);
    m_pCheckBoxASAP = new QCheckBox(QStringLiteral("ASAP"));
    m_pCheckBoxASAP->setObjectName(QStringLiteral("CheckBoxASAP"));
    m_pCheckBoxASAP->setToolTip(QStringLiteral("Storing into database as soon as possible"));
    m_pTabControlAutoStoring = new AutoStoringTabs;

    // Each caption above its edits: the left panel is too narrow for a
    // caption, a time and a date on one line.
    auto* grid = new QGridLayout(automatic);
    grid->setVerticalSpacing(3);
    grid->addWidget(Caption("LabelTimeInterval", "Time interval (dt)"), 0, 0, 1, 2);
    grid->addWidget(m_pEditTimeInterval, 1, 0);
    grid->addWidget(Caption("LabelStartTime", "Start time (PGMD)"), 2, 0, 1, 2);
    grid->addWidget(m_pEditStartTime, 3, 0);
    grid->addWidget(m_pEditStartDate, 3, 1);
    grid->addWidget(Caption("LabelStopTime", "Stop time (PGMD)"), 4, 0, 1, 2);
    grid->addWidget(m_pEditStopTime, 5, 0);
    grid->addWidget(m_pEditStopDate, 5, 1);
    grid->addWidget(Caption("LabelActualTime", "Actual time"), 6, 0, 1, 2);
    grid->addWidget(m_pEditActualTime, 7, 0);
    grid->addWidget(m_pEditActualDate, 7, 1);
    grid->addWidget(m_pCheckBoxASAP, 8, 0, 1, 2);
    grid->addWidget(m_pTabControlAutoStoring, 9, 0, 1, 2, Qt::AlignLeft);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(single);
    layout->addWidget(automatic);
    layout->addStretch(1);

    for (QLineEdit* edit : {m_pEditTimeInterval, m_pEditStartTime, m_pEditStartDate,
                            m_pEditStopTime, m_pEditStopDate})
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] { EditAutoTimeExit(edit); });
    connect(m_pCheckBoxASAP, &QCheckBox::clicked, this,
            [this] { EditAutoTimeExit(m_pCheckBoxASAP); });
    connect(m_pTabControlAutoStoring, &QTabBar::currentChanged, this, [this](int tab) {
        if (!m_bSelectingTab) TabControlAutoStoringChange(tab);
    });
    connect(m_pButtonSingleStoring, &QPushButton::clicked, this, [this] {
        m_Form.UpdateActions();
        m_Form.Action("StoringSingle")->trigger();
    });

    // The check box is the action's face on the page: it shows the action's
    // state and runs it.
    QAction* threshold = m_Form.Action("StoringAllAboutThreahold");
    connect(threshold, &QAction::changed, this, &StoringPage::FollowThresholdAction);
    connect(m_pCheckBoxSaveThreshold, &QCheckBox::clicked, this, [this, threshold] {
        threshold->trigger();
        m_Form.UpdateActions();
        FollowThresholdAction();
    });
    FollowThresholdAction();

    ShowTab(eStoringStopped);
    ShowStoringTimes();
    ApplyStoringLocks();
}

QLineEdit* StoringPage::TimeEdit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMinimumWidth(76);
    return edit;
}

void StoringPage::ShowStoringTimes() {
    OrvMainObject* main = MainObject();
    if (!main) return;
    StoringTimes times;
    main->GetStoringTimes(times.start, times.stop, times.interval, times.asap);
    const StoringTimesText text = StoringTimesToText(times, RegionalFormat());
    m_pEditTimeInterval->setText(QString::fromLatin1(text.interval));
    m_pEditStartTime->setText(QString::fromLatin1(text.startTime));
    m_pEditStartDate->setText(QString::fromLatin1(text.startDate));
    m_pEditStopTime->setText(QString::fromLatin1(text.stopTime));
    m_pEditStopDate->setText(QString::fromLatin1(text.stopDate));
    m_pCheckBoxASAP->setChecked(text.asap);
    ApplyStoringLocks();
}

void StoringPage::ShowActualTime(DateTime now) {
    const FormatSettings& regional = RegionalFormat();
    m_pEditActualTime->setText(
        QString::fromLatin1(FormatDateTime(regional.LongTimeFormat, now, regional)));
    m_pEditActualDate->setText(
        QString::fromLatin1(FormatDateTime(regional.ShortDateFormat, now, regional)));
}

int StoringPage::Tab() const {
    return m_pTabControlAutoStoring->currentIndex();
}

void StoringPage::ShowTab(int tab) {
    FlagScope selecting(m_bSelectingTab);
    m_pTabControlAutoStoring->setCurrentIndex(tab);
}

void StoringPage::SelectTab(int tab) {
    ShowTab(tab);
    TabControlAutoStoringChange(tab);
}

void StoringPage::Tick() {
    ShowActualTime(CurrentClock().Now());
    OrvMainObject* main = MainObject();
    if (!main) return;
    const int state = main->StoringState();
    if (state == Tab()) return;
    if (state == eStoringProgrammed) {
        // The main object runs a period it was given already: checking its
        // start against the clock now would stop it once it has begun.
        ShowTab(state);
        ApplyStoringLocks();
        return;
    }
    SelectTab(state);
}

void StoringPage::EditAutoTimeExit(QWidget* left) {
    OrvMainObject* main = MainObject();
    // The message box below takes the focus, and would otherwise leave the
    // edit a second time.
    if (!main || m_bInExit) return;
    FlagScope inExit(m_bInExit);

    StoringTimesText text;
    text.interval = Latin1(m_pEditTimeInterval);
    text.startTime = Latin1(m_pEditStartTime);
    text.startDate = Latin1(m_pEditStartDate);
    text.stopTime = Latin1(m_pEditStopTime);
    text.stopDate = Latin1(m_pEditStopDate);
    text.asap = m_pCheckBoxASAP->isChecked();
    // Regional formats, not the current ones: a click during an analyser
    // transfer finds the transfer's conventions in force.
    const FormatSettings& regional = RegionalFormat();
    const int mode = main->CurrentMode();
    if (const std::optional<StoringTimes> times = ReadStoringTimes(text, mode, regional)) {
        main->SetStoringTimes(times->start, times->stop, times->interval, times->asap);
    } else {
        m_Form.Host().ShowMessage(kErrorCaption,
                                  StoringTimesError(left == m_pEditTimeInterval, mode, regional),
                                  MessageButtons::Ok, MessageKind::Error);
        if (left) left->setFocus();
    }
    ShowStoringTimes();
}

void StoringPage::TabControlAutoStoringChange(int tab) {
    OrvMainObject* main = MainObject();
    if (!main) return;
    if (tab == eStoringProgrammed) {
        EditAutoTimeExit(nullptr);
        StoringTimes times;
        main->GetStoringTimes(times.start, times.stop, times.interval, times.asap);
        if (!ProgrammedPeriodAcceptable(times.start, times.stop, CurrentClock().Now())) {
            m_Form.Host().ShowMessage(kWarningCaption, kCheckAutoStoringParameters,
                                      MessageButtons::Ok, MessageKind::Warning);
            // Back to the tab of the state that stays: "Stop", or the
            // immediate storing that is still running.
            ShowTab(main->StoringState());
            ApplyStoringLocks();
            m_Form.UpdateActions();
            return;
        }
    }
    main->SetStoringState(tab);
    ApplyStoringLocks();
    m_Form.UpdateActions();
}

void StoringPage::ApplyStoringLocks() {
    OrvMainObject* main = MainObject();
    const int state = main ? main->StoringState() : eStoringStopped;
    const StoringLocks locks = StoringLocksFor(state, m_pCheckBoxASAP->isChecked());
    for (QWidget* control :
         {static_cast<QWidget*>(m_pButtonSingleStoring), static_cast<QWidget*>(m_pEditStartTime),
          static_cast<QWidget*>(m_pEditStartDate), static_cast<QWidget*>(m_pEditStopTime),
          static_cast<QWidget*>(m_pEditStopDate), static_cast<QWidget*>(m_pCheckBoxASAP)})
        control->setEnabled(locks.timesEnabled);
    m_pEditTimeInterval->setEnabled(locks.intervalEnabled);
}

void StoringPage::FollowThresholdAction() {
    const QAction* threshold = m_Form.Action("StoringAllAboutThreahold");
    m_pCheckBoxSaveThreshold->setChecked(threshold->isChecked());
    m_pCheckBoxSaveThreshold->setEnabled(threshold->isEnabled());
}

} // namespace ombrix
