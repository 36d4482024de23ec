#include "print/Preview.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace ombrix {

TPreviewForm::TPreviewForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("PreviewForm"));
    setWindowTitle(QStringLiteral("Preview"));

    m_pToolBar = new QToolBar(this);
    m_pToolBar->setObjectName(QStringLiteral("ToolBar"));
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    AddToolButton("ToolButtonZoomToFit", "Entire page", QStyle::SP_TitleBarMaxButton,
                  &TPreviewForm::ToolButtonZoomToFitClick);
    AddToolButton("ToolButtonZoomTo100", "Normal", QStyle::SP_TitleBarNormalButton,
                  &TPreviewForm::ToolButtonZoomTo100Click);
    AddToolButton("ToolButtonZoomToWidth", "Pagewidth", QStyle::SP_ToolBarHorizontalExtensionButton,
                  &TPreviewForm::ToolButtonZoomToWidthClick);
    m_pToolBar->addSeparator();
    AddToolButton("ToolButtonFirstPage", "First", QStyle::SP_MediaSkipBackward,
                  &TPreviewForm::ToolButtonFirstPageClick);
    AddToolButton("ToolButtonPrevPage", "Previous", QStyle::SP_MediaSeekBackward,
                  &TPreviewForm::ToolButtonPrevPageClick);
    AddToolButton("ToolButtonNextPage", "Next", QStyle::SP_MediaSeekForward,
                  &TPreviewForm::ToolButtonNextPageClick);
    AddToolButton("ToolButtonLastPage", "Last", QStyle::SP_MediaSkipForward,
                  &TPreviewForm::ToolButtonLastPageClick);
    m_pToolBar->addSeparator();
    AddToolButton("ToolButtonPrinterSetup", "Print setup", QStyle::SP_FileDialogDetailedView,
                  &TPreviewForm::ToolButtonPrinterSetupClick);
    AddToolButton("ToolButtonPrint", "Print", QStyle::SP_DialogSaveButton,
                  &TPreviewForm::ToolButtonPrintClick);
    m_pToolBar->addSeparator();
    auto* close = new QPushButton(QStringLiteral("Close"), m_pToolBar);
    close->setObjectName(QStringLiteral("ButtonClose"));
    connect(close, &QPushButton::clicked, this, [this] { ButtonCloseClick(); });
    m_pToolBar->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pToolBar);
}

QToolButton* TPreviewForm::AddToolButton(const char* name, const char* hint,
                                         QStyle::StandardPixmap icon,
                                         void (TPreviewForm::*click)()) {
    auto* button = new QToolButton(m_pToolBar);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromLatin1(hint));
    button->setToolTip(QString::fromLatin1(hint));
    button->setIcon(style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(button, &QToolButton::clicked, this, [this, click] { (this->*click)(); });
    m_pToolBar->addWidget(button);
    return button;
}

void TPreviewForm::ShowReport(QPrinter& printer, PaintPage paint) {
    m_Paint = std::move(paint);
    if (m_pPrinter != &printer) {
        // The preview area is bound to its printer for its whole life.
        delete m_pQRPreview;
        m_pPrinter = &printer;
        m_pQRPreview = new QPrintPreviewWidget(m_pPrinter, this);
        m_pQRPreview->setObjectName(QStringLiteral("QRPreview"));
        connect(m_pQRPreview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* target) {
            if (m_Paint) m_Paint(*target);
        });
        layout()->addWidget(m_pQRPreview);
    }
    m_pQRPreview->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_pQRPreview->setZoomFactor(1.0);
    m_pQRPreview->updatePreview();
    SetPage(1);
    showMaximized();
    raise();
    activateWindow();
}

void TPreviewForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    setCursor(Qt::ArrowCursor);
}

void TPreviewForm::ToolButtonZoomToFitClick() {
    if (m_pQRPreview) m_pQRPreview->fitInView();
}

void TPreviewForm::ToolButtonZoomTo100Click() {
    if (!m_pQRPreview) return;
    m_pQRPreview->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_pQRPreview->setZoomFactor(1.0);
}

void TPreviewForm::ToolButtonZoomToWidthClick() {
    if (m_pQRPreview) m_pQRPreview->fitToWidth();
}

void TPreviewForm::ToolButtonFirstPageClick() {
    SetPage(1);
}

void TPreviewForm::ToolButtonPrevPageClick() {
    if (m_pQRPreview) SetPage(m_pQRPreview->currentPage() - 1);
}

void TPreviewForm::ToolButtonNextPageClick() {
    if (m_pQRPreview) SetPage(m_pQRPreview->currentPage() + 1);
}

void TPreviewForm::ToolButtonLastPageClick() {
    if (m_pQRPreview) SetPage(m_pQRPreview->pageCount());
}

// The preview area keeps the page within its page count by itself.
void TPreviewForm::SetPage(int page) {
    if (m_pQRPreview) m_pQRPreview->setCurrentPage(page);
}

void TPreviewForm::ToolButtonPrinterSetupClick() {
    if (!m_pPrinter) return;
    QPageSetupDialog dialog(m_pPrinter, this);
    if (dialog.exec() == QDialog::Accepted) m_pQRPreview->updatePreview();
}

// Printing from the preview lets the user choose the printer or a PDF file,
// as "Print" of the main window does.
void TPreviewForm::ToolButtonPrintClick() {
    if (!m_pPrinter) return;
    QPrintDialog dialog(m_pPrinter, this);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    if (dialog.exec() != QDialog::Accepted) return;
    m_pQRPreview->print();
}

void TPreviewForm::ButtonCloseClick() {
    close();
}

} // namespace ombrix
