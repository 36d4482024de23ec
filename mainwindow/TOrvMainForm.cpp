#include "mainwindow/TOrvMainForm.h"

#include "config/OrvConfiguration.h"
#include "core/HelpSystem.h"
#include "core/OrvMainObject.h"
#include "core/ProgramPictures.h"
#include "core/TAboutDlg.h"
#include "core/TDlgChooseMode.h"
#include "core/UnassociatedFont.h"
#include "datasets/LoadData.h"
#include "datasets/OrvDataList.h"
#include "export/TDlgExportFormat.h"
#include "export/TDlgExportList.h"
#include "link/TDlgCommunication.h"
#include "link/TDlgService.h"
#include "mainwindow/DataTreeModel.h"
#include "mainwindow/MainFormContents.h"
#include "mainwindow/MainWindowHost.h"
#include "mainwindow/StatusPanel.h"
#include "mainwindow/ValuePage.h"
#include "mainwindow/ViewPage.h"
#include "mainwindow/ViewPageControl.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace ombrix {

namespace {

constexpr int kInfoLines = 4;
constexpr int kCommentLines = 2;
constexpr const char* kModeTabs[] = {"Fieldstrength", "STD", "FFT", "Harmonics", "Database"};

// A memo whose height shows `lines` lines of its font, at least `minimum` pixels.
void FitMemoHeight(QPlainTextEdit* memo, int lines, int minimum) {
    const int text = memo->fontMetrics().lineSpacing() * lines;
    const QMargins margins = memo->contentsMargins();
    const int frame = 2 * static_cast<int>(memo->document()->documentMargin()) + margins.top() +
                      margins.bottom() + 2 * memo->frameWidth() + 2;
    memo->setFixedHeight(std::max(minimum, text + frame));
}

QWidget* PageWithHost(const char* name, const char* hostName) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    auto* host = new QWidget(page);
    host->setObjectName(QString::fromLatin1(hostName));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(host);
    return page;
}

} // namespace

TOrvMainForm::TOrvMainForm(const std::string& commandLineWord, QWidget* parent)
    : QMainWindow(parent), m_pHost(std::make_unique<MainWindowHost>(*this)),
      m_nOperatingMode(ModeByteForCommandLine(commandLineWord)) {
    setObjectName(QStringLiteral("OrvMainForm"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setWindowIcon(QIcon(EmblemPicture(64)));
    setFont(UnassociatedFont(font()));
    setAcceptDrops(true);
    ombrix::SetHelpContext(this, 0);
    InstallHelpKey(this);

    CreateActions();
    BuildLayout();
    BuildMenus();
    BuildToolBar();
    BuildPopups();
    BuildTimers();
    ConnectActions();
    CreateDialogs();

    InstallViewPage(eSheetValue, std::make_unique<ValuePage>([](double& min, double& max) {
                        if (OrvMainObject* main = MainObject())
                            main->Configuration().RangeLimits(min, max);
                    }));
    InstallMainFormContents(*this);
    OrvDataList::SetDatabaseViewQuery([this] { return IsDatabaseView(); });
    ShowEmptyPanel(true);
    UpdateActions();
}

TOrvMainForm::~TOrvMainForm() {
    OrvDataList::SetDatabaseViewQuery({});
    // The tree refers to datasets of the main object; the view must not ask
    // for them while the window goes.
    m_pTreeViewDatabase->setModel(nullptr);
    delete m_pTreeProxy;
    delete m_pTreeModel; // before the tree it listens to
}

// ---- layout ----------------------------------------------------------------------

void TOrvMainForm::BuildLayout() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));

    m_pTabControlMode = new QTabBar(central);
    m_pTabControlMode->setObjectName(QStringLiteral("TabControlMode"));
    for (const char* caption : kModeTabs)
        m_pTabControlMode->addTab(QString::fromLatin1(caption));
    QFont tabFont = m_pTabControlMode->font();
    tabFont.setBold(true);
    tabFont.setPointSize(10);
    m_pTabControlMode->setFont(tabFont);
    m_pTabControlMode->setExpanding(false);
    m_pTabControlMode->hide();
    connect(m_pTabControlMode, &QTabBar::currentChanged, this, &TOrvMainForm::TabControlModeChange);

    m_pSplitter1 = new QSplitter(Qt::Horizontal, central);
    m_pSplitter1->setObjectName(QStringLiteral("Splitter1"));
    m_pSplitter1->addWidget(BuildLeftPanel());
    m_pSplitter1->addWidget(BuildViewPanel());
    m_pSplitter1->setStretchFactor(0, 0);
    m_pSplitter1->setStretchFactor(1, 1);
    // The left pages' tabs are not cut off in a font larger than the one the
    // panel's width was chosen for.
    const int leftWidth =
        std::max(kLeftPanelWidth, m_pPageControlFunc->tabBar()->sizeHint().width() + 8);
    m_pSplitter1->setSizes({leftWidth, 1000});
    m_pSplitter1->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pTabControlMode);
    layout->addWidget(m_pSplitter1, 1);
    setCentralWidget(central);

    m_pStatusLine = new StatusPanel(this);
    setStatusBar(m_pStatusLine);
}

