#include "datasets/LoadData.h"

#include "core/MessageBoxes.h"
#include "datasets/LoadDataModel.h"
#include "datasets/OrvDataList.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <set>
#include <utility>

namespace ombrix {

namespace {

constexpr const char* kFormatError = "Format Error";
// Upper and lower case spellings: file names on Linux keep their case.
constexpr const char* kFileFilter = "Excel format files (*.csv *.CSV);;Text files (*.txt *.TXT)";

// Rows of the Overview page: ALL, then the kinds in the model's row order.
struct OverviewRowNames {
    const char* caption;
    const char* name; // middle part of the control names
};
constexpr std::array<OverviewRowNames, 6> kOverviewRows = {{
    {"ALL", "All"},
    {"NORMAL", "Normal"},
    {"AUTO", "Auto"},
    {"MATRIX", "Matrix"},
    {"LIST", "List"},
    {"VECTOR", "Vector"},
}};
constexpr int kAllRow = 0;
constexpr int kNumberEditWidth = 48;
constexpr int kUpDownWidth = 16;

enum Column { eColIndex = 0, eColDataType = 1, eColMode = 2, eColDateTime = 3, eColumnCount = 4 };
constexpr int kIndexWidth = 70;
constexpr int kDataTypeWidth = 75;
constexpr int kModeWidth = 70;
constexpr int kDateTimeWidth = 140;
// Room for the four columns and a dozen rows.
constexpr QSize kListViewSize(460, 260);

QString Name(const char* prefix, const char* middle, const char* suffix = "") {
    return QString::fromLatin1(prefix) + QString::fromLatin1(middle) + QString::fromLatin1(suffix);
}

QPushButton* NamedButton(const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption));
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QLineEdit* NumberEdit(const QString& name, bool readOnly) {
    auto* edit = new QLineEdit(QStringLiteral("0"));
    edit->setObjectName(name);
    edit->setReadOnly(readOnly);
    edit->setFixedWidth(kNumberEditWidth);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

// A range edit holding anything but a number counts as 0.
int EditNumber(const QLineEdit* edit) {
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    return ok ? value : 0;
}

std::filesystem::path LocalPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

// ---------------------------------------------------------------------------

TUpDown::TUpDown(QLineEdit* associate, QWidget* parent) : QWidget(parent), m_pAssociate(associate) {
    auto* up = new QToolButton;
    up->setObjectName(QStringLiteral("Up"));
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton;
    down->setObjectName(QStringLiteral("Down"));
    down->setArrowType(Qt::DownArrow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {up, down}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        button->setFixedWidth(kUpDownWidth);
        layout->addWidget(button);
    }
    setFixedHeight(associate->sizeHint().height());
    connect(up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
    associate->installEventFilter(this);
}

void TUpDown::SetRange(int min, int max) {
    m_nMin = min;
    m_nMax = max;
}

void TUpDown::Step(int delta) {
    const int value =
        std::clamp(EditNumber(m_pAssociate) + delta, m_nMin, std::max(m_nMin, m_nMax));
    m_pAssociate->setText(QString::number(value));
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pAssociate && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------

TDlgLoadData::TDlgLoadData(QWidget* parent) : TOrvDialog(parent) {
    setObjectName(QStringLiteral("DlgLoadData"));
    setWindowTitle(QStringLiteral("Load data"));

    m_pPageControlDataLoad = new QTabWidget;
    m_pPageControlDataLoad->setObjectName(QStringLiteral("PageControlDataLoad"));
    m_pTabSheetSelectSource = MakeSourcePage();
    m_pTabSheetOverview = MakeOverviewPage();
    m_pTabSheetDetail = MakeDetailPage();
    m_pPageControlDataLoad->addTab(m_pTabSheetSelectSource, QString());
    m_pPageControlDataLoad->addTab(m_pTabSheetOverview, QStringLiteral("Overview"));
    m_pPageControlDataLoad->addTab(m_pTabSheetDetail, QStringLiteral("Details"));
    connect(m_pPageControlDataLoad, &QTabWidget::currentChanged, this,
            &TDlgLoadData::PageControlDataLoadChange);

    m_pButtonBack = NamedButton("ButtonBack", "Back");
    connect(m_pButtonBack, &QPushButton::clicked, this, &TDlgLoadData::ButtonBackClick);
    m_pOKBtn = MakeOkButton(false, QStringLiteral("Next"));
    connect(m_pOKBtn, &QPushButton::clicked, this, &TDlgLoadData::OKBtnClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pButtonBack);
    buttons->addWidget(m_pOKBtn);
    buttons->addWidget(MakeCancelButton());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pPageControlDataLoad, 1);
    layout->addLayout(buttons);

    // The size fits the largest page with its tab; the source page, which
    // shows no tab, gets the tab's height in addition.
    setFixedSize(sizeHint());
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) move(screen->availableGeometry().center() - rect().center());

    ButtonBackClick();
}

QWidget* TDlgLoadData::MakeSourcePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheetSelectSource"));

    m_pRadioButtonAnalyzer = new QRadioButton(QStringLiteral("EM Field Analyzer"));
    m_pRadioButtonAnalyzer->setObjectName(QStringLiteral("RadioButtonAnalyzer"));
    m_pRadioButtonAnalyzer->setChecked(true);
    m_pRadioButtonFile = new QRadioButton(QStringLiteral("File"));
    m_pRadioButtonFile->setObjectName(QStringLiteral("RadioButtonFile"));
    // Shows the chosen file; the path itself is chosen with "...".
    m_pEditFileName = new QLineEdit;
    m_pEditFileName->setObjectName(QStringLiteral("EditFileName"));
    m_pEditFileName->setReadOnly(true);
    auto* select = NamedButton("ButtonFileSelect", "...");
    select->setFixedWidth(select->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    connect(select, &QPushButton::clicked, this, &TDlgLoadData::ButtonFileSelectClick);

    m_pOpenDialog = new QFileDialog(this);
    m_pOpenDialog->setObjectName(QStringLiteral("OpenDialog"));
    m_pOpenDialog->setFileMode(QFileDialog::ExistingFile);
    m_pOpenDialog->setAcceptMode(QFileDialog::AcceptOpen);

    auto* group = new QGroupBox(QStringLiteral("Choose the datasource"));
    group->setObjectName(QStringLiteral("GroupBoxSource"));
    auto* file = new QHBoxLayout;
    file->addWidget(m_pRadioButtonFile);
    file->addWidget(m_pEditFileName, 1);
    file->addWidget(select);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_pRadioButtonAnalyzer);
    groupLayout->addLayout(file);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addStretch(1);
    return page;
}

QWidget* TDlgLoadData::MakeOverviewPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheetOverview"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(8);
    const char* titles[] = {"Data Type", "No.", "From", "To", "Enabled"};
    for (int column = 0; column < 5; ++column) {
        auto* title = new QLabel(QString::fromLatin1(titles[column]));
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        grid->addWidget(title, 0, column, column == 0 ? Qt::AlignLeft : Qt::AlignHCenter);
    }

