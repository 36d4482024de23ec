// The operating mode of the main window: the mode change with its dialog, the
// window's reaction to the mode, the REMOTE left pages and mode tabs, the
// one-second tick, the alarm timer and the close query.

#include "mainwindow/TOrvMainForm.h"

#include "config/OrvConfiguration.h"
#include "core/Clock.h"
#include "core/HelpSystem.h"
#include "core/OrvMainObject.h"
#include "core/TDlgChooseMode.h"
#include "datasets/OrvAutoDataset.h"
#include "datasets/OrvDataList.h"
#include "mainwindow/FlagScope.h"
#include "mainwindow/MainWindowHost.h"
#include "mainwindow/StatusPanel.h"

#include <QAction>
#include <QMenu>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>

#include <cmath>
#include <utility>

namespace ombrix {

namespace {

constexpr const char* kUnexportedQuestion =
    "There are unexported datasets. Are you sure to terminate Ombrix?";
constexpr const char* kCheckStoringTimes = "Check Auto Storing Parameters!";
constexpr int kTickPastSecondMs = 1100;

int MillisecondsOf(DateTime now) {
    return static_cast<int>(std::fmod(std::round(now * kMSecsPerDay), 1000.0));
}

} // namespace

// ---- mode change -------------------------------------------------------------------

void TOrvMainForm::OrvChangeMode() {
    OrvMainObject* main = MainObject();
    if (!main || !CloseQuery()) return;
    m_pTimerSec->stop();
    main->ClearDataLists();
    // The tree's nodes point at the datasets just destroyed: clear it before
    // any dialog lets the window paint or take a click again.
    ClearTree();
    RefreshView();

    OperatingMode proposed = eModeDatalog;
    if (m_nOperatingMode == eModeDatalog)
        proposed = m_nOperatingMode = eModeRemote;
    else if (m_nOperatingMode == eModeRemote)
        proposed = m_nOperatingMode = eModeDatalog;
    m_pDlgChooseMode->ProposeMode(proposed);

    if (!EnterMode(TDlgChooseMode::IsUsed(m_nOperatingMode))) {
        EndProgram();
        return;
    }
    ClearTree();
    ApplyModeReaction();
}

bool TOrvMainForm::EnterMode(bool dialogUsed) {
    OrvMainObject& main = *MainObject();
    for (;;) {
        if (dialogUsed) {
            if (m_pDlgChooseMode->exec() != QDialog::Accepted) return false;
            m_nOperatingMode = m_pDlgChooseMode->ChosenMode();
        }
        const bool entered =
            m_nOperatingMode == eModeRemote ? main.StartRemote() : main.LoadDatasets();
        if (entered) return true;
        if (!dialogUsed) return false;
    }
}

void TOrvMainForm::EndProgram() {
    m_bProgramEnded = true;
    m_pTimerSec->stop();
    emit ProgramEndRequested();
}

void TOrvMainForm::ApplyModeReaction() {
    const bool remote = m_nOperatingMode == eModeRemote;
    setWindowTitle(QString::fromLatin1(kApplicationTitle) +
                   (remote ? QStringLiteral(" - REMOTE") : QStringLiteral(" - DATALOG")));
    ombrix::SetHelpContext(this, remote ? kRemoteHelpContext : kDatalogHelpContext);
    m_pTabControlMode->setVisible(remote);
    if (remote) {
        m_bStoringPage = false;
        ActivateFuncPage();
    } else {
        m_pPanelFunc->setCurrentWidget(m_pTreeViewDatabase);
    }
    m_pMenuConfig->menuAction()->setVisible(remote);
    m_pMenuStoring->menuAction()->setVisible(remote);
    Action("DatabaseLoad")->setVisible(!remote);
    Action("OrvLoadFFT")->setVisible(remote);
    Action("OrvReset_FST_STD_Data")->setVisible(remote);
    if (remote)
        m_pTimerSec->start();
    else
        m_pTimerSec->stop();

    RebuildTree();
    ApplyViewSettings();
    RefreshView();
}

// ---- REMOTE left pages and mode tabs --------------------------------------------------

void TOrvMainForm::ActivateFuncPage() {
    {
        FlagScope switching(m_bSwitchingTabs);
        m_pPageControlFunc->setCurrentWidget(m_bStoringPage ? m_pTabSheetStoring
                                                            : m_pTabSheetConfiguration);
    }
    m_pPanelFunc->setCurrentWidget(m_pPageControlFunc);
    if (!m_bStoringPage) {
        if (OrvMainObject* main = MainObject()) m_nFunctionMode = main->CurrentMode();
    }
    SelectModeTab(ModeTabOf(m_nFunctionMode));
    ScheduleActionUpdate();
}

void TOrvMainForm::SetLeftPage(bool storingPage) {
    OrvMainObject* main = MainObject();
    // Neither page may be switched while values are being stored automatically.
    if (main && main->StoringState() != eStoringStopped) return;
    m_bStoringPage = storingPage;
    ActivateFuncPage();
}

void TOrvMainForm::PageControlFuncChange(int index) {
    if (m_bSwitchingTabs) return;
    const bool storing = m_pPageControlFunc->widget(index) == m_pTabSheetStoring;
    OrvMainObject* main = MainObject();
    if (main && main->StoringState() != eStoringStopped) {
        FlagScope switching(m_bSwitchingTabs);
        m_pPageControlFunc->setCurrentWidget(m_bStoringPage ? m_pTabSheetStoring
                                                            : m_pTabSheetConfiguration);
        return;
    }
    m_bStoringPage = storing;
    ActivateFuncPage();
}

void TOrvMainForm::SelectModeTab(int tab) {
    FlagScope switching(m_bSwitchingTabs);
    m_pTabControlMode->setCurrentIndex(tab);
    m_nModeTab = tab;
}

void TOrvMainForm::TabControlModeChange(int tab) {
    if (m_bSwitchingTabs) return;
    OrvMainObject* main = MainObject();
    if (main && main->StoringState() != eStoringStopped) {
        SelectModeTab(m_nModeTab);
        return;
    }
    if (tab == kDatabaseTab) {
        ShowDatabaseTab();
        return;
    }
    const std::optional<int> mode = FunctionModeOfTab(tab, m_bHasSTD, m_bHasFFT);
    if (!mode) {
        SelectModeTab(ModeTabOf(m_nFunctionMode));
        return;
    }
    m_nFunctionMode = *mode;
    ApplyFunctionMode(m_nFunctionMode);
}

void TOrvMainForm::SelectFunctionMode(int tab) {
    TabControlModeChange(tab);
    ScheduleActionUpdate();
}

void TOrvMainForm::ShowDatabaseTab() {
    m_pPanelFunc->setCurrentWidget(m_pTreeViewDatabase);
    if (m_pTabControlMode->currentIndex() != kDatabaseTab) SelectModeTab(kDatabaseTab);
    m_nModeTab = kDatabaseTab;
    // The view shows the selected dataset instead of the live one from now on.
    RefreshView();
}

void TOrvMainForm::ApplyFunctionMode(int mode) {
    m_pPanelFunc->setCurrentWidget(m_pPageControlFunc);
    {
        FlagScope switching(m_bSwitchingTabs);
        m_pPageControlFunc->setCurrentWidget(m_pTabSheetConfiguration);
    }
    m_bStoringPage = false;
    if (OrvMainObject* main = MainObject()) {
        if (mode != main->CurrentMode()) main->Configuration().SetMODE(mode);
        mode = main->CurrentMode();
        main->DeviceOptions(m_bHasSTD, m_bHasFFT, m_bHas32k);
    }
    m_nFunctionMode = mode;
    SelectModeTab(ModeTabOf(mode));
    // Every mode starts stopped, showing the storing interval of that mode.
    if (m_Hooks.storingTimes) m_Hooks.storingTimes();
    SelectStoringTab(eStoringStopped);
    if (m_Hooks.configurationPage) m_Hooks.configurationPage(mode);
    m_bReloadConfig = false;
    ScheduleActionUpdate();
}

bool TOrvMainForm::IsDatabaseView() const {
    return m_nOperatingMode != eModeRemote || m_pTabControlMode->currentIndex() == kDatabaseTab;
}

bool TOrvMainForm::IsDatalogOrDatabaseTab() const {
    return IsDatabaseView();
}

void TOrvMainForm::SetReady(bool ready) {
    m_bReady = ready;
    m_pTabControlMode->setEnabled(ready);
    ScheduleActionUpdate();
}

void TOrvMainForm::SetFftState(int state) {
    m_nFftState = state;
    Action("OrvLoadFFT")->setEnabled(state != eFftProcessing);
    ScheduleActionUpdate();
}

// ---- timers ---------------------------------------------------------------------------

void TOrvMainForm::TimerSecTimer() {
    // A message box or a simulated wait inside a tick lets further ticks
    // arrive; they have nothing to do.
    if (m_bInTick || m_bBusy) return;
    FlagScope inTick(m_bInTick);
    m_pTimerSec->setInterval(kTickPastSecondMs - MillisecondsOf(CurrentClock().Now()));
    RemoteTick();
    RefreshTree();
    RefreshView();
}

void TOrvMainForm::RemoteTick() {
    if (m_Hooks.remoteTick) m_Hooks.remoteTick();
    OrvMainObject* main = MainObject();
    if (!main || !m_bReady) return;
    if (m_bReloadConfig) ApplyFunctionMode(m_nFunctionMode);
    main->LiveTick();
}

void TOrvMainForm::AlarmTimerTimer() {
    OrvMainObject* main = MainObject();
    OrvDataset* dataset = main ? main->CurrentDataset() : nullptr;
    if (dataset && dataset->GetDataType() == eAuto &&
        static_cast<OrvAutoDataset*>(dataset)->LastSampleExceeds())
        return;
    m_pAlarmTimer->stop();
    m_pStatusLine->SetTag(1);
    m_pStatusLine->RepaintIndicator();
}

void TOrvMainForm::OrvLoadFFTExecute() {
    OrvMainObject* main = MainObject();
    if (!main || !m_bReady) return;
    Action("OrvLoadFFT")->setChecked(true);
    // The read takes the analyser's measuring time; ticks meanwhile stay away.
    FlagScope busy(m_bBusy);
    main->Acquire(false);
}

void TOrvMainForm::SelectStoringTab(int tab) {
    if (m_Hooks.storingTab) {
        m_Hooks.storingTab(tab);
        return;
    }
    OrvMainObject* main = MainObject();
    if (!main) return;
    if (tab == eStoringProgrammed) {
        DateTime start = 0, stop = 0, interval = 0;
        bool asap = false;
        main->GetStoringTimes(start, stop, interval, asap);
        if (!(stop > start && start > CurrentClock().Now())) {
            m_pHost->ShowMessage(kWarningCaption, kCheckStoringTimes, MessageButtons::Ok,
                                 MessageKind::Warning);
            return;
        }
    }
    main->SetStoringState(tab);
}

// ---- closing ---------------------------------------------------------------------------

bool TOrvMainForm::CloseQuery() {
    if (!m_bReady) return false;
    OrvMainObject* main = MainObject();
    if (main && !main->AllExported() &&
        m_pHost->ShowMessage(kWarningCaption, kUnexportedQuestion, MessageButtons::OkCancel,
                             MessageKind::Warning) != MessageAnswer::Ok)
        return false;
    m_pTimerSec->stop();
    return true;
}

} // namespace ombrix
