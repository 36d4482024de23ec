// Renders every dialog of the core, link and export subsystems to a PNG file,
// filled with sample data, so they can be looked at without a display:
//   ui_dialog_shots <output folder>   (tools/dialog-screenshots.sh)

#include "core/FormatSettings.h"
#include "core/HelpSystem.h"
#include "core/ProgramFolder.h"
#include "core/SettingsStore.h"
#include "core/TAboutDlg.h"
#include "core/TDlgChooseMode.h"
#include "core/THelpWindow.h"
#include "datasets/OrvDataList.h"
#include "export/TDlgExportFormat.h"
#include "export/TDlgExportFormatDetail.h"
#include "export/TDlgExportList.h"
#include "link/TDlgCommunication.h"
#include "link/TDlgService.h"
#include "presentation/TDlgAddStandard.h"
#include "presentation/TDlgSetup.h"
#include "presentation/ViewSetupStruct.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTableWidget>

#include <cstdio>

namespace {

bool Save(QWidget& widget, const QDir& folder, const char* name) {
    widget.show();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 50)
        QApplication::processEvents();
    const QString file = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    const bool saved = widget.grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", file.toLocal8Bit().constData());
    widget.hide();
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder> [program folder with Ombrix_HELP.HLP]\n",
                     argv[0]);
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    if (argc > 2) ombrix::SetProgramFolder(argv[2]);

    ombrix::MemorySettingsStore settings; // never the user's settings
    ombrix::InstallSettingsStore(&settings);
    ombrix::FormatSettings formats;
    formats.ShortDateFormat = "dd/mm/yyyy";
    formats.LongTimeFormat = "hh:nn:ss";
    ombrix::InstallFormatSettings(formats);

    bool ok = true;
    ombrix::TDlgChooseMode chooseMode;
    ok &= Save(chooseMode, folder, "TDlgChooseMode");
    ombrix::TAboutDlg about;
    ok &= Save(about, folder, "TAboutDlg");

    ombrix::WriteRegString(ombrix::reg::kComPort, "COM3");
    ombrix::TDlgCommunication communication;
    ok &= Save(communication, folder, "TDlgCommunication");

    ombrix::TDlgService service;
    service.SetServiceLines({"EFA-3", "A-0042", "ID 1234-56", "1.2", "3.04", "12/03/2024",
                             "B-Probe Q-1 (100 cm\xB2)", "OK (8.4 V)", "0", "ON", "ON", "OFF"});
    ok &= Save(service, folder, "TDlgService");

    ombrix::WriteRegString(ombrix::reg::kListSeparator, ";");
    ombrix::TDlgExportFormat exportFormat;
    ok &= Save(exportFormat, folder, "TDlgExportFormat");
    ok &= Save(exportFormat.Detail(), folder, "TDlgExportFormatDetail");

    ombrix::OrvDataList list;
    const ombrix::Code kinds[] = {ombrix::eNormal, ombrix::eAuto,   ombrix::eMatrix,
                                  ombrix::eList,   ombrix::eVector, ombrix::eNormal};
    for (int i = 0; i < 6; ++i) {
        auto* dataset = list.Append(ombrix::CreateDataset(kinds[i], i * 3 + 1, ombrix::eIntProbe, 0,
                                                          i == 4 ? ombrix::eFFT : ombrix::eFST,
                                                          45000.4 + i * 0.01));
        dataset->SetChecked(i % 2 == 0);
    }
    ombrix::TDlgExportList exportList;
    exportList.SetDataList(&list);
    exportList.setWindowTitle(QStringLiteral("Export"));
    exportList.show();
    exportList.ListView()->selectRow(1);
    ok &= Save(exportList, folder, "TDlgExportList");

    {
        // The view setup, every sheet, and the standards dialog.
        ombrix::ViewSetupStruct viewSetup;
        viewSetup.SetDefaults();
        viewSetup.Standards().push_back(std::make_unique<ombrix::OrvStandard>("Public exposure"));
        viewSetup.Standards().push_back(
            std::make_unique<ombrix::OrvStandard>("Occupational exposure"));
        ombrix::TDlgSetup setupDialog(viewSetup);
        for (int sheet = 0; sheet < ombrix::kSetupSheetCount; ++sheet) {
            setupDialog.SetViewIndex(sheet);
            const std::string name =
                std::string("TDlgSetup_") + ombrix::SetupSheetOf(sheet)->caption;
            ok &= Save(setupDialog, folder, name.c_str());
        }
        ombrix::TDlgAddStandard addStandard(viewSetup);
        ok &= Save(addStandard, folder, "TDlgAddStandard");
    }

    ombrix::ShowHelpContext(13);
    if (ombrix::THelpWindow* help = ombrix::HelpWindowInstance())
        ok &= Save(*help, folder, "THelpWindow");

    ombrix::InstallSettingsStore(nullptr);
    return ok ? 0 : 1;
}
