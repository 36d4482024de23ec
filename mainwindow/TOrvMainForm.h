#pragma once
// The program's main window: menus, tool bar, mode tabs, the data tree or the
// REMOTE left pages, the information and comment boxes, the view pages and the
// status line. It owns no measurement data: it drives the main object through
// its actions and shows what the main object holds.

#include "core/Ombrix.h"
#include "datasets/DataTree.h"
#include "mainwindow/ChartInteraction.h"
#include "mainwindow/MainWindowRules.h"

#include <QImage>
#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QFileDialog;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QSplitter;
class QStackedWidget;
class QTabBar;
class QTabWidget;
class QTimer;
class QToolBar;
class QTreeView;

namespace ombrix {

class DataTreeModel;
class DataTreeSortProxy;
class HostWindow;
class MainWindowHost;
class OrvDataList;
class OrvDataset;
class OrvMainObject;
class StatusPanel;
class TAboutDlg;
class TDlgChooseMode;
class TDlgCommunication;
class TDlgExportFormat;
class TDlgExportList;
class TDlgLoadData;
class TDlgService;
class ViewPage;
class ViewPageControl;

// Work that other parts of the window supply as they are built: the REMOTE
// panel, the view setup, the user setups and the print options. An action whose
// work is not supplied stays disabled.
struct MainFormHooks {
    // The REMOTE panel's part of the one-second tick, run while no other tick
    // runs, before the window reloads the configuration page and runs the main
    // object's live tick (while ready): the clock display, the storing tabs.
    std::function<void()> remoteTick;
    // Shows the main object's storing times on the storing page (a new
    // measurement mode has an interval of its own).
    std::function<void()> storingTimes;
    // Fills the configuration page for a measurement mode (after the window
    // has set the mode and read the device options).
    std::function<void(int mode)> configurationPage;
    // The analyser went offline: the configuration controls lose their selection.
    std::function<void()> configurationOffline;
    // Selects a tab of the auto-storing control (0 Start IMMD, 1 Stop,
    // 2 Start PGMD) and runs its change. Left empty, the storing state is set
    // from the stored times.
    std::function<void(int tab)> storingTab;
    // The view setup dialog for a view sheet; true when closed with OK.
    std::function<bool(int sheet)> viewSetup;
    std::function<void()> userSetup;
    // The print / clipboard options dialog.
    std::function<void()> printOptions;
};

class TOrvMainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kRemoteHelpContext = 55;
    static constexpr int kDatalogHelpContext = 41;
    static constexpr int kStartTimerMs = 1;
    static constexpr int kAlarmTimerMs = 2000;
    static constexpr int kLeftPanelWidth = 257;

    // `commandLineWord` proposes the first mode: "DATALOG" or "REMOTE" in any
    // letter case; anything else leaves the choice to the mode dialog.
    explicit TOrvMainForm(const std::string& commandLineWord, QWidget* parent = nullptr);
    ~TOrvMainForm() override;

    // What the model asks of the window.
    MainWindowHost& Host() const { return *m_pHost; }

    // ---- refresh entry points
    // Shows the current dataset on the view pages.
    void RefreshView();
    // Lets every data list add what is new to the tree.
    void RefreshTree();
    // Clears the tree, fills it anew and shows the current dataset.
    void RebuildTree();
    void RefreshTreeAndView();
    // The presentation settings changed: every view applies them, then RefreshView.
    void ApplyViewSettings();
    // The one update pass of the actions' rules; also run by itself after
    // every action and refresh.
    void UpdateActions();

    // ---- states the model reads and sets
    void SetReady(bool ready);
    bool IsReady() const { return m_bReady; }
    void SetFftState(int state);
    int FftState() const { return m_nFftState; }
    // DATALOG, or REMOTE with the "Database" tab: the selected dataset is shown
    // instead of the live one.
    bool IsDatabaseView() const;
    bool IsDatalogOrDatabaseTab() const;
    void ShowDatabaseTab();
    void ApplyFunctionMode(int mode);
    // The configuration controls were emptied: the next tick while the
    // analyser is ready fills them again (ApplyFunctionMode clears the request).
    void RequestConfigurationReload() { m_bReloadConfig = true; }
    bool ConfigurationReloadPending() const { return m_bReloadConfig; }
    // The active view with the information and comment above it, as the print
    // options ask; a null picture while no dataset is shown.
    QImage MakeViewBitmap();