QWidget* TOrvMainForm::BuildLeftPanel() {
    m_pPanelFunc = new QStackedWidget;
    m_pPanelFunc->setObjectName(QStringLiteral("PanelFunc"));
    m_pPanelFunc->setMinimumWidth(120);

    m_pTreeViewDatabase = new QTreeView;
    m_pTreeViewDatabase->setObjectName(QStringLiteral("TreeViewDatabase"));
    m_pTreeViewDatabase->setHeaderHidden(true);
    m_pTreeViewDatabase->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTreeViewDatabase->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every node is one line of text: the view need not measure each row, which
    // keeps a tree of a large memory quick to lay out.
    m_pTreeViewDatabase->setUniformRowHeights(true);
    // Long node texts scroll sideways instead of being cut short; the width
    // is measured on the first thousand rows, so a large tree stays quick.
    m_pTreeViewDatabase->header()->setStretchLastSection(false);
    m_pTreeViewDatabase->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pTreeViewDatabase->header()->setResizeContentsPrecision(1000);
    m_pTreeViewDatabase->setContextMenuPolicy(Qt::CustomContextMenu);
    m_pTreeModel = new DataTreeModel(m_Tree, this);
    m_pTreeProxy = new DataTreeSortProxy(this);
    m_pTreeProxy->setSourceModel(m_pTreeModel);
    m_pTreeViewDatabase->setModel(m_pTreeProxy);
    connect(m_pTreeViewDatabase->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TOrvMainForm::TreeCurrentChanged);
    connect(m_pTreeViewDatabase, &QTreeView::expanded, this, &TOrvMainForm::TreeExpanded);
    connect(m_pTreeModel, &DataTreeModel::ExpansionWanted, this,
            [this](const QModelIndex& index, bool expanded) {
                m_pTreeViewDatabase->setExpanded(m_pTreeProxy->mapFromSource(index), expanded);
            });

    m_pPageControlFunc = new QTabWidget;
    m_pPageControlFunc->setObjectName(QStringLiteral("PageControlFunc"));
    m_pTabSheetConfiguration = PageWithHost("TabSheetConfiguration", "ConfigurationHost");
    m_pTabSheetStoring = PageWithHost("TabSheetStoring", "StoringHost");
    m_pPageControlFunc->addTab(m_pTabSheetConfiguration, QStringLiteral("Configuration"));
    m_pPageControlFunc->addTab(m_pTabSheetStoring, QStringLiteral("Storing into Database"));
    m_pPageControlFunc->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_pPageControlFunc, &QTabWidget::currentChanged, this,
            &TOrvMainForm::PageControlFuncChange);

    m_pPanelFunc->addWidget(m_pTreeViewDatabase);
    m_pPanelFunc->addWidget(m_pPageControlFunc);
    m_pPanelFunc->setCurrentWidget(m_pTreeViewDatabase);
    return m_pPanelFunc;
}

