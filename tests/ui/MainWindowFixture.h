#pragma once
// The program started for real on the offscreen platform: the demo data in
// the program folder, a clock that does not pause, the main window with its
// dialogs and the main object, and helpers to answer the load wizard and to
// read the data tree as the user sees it.

#include "UiTestSupport.h"

#include "core/Clock.h"
#include "core/OmbrixApp.h"
#include "core/OrvMainObject.h"
#include "core/ProgramFolder.h"
#include "core/SettingsStore.h"
#include "datasets/OrvDataList.h"
#include "mainwindow/DataTreeModel.h"
#include "mainwindow/TOrvMainForm.h"
#include "mainwindow/ViewPageControl.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace uitest {

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ClearSettings();
        const QDir data(QStringLiteral(OMBRIX_DATA_DIR));
        const QDir folder(QString::fromStdString(ombrix::ProgramFolder().string()));
        for (const char* name : {"DemoDat.dat", "Standard.dat", "OrvConf.dat"}) {
            const QString target = folder.filePath(QString::fromLatin1(name));
            QFile::remove(target);
            QFile::copy(data.filePath(QString::fromLatin1(name)), target);
            m_Copied.push_back(target);
        }
        ombrix::InstallClock(&m_Clock);
    }

    void TearDown() override {
        m_pProgram.reset();
        ombrix::InstallClock(nullptr);
        for (const QString& file : m_Copied)
            QFile::remove(file);
    }

    // The program as `ombrix <word>` starts it, not shown yet.
    void Create(const char* word, int showSplash) {
        ombrix::WriteRegInt(ombrix::reg::kShowSplash, showSplash);
        m_pProgram = std::make_unique<ombrix::OmbrixProgram>(word);
    }

    // Shows the window and waits until its first mode change has ended.
    bool Launch() {
        m_pProgram->Show();
        const bool started = QTest::qWaitFor(
            [this] {
                return Form().windowTitle() != QStringLiteral("Ombrix") || Form().ProgramEnded();
            },
            10000);
        Form().UpdateActions();
        return started;
    }

    // Chooses an action as the user does: in the state its rules give it now.
    void Trigger(const char* name) const {
        Form().UpdateActions();
        Action(name)->trigger();
    }

    // DATALOG with every dataset of the demo memory loaded.
    void StartDatalog() {
        Create("DATALOG", 0);
        AnswerNextModal(LoadEverything);
        ASSERT_TRUE(Launch());
        ASSERT_EQ(Form().Mode(), ombrix::eModeDatalog);
    }

    // The load wizard: the analyser's memory, then every dataset.
    static void LoadEverything(QWidget* wizard) {
        auto* next = wizard->findChild<QPushButton*>(QStringLiteral("OKBtn"));
        next->click();
        next->click();
    }

    // Puts `list` in place of every data list and shows it.
    ombrix::OrvDataList* ShowOnly(std::unique_ptr<ombrix::OrvDataList> list) {
        ombrix::OrvDataList* shown = list.get();
        Main().ClearDataLists();
        Main().AddDataList(std::move(list));
        Form().RebuildTree();
        Form().UpdateActions();
        return shown;
    }

    ombrix::TOrvMainForm& Form() const { return m_pProgram->MainForm(); }
    ombrix::OrvMainObject& Main() const { return m_pProgram->MainObject(); }
    QAction* Action(const char* name) const { return Form().Action(name); }
    template <typename T> T* Find(const char* name) const {
        return Form().findChild<T*>(QString::fromLatin1(name));
    }

    ombrix::DataTreeSortProxy& Proxy() const {
        return *static_cast<ombrix::DataTreeSortProxy*>(Form().TreeView()->model());
    }
    // The "Datasets" node of the `list`-th data list in the tree view.
    QModelIndex DatasetsNode(int list = 0) const {
        const QModelIndex top = Proxy().index(list, 0);
        return Proxy().index(Proxy().rowCount(top) - 1, 0, top);
    }
    // The datasets in the order the tree shows them.
    std::vector<ombrix::OrvDataset*> ShownDatasets(int list = 0) const {
        std::vector<ombrix::OrvDataset*> shown;
        const QModelIndex parent = DatasetsNode(list);
        for (int row = 0; row < Proxy().rowCount(parent); ++row)
            shown.push_back(Proxy().NodeOf(Proxy().index(row, 0, parent))->Dataset());
        return shown;
    }
    // Clicks the tree node of `dataset`, as the user selects it.
    void Select(const ombrix::OrvDataset* dataset) const {
        const QModelIndex index = Proxy().IndexOf(Form().Tree().FindFirst(dataset));
        ASSERT_TRUE(index.isValid());
        Form().TreeView()->setCurrentIndex(index);
    }
    ombrix::OrvDataset* FirstOfKind(ombrix::Code kind, ombrix::OrvDataList* list = nullptr) const {
        if (!list) list = Main().CurrentDataList();
        for (int i = 0; i < list->GetCount(); ++i)
            if (list->GetDataset(i)->GetDataType() == kind) return list->GetDataset(i);
        return nullptr;
    }

    ombrix::ManualClock m_Clock{46300.5};
    std::unique_ptr<ombrix::OmbrixProgram> m_pProgram;
    std::vector<QString> m_Copied;
};

} // namespace uitest