    // ---- mode and closing
    void OrvChangeMode();
    // Whether the window may close now (asks about unexported datasets).
    bool CloseQuery();
    // True once a failed or cancelled mode change ended the program.
    bool ProgramEnded() const { return m_bProgramEnded; }

    // ---- hosts for the contents that other parts of the program supply
    void InstallViewPage(int sheet, std::unique_ptr<ViewPage> page);
    ViewPage* InstalledViewPage(int sheet) const;
    QWidget* ViewPageHost(int sheet) const;
    QWidget* PlaneSelectionHost() const;
    QWidget* AxisSelectionHost() const;
    QWidget* ConfigurationPageHost() const;
    QWidget* StoringPageHost() const;
    MainFormHooks& Hooks() { return m_Hooks; }

    // ---- read access
    OperatingMode Mode() const { return m_nOperatingMode; }
    int ViewSheet() const { return m_nViewSheet; }
    int FunctionMode() const { return m_nFunctionMode; }
    bool StoringPage() const { return m_bStoringPage; }
    bool Busy() const { return m_bBusy; }
    void SetBusy(bool busy) { m_bBusy = busy; }
    ZoomState& Zoom() { return m_Zoom; }
    QAction* Action(const char* name) const;
    StatusPanel& StatusLine() const { return *m_pStatusLine; }
    QTimer* TimerSec() const { return m_pTimerSec; }
    QTimer* AlarmTimer() const { return m_pAlarmTimer; }
    DataTree& Tree() { return m_Tree; }
    QTreeView* TreeView() const { return m_pTreeViewDatabase; }
    ViewPageControl& PageControlView() const { return *m_pPageControlView; }
    TDlgLoadData& LoadDataDialog() const { return *m_pDlgLoadData; }
    TDlgChooseMode& ChooseModeDialog() const { return *m_pDlgChooseMode; }

signals:
    // A mode change failed or was cancelled: the program ends.
    void ProgramEndRequested();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // ---- construction (TOrvMainForm.cpp, MainFormActions.cpp)
    void BuildLayout();
    QWidget* BuildLeftPanel();
    QWidget* BuildViewPanel();
    void BuildTimers();
    void CreateDialogs();
    void CreateActions();
    void BuildMenus();
    void BuildToolBar();
    void BuildPopups();
    void ConnectActions();
    void ScheduleActionUpdate();

    // ---- mode (TOrvMainFormMode.cpp)
    bool EnterMode(bool dialogUsed);
    void EndProgram();
    void ApplyModeReaction();
    void ActivateFuncPage();
    void PageControlFuncChange(int index);
    void TabControlModeChange(int tab);
    void SelectModeTab(int tab);
    void SelectFunctionMode(int tab);
    void SetLeftPage(bool storingPage);
    void TimerSecTimer();
    void AlarmTimerTimer();
    void RemoteTick();
    void OrvLoadFFTExecute();
    void SelectStoringTab(int tab);

    // ---- tree and view (TOrvMainFormView.cpp)
    void ClearTree();
    void SelectCurrentNode();
    void TreeCurrentChanged();
    void TreeExpanded(const QModelIndex& index);
    void SortTree(TreeSortKey key, const char* actionName);
    bool FillPages(OrvDataList& list, OrvDataset& dataset);
    void PageControlViewChange();
    void MemoCommentChange();
    void ShowEmptyPanel(bool empty);

    // ---- database actions (TOrvMainFormDatabase.cpp)
    void DatabaseLoadExecute();
    void DatabaseEraseExecute();
    void DatabaseExportToFileExecute();
    void DatabaseExportToClipbExecute();
    void DatabasePrintExecute();
    void DatabasePreviewExecute();
    void OrvPrintSetupExecute();
    void OrvShowServiceExecute();
    void OrvCommunicationExecute();
    void PrintOptionsBeforePrinting();
    void PrintViewPicture(QPrinter& printer);
    QPrinter& Printer();
    void LoadDroppedFile(const QString& path);

