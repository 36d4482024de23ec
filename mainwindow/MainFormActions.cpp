// The main window's actions: captions and hints, the menus, the tool bar and
// the pop-up menus that show them, what each one does, and the one pass of
// update rules that shows, enables and checks them.

#include "mainwindow/TOrvMainForm.h"

#include "core/HelpSystem.h"
#include "core/OrvMainObject.h"
#include "core/SettingsStore.h"
#include "core/TAboutDlg.h"
#include "datasets/OrvDataList.h"
#include "export/TDlgExportFormat.h"
#include "mainwindow/ToolBarIcons.h"
#include "mainwindow/ViewPageControl.h"
#include "presentation/ViewSetupStruct.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <optional>

namespace ombrix {

namespace {

struct ActionInfo {
    enum Kind { Plain, Check, Radio };
    const char* name;
    const char* caption;
    const char* hint;
    Kind kind;
};

// The separator entry of a menu list.
constexpr const char* kSep = "-";

// clang-format off
constexpr ActionInfo kActionTable[] = {
    {"OrvChangeMode", "Change Mode", "Change programm mode", ActionInfo::Plain},
    {"OrvActivateConfiguration", "Configuration", "Activate configuration page", ActionInfo::Radio},
    {"OrvActivateStoring", "Storing", "Activate storing page", ActionInfo::Radio},
    {"OrvReset_FST_STD_Data", "Reset FST/STD data", "Reset Fieldstrength / STD data", ActionInfo::Plain},
    {"OrvLoadFFT", "Load single FFT / Harmonics list", "Transmit spectrum from field analyser", ActionInfo::Check},
    {"OrvLoadFFTcont", "Load FFT / Harmonics list continuously", "Transmit spectrum from field analyser continually", ActionInfo::Check},
    {"OrvPrintSetup", "Print setup", "Edit printer settings", ActionInfo::Plain},
    {"OrvShowService", "Service", "Show service information", ActionInfo::Plain},
    {"OrvExportFormat", "Export format", "Edit export data settings", ActionInfo::Plain},
    {"OrvCommunication", "Communication", "Edit communication settings", ActionInfo::Plain},
    {"OrvShowSplash", "Show splash window every startup", "", ActionInfo::Check},
    {"OrvExit", "Exit", "Exit program", ActionInfo::Plain},
    {"DatabaseLoad", "Load dataset", "Load data from the device", ActionInfo::Plain},
    {"DatabaseErase", "Erase", "Erase current selected dataset", ActionInfo::Plain},
    {"DatabaseExportToFile", "Export to file", "Export datasets to a file", ActionInfo::Plain},
    {"DatabaseExportToClipb", "Copy to clipboard", "Copy current graphic to clipboard", ActionInfo::Plain},
    {"DatabaseSortIndex", "Index", "Sort database on index", ActionInfo::Radio},
    {"DatabaseSortType", "Type", "Sort database on type", ActionInfo::Radio},
    {"DatabaseSortMode", "Mode", "Sort database on mode", ActionInfo::Radio},
    {"DatabaseSortDateTime", "Date/Time", "Sort database on date/time", ActionInfo::Radio},
    {"DatabasePrint", "Print", "Print current view", ActionInfo::Plain},
    {"DatabasePreview", "Preview", "Print preview", ActionInfo::Plain},
    {"DatabasePrintOpt", "Print / clipboard options", "Edit print / clipboard option settings", ActionInfo::Plain},
    {"ConfigFST", "Fieldstrength", "Activate fieldstrength mode", ActionInfo::Radio},
    {"ConfigSTD", "STD", "Activate STD mode", ActionInfo::Radio},
    {"ConfigFFT", "FFT", "Activate FFT mode", ActionInfo::Radio},
    {"ConfigHarmonics", "Harmonics", "Activate harmonics mode", ActionInfo::Radio},
    {"ConfigUserSetup", "User setup...", "Save/activate user setups", ActionInfo::Plain},
    {"ConfigAlarm", "Alarm", "Activate alarm", ActionInfo::Check},
    {"StoringSingle", "Single", "Storing the current value", ActionInfo::Plain},
    {"StoringAllAboutThreahold", "Storing every value about threshold", "", ActionInfo::Check},
    {"StoringStartPGMD", "Start PGMD", "Start storing at the prepared time", ActionInfo::Radio},
    {"StoringStartIMMD", "Start IMMD", "Start storing immediatly", ActionInfo::Radio},
    {"StoringStop", "Stop", "Stop storing immediatly", ActionInfo::Radio},
    {"ViewSetup", "Setup", "open view setup", ActionInfo::Plain},
    {"ViewZoomIn", "Zoom in", "Zoom in", ActionInfo::Plain},
    {"ViewZoomOut", "Zoom out", "Zoom out", ActionInfo::Plain},
    {"ViewMarker", "Marker", "Activate marker", ActionInfo::Check},
    {"HelpOpen", "Help", "Open online-help", ActionInfo::Plain},
    {"HelpSearch", "Search for help on...", "Search the online-help", ActionInfo::Plain},
    {"HelpOnHelp", "How to use help", "Help on using the online-help", ActionInfo::Plain},
    {"HelpInfo", "Info", "Show program info", ActionInfo::Plain},
};
// clang-format on

} // namespace

QAction* TOrvMainForm::Action(const char* name) const {
    for (QAction* action : m_Actions)
        if (action->objectName() == QLatin1String(name)) return action;
    return nullptr;
}

void TOrvMainForm::CreateActions() {
    for (const ActionInfo& info : kActionTable) {
        auto* action = new QAction(QString::fromLatin1(info.caption), this);
        action->setObjectName(QString::fromLatin1(info.name));
        const QString hint = QString::fromLatin1(info.hint);
        action->setStatusTip(hint);
        action->setToolTip(hint.isEmpty() ? action->text() : hint);
        action->setCheckable(info.kind != ActionInfo::Plain);
        m_Actions.push_back(action);
    }
    Action("DatabaseExportToClipb")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    Action("OrvExit")->setShortcut(QKeySequence::Quit);

    auto* sortGroup = new QActionGroup(this);
    for (const char* name :
         {"DatabaseSortIndex", "DatabaseSortType", "DatabaseSortMode", "DatabaseSortDateTime"})
        sortGroup->addAction(Action(name));
    Action("DatabaseSortIndex")->setChecked(true);
    auto* pageGroup = new QActionGroup(this);
    pageGroup->addAction(Action("OrvActivateConfiguration"));
    pageGroup->addAction(Action("OrvActivateStoring"));
    auto* modeGroup = new QActionGroup(this);
    for (const char* name : {"ConfigFST", "ConfigSTD", "ConfigFFT", "ConfigHarmonics"})
        modeGroup->addAction(Action(name));
    modeGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    auto* storingGroup = new QActionGroup(this);
    for (const char* name : {"StoringStartPGMD", "StoringStartIMMD", "StoringStop"})
        storingGroup->addAction(Action(name));
    storingGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);

