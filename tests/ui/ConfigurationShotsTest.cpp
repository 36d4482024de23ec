// Pictures of the REMOTE configuration page in each measurement mode and of
// the frequency list and user setup dialogs, for a look as the user sees them.
// Written only when OMBRIX_SHOTS names a folder.

#include "MainWindowFixture.h"

#include <QTabBar>

using namespace ombrix;
using uitest::AnswerNextModal;

namespace {

class ConfigurationShots : public uitest::MainWindowFixture {
protected:
    void SetUp() override {
        m_Folder = qEnvironmentVariable("OMBRIX_SHOTS");
        if (m_Folder.isEmpty()) GTEST_SKIP() << "OMBRIX_SHOTS names no folder";
        QDir().mkpath(m_Folder);
        MainWindowFixture::SetUp();
    }
    void Save(QWidget* widget, const QString& name) const {
        QTest::qWait(100);
        const QString file = QDir(m_Folder).filePath(name + ".png");
        EXPECT_TRUE(widget->grab().save(file)) << file.toStdString();
    }
    QString m_Folder;
};

TEST_F(ConfigurationShots, PageInEachModeAndItsDialogs) {
    Create("REMOTE", 0);
    ASSERT_TRUE(Launch());
    Form().resize(1100, 760);
    Form().show();
    const std::pair<int, const char*> modes[] = {
        {eFST, "config-fst"}, {eSTD, "config-std"}, {eFFT, "config-fft"}, {eHAR, "config-har"}};
    for (const auto& [mode, name] : modes) {
        Form().ApplyFunctionMode(mode);
        Save(&Form(), QString::fromLatin1(name));
    }
    AnswerNextModal([this](QWidget* dialog) {
        Save(dialog, "dialog-frequency-list");
        static_cast<QDialog*>(dialog)->reject();
    });
    Find<QPushButton>("ButtonFund")->click();
    AnswerNextModal([this](QWidget* dialog) {
        dialog->findChild<QPushButton*>("ButtonSave")->click();
        Save(dialog, "dialog-user-setup");
        static_cast<QDialog*>(dialog)->reject();
    });
    Trigger("ConfigUserSetup");
}

} // namespace