    // ---- view actions
    void ViewSetupExecute();
    void ViewZoomOutExecute();
    void ViewMarkerExecute();

    std::unique_ptr<MainWindowHost> m_pHost;
    MainFormHooks m_Hooks;

    // State, as the window keeps it.
    std::array<QWidget*, kViewSheetCount> m_pViewSheets{};
    OperatingMode m_nOperatingMode;
    bool m_bStoringPage = false;
    int m_nFunctionMode = 0;
    int m_nViewSheet = 0;
    bool m_bReady = true;
    int m_nFftState = 0;
    bool m_bHasSTD = false;
    bool m_bHasFFT = false;
    bool m_bHas32k = false;
    bool m_bReloadConfig = true;
    ZoomState m_Zoom;
    bool m_bInTick = false;
    bool m_bBusy = false;
    bool m_bStarted = false;
    bool m_bProgramEnded = false;
    bool m_bSwitchingTabs = false;
    int m_nModeTab = 0;
    bool m_bFillingMemos = false;
    bool m_bRefreshingView = false;

    DataTree m_Tree;
    std::array<std::unique_ptr<ViewPage>, kViewSheetCount> m_ViewPages;

    // Widgets.
    QToolBar* m_pSpeedBar = nullptr;
    QTabBar* m_pTabControlMode = nullptr;
    QSplitter* m_pSplitter1 = nullptr;
    QStackedWidget* m_pPanelFunc = nullptr;
    QTreeView* m_pTreeViewDatabase = nullptr;
    DataTreeModel* m_pTreeModel = nullptr;
    DataTreeSortProxy* m_pTreeProxy = nullptr;
    QTabWidget* m_pPageControlFunc = nullptr;
    QWidget* m_pTabSheetConfiguration = nullptr;
    QWidget* m_pTabSheetStoring = nullptr;
    QWidget* m_pPanelView = nullptr;
    QLabel* m_pPanelViewCaption = nullptr;
    QPlainTextEdit* m_pMemoInfo = nullptr;
    QPlainTextEdit* m_pMemoComment = nullptr;
    ViewPageControl* m_pPageControlView = nullptr;
    QGroupBox* m_pGroupBoxPlaneSel = nullptr;
    QGroupBox* m_pGroupBoxAxisSel = nullptr;
    StatusPanel* m_pStatusLine = nullptr;
    QTimer* m_pTimerSec = nullptr;
    QTimer* m_pAlarmTimer = nullptr;
    QTimer* m_pStartTimer = nullptr;
    QTimer* m_pActionUpdate = nullptr;
    QFileDialog* m_pSaveDialog = nullptr;
    std::unique_ptr<QPrinter> m_pPrinter;
    QImage m_LastPrintPicture;

    // Menus and the actions the update rules reach by name.
    std::vector<QAction*> m_Actions;
    QAction* m_pSepBeforeConfiguration = nullptr;
    QAction* m_pSepAfterStoring = nullptr;
    QAction* m_pSepAfterLoad = nullptr;
    QAction* m_pSepAfterLoadPopup = nullptr;
    QMenu* m_pMenuConfig = nullptr;
    QMenu* m_pMenuStoring = nullptr;
    QMenu* m_pMenuSort = nullptr;
    QMenu* m_pPopupMenuDatabase = nullptr;
    QMenu* m_pPopupMenuView = nullptr;
    QMenu* m_pPopupMenuConfig = nullptr;
    QMenu* m_pPopupMenuStoring = nullptr;

    // Dialogs, created once after the window.
    TDlgChooseMode* m_pDlgChooseMode = nullptr;
    TAboutDlg* m_pAboutDlg = nullptr;
    TDlgCommunication* m_pDlgCommunication = nullptr;
    TDlgExportList* m_pDlgExportList = nullptr;
    TDlgExportFormat* m_pDlgExportFormat = nullptr;
    TDlgService* m_pDlgService = nullptr;
    TDlgLoadData* m_pDlgLoadData = nullptr;
};

} // namespace ombrix