    for (int row = 0; row < static_cast<int>(kOverviewRows.size()); ++row) {
        const OverviewRowNames& names = kOverviewRows[static_cast<size_t>(row)];
        OverviewRowControls& controls = m_Overview[static_cast<size_t>(row)];
        controls.count = NumberEdit(Name("Edit", names.name, "No"), true);
        controls.from = NumberEdit(Name("Edit", names.name, "From"), false);
        controls.to = NumberEdit(Name("Edit", names.name, "To"), false);
        controls.fromUpDown = new TUpDown(controls.from);
        controls.fromUpDown->setObjectName(Name("UpDown", names.name, "From"));
        controls.toUpDown = new TUpDown(controls.to);
        controls.toUpDown->setObjectName(Name("UpDown", names.name, "To"));
        controls.enabled = new QCheckBox;
        controls.enabled->setObjectName(Name("CheckBox", names.name));
        controls.enabled->setToolTip(QString::fromLatin1(names.caption));
        connect(controls.enabled, &QCheckBox::toggled, this,
                row == kAllRow ? &TDlgLoadData::CheckBoxAllClick
                               : &TDlgLoadData::CheckBoxOtherClick);

        const int gridRow = row + 1;
        grid->addWidget(new QLabel(QString::fromLatin1(names.caption)), gridRow, 0);
        grid->addWidget(controls.count, gridRow, 1, Qt::AlignHCenter);
        const std::pair<QLineEdit*, TUpDown*> ranges[] = {{controls.from, controls.fromUpDown},
                                                          {controls.to, controls.toUpDown}};
        for (int i = 0; i < 2; ++i) {
            auto* pair = new QHBoxLayout;
            pair->setSpacing(0);
            pair->addWidget(ranges[i].first);
            pair->addWidget(ranges[i].second);
            grid->addLayout(pair, gridRow, 2 + i, Qt::AlignHCenter);
        }
        grid->addWidget(controls.enabled, gridRow, 4, Qt::AlignHCenter);
        // The ALL row stands apart from the kinds it sums up.
        if (row == kAllRow)
            grid->setRowMinimumHeight(gridRow, controls.count->sizeHint().height() + 8);
    }