QWidget* TOrvMainForm::BuildViewPanel() {
    m_pPanelView = new QWidget;
    m_pPanelView->setObjectName(QStringLiteral("PanelView"));

    m_pPanelViewCaption = new QLabel;
    m_pPanelViewCaption->setObjectName(QStringLiteral("PanelViewCaption"));
    m_pPanelViewCaption->setAlignment(Qt::AlignCenter);
    m_pPanelViewCaption->setWordWrap(true);

    m_pMemoInfo = new QPlainTextEdit;
    m_pMemoInfo->setObjectName(QStringLiteral("MemoInfo"));
    m_pMemoInfo->setReadOnly(true);
    m_pMemoInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    FitMemoHeight(m_pMemoInfo, kInfoLines, 64);

    m_pMemoComment = new QPlainTextEdit;
    m_pMemoComment->setObjectName(QStringLiteral("MemoComment"));
    m_pMemoComment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pMemoComment->setPlaceholderText(QStringLiteral("Comment"));
    FitMemoHeight(m_pMemoComment, kCommentLines, 32);
    connect(m_pMemoComment, &QPlainTextEdit::textChanged, this, &TOrvMainForm::MemoCommentChange);

    m_pPageControlView = new ViewPageControl;
    m_pPageControlView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_pPageControlView, &ViewPageControl::PageChanged, this,
            &TOrvMainForm::PageControlViewChange);
    for (int sheet = 0; sheet < kViewSheetCount; ++sheet)
        m_pViewSheets[static_cast<std::size_t>(sheet)] = m_pPageControlView->Page(sheet);

    m_pGroupBoxPlaneSel = new QGroupBox(QStringLiteral("Plane"));
    m_pGroupBoxPlaneSel->setObjectName(QStringLiteral("GroupBoxPlaneSel"));
    new QVBoxLayout(m_pGroupBoxPlaneSel);
    m_pGroupBoxAxisSel = new QGroupBox(QStringLiteral("Axis"));
    m_pGroupBoxAxisSel->setObjectName(QStringLiteral("GroupBoxAxisSel"));
    new QVBoxLayout(m_pGroupBoxAxisSel);
    m_pGroupBoxPlaneSel->hide();
    m_pGroupBoxAxisSel->hide();
    auto* selections = new QHBoxLayout;
    selections->addWidget(m_pGroupBoxPlaneSel);
    selections->addWidget(m_pGroupBoxAxisSel);
    selections->addStretch(1);

    auto* layout = new QVBoxLayout(m_pPanelView);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_pMemoInfo);
    layout->addWidget(m_pMemoComment);
    layout->addWidget(m_pPageControlView, 1);
    layout->addWidget(m_pPanelViewCaption, 1);
    layout->addLayout(selections);
    return m_pPanelView;
}

void TOrvMainForm::BuildTimers() {
    m_pTimerSec = new QTimer(this);
    m_pTimerSec->setObjectName(QStringLiteral("TimerSec"));
    m_pTimerSec->setInterval(1000);
    m_pAlarmTimer = new QTimer(this);
    m_pAlarmTimer->setObjectName(QStringLiteral("AlarmTimer"));
    m_pAlarmTimer->setInterval(kAlarmTimerMs);
    m_pStartTimer = new QTimer(this);
    m_pStartTimer->setObjectName(QStringLiteral("StartTimer"));
    m_pStartTimer->setInterval(kStartTimerMs);
    m_pStartTimer->setSingleShot(true);
    m_pActionUpdate = new QTimer(this);
    m_pActionUpdate->setSingleShot(true);
    m_pActionUpdate->setInterval(0);

    connect(m_pTimerSec, &QTimer::timeout, this, &TOrvMainForm::TimerSecTimer);
    connect(m_pAlarmTimer, &QTimer::timeout, this, &TOrvMainForm::AlarmTimerTimer);
    connect(m_pStartTimer, &QTimer::timeout, this, [this] {
        m_pStartTimer->stop();
        OrvChangeMode();
    });
    connect(m_pActionUpdate, &QTimer::timeout, this, &TOrvMainForm::UpdateActions);
}

