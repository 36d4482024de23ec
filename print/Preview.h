#pragma once
// The print preview: the report's page in a window of its own beside the main
// window, with zoom (whole page, 100 %, page width), paging, printer setup,
// print and close. It shows whatever a paint function draws onto the printer,
// so it previews exactly the page that "Print" prints.

#include <QStyle>
#include <QWidget>

#include <functional>

class QPrintPreviewWidget;
class QPrinter;
class QPushButton;
class QToolBar;
class QToolButton;

namespace ombrix {

class TPreviewForm : public QWidget {
    Q_OBJECT
public:
    using PaintPage = std::function<void(QPrinter&)>;

    explicit TPreviewForm(QWidget* parent = nullptr);

    // Shows the report of `printer` as `paint` draws it, maximised, at 100 %
    // on page 1, and returns at once. The printer must outlive the form's use
    // of it: it is the main window's one printer.
    void ShowReport(QPrinter& printer, PaintPage paint);

    QPrintPreviewWidget* Preview() const { return m_pQRPreview; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QToolButton* AddToolButton(const char* name, const char* hint, QStyle::StandardPixmap icon,
                               void (TPreviewForm::*click)());
    void ToolButtonZoomToFitClick();
    void ToolButtonZoomTo100Click();
    void ToolButtonZoomToWidthClick();
    void ToolButtonFirstPageClick();
    void ToolButtonPrevPageClick();
    void ToolButtonNextPageClick();
    void ToolButtonLastPageClick();
    void ToolButtonPrinterSetupClick();
    void ToolButtonPrintClick();
    void ButtonCloseClick();
    void SetPage(int page);

    QToolBar* m_pToolBar = nullptr;
    QPrintPreviewWidget* m_pQRPreview = nullptr;
    QPrinter* m_pPrinter = nullptr;
    PaintPage m_Paint;
};

} // namespace ombrix
