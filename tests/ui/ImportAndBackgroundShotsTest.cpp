// Pictures of the current import, the scaling dialog and the plane view over
// the demo station plan, for a look as a user sees them. Written only when
// OMBRIX_SHOTS names a folder.

#include "MainWindowFixture.h"

#include "core/SafeFile.h"
#include "presentation/ImportAndBackground.h"
#include "presentation/TDlgCurrentImport.h"
#include "presentation/ViewSetupStruct.h"

#include <QLineEdit>

using namespace ombrix;

namespace {

class ImportAndBackgroundShots : public uitest::MainWindowFixture {
protected:
    void SetUp() override {
        m_Folder = qEnvironmentVariable("OMBRIX_SHOTS");
        if (m_Folder.isEmpty()) GTEST_SKIP() << "OMBRIX_SHOTS names no folder";
        QDir().mkpath(m_Folder);
        MainWindowFixture::SetUp();
    }
    void TearDown() override {
        ViewSetup().SetBackgroundPicture(nullptr);
        PhaseCurrents().Clear();
        MainWindowFixture::TearDown();
    }
    void Save(QWidget* window, const char* name) const {
        QTest::qWait(150);
        const QString file = QDir(m_Folder).filePath(QString::fromLatin1(name) + ".png");
        EXPECT_TRUE(window->window()->grab().save(file)) << file.toStdString();
    }

    QString m_Folder;
};

TEST_F(ImportAndBackgroundShots, DialogsAndPlaneView) {
    StartDatalog();
    const auto text = ReadWholeFile(OMBRIX_DATA_DIR "/Demo_strom.txt");
    ASSERT_TRUE(text);
    uitest::AnswerNextModal([this](QWidget* dialog) {
        Save(dialog, "40-current-import");
        dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    ASSERT_TRUE(ImportCurrentLines(SplitLines(*text), &Form()));

    const bool visible = ViewSetup().GetBGVisible();
    ViewSetup().SetBGVisible(true);
    Select(FirstOfKind(eMatrix));
    Form().PageControlView().ActivatePage(eSheetPlane);
    ASSERT_FALSE(
        LoadBackgroundPictureFile(QStringLiteral(OMBRIX_DATA_DIR "/Demo_station.pcx")).isEmpty());
    Form().RefreshView();
    Save(&Form(), "41-plane-with-picture");

    uitest::AnswerNextModal([this](QWidget* dialog) {
        for (const auto& [name, text] : {std::pair{"EditHStretch", "150"}, {"EditRotate", "20"}}) {
            auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
            edit->setText(QString::fromLatin1(text));
            emit edit->editingFinished();
        }
        Save(dialog, "42-scale-background");
        Save(&Form(), "43-plane-scaled-picture");
        static_cast<QDialog*>(dialog)->reject();
    });
    ScaleBackgroundPicture(&Form());

    // The time graph of the series the demo currents belong to.
    for (int i = 0; i < Main().CurrentDataList()->GetCount(); ++i) {
        OrvDataset* dataset = Main().CurrentDataList()->GetDataset(i);
        if (dataset->GetDataType() == eAuto && dataset->GetMemNumber() == 7) Select(dataset);
    }
    const bool currents = ViewSetup().GetCurrentVisible();
    ViewSetup().SetCurrentVisible(true);
    Form().ApplyViewSettings();
    Save(&Form(), "44-graph-with-currents");
    ViewSetup().SetBGVisible(visible);
    ViewSetup().SetCurrentVisible(currents);
}

} // namespace