// The dialogs of the program, each created once, in the order of start-up.
void TOrvMainForm::CreateDialogs() {
    m_pDlgChooseMode = new TDlgChooseMode(this);
    m_pAboutDlg = new TAboutDlg(this);
    m_pDlgCommunication = new TDlgCommunication(this);
    m_pDlgExportList = new TDlgExportList(this);
    m_pDlgExportFormat = new TDlgExportFormat(this);
    m_pDlgService = new TDlgService(this);
    m_pDlgLoadData = new TDlgLoadData(this);

    m_pSaveDialog = new QFileDialog(this, QStringLiteral("Export to file"));
    m_pSaveDialog->setObjectName(QStringLiteral("SaveDialog"));
    m_pSaveDialog->setAcceptMode(QFileDialog::AcceptSave);
    m_pSaveDialog->setFileMode(QFileDialog::AnyFile);
    m_pSaveDialog->setNameFilters({QStringLiteral("Excel format files (*.csv *.CSV)"),
                                   QStringLiteral("Text files (*.txt *.TXT)")});
    m_pSaveDialog->setDefaultSuffix(QStringLiteral("csv"));
    m_pSaveDialog->setDirectory(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    connect(m_pSaveDialog, &QFileDialog::filterSelected, this, [this](const QString& filter) {
        const bool first = filter == m_pSaveDialog->nameFilters().value(0);
        m_pSaveDialog->setDefaultSuffix(first ? QStringLiteral("csv") : QStringLiteral("txt"));
    });
}

// ---- hosts -----------------------------------------------------------------------

void TOrvMainForm::InstallViewPage(int sheet, std::unique_ptr<ViewPage> page) {
    QWidget* host = ViewPageHost(sheet);
    if (!host || sheet == eSheetViewError) return;
    auto& slot = m_ViewPages[static_cast<std::size_t>(sheet)];
    if (slot) delete slot->Widget();
    slot = std::move(page);
    if (slot) host->layout()->addWidget(slot->Widget());
}

ViewPage* TOrvMainForm::InstalledViewPage(int sheet) const {
    if (sheet < 0 || sheet >= kViewSheetCount) return nullptr;
    return m_ViewPages[static_cast<std::size_t>(sheet)].get();
}

QWidget* TOrvMainForm::ViewPageHost(int sheet) const {
    return m_pPageControlView->Page(sheet);
}

QWidget* TOrvMainForm::PlaneSelectionHost() const {
    return m_pGroupBoxPlaneSel;
}

QWidget* TOrvMainForm::AxisSelectionHost() const {
    return m_pGroupBoxAxisSel;
}

QWidget* TOrvMainForm::ConfigurationPageHost() const {
    return m_pTabSheetConfiguration->findChild<QWidget*>(QStringLiteral("ConfigurationHost"));
}

QWidget* TOrvMainForm::StoringPageHost() const {
    return m_pTabSheetStoring->findChild<QWidget*>(QStringLiteral("StoringHost"));
}

// ---- window events ---------------------------------------------------------------

bool TOrvMainForm::event(QEvent* event) {
    // Every hint goes to the last panel of the status line, not over its panels.
    if (event->type() == QEvent::StatusTip) {
        m_pStatusLine->SetHintText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TOrvMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_bStarted) {
        m_bStarted = true;
        m_pStartTimer->start();
    }
}

void TOrvMainForm::closeEvent(QCloseEvent* event) {
    if (!m_bProgramEnded && !CloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
}

void TOrvMainForm::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* mime = event->mimeData();
    if (m_nOperatingMode == eModeDatalog && mime->hasUrls() && mime->urls().size() == 1 &&
        mime->urls().front().isLocalFile())
        event->acceptProposedAction();
}

void TOrvMainForm::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    // Leave the drop first: the wizard runs modally.
    const QString path = urls.front().toLocalFile();
    QTimer::singleShot(0, this, [this, path] { LoadDroppedFile(path); });
}

} // namespace ombrix
