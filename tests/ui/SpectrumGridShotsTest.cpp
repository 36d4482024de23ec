// Pictures of the spectrum, peak list, harmonics, axis and plane pages with
// the demo data, for a look at them as a user sees them. Written only when
// OMBRIX_SHOTS names a folder.

#include "MainWindowFixture.h"

#include "presentation/ViewSetupStruct.h"

#include <QApplication>

using namespace ombrix;

namespace {

class SpectrumGridShots : public uitest::MainWindowFixture {
protected:
    void SetUp() override {
        m_Folder = qEnvironmentVariable("OMBRIX_SHOTS");
        if (m_Folder.isEmpty()) GTEST_SKIP() << "OMBRIX_SHOTS names no folder";
        QDir().mkpath(m_Folder);
        MainWindowFixture::SetUp();
    }

    void Save(const char* name) const {
        QTest::qWait(150);
        const QString file = QDir(m_Folder).filePath(QString::fromLatin1(name) + ".png");
        EXPECT_TRUE(Form().grab().save(file)) << file.toStdString();
    }
    void ShowPage(int sheet) {
        Form().PageControlView().ActivatePage(sheet);
        Form().RefreshView();
        QApplication::processEvents();
    }

    QString m_Folder;
};

TEST_F(SpectrumGridShots, Pages) {
    StartDatalog();
    Form().resize(1200, 860);
    ViewSetup().SetStandardVisible(true);
    ViewSetup().SetYLog(true);
    ViewSetup().SetThresholdVisible(true);
    Form().ApplyViewSettings();
    OrvDataList* list = Main().CurrentDataList();
    int spectra = 0;
    for (int i = 0; i < list->GetCount(); ++i) {
        OrvDataset* dataset = list->GetDataset(i);
        if (dataset->GetDataType() != eVector) continue;
        Select(dataset);
        ShowPage(eSheetFFT);
        Save(("20-spectrum-" + std::to_string(++spectra)).c_str());
        if (spectra == 1) {
            ShowPage(eSheetPeakList);
            Save("21-peak-list");
        }
    }
    Select(FirstOfKind(eList));
    ShowPage(eSheetHarmonics);
    Save("22-harmonics");
    Select(FirstOfKind(eMatrix));
    ShowPage(eSheetAxis);
    Save("23-axis");
    ShowPage(eSheetPlane);
    Save("24-plane-scale");
    ViewSetup().SetPlaneThresholdVisible(true);
    Form().ApplyViewSettings();
    Save("25-plane-threshold");
}

} // namespace