    auto* centred = new QHBoxLayout;
    centred->addStretch(1);
    centred->addLayout(grid);
    centred->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(centred);
    layout->addStretch(1);
    return page;
}

QWidget* TDlgLoadData::MakeDetailPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheetDetail"));

    m_pListViewDataList = new QTableWidget(0, eColumnCount);
    m_pListViewDataList->setObjectName(QStringLiteral("ListViewDataList"));
    m_pListViewDataList->setHorizontalHeaderLabels(
        {QStringLiteral("Index"), QStringLiteral("Data Type"), QStringLiteral("Mode"),
         QStringLiteral("Date / Time")});
    m_pListViewDataList->verticalHeader()->hide();
    m_pListViewDataList->setShowGrid(true);
    m_pListViewDataList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pListViewDataList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pListViewDataList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pListViewDataList->setWordWrap(false);
    // Rows stand in list order: a tick removes or keeps the dataset of its row.
    m_pListViewDataList->horizontalHeader()->setSectionsClickable(false);
    m_pListViewDataList->horizontalHeader()->setHighlightSections(false);
    m_pListViewDataList->horizontalHeader()->setStretchLastSection(true);
    m_pListViewDataList->setColumnWidth(eColIndex, kIndexWidth);
    m_pListViewDataList->setColumnWidth(eColDataType, kDataTypeWidth);
    m_pListViewDataList->setColumnWidth(eColMode, kModeWidth);
    m_pListViewDataList->setColumnWidth(eColDateTime, kDateTimeWidth);
    m_pListViewDataList->verticalHeader()->setDefaultSectionSize(
        m_pListViewDataList->fontMetrics().height() + 6);
    m_pListViewDataList->setMinimumSize(kListViewSize);
    // Rows keep their highlight while a button has the focus: "All selected" reads it.
    QPalette palette = m_pListViewDataList->palette();
    palette.setBrush(QPalette::Inactive, QPalette::Highlight,
                     palette.brush(QPalette::Active, QPalette::Highlight));
    palette.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                     palette.brush(QPalette::Active, QPalette::HighlightedText));
    m_pListViewDataList->setPalette(palette);

    auto* all = NamedButton("ButtonSelectAll", "All");
    auto* selected = NamedButton("ButtonSelectSelected", "All selected");
    auto* invert = NamedButton("ButtonInvert", "Invert");
    connect(all, &QPushButton::clicked, this, &TDlgLoadData::ButtonSelectAllClick);
    connect(selected, &QPushButton::clicked, this, &TDlgLoadData::ButtonSelectSelectedClick);
    connect(invert, &QPushButton::clicked, this, &TDlgLoadData::ButtonInvertClick);
    auto* tickButtons = new QHBoxLayout;
    tickButtons->addWidget(all);
    tickButtons->addWidget(selected);
    tickButtons->addWidget(invert);
    tickButtons->addStretch(1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_pListViewDataList, 1);
    layout->addLayout(tickButtons);
    return page;
}

void TDlgLoadData::OpenOnFile(const QString& path) {
    if (isVisible()) {
        ButtonBackClick();
        ChooseFile(path);
        return;
    }
    m_sPendingFile = path;
}

void TDlgLoadData::showEvent(QShowEvent* event) {
    FormShow();
    TOrvDialog::showEvent(event);
    if (!m_sPendingFile.isEmpty()) {
        // Read once the dialog is on the screen, so a "Format Error" stands over it.
        QTimer::singleShot(0, this, [this] {
            const QString path = std::exchange(m_sPendingFile, QString());
            if (isVisible()) ChooseFile(path);
        });
    }
}

