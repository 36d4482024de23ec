// Furnishes the main window with the current import dialog (created once, like
// every window) and the background picture pipeline, and offers what the view
// setup dialog's buttons start.

#include "presentation/ImportAndBackground.h"

#include "core/MessageBoxes.h"
#include "core/ProgramFolder.h"
#include "mainwindow/ChartPlane.h"
#include "mainwindow/TOrvMainForm.h"
#include "presentation/BackgroundPipeline.h"
#include "presentation/CurrentCurves.h"
#include "presentation/InstallViewSetup.h"
#include "presentation/TDlgCurrentImport.h"
#include "presentation/TDlgScaleBG.h"
#include "presentation/TDlgSetup.h"
#include "presentation/ViewSetupStruct.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>

#include <optional>

namespace ombrix {

namespace {

constexpr const char* kSamplePictureFile = "Demo_station.pcx";
// A current table has at least a heading and a few rows of data.
constexpr std::size_t kFewestCurrentLines = 6;

// The plane chart of the window, once its page is installed.
ChartPlane* PlaneChartOf(const TOrvMainForm& form) {
    auto* page = dynamic_cast<ChartPlanePage*>(form.InstalledViewPage(eSheetPlane));
    return page ? page->Chart() : nullptr;
}

// What one main window was furnished with; lives as long as the window.
class ImportAndBackground : public QObject {
public:
    explicit ImportAndBackground(TOrvMainForm& form)
        : QObject(&form), m_Form(form), m_pDialog(new TDlgCurrentImport(PhaseCurrents(), &form)) {
        m_Pipeline.onShown = [this](const QImage& shown) {
            if (ChartPlane* chart = PlaneChartOf(m_Form)) chart->SetBackgroundPicture(shown);
        };
    }

    // The plane chart draws the picture (or none) now; the setting itself is
    // stored only with the setup dialog's OK.
    void ShowOnChart(bool visible) {
        ChartPlane* chart = PlaneChartOf(m_Form);
        if (!chart) return;
        chart->ShowBackground(visible);
        chart->replot();
    }

    TOrvMainForm& m_Form;
    TDlgCurrentImport* m_pDialog;
    BackgroundPipeline m_Pipeline;
};

QPointer<ImportAndBackground>& Installed() {
    static QPointer<ImportAndBackground> installed;
    return installed;
}

QString ProgramFileName(const char* name) {
    return QFile::decodeName(ProgramFile(name).native().c_str());
}

} // namespace

void InstallImportAndBackground(TOrvMainForm& form) {
    Installed() = new ImportAndBackground(form);
    SetupServices& services = ViewSetupDialogOf(form).Services();
    services.importCurrents = [](QWidget* parent, const std::vector<std::string>& lines) {
        return ImportCurrentLines(lines, parent);
    };
    services.loadBackground = [](QWidget* parent) -> std::optional<std::string> {
        const QString file = LoadBackgroundPicture(parent);
        if (file.isEmpty()) return std::nullopt;
        return file.toLatin1().toStdString();
    };
    services.scaleBackground = [](QWidget* parent) { ScaleBackgroundPicture(parent); };
    services.showBackground = [](bool visible) { ShowBackgroundPicture(visible); };
}

TDlgCurrentImport* CurrentImportDialog() {
    return Installed() ? Installed()->m_pDialog : nullptr;
}

bool ImportCurrentLines(std::vector<std::string> lines, QWidget* parent) {
    TDlgCurrentImport* dialog = CurrentImportDialog();
    if (!dialog) return false;
    if (lines.size() < kFewestCurrentLines) {
        ShowPlainError(parent, "Format Error");
        return false;
    }
    dialog->SetLines(std::move(lines));
    return dialog->exec() == QDialog::Accepted;
}

QString LoadBackgroundPictureFile(const QString& path) {
    if (!Installed()) return {};
    ImportAndBackground& installed = *Installed();
    if (!installed.m_Pipeline.Load(path)) return {};
    // A loaded picture is shown at once, as the setup dialog ticks "Visible".
    installed.ShowOnChart(true);
    return QFileInfo(path).fileName();
}

QString LoadBackgroundPicture(QWidget* parent) {
    if (!Installed()) return {};
    const QString file = QFileDialog::getOpenFileName(
        parent, QString(), ProgramFileName(kSamplePictureFile),
        QStringLiteral("Pictures (*.pcx *.png *.bmp *.jpg *.jpeg *.gif *.tif *.tiff);;"
                       "All files (*)"));
    // No file chosen is no picture: the old base picture goes, as after a
    // failed import.
    return LoadBackgroundPictureFile(file);
}

void ScaleBackgroundPicture(QWidget* parent) {
    if (!Installed()) return;
    TDlgScaleBG dialog(Installed()->m_Pipeline, ViewSetup(), parent);
    dialog.exec();
}

void ShowBackgroundPicture(bool visible) {
    if (!Installed()) return;
    Installed()->ShowOnChart(visible);
}

} // namespace ombrix
