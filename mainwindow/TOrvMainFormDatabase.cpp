// The database actions of the main window: loading, erasing, the export run
// with its dialogs, the picture on the clipboard, printing and its preview,
// and the analyser dialogs of the Orv menu.

#include "mainwindow/TOrvMainForm.h"

#include "core/MessageBoxes.h"
#include "core/OrvMainObject.h"
#include "core/SettingsStore.h"
#include "datasets/OrvDataList.h"
#include "export/ExportDataList.h"
#include "export/ExportRun.h"
#include "export/TDlgExportFormat.h"
#include "export/TDlgExportList.h"
#include "link/TDlgCommunication.h"
#include "link/TDlgService.h"
#include "mainwindow/MainWindowHost.h"
#include "print/OrvReport.h"
#include "print/Preview.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include <string>
#include <vector>

namespace ombrix {

namespace {

// The hourglass while a long step runs, given back on every path.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

std::string Native(const std::filesystem::path& file) {
    return QDir::toNativeSeparators(QFile::decodeName(file.c_str())).toLatin1().toStdString();
}

} // namespace

// ---- load and erase --------------------------------------------------------------------

void TOrvMainForm::DatabaseLoadExecute() {
    OrvMainObject* main = MainObject();
    if (!main) return;
    main->LoadDatasets();
    RebuildTree();
}

void TOrvMainForm::LoadDroppedFile(const QString& path) {
    if (m_nOperatingMode != eModeDatalog) return;
    m_pHost->OpenNextWizardOn(path);
    DatabaseLoadExecute();
}

void TOrvMainForm::DatabaseEraseExecute() {
    OrvMainObject* main = MainObject();
    OrvDataList* list = main ? main->CurrentDataList() : nullptr;
    if (!list) return;
    m_pDlgExportList->SetDataList(list);
    m_pDlgExportList->setWindowTitle(QStringLiteral("Erase"));
    if (m_pDlgExportList->exec() != QDialog::Accepted) return;
    // The tree still shows the datasets about to go.
    ClearTree();
    list->DeleteDataset(-1);
    if (list->GetCount() == 0) main->RemoveDataList(list);
    RebuildTree();
}

// ---- export ------------------------------------------------------------------------------

void TOrvMainForm::DatabaseExportToFileExecute() {
    OrvMainObject* main = MainObject();
    OrvDataList* list = main ? main->CurrentDataList() : nullptr;
    if (!list) return;
    m_pDlgExportList->SetDataList(list);
    m_pDlgExportList->setWindowTitle(QStringLiteral("Export"));
    if (m_pDlgExportList->exec() != QDialog::Accepted) return;
    if (TDlgExportFormat::ShowExportDlg()) m_pDlgExportFormat->exec();
    if (m_pSaveDialog->exec() != QDialog::Accepted) return;
    const QStringList chosen = m_pSaveDialog->selectedFiles();
    if (chosen.isEmpty()) return;
    const std::filesystem::path file(QFile::encodeName(chosen.front()).toStdString());

    if (IsCsvFileName(file) && ExportSeparatorsClash()) {
        const std::string mark = GetExportFormat(ExportFormatKind::DecimalSeparator, true);
        ShowMessageBox(this, kErrorCaption,
                       "The columns are separated by \"" + mark +
                           "\", which is also the decimal point: no spreadsheet could tell "
                           "the columns apart.\nChoose another column separator or decimal "
                           "point under \"Export format\". Nothing was written.",
                       MessageButtons::Ok, MessageKind::Error);
        return;
    }

    ExportRunResult result;
    {
        WaitCursor wait;
        result = ExportRun(*list, file, [this] {
            QApplication::restoreOverrideCursor();
            const bool split = m_pHost->ShowMessage(kWarningCaption, kExportSplitQuestion,
                                                    MessageButtons::OkCancel,
                                                    MessageKind::Warning) == MessageAnswer::Ok;
            QApplication::setOverrideCursor(Qt::WaitCursor);
            return split;
        });
    }
    if (result.status == ExportRunResult::eDatasetTooLarge) {
        const OrvDataset* dataset = list->GetDataset(result.datasetIndex);
        const std::string number = dataset ? std::to_string(dataset->GetMemNumber()) : "?";
        ShowMessageBox(this, kErrorCaption,
                       "Dataset #" + number +
                           " alone needs more than 65535 lines and cannot be exported. The "
                           "datasets before it were written.",
                       MessageButtons::Ok, MessageKind::Error);
    } else if (result.status == ExportRunResult::eWriteFailed) {
        ShowMessageBox(this, kErrorCaption,
                       "The export file could not be written (" + Native(file) + ")" +
                           (result.error.empty() ? std::string(".") : ": " + result.error),
                       MessageButtons::Ok, MessageKind::Error);
    }
    RefreshView();
}

// ---- picture, printing ---------------------------------------------------------------------

void TOrvMainForm::DatabaseExportToClipbExecute() {
    const QImage picture = MakeViewBitmap();
    if (!picture.isNull()) QApplication::clipboard()->setImage(picture);
}

QPrinter& TOrvMainForm::Printer() {
    if (!m_pPrinter) {
        m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_pPrinter->setPageLayout(ReportPageLayout());
    }
    return *m_pPrinter;
}

void TOrvMainForm::PrintOptionsBeforePrinting() {
    if (ReadRegInt(reg::kShowPrnOptDlg, reg::kShowPrnOptDlgDefault) != 0 && m_Hooks.printOptions)
        m_Hooks.printOptions();
}

// The picture is composed right before the page is laid out, so the page shows
// the view as it is now. Without a dataset shown the page keeps the picture of
// the previous print (an empty page the first time).
void TOrvMainForm::PrintViewPicture(QPrinter& printer) {
    const QImage picture = MakeViewBitmap();
    if (!picture.isNull()) m_LastPrintPicture = picture;
    if (!PaintReport(printer, m_LastPrintPicture)) {
        const QString target = printer.outputFileName().isEmpty()
                                   ? QStringLiteral("the printer \"%1\"").arg(printer.printerName())
                                   : QDir::toNativeSeparators(printer.outputFileName());
        m_pHost->ShowMessage(kErrorCaption, "The page could not be printed on " + target.toLatin1().toStdString() + ".",
                             MessageButtons::Ok, MessageKind::Error);
    }
}

void TOrvMainForm::DatabasePrintExecute() {
    PrintOptionsBeforePrinting();
    QPrintDialog dialog(&Printer(), this);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    if (dialog.exec() != QDialog::Accepted) return;
    WaitCursor wait;
    PrintViewPicture(Printer());
}

void TOrvMainForm::DatabasePreviewExecute() {
    PrintOptionsBeforePrinting();
    WaitCursor wait;
    auto* preview = findChild<TPreviewForm*>(QString(), Qt::FindDirectChildrenOnly);
    if (!preview) preview = new TPreviewForm(this);
    preview->ShowReport(Printer(), [this](QPrinter& printer) { PrintViewPicture(printer); });
}

void TOrvMainForm::OrvPrintSetupExecute() {
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}

// ---- analyser dialogs ------------------------------------------------------------------------

void TOrvMainForm::OrvShowServiceExecute() {
    OrvMainObject* main = MainObject();
    if (!main) return;
    std::vector<std::string> lines;
    if (!main->DeviceInfoLines(lines)) {
        // Said rather than doing nothing, so that the menu item does not look broken.
        m_pHost->ShowMessage(kWarningCaption, "The analyser gives no service information.",
                             MessageButtons::Ok, MessageKind::Information);
        return;
    }
    m_pDlgService->SetServiceLines(lines);
    m_pDlgService->exec();
}

void TOrvMainForm::OrvCommunicationExecute() {
    if (m_pDlgCommunication->exec() != QDialog::Accepted) return;
    if (OrvMainObject* main = MainObject()) main->CommunicationChanged();
}

} // namespace ombrix