void TDlgLoadData::FormShow() {
    Q_ASSERT(m_pDataList != nullptr && m_pCommunication != nullptr);
    ButtonBackClick();
    m_sFileName.clear();
    m_pEditFileName->clear();
}

void TDlgLoadData::ButtonBackClick() {
    m_bSwitchingPages = true;
    m_pPageControlDataLoad->setTabVisible(0, true);
    m_pPageControlDataLoad->setCurrentWidget(m_pTabSheetSelectSource);
    m_pPageControlDataLoad->setTabVisible(1, false);
    m_pPageControlDataLoad->setTabVisible(2, false);
    m_pPageControlDataLoad->tabBar()->hide();
    m_bSwitchingPages = false;
    m_pButtonBack->hide();
    m_pOKBtn->setText(QStringLiteral("Next"));
    SetHelpContext(kSourceHelpContext);
}

void TDlgLoadData::ShowDatasetPages() {
    FillDatasetRows();
    m_bSwitchingPages = true;
    m_pPageControlDataLoad->setTabVisible(1, true);
    m_pPageControlDataLoad->setTabVisible(2, true);
    m_pPageControlDataLoad->setCurrentWidget(m_pTabSheetOverview);
    m_pPageControlDataLoad->setTabVisible(0, false);
    m_pPageControlDataLoad->tabBar()->show();
    m_bSwitchingPages = false;
    TabSheetOverviewShow();
    m_pButtonBack->show();
    m_pOKBtn->setText(QStringLiteral("Load"));
}

void TDlgLoadData::PageControlDataLoadChange(int index) {
    if (m_bSwitchingPages || !m_pDataList || !m_pCommunication) return;
    QWidget* page = m_pPageControlDataLoad->widget(index);
    if (page == m_pTabSheetOverview)
        TabSheetOverviewShow();
    else if (page == m_pTabSheetDetail)
        TabSheetDetailShow();
}

void TDlgLoadData::ButtonFileSelectClick() {
    m_pOpenDialog->setNameFilter(QString::fromLatin1(kFileFilter));
    if (m_pOpenDialog->exec() != QDialog::Accepted) return;
    const QStringList files = m_pOpenDialog->selectedFiles();
    if (!files.isEmpty()) ChooseFile(files.front());
}

void TDlgLoadData::ChooseFile(const QString& path) {
    m_sFileName = path;
    m_pRadioButtonFile->setChecked(true);
    m_pEditFileName->setText(QFileInfo(path).fileName());
    OKBtnClick();
}

void TDlgLoadData::OKBtnClick() {
    if (!m_pDataList || !m_pCommunication) return;
    if (m_pPageControlDataLoad->currentWidget() == m_pTabSheetSelectSource)
        ReadSource();
    else
        LoadChosen();
}

void TDlgLoadData::ReadSource() {
    const bool fromFile = m_pRadioButtonFile->isChecked();
    if (fromFile && m_sFileName.isEmpty()) {
        ButtonFileSelectClick();
        return;
    }
    const SourceReadResult result = fromFile
                                        ? ReadTransferFile(*m_pDataList, LocalPath(m_sFileName))
                                        : ReadAnalyserMemory(*m_pDataList);
    switch (result) {
    case SourceReadResult::eRead:
        ShowDatasetPages();
        break;
    case SourceReadResult::eIgnored:
        break;
    case SourceReadResult::eFormatError:
        ShowPlainError(this, kFormatError);
        break;
    case SourceReadResult::eUnreadable:
        ShowPlainError(this, "Cannot open file \"" +
                                 QDir::toNativeSeparators(m_sFileName).toLatin1().toStdString() +
                                 "\".");
        break;
    }
}

void TDlgLoadData::LoadChosen() {
    if (m_pDataList->GetListState() == eEmtyList) return;
    bool formatError = false;
    bool done = false;
    if (m_pPageControlDataLoad->currentWidget() == m_pTabSheetDetail) {
        std::vector<bool> ticked(static_cast<size_t>(m_pListViewDataList->rowCount()));
        for (int row = 0; row < m_pListViewDataList->rowCount(); ++row)
            ticked[static_cast<size_t>(row)] = Ticked(row);
        done = KeepByTicks(*m_pDataList, *m_pCommunication, ticked, &formatError);
    } else {
        OverviewRanges ranges{};
        for (size_t row = 0; row < ranges.size(); ++row)
            ranges[row] = {m_Overview[row].enabled->isChecked(), EditNumber(m_Overview[row].from),
                           EditNumber(m_Overview[row].to)};
        done = KeepByRanges(*m_pDataList, *m_pCommunication, ranges, &formatError);
    }
    if (!done) return; // the analyser did not answer: the user may try again
    if (formatError) {
        ShowPlainError(this, kFormatError);
        reject();
        return;
    }
    accept();
}

