#include "mainwindow/ViewPageControl.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace ombrix {

namespace {

constexpr int kMinimumWidth = 370;
constexpr int kMinimumHeight = 280;

QWidget* MakeErrorPage() {
    auto* page = new QWidget;
    auto* label = new QLabel(QStringLiteral("Error on Viewing Data"), page);
    label->setObjectName(QStringLiteral("LabelViewError"));
    label->setAlignment(Qt::AlignCenter);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(label);
    return page;
}

} // namespace

ViewPageControl::ViewPageControl(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PageControlView"));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    m_pTabs = new QTabBar(this);
    m_pTabs->setObjectName(QStringLiteral("PageControlViewTabs"));
    m_pTabs->setDrawBase(true);
    m_pTabs->setExpanding(false);
    m_pStack = new QStackedWidget(this);
    m_pStack->setFrameShape(QFrame::StyledPanel);

    for (int sheet : kViewTabOrder) {
        const ViewSheetNames& names = ViewSheetNamesOf(sheet);
        QWidget* page = sheet == eSheetViewError ? MakeErrorPage() : new QWidget;
        page->setObjectName(QString::fromLatin1(names.objectName));
        if (!page->layout()) {
            auto* host = new QVBoxLayout(page);
            host->setContentsMargins(0, 0, 0, 0);
        }
        m_Pages[static_cast<std::size_t>(sheet)] = page;
        m_pStack->addWidget(page);
        m_pTabs->addTab(QString::fromLatin1(names.caption));
    }
    m_pTabs->setTabVisible(TabOf(eSheetViewError), false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pTabs);
    layout->addWidget(m_pStack, 1);
    connect(m_pTabs, &QTabBar::currentChanged, this, &ViewPageControl::TabChosen);
}

int ViewPageControl::TabOf(int sheet) const {
    const auto it = std::find(kViewTabOrder.begin(), kViewTabOrder.end(), sheet);
    return static_cast<int>(it - kViewTabOrder.begin());
}

QWidget* ViewPageControl::Page(int sheet) const {
    if (sheet < 0 || sheet >= kViewSheetCount) return nullptr;
    return m_Pages[static_cast<std::size_t>(sheet)];
}

int ViewPageControl::SheetOf(const QWidget* page) const {
    const auto it = std::find(m_Pages.begin(), m_Pages.end(), page);
    return it == m_Pages.end() ? -1 : static_cast<int>(it - m_Pages.begin());
}

void ViewPageControl::SetPageShown(int sheet, bool shown) {
    if (sheet < 0 || sheet >= kTabbedSheetCount) return;
    // Hiding the current tab moves the bar to a neighbour; the window decides
    // the active page itself afterwards.
    const bool switching = std::exchange(m_bSwitching, true);
    m_pTabs->setTabVisible(TabOf(sheet), shown);
    m_bSwitching = switching;
}

bool ViewPageControl::IsPageShown(int sheet) const {
    if (sheet < 0 || sheet >= kTabbedSheetCount) return false;
    return m_pTabs->isTabVisible(TabOf(sheet));
}

PageVisibility ViewPageControl::Visibility() const {
    PageVisibility shown{};
    for (int sheet = 0; sheet < kTabbedSheetCount; ++sheet)
        shown[static_cast<std::size_t>(sheet)] = IsPageShown(sheet);
    return shown;
}

int ViewPageControl::ActivePage() const {
    return SheetOf(m_pStack->currentWidget());
}

void ViewPageControl::ActivatePage(int sheet) {
    QWidget* page = Page(sheet);
    if (!page) return;
    m_pStack->setCurrentWidget(page);
    if (IsPageShown(sheet)) {
        const bool switching = std::exchange(m_bSwitching, true);
        m_pTabs->setCurrentIndex(TabOf(sheet));
        m_bSwitching = switching;
    }
}

void ViewPageControl::TabChosen(int tab) {
    if (m_bSwitching || tab < 0 || tab >= kViewSheetCount) return;
    m_pStack->setCurrentWidget(Page(kViewTabOrder[static_cast<std::size_t>(tab)]));
    emit PageChanged();
}

} // namespace ombrix
