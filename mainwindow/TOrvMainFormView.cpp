// The data tree and the view panel of the main window: filling and sorting the
// tree, following its selection, showing the current dataset on the pages of
// its kind, and the picture of the active view.

#include "mainwindow/TOrvMainForm.h"

#include "core/OrvMainObject.h"
#include "core/SettingsStore.h"
#include "datasets/OrvDataList.h"
#include "mainwindow/DataTreeModel.h"
#include "mainwindow/FlagScope.h"
#include "mainwindow/MatrixSelection.h"
#include "mainwindow/ViewPage.h"
#include "mainwindow/ViewPageControl.h"
#include "presentation/ViewSetupStruct.h"

#include <QAction>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTreeView>

#include <utility>

namespace ombrix {

namespace {

// The order in which the pages are filled, and in which they take new settings.
constexpr int kFillOrder[] = {eSheetValue,     eSheetGraph,    eSheetHistogram,
                              eSheetStatistic, eSheetAxis,     eSheetPlane,
                              eSheetHarmonics, eSheetPeakList, eSheetFFT};
constexpr int kSettingsOrder[] = {eSheetGraph,     eSheetHistogram, eSheetFFT,  eSheetPeakList,
                                  eSheetHarmonics, eSheetAxis,      eSheetPlane};

QStringList MemoLines(const QPlainTextEdit* memo) {
    const QString text = memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void SetTextIfChanged(QPlainTextEdit* memo, const QString& text) {
    // A comment being typed keeps its cursor when a live refresh comes by.
    if (memo->toPlainText() != text) memo->setPlainText(text);
}

} // namespace

// ---- tree ----------------------------------------------------------------------------

void TOrvMainForm::ClearTree() {
    m_Tree.Clear();
}

void TOrvMainForm::RefreshTree() {
    OrvMainObject* main = MainObject();
    if (!main) return;
    auto fill = [&] {
        for (const auto& list : main->DataLists())
            list->FillTree(m_Tree);
    };
    if (m_Tree.NodeCount() == 0)
        m_pTreeModel->FillAtOnce(fill);
    else
        fill();
}

void TOrvMainForm::RebuildTree() {
    ClearTree();
    m_pTreeProxy->Unsort();
    RefreshTree();
    SelectCurrentNode();
    RefreshView();
}

void TOrvMainForm::RefreshTreeAndView() {
    RefreshTree();
    RefreshView();
}

void TOrvMainForm::SelectCurrentNode() {
    OrvMainObject* main = MainObject();
    if (!main) return;
    const DataTreeNode* node = nullptr;
    if (OrvDataset* current = main->CurrentDataset()) node = m_Tree.FindFirst(current);
    if (!node) {
        for (const auto& list : main->DataLists()) {
            if (OrvDataset* first = list->GetDataset(0)) {
                node = m_Tree.FindFirst(first);
                break;
            }
        }
    }
    if (!node) return;
    const QModelIndex index = m_pTreeProxy->IndexOf(node);
    m_pTreeViewDatabase->setCurrentIndex(index);
    m_pTreeViewDatabase->scrollTo(index);
}

void TOrvMainForm::TreeCurrentChanged() {
    OrvMainObject* main = MainObject();
    const DataTreeNode* node = m_pTreeProxy->NodeOf(m_pTreeViewDatabase->currentIndex());
    OrvDataset* dataset = node ? node->Dataset() : nullptr;
    if (!main || !dataset || dataset == main->CurrentDataset()) return;
    main->SelectDataList(dataset);
    RefreshView();
}

void TOrvMainForm::TreeExpanded(const QModelIndex& index) {
    DataTreeNode* node = m_pTreeProxy->NodeOf(index);
    OrvDataset* dataset = node ? node->Dataset() : nullptr;
    if (dataset && !dataset->GetExpanded()) dataset->ExpandNode(m_Tree, node);
}

void TOrvMainForm::SortTree(TreeSortKey key, const char* actionName) {
    m_pTreeProxy->SortBy(key);
    Action(actionName)->setChecked(true);
    m_pTreeViewDatabase->scrollTo(m_pTreeViewDatabase->currentIndex());
}

// ---- view panel ------------------------------------------------------------------------

void TOrvMainForm::RefreshView() {
    if (m_bRefreshingView) return;
    FlagScope refreshing(m_bRefreshingView);
    OrvMainObject* main = MainObject();
    OrvDataList* list = main ? main->CurrentDataList() : nullptr;
    OrvDataset* dataset = list ? list->GetCurrent() : nullptr;
    if (!dataset || !FillPages(*list, *dataset)) {
        m_nViewSheet = eSheetViewError;
        m_pGroupBoxPlaneSel->hide();
        m_pGroupBoxAxisSel->hide();
    }
    m_pPageControlView->ActivatePage(m_nViewSheet);
    ShowEmptyPanel(dataset == nullptr);
    if (!dataset)
        m_pPanelViewCaption->setText(
            QString::fromLatin1(EmptyViewPrompt(IsDatabaseView(), m_nFunctionMode, m_nFftState)));
    ScheduleActionUpdate();
}

bool TOrvMainForm::FillPages(OrvDataList& list, OrvDataset& dataset) {
    try {
        const Code kind = dataset.GetDataType();
        const PageVisibility before = m_pPageControlView->Visibility();
        const PageVisibility after = PagesForKind(kind, &dataset == list.GetLive());
        for (int sheet = 0; sheet < kTabbedSheetCount; ++sheet)
            m_pPageControlView->SetPageShown(sheet, after[static_cast<std::size_t>(sheet)]);
        if (const std::optional<int> page = PageForNewKind(kind, before, after))
            m_pPageControlView->ActivatePage(*page);
        {
            FlagScope filling(m_bFillingMemos);
            SetTextIfChanged(m_pMemoInfo, QString::fromLatin1(list.GetDescription()));
            SetTextIfChanged(m_pMemoComment, QString::fromLatin1(dataset.GetComment()));
        }
        PageControlViewChange();
        for (int sheet : kFillOrder) {
            ViewPage* page = InstalledViewPage(sheet);
            if (page && m_pPageControlView->IsPageShown(sheet)) page->Fill(list, dataset);
        }
        m_pPageControlView->update();
        return true;
    } catch (...) {
        // The next refresh tries again; until then the error page stands.
        return false;
    }
}

void TOrvMainForm::PageControlViewChange() {
    m_nViewSheet = eSheetViewError;
    const int active = m_pPageControlView->ActivePage();
    const int settled = SettledPage(active, m_pPageControlView->Visibility());
    if (settled != active) m_pPageControlView->ActivatePage(settled);
    m_nViewSheet = settled;

    OrvMainObject* main = MainObject();
    const OrvDataset* dataset = main ? main->CurrentDataset() : nullptr;
    const SelectionGroups groups =
        SelectionGroupsFor(m_nViewSheet, dataset && dataset->GetDataType() == eMatrix);
    m_pGroupBoxPlaneSel->setVisible(groups.planeGroup);
    m_pGroupBoxAxisSel->setVisible(groups.axisGroup);
    if (m_nViewSheet == eSheetAxis || m_nViewSheet == eSheetPlane) {
        if (ViewPage* page = InstalledViewPage(m_nViewSheet)) page->Activated();
    }
    ScheduleActionUpdate();
}

void TOrvMainForm::ShowEmptyPanel(bool empty) {
    m_pMemoInfo->setVisible(!empty);
    m_pMemoComment->setVisible(!empty);
    m_pPageControlView->setVisible(!empty);
    m_pPanelViewCaption->setVisible(empty);
}

void TOrvMainForm::MemoCommentChange() {
    if (m_bFillingMemos) return;
    OrvMainObject* main = MainObject();
    if (OrvDataset* dataset = main ? main->CurrentDataset() : nullptr)
        dataset->SetComment(m_pMemoComment->toPlainText().toLatin1().toStdString());
}

void TOrvMainForm::ApplyViewSettings() {
    for (int sheet : kSettingsOrder)
        if (ViewPage* page = InstalledViewPage(sheet)) page->ApplyViewSettings();
    m_Zoom.SettingsApplied();
    RefreshView();
}

// ---- view actions -------------------------------------------------------------------------

void TOrvMainForm::ViewSetupExecute() {
    if (!m_Hooks.viewSetup) return;
    m_Hooks.viewSetup(m_nViewSheet);
    ApplyViewSettings();
}

void TOrvMainForm::ViewZoomOutExecute() {
    if (m_Zoom.ZoomOut(m_nViewSheet)) {
        if (ViewPage* page = InstalledViewPage(m_nViewSheet)) page->ZoomOut();
    }
}

void TOrvMainForm::ViewMarkerExecute() {
    ViewSetup().SetMarkerVisible(!ViewSetup().GetMarkerVisible());
    ApplyViewSettings();
}

// ---- picture of the view --------------------------------------------------------------------

QImage TOrvMainForm::MakeViewBitmap() {
    if (!m_pMemoInfo->isVisibleTo(m_pPanelView)) return {};
    QWidget* source = m_pViewSheets[static_cast<std::size_t>(m_nViewSheet)];
    const bool wholePage = m_nViewSheet == eSheetValue || m_nViewSheet == eSheetPeakList ||
                           m_nViewSheet == eSheetStatistic;
    if (!wholePage) {
        if (ViewPage* page = InstalledViewPage(m_nViewSheet))
            if (QWidget* chart = page->PictureSource()) source = chart;
    }
    const QPixmap view = source->grab();
    const QSize viewSize = view.deviceIndependentSize().toSize();

    QStringList lines;
    auto addBlock = [&lines](const QStringList& block) {
        lines += block;
        lines += QString(); // the empty line after each block
    };
    if (ReadRegInt(reg::kPrnOptInfo, reg::kPrnOptInfoDefault) != 0)
        addBlock(MemoLines(m_pMemoInfo));
    if (ReadRegInt(reg::kPrnOptComment, reg::kPrnOptCommentDefault) != 0)
        addBlock(MemoLines(m_pMemoComment));

    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    const QFontMetrics metrics(font);
    int width = viewSize.width();
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const int textHeight = static_cast<int>(lines.size()) * metrics.height();

    QImage picture(width, textHeight + viewSize.height(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(Qt::black);
    int y = 0;
    for (const QString& line : lines) {
        painter.drawText(0, y + metrics.ascent(), line);
        y += metrics.height();
    }
    painter.drawPixmap(QRect(QPoint(0, y), viewSize), view);
    return picture;
}

} // namespace ombrix
