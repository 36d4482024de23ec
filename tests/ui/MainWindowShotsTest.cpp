// Pictures of the running program for a look at it as a user sees it: the
// mode dialog, the main window with each kind of dataset, the export dialogs,
// the help window and REMOTE. Written only when OMBRIX_SHOTS names a folder:
//   OMBRIX_SHOTS=/tmp/shots QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x900x24" \
//       build/tests/ui/ui_tests --gtest_filter='MainWindowShots*'

#include "MainWindowFixture.h"

#include "core/HelpSystem.h"
#include "core/THelpWindow.h"

#include <QApplication>
#include <QFileDialog>
#include <QScreen>

using namespace ombrix;
using uitest::AnswerNextModal;

namespace {

class MainWindowShots : public uitest::MainWindowFixture {
protected:
    void SetUp() override {
        m_Folder = qEnvironmentVariable("OMBRIX_SHOTS");
        if (m_Folder.isEmpty()) GTEST_SKIP() << "OMBRIX_SHOTS names no folder";
        QDir().mkpath(m_Folder);
        MainWindowFixture::SetUp();
    }

    void Save(QWidget* window, const char* name) const {
        QTest::qWait(150);
        const QString file = QDir(m_Folder).filePath(QString::fromLatin1(name) + ".png");
        EXPECT_TRUE(window->window()->grab().save(file)) << file.toStdString();
    }
    // Pictures a dialog the action opens, then closes it.
    void SaveDialogOf(const char* action, const char* name) {
        AnswerNextModal([this, name](QWidget* dialog) {
            Save(dialog, name);
            static_cast<QDialog*>(dialog)->reject();
        });
        Trigger(action);
    }

    QString m_Folder;
};

TEST_F(MainWindowShots, Datalog) {
    Create("", 1);
    AnswerNextModal([this](QWidget* dialog) {
        Save(dialog, "01-mode-dialog");
        AnswerNextModal([this](QWidget* wizard) {
            Save(wizard, "02-load-wizard");
            LoadEverything(wizard);
        });
        dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    ASSERT_TRUE(Launch());
    const std::pair<Code, const char*> kinds[] = {{eNormal, "03-datalog-normal"},
                                                  {eAuto, "04-datalog-auto"},
                                                  {eMatrix, "05-datalog-matrix"},
                                                  {eList, "06-datalog-list"},
                                                  {eVector, "07-datalog-vector"}};
    for (const auto& [kind, name] : kinds) {
        Select(FirstOfKind(kind));
        Save(&Form(), name);
    }
    Form().TreeView()->expand(Proxy().IndexOf(Form().Tree().FindFirst(FirstOfKind(eVector))));
    Save(&Form(), "08-datalog-vector-expanded");

    SaveDialogOf("DatabaseExportToFile", "09-export-list");
    SaveDialogOf("OrvExportFormat", "10-export-format");
    AnswerNextModal([this](QWidget* list) {
        AnswerNextModal([this](QWidget* format) {
            AnswerNextModal([this](QWidget* save) {
                Save(save, "11-export-save");
                static_cast<QDialog*>(save)->reject();
            });
            format->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        });
        list->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    Trigger("DatabaseExportToFile");
    SaveDialogOf("HelpInfo", "12-about");

    ShowHelpContext(TOrvMainForm::kDatalogHelpContext);
    if (THelpWindow* help = HelpWindowInstance()) {
        Save(help, "14-help");
        help->close();
    }

    Main().ClearDataLists();
    Form().RebuildTree();
    Save(&Form(), "15-datalog-empty");
}

TEST_F(MainWindowShots, Remote) {
    Create("REMOTE", 0);
    ASSERT_TRUE(Launch());
    auto* value = Find<QWidget>("LabelValueVal");
    ASSERT_TRUE(QTest::qWaitFor([&] { return value->isVisibleTo(&Form()); }, 5000));
    QTest::qWait(1500);
    Save(&Form(), "20-remote");
}

} // namespace
