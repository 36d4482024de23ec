#pragma once
// The content of one view page of the main window. The window owns the pages
// and their switching; a content is installed into its page's host and is told
// when to show a dataset, when the presentation settings changed and when its
// zoom is undone.

#include "mainwindow/MainWindowRules.h"

class QWidget;

namespace ombrix {

class OrvDataList;
class OrvDataset;

class ViewPage {
public:
    virtual ~ViewPage() = default;

    // The widget placed into the page's host; the page takes ownership of it.
    virtual QWidget* Widget() = 0;
    // Shows `dataset` of `list`. Called while the page's tab is shown, for the
    // kinds of dataset the page is shown for. A dataset the view cannot show
    // is reported by throwing; the window then shows the error page.
    virtual void Fill(OrvDataList& list, OrvDataset& dataset) = 0;
    // The presentation settings changed; the next Fill follows.
    virtual void ApplyViewSettings() {}
    // The page became the active one (the axis and plane views refresh then).
    virtual void Activated() {}
    // "Zoom out" on this page.
    virtual void ZoomOut() {}
    // What a picture of the view shows: the chart, or the page itself when null.
    virtual QWidget* PictureSource() { return nullptr; }
};

} // namespace ombrix