void TDlgLoadData::TabSheetOverviewShow() {
    SetHelpContext(kOverviewHelpContext);
    const std::array<OverviewCount, 6> counts = OverviewCounts(*m_pDataList);
    for (size_t row = 0; row < counts.size(); ++row) {
        const OverviewRowControls& controls = m_Overview[row];
        controls.count->setText(QString::number(counts[row].count));
        controls.from->setText(QString::number(counts[row].from));
        controls.to->setText(QString::number(counts[row].to));
        controls.fromUpDown->SetRange(0, counts[row].count);
        controls.toUpDown->SetRange(0, counts[row].count);
    }
    for (size_t row = 0; row < m_Overview.size(); ++row)
        m_Overview[row].enabled->setChecked(row == kAllRow);
}

void TDlgLoadData::CheckBoxAllClick(bool ticked) {
    if (!ticked) return;
    for (size_t row = 1; row < m_Overview.size(); ++row)
        m_Overview[row].enabled->setChecked(false);
}

void TDlgLoadData::CheckBoxOtherClick(bool ticked) {
    if (ticked) m_Overview[kAllRow].enabled->setChecked(false);
}

void TDlgLoadData::TabSheetDetailShow() {
    SetHelpContext(kDetailHelpContext);
    switch (ReadDirectoryForDetails(*m_pDataList, *m_pCommunication)) {
    case DirectoryRead::eNotNeeded:
        break;
    case DirectoryRead::eRead:
        FillDatasetRows();
        break;
    case DirectoryRead::eFailed:
        m_pListViewDataList->setRowCount(0);
        break;
    }
    ButtonSelectAllClick();
}

void TDlgLoadData::FillDatasetRows() {
    m_pListViewDataList->clearContents();
    const std::vector<DatasetListRow> rows = m_pDataList->FillListView();
    m_pListViewDataList->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const DatasetListRow& row = rows[static_cast<size_t>(r)];
        const std::string* texts[] = {&row.index, &row.dataType, &row.mode, &row.dateTime};
        for (int c = 0; c < eColumnCount; ++c) {
            auto* cell = new QTableWidgetItem(QString::fromLatin1(*texts[c]));
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            m_pListViewDataList->setItem(r, c, cell);
        }
        QTableWidgetItem* index = m_pListViewDataList->item(r, eColIndex);
        index->setFlags(index->flags() | Qt::ItemIsUserCheckable);
        index->setCheckState(row.checked ? Qt::Checked : Qt::Unchecked);
    }
    // A date and time longer than the column's design width stays readable.
    m_pListViewDataList->resizeColumnToContents(eColDateTime);
    if (m_pListViewDataList->columnWidth(eColDateTime) < kDateTimeWidth)
        m_pListViewDataList->setColumnWidth(eColDateTime, kDateTimeWidth);
}

void TDlgLoadData::SetTick(int row, bool ticked) {
    if (QTableWidgetItem* item = m_pListViewDataList->item(row, eColIndex))
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

bool TDlgLoadData::Ticked(int row) const {
    const QTableWidgetItem* item = m_pListViewDataList->item(row, eColIndex);
    return item && item->checkState() == Qt::Checked;
}

void TDlgLoadData::ButtonSelectAllClick() {
    for (int row = 0; row < m_pListViewDataList->rowCount(); ++row)
        SetTick(row, true);
}

void TDlgLoadData::ButtonSelectSelectedClick() {
    std::set<int> selected;
    for (const QModelIndex& index : m_pListViewDataList->selectionModel()->selectedRows())
        selected.insert(index.row());
    for (int row = 0; row < m_pListViewDataList->rowCount(); ++row)
        SetTick(row, selected.count(row) > 0);
}

void TDlgLoadData::ButtonInvertClick() {
    for (int row = 0; row < m_pListViewDataList->rowCount(); ++row)
        SetTick(row, !Ticked(row));
}

} // namespace ombrix
