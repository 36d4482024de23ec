#pragma once
// The view page control of the main window: the ten view pages in their tab
// order, each page a host for its view's content. Pages are shown or hidden by
// the kind of dataset; the error page never has a tab but can be the active
// page.

#include "mainwindow/MainWindowRules.h"

#include <QWidget>

#include <array>

class QStackedWidget;
class QTabBar;

namespace ombrix {

class ViewPageControl : public QWidget {
    Q_OBJECT
public:
    explicit ViewPageControl(QWidget* parent = nullptr);

    // The page of a view sheet code; its layout takes the view's content.
    QWidget* Page(int sheet) const;
    int SheetOf(const QWidget* page) const;

    void SetPageShown(int sheet, bool shown);
    bool IsPageShown(int sheet) const;
    PageVisibility Visibility() const;

    // The code of the active page (the error page too).
    int ActivePage() const;
    // Makes a page the active one without reporting a page change.
    void ActivatePage(int sheet);

    QTabBar* TabBar() const { return m_pTabs; }

signals:
    // The user chose another tab.
    void PageChanged();

private:
    int TabOf(int sheet) const;
    void TabChosen(int tab);

    QTabBar* m_pTabs;
    QStackedWidget* m_pStack;
    std::array<QWidget*, kViewSheetCount> m_Pages{};
    bool m_bSwitching = false;
};

} // namespace ombrix