    struct Picture {
        const char* action;
        ToolBarPicture picture;
    };
    for (const Picture& p : {Picture{"DatabaseLoad", ToolBarPicture::Load},
                             {"OrvLoadFFT", ToolBarPicture::Play},
                             {"OrvReset_FST_STD_Data", ToolBarPicture::Reset},
                             {"DatabaseExportToFile", ToolBarPicture::Export},
                             {"DatabaseExportToClipb", ToolBarPicture::Clipboard},
                             {"DatabasePrint", ToolBarPicture::Print},
                             {"DatabasePreview", ToolBarPicture::Preview},
                             {"ViewSetup", ToolBarPicture::Setup},
                             {"ViewZoomOut", ToolBarPicture::ZoomOut},
                             {"ViewZoomIn", ToolBarPicture::ZoomIn},
                             {"HelpInfo", ToolBarPicture::Info},
                             {"HelpOpen", ToolBarPicture::Help}})
        Action(p.action)->setIcon(ToolBarIcon(p.picture));
}

namespace {

// Fills a menu from action names; "-" adds a separator, returned in order.
std::vector<QAction*> Fill(QMenu* menu, const TOrvMainForm& form,
                           std::initializer_list<const char*> names) {
    std::vector<QAction*> separators;
    for (const char* name : names) {
        if (std::strcmp(name, kSep) == 0)
            separators.push_back(menu->addSeparator());
        else
            menu->addAction(form.Action(name));
    }
    return separators;
}

QMenu* NamedMenu(const char* title, const char* name, QWidget* parent) {
    auto* menu = new QMenu(QString::fromLatin1(title), parent);
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

void TOrvMainForm::BuildMenus() {
    QMenuBar* bar = menuBar();
    m_pMenuSort = NamedMenu("Sort", "DatabaseSort", this);
    Fill(m_pMenuSort, *this,
         {"DatabaseSortIndex", "DatabaseSortType", "DatabaseSortMode", "DatabaseSortDateTime"});

    QMenu* orv = NamedMenu("Orv", "MenuOrv", this);
    const auto orvSeps =
        Fill(orv, *this,
             {"OrvChangeMode", kSep, "OrvActivateConfiguration", "OrvActivateStoring", kSep,
              "OrvReset_FST_STD_Data", "OrvLoadFFT", "OrvLoadFFTcont", kSep, "OrvPrintSetup", kSep,
              "OrvShowService", kSep, "OrvExportFormat", "OrvCommunication", "OrvShowSplash", kSep,
              "OrvExit"});
    m_pSepBeforeConfiguration = orvSeps[0];
    m_pSepAfterStoring = orvSeps[1];

    QMenu* database = NamedMenu("Database", "MenuDatabase", this);
    database->addAction(Action("DatabaseLoad"));
    m_pSepAfterLoad = database->addSeparator();
    Fill(database, *this,
         {"DatabaseErase", kSep, "DatabaseExportToFile", "DatabaseExportToClipb", kSep});
    database->addMenu(m_pMenuSort);
    Fill(database, *this, {kSep, "DatabasePrint", "DatabasePreview", "DatabasePrintOpt"});

    m_pMenuConfig = NamedMenu("Configuration", "Config", this);
    Fill(m_pMenuConfig, *this,
         {"ConfigFST", "ConfigSTD", "ConfigFFT", "ConfigHarmonics", kSep, "ConfigUserSetup", kSep,
          "ConfigAlarm"});
    m_pMenuStoring = NamedMenu("Storing", "Storing", this);
    Fill(m_pMenuStoring, *this,
         {"StoringSingle", "StoringAllAboutThreahold", kSep, "StoringStartPGMD", "StoringStartIMMD",
          "StoringStop"});
    QMenu* view = NamedMenu("View", "MenuView", this);
    Fill(view, *this, {"ViewSetup", kSep, "ViewZoomIn", "ViewZoomOut", kSep, "ViewMarker"});
    QMenu* help = NamedMenu("?", "MenuHelp", this);
    Fill(help, *this, {"HelpOpen", "HelpSearch", "HelpOnHelp", kSep, "HelpInfo"});

    for (QMenu* menu : {orv, database, m_pMenuConfig, m_pMenuStoring, view, help}) {
        bar->addMenu(menu);
        connect(menu, &QMenu::aboutToShow, this, &TOrvMainForm::UpdateActions);
    }
    m_Actions.push_back(m_pMenuConfig->menuAction());
    m_Actions.push_back(m_pMenuStoring->menuAction());
    m_Actions.push_back(m_pMenuSort->menuAction());
}

void TOrvMainForm::BuildToolBar() {
    m_pSpeedBar = addToolBar(QStringLiteral("Tool bar"));
    m_pSpeedBar->setObjectName(QStringLiteral("SpeedBar"));
    m_pSpeedBar->setMovable(false);
    m_pSpeedBar->setFloatable(false);
    m_pSpeedBar->setIconSize(QSize(24, 24));
    m_pSpeedBar->setMinimumHeight(33);
    m_pSpeedBar->setContextMenuPolicy(Qt::PreventContextMenu);
    // The load, the spectrum request and the reset share one place: only the
    // button of the visible action shows.
    for (const char* name :
         {"DatabaseLoad", "OrvLoadFFT", "OrvReset_FST_STD_Data", kSep, "DatabaseExportToFile",
          "DatabaseExportToClipb", "DatabasePrint", "DatabasePreview", kSep, "ViewSetup",
          "ViewZoomOut", "ViewZoomIn", kSep, "HelpInfo", "HelpOpen"}) {
        if (std::strcmp(name, kSep) == 0)
            m_pSpeedBar->addSeparator();
        else
            m_pSpeedBar->addAction(Action(name));
    }
    const char* buttons[] = {"SpeedButton3", "SpeedButtonLoadFFT", "SpeedButtonResetSTDFSTData"};
    const char* actions[] = {"DatabaseLoad", "OrvLoadFFT", "OrvReset_FST_STD_Data"};
    for (int i = 0; i < 3; ++i)
        if (QWidget* button = m_pSpeedBar->widgetForAction(Action(actions[i])))
            button->setObjectName(QString::fromLatin1(buttons[i]));
}

void TOrvMainForm::BuildPopups() {
    m_pPopupMenuDatabase = NamedMenu("", "PopupMenuDatabase", this);
    m_pPopupMenuDatabase->addAction(Action("DatabaseLoad"));
    m_pSepAfterLoadPopup = m_pPopupMenuDatabase->addSeparator();
    Fill(m_pPopupMenuDatabase, *this,
         {"DatabaseErase", kSep, "DatabaseExportToFile", "DatabaseExportToClipb", kSep});
    m_pPopupMenuDatabase->addMenu(m_pMenuSort);
    Fill(m_pPopupMenuDatabase, *this,
         {kSep, "DatabasePrint", "DatabasePreview", "DatabasePrintOpt"});

    m_pPopupMenuView = NamedMenu("", "PopupMenuView", this);
    Fill(m_pPopupMenuView, *this,
         {"ViewSetup", kSep, "ViewZoomIn", "ViewZoomOut", kSep, "ViewMarker"});
    m_pPopupMenuConfig = NamedMenu("", "PopupMenuConfig", this);
    Fill(m_pPopupMenuConfig, *this,
         {"ConfigFST", "ConfigSTD", "ConfigFFT", "ConfigHarmonics", kSep, "ConfigUserSetup", kSep,
          "ConfigAlarm"});
    m_pPopupMenuStoring = NamedMenu("", "PopupMenuStoring", this);
    Fill(m_pPopupMenuStoring, *this,
         {"StoringSingle", kSep, "StoringStartIMMD", "StoringStartPGMD", "StoringStop"});

    auto popup = [this](QMenu* menu, QWidget* owner) {
        connect(owner, &QWidget::customContextMenuRequested, this, [this, menu, owner](QPoint at) {
            UpdateActions();
            menu->exec(owner->mapToGlobal(at));
        });
    };
    popup(m_pPopupMenuDatabase, m_pTreeViewDatabase);
    popup(m_pPopupMenuView, m_pPageControlView);
    connect(m_pPageControlFunc, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        UpdateActions();
        QMenu* menu = m_bStoringPage ? m_pPopupMenuStoring : m_pPopupMenuConfig;
        menu->exec(m_pPageControlFunc->mapToGlobal(at));
    });
}

void TOrvMainForm::ConnectActions() {
    auto on = [this](const char* name, auto handler) {
        connect(Action(name), &QAction::triggered, this, handler);
    };
    on("OrvChangeMode", [this] { OrvChangeMode(); });
    on("OrvActivateConfiguration", [this] { SetLeftPage(false); });
    on("OrvActivateStoring", [this] { SetLeftPage(true); });
    on("OrvReset_FST_STD_Data", [] {
        if (OrvMainObject* main = MainObject()) main->ResetLiveData();
    });
    on("OrvLoadFFT", [this] { OrvLoadFFTExecute(); });
    on("OrvLoadFFTcont", [] {
        if (OrvMainObject* main = MainObject())
            main->SetLoadFFTContinuous(!main->LoadFFTContinuous());
    });
    on("OrvPrintSetup", [this] { OrvPrintSetupExecute(); });
    on("OrvShowService", [this] { OrvShowServiceExecute(); });
    on("OrvExportFormat", [this] { m_pDlgExportFormat->exec(); });
    on("OrvCommunication", [this] { OrvCommunicationExecute(); });
    on("OrvShowSplash", [] {
        const bool shown = ReadRegInt(reg::kShowSplash, reg::kShowSplashDefault) != 0;
        WriteRegInt(reg::kShowSplash, shown ? 0 : 1);
    });
    on("OrvExit", [this] { close(); });
    on("DatabaseLoad", [this] { DatabaseLoadExecute(); });
    on("DatabaseErase", [this] { DatabaseEraseExecute(); });
    on("DatabaseExportToFile", [this] { DatabaseExportToFileExecute(); });
    on("DatabaseExportToClipb", [this] { DatabaseExportToClipbExecute(); });
    on("DatabaseSortIndex", [this] { SortTree(TreeSortKey::Index, "DatabaseSortIndex"); });
    on("DatabaseSortType", [this] { SortTree(TreeSortKey::Type, "DatabaseSortType"); });
    on("DatabaseSortMode", [this] { SortTree(TreeSortKey::Mode, "DatabaseSortMode"); });
    on("DatabaseSortDateTime",
       [this] { SortTree(TreeSortKey::DateAndTime, "DatabaseSortDateTime"); });
    on("DatabasePrint", [this] { DatabasePrintExecute(); });
    on("DatabasePreview", [this] { DatabasePreviewExecute(); });
    on("DatabasePrintOpt", [this] {
        if (m_Hooks.printOptions) m_Hooks.printOptions();
    });
    on("ConfigFST", [this] { SelectFunctionMode(0); });
    on("ConfigSTD", [this] { SelectFunctionMode(1); });
    on("ConfigFFT", [this] { SelectFunctionMode(2); });
    on("ConfigHarmonics", [this] { SelectFunctionMode(3); });
    on("ConfigUserSetup", [this] {
        if (m_Hooks.userSetup) m_Hooks.userSetup();
    });
    on("ConfigAlarm", [] {
        if (OrvMainObject* main = MainObject()) main->SetAlarmActive(!main->AlarmActive());
    });
    on("StoringSingle", [] {
        if (OrvMainObject* main = MainObject()) main->StoreLive();
    });
    on("StoringAllAboutThreahold", [] {
        if (OrvMainObject* main = MainObject()) main->SetAutoStore(!main->AutoStore());
    });
    on("StoringStartPGMD", [this] { SelectStoringTab(eStoringProgrammed); });
    on("StoringStartIMMD", [this] { SelectStoringTab(eStoringImmediate); });
    on("StoringStop", [this] { SelectStoringTab(eStoringStopped); });
    on("ViewSetup", [this] { ViewSetupExecute(); });
    on("ViewZoomIn", [this] { m_Zoom.ZoomIn(); });
    on("ViewZoomOut", [this] { ViewZoomOutExecute(); });
    on("ViewMarker", [this] { ViewMarkerExecute(); });
    on("HelpOpen", [] { ShowHelpContents(); });
    on("HelpSearch", [] { ShowHelpSearch(); });
    on("HelpOnHelp", [] { ShowHelpOnHelp(); });
    on("HelpInfo", [this] { m_pAboutDlg->exec(); });

    // Whatever an action did, its rules and those of its neighbours follow.
    for (QAction* action : m_Actions)
        connect(action, &QAction::triggered, this, &TOrvMainForm::ScheduleActionUpdate);
}

void TOrvMainForm::ScheduleActionUpdate() {
    if (!m_pActionUpdate->isActive()) m_pActionUpdate->start();
}

void TOrvMainForm::UpdateActions() {
    OrvMainObject* main = MainObject();
    const bool remote = m_nOperatingMode == eModeRemote;
    const bool datalog = m_nOperatingMode == eModeDatalog;
    const bool ready = m_bReady;
    const int storingState = main ? main->StoringState() : eStoringStopped;
    const bool stopped = storingState == eStoringStopped;
    const int fm = m_nFunctionMode;
    const bool valueMode = fm == eFST || fm == eSTD;
    const bool spectrumMode = fm == eFFT || fm == eHAR;
    OrvDataList* list = main ? main->CurrentDataList() : nullptr;
    const bool viewShown = m_pPageControlView->isVisibleTo(m_pPanelView);
    const int sheet = m_nViewSheet;
    auto sheetIn = [sheet](std::initializer_list<int> sheets) {
        return std::find(sheets.begin(), sheets.end(), sheet) != sheets.end();
    };
    auto set = [this](const char* name, std::optional<bool> visible, std::optional<bool> enabled,
                      std::optional<bool> checked = std::nullopt) {
        QAction* action = Action(name);
        if (visible) action->setVisible(*visible);
        if (enabled) action->setEnabled(*enabled);
        if (checked) action->setChecked(*checked);
    };
    const auto none = std::nullopt;

    Action("OrvChangeMode")
        ->setText(datalog ? QStringLiteral("Change to Remote")
                          : QStringLiteral("Change to Datalog"));
    set("OrvChangeMode", none, ready);
    set("OrvActivateConfiguration", remote, none, !m_bStoringPage);
    set("OrvActivateStoring", remote, none, m_bStoringPage);
    m_pSepBeforeConfiguration->setVisible(remote);
    m_pSepAfterStoring->setVisible(remote);
    set("OrvReset_FST_STD_Data", remote && valueMode, ready && stopped);
    set("OrvLoadFFT", remote && spectrumMode, ready && m_nFftState != eFftProcessing,
        m_nFftState == eFftProcessing);
    const QString loadHint = QString::fromLatin1(LoadSpectrumHint(m_nFftState));
    Action("OrvLoadFFT")->setStatusTip(loadHint);
    Action("OrvLoadFFT")->setToolTip(loadHint);
    set("OrvLoadFFTcont", remote, spectrumMode, main && main->LoadFFTContinuous());
    set("OrvShowSplash", none, none, ReadRegInt(reg::kShowSplash, reg::kShowSplashDefault) != 0);

    m_pSepAfterLoad->setVisible(datalog);
    m_pSepAfterLoadPopup->setVisible(datalog);
    set("DatabaseErase", none, list != nullptr);
    set("DatabaseExportToFile", none, list && list->GetCount() > 0);
    set("DatabaseExportToClipb", none, viewShown);
    set("DatabasePrint", none, viewShown);
    // The preview follows the rule of "Print": it previews the page Print prints.
    set("DatabasePreview", none, viewShown);
    set("DatabasePrintOpt", none, static_cast<bool>(m_Hooks.printOptions));

    set("Config", none, !m_bStoringPage && ready);
    set("ConfigFST", none, none, fm == eFST);
    set("ConfigSTD", none, none, fm == eSTD);
    set("ConfigFFT", none, none, fm == eFFT);
    set("ConfigHarmonics", none, none, fm == eHAR);
    set("ConfigUserSetup", none, static_cast<bool>(m_Hooks.userSetup));
    set("ConfigAlarm", remote, valueMode, main && main->AlarmActive());

    set("Storing", none, m_bStoringPage);
    set("StoringSingle", none, m_bStoringPage);
    const int mode = main ? main->CurrentMode() : eFST;
    set("StoringAllAboutThreahold", none, stopped && (mode == eFST || mode == eSTD),
        main && main->AutoStore());
    set("StoringStartPGMD", none, m_bStoringPage, storingState == eStoringProgrammed);
    set("StoringStartIMMD", none, m_bStoringPage, storingState == eStoringImmediate);
    set("StoringStop", none, m_bStoringPage, stopped);

    set("ViewSetup", none, sheetIn({1, 2, 3, 4, 5, 7, 8}) && m_Hooks.viewSetup);
    set("ViewZoomIn", none, sheetIn({1, 2, 4}));
    set("ViewZoomOut", none, sheetIn({1, 2, 4}));
    set("ViewMarker", none, sheetIn({1, 2, 4, 5}), ViewSetup().GetMarkerVisible());
}

} // namespace ombrix
