// Starting the program with each command-line word and splash setting, the
// mode change with its dialog, the end of the program when no mode is entered,
// and the window's reaction to the mode.

#include "MainWindowFixture.h"

#include "core/HelpSystem.h"
#include "core/TDlgChooseMode.h"
#include "mainwindow/StatusPanel.h"

#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

using namespace ombrix;
using uitest::AnswerNextMessageBox;
using uitest::AnswerNextModal;
using uitest::SeenMessage;

namespace {

class MainWindowStart : public uitest::MainWindowFixture {
protected:
    bool RemoteProposed(QWidget* dialog) const {
        return dialog->findChild<QRadioButton*>(QStringLiteral("RadioButtonRemote"))->isChecked();
    }
    static void Press(QWidget* dialog, const char* button) {
        dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    }
    bool Shown(const char* name) const { return Find<QWidget>(name)->isVisibleTo(&Form()); }
};

TEST_F(MainWindowStart, RemoteWordWithoutSplashEntersRemoteAtOnce) {
    for (const char* word : {"REMOTE", "remote"}) {
        Create(word, 0);
        auto watch = AnswerNextModal(
            [](QWidget* window) {
                ADD_FAILURE() << "unexpected " << window->objectName().toStdString();
            },
            300, false);
        ASSERT_TRUE(Launch());
        watch->cancelled = true;

        EXPECT_EQ(Form().windowTitle(), QStringLiteral("Ombrix - REMOTE"));
        EXPECT_EQ(HelpContextOf(&Form()), TOrvMainForm::kRemoteHelpContext);
        EXPECT_TRUE(Shown("TabControlMode"));
        EXPECT_TRUE(Shown("PageControlFunc"));
        EXPECT_FALSE(Shown("TreeViewDatabase"));
        EXPECT_FALSE(Action("DatabaseLoad")->isVisible());
        EXPECT_TRUE(Action("Config")->isVisible());
        EXPECT_TRUE(Action("Storing")->isVisible());
        EXPECT_TRUE(Form().TimerSec()->isActive());
        EXPECT_FALSE(Form().IsDatabaseView());
        Form().UpdateActions();
        EXPECT_EQ(Action("OrvChangeMode")->text(), QStringLiteral("Change to Datalog"));
        EXPECT_TRUE(Action("OrvActivateConfiguration")->isVisible());
        EXPECT_TRUE(Action("OrvActivateConfiguration")->isChecked());
        m_pProgram.reset();
    }
}

TEST_F(MainWindowStart, DatalogWordWithoutSplashOpensTheWizardAtOnce) {
    Create("Datalog", 0);
    QString firstModal;
    AnswerNextModal([&](QWidget* window) {
        firstModal = window->objectName();
        LoadEverything(window);
    });
    ASSERT_TRUE(Launch());
    EXPECT_EQ(firstModal, QStringLiteral("DlgLoadData"));

    EXPECT_EQ(Form().windowTitle(), QStringLiteral("Ombrix - DATALOG"));
    EXPECT_EQ(HelpContextOf(&Form()), TOrvMainForm::kDatalogHelpContext);
    EXPECT_FALSE(Shown("TabControlMode"));
    EXPECT_FALSE(Shown("PageControlFunc"));
    EXPECT_TRUE(Shown("TreeViewDatabase"));
    EXPECT_TRUE(Action("DatabaseLoad")->isVisible());
    EXPECT_FALSE(Action("Config")->isVisible());
    EXPECT_FALSE(Action("Storing")->isVisible());
    EXPECT_FALSE(Action("OrvLoadFFT")->isVisible());
    EXPECT_FALSE(Form().TimerSec()->isActive());
    ASSERT_EQ(Main().DataLists().size(), 1u);
    EXPECT_EQ(Main().DataLists().front()->GetCount(), 19);
    EXPECT_EQ(ShownDatasets().size(), 19u);
    // The first dataset is shown at once.
    EXPECT_EQ(Main().CurrentDataset(), Main().DataLists().front()->GetDataset(0));
    EXPECT_TRUE(Shown("MemoInfo"));
    EXPECT_EQ(Form().ViewSheet(), eSheetValue);
    EXPECT_TRUE(Form().StatusLine().StateText().startsWith(QStringLiteral("Demo mode: ")));
}

TEST_F(MainWindowStart, WithoutWordTheDialogComesWithAndWithoutSplashAndProposesDatalog) {
    for (int showSplash : {0, 1}) {
        Create("", showSplash);
        bool datalogProposed = false;
        QString shown;
        AnswerNextModal([&](QWidget* dialog) {
            shown = dialog->objectName();
            datalogProposed =
                dialog->findChild<QRadioButton*>(QStringLiteral("RadioButtonDatalog"))->isChecked();
            AnswerNextModal(LoadEverything);
            Press(dialog, "OKBtn");
        });
        ASSERT_TRUE(Launch());
        EXPECT_EQ(shown, QStringLiteral("DlgChooseMode")) << showSplash;
        EXPECT_TRUE(datalogProposed) << showSplash;
        EXPECT_EQ(Form().Mode(), eModeDatalog);
        m_pProgram.reset();
    }
}

// Left alone, the splash takes the proposed mode: its timer is restarted short
// so that the test need not wait the six seconds.
TEST_F(MainWindowStart, SplashLeftAloneTakesTheProposedMode) {
    Create("REMOTE", 1);
    bool remoteProposed = false;
    int interval = 0;
    AnswerNextModal([&](QWidget* dialog) {
        remoteProposed = RemoteProposed(dialog);
        auto* timer = dialog->findChild<QTimer*>(QStringLiteral("TimerSplash"));
        interval = timer->isActive() ? timer->interval() : -1;
        timer->start(1);
    });
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(remoteProposed);
    EXPECT_EQ(interval, TDlgChooseMode::kSplashMs);
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("Ombrix - REMOTE"));
}

TEST_F(MainWindowStart, CancelledWizardEndsTheProgramWhenTheDialogIsNotUsed) {
    Create("DATALOG", 0);
    QSignalSpy ended(&Form(), &TOrvMainForm::ProgramEndRequested);
    AnswerNextModal([](QWidget* wizard) { Press(wizard, "CancelBtn"); });
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(Form().ProgramEnded());
    EXPECT_EQ(ended.count(), 1);
    EXPECT_TRUE(Main().DataLists().empty());
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("Ombrix"));
}

TEST_F(MainWindowStart, CancelledWizardGoesBackToTheDialogWhenItIsUsed) {
    Create("DATALOG", 1);
    int dialogs = 0;
    AnswerNextModal([&](QWidget* dialog) {
        ++dialogs;
        AnswerNextModal([&](QWidget* wizard) {
            AnswerNextModal([&](QWidget* again) {
                ++dialogs;
                EXPECT_EQ(again->objectName(), QStringLiteral("DlgChooseMode"));
                // The mode dialog has no Cancel button: closing it is the refusal.
                QTest::keyClick(again, Qt::Key_Escape);
            });
            Press(wizard, "CancelBtn");
        });
        Press(dialog, "OKBtn");
    });
    ASSERT_TRUE(Launch());
    EXPECT_EQ(dialogs, 2);
    EXPECT_TRUE(Form().ProgramEnded());
}

TEST_F(MainWindowStart, ChangeModeAsksAboutUnexportedDataProposesTheOtherModeAndClearsTheTree) {
    StartDatalog();
    Main().CurrentDataList()->GetDataset(0)->SetExported(false);
    WriteRegInt(reg::kShowSplash, 1);

    // Refusing at the question changes nothing.
    auto seen = std::make_shared<SeenMessage>();
    AnswerNextMessageBox(QMessageBox::Cancel, seen);
    Trigger("OrvChangeMode");
    EXPECT_TRUE(seen->seen);
    EXPECT_EQ(seen->title, QStringLiteral("Ombrix Warning"));
    EXPECT_EQ(seen->text,
              QStringLiteral("There are unexported datasets. Are you sure to terminate Ombrix?"));
    EXPECT_EQ(Form().Mode(), eModeDatalog);
    EXPECT_EQ(Main().DataLists().size(), 1u);

    bool remoteProposed = false;
    AnswerNextMessageBox(QMessageBox::Ok, nullptr);
    AnswerNextModal(
        [&](QWidget* dialog) {
            remoteProposed = RemoteProposed(dialog);
            // The lists went before the dialog came, and the tree with them.
            EXPECT_TRUE(Main().DataLists().empty());
            EXPECT_EQ(Form().Tree().NodeCount(), 0u);
            Press(dialog, "OKBtn");
        },
        5000);
    Trigger("OrvChangeMode");
    EXPECT_TRUE(remoteProposed);
    EXPECT_EQ(Form().Mode(), eModeRemote);
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("Ombrix - REMOTE"));
    EXPECT_TRUE(Form().TimerSec()->isActive());
}

TEST_F(MainWindowStart, AboutBoxShowsTheProgramVersion) {
    StartDatalog();
    QString version, product;
    AnswerNextModal([&](QWidget* about) {
        version = about->findChild<QLabel*>(QStringLiteral("Version"))->text();
        product = about->findChild<QLabel*>(QStringLiteral("ProductName"))->text();
        about->close();
    });
    Trigger("HelpInfo");
    EXPECT_EQ(version, QStringLiteral("1.08"));
    EXPECT_EQ(product, QStringLiteral("Ombrix"));
}

// The simulated analyser has no service information: the dialog stays away,
// and the user is told why instead of seeing nothing happen.
TEST_F(MainWindowStart, ServiceWithoutDeviceInformationSaysSo) {
    StartDatalog();
    auto seen = std::make_shared<SeenMessage>();
    AnswerNextMessageBox(QMessageBox::Ok, seen);
    Trigger("OrvShowService");
    EXPECT_TRUE(seen->seen);
    EXPECT_EQ(seen->text, QStringLiteral("The analyser gives no service information."));
}

TEST_F(MainWindowStart, ShowSplashItemStoresTheOppositeOfItsCheck) {
    StartDatalog();
    Form().UpdateActions();
    EXPECT_FALSE(Action("OrvShowSplash")->isChecked());
    Trigger("OrvShowSplash");
    EXPECT_EQ(ReadRegInt(reg::kShowSplash, 0), 1);
    Form().UpdateActions();
    EXPECT_TRUE(Action("OrvShowSplash")->isChecked());
    Trigger("OrvShowSplash");
    EXPECT_EQ(ReadRegInt(reg::kShowSplash, 1), 0);
}

// While values are stored automatically, neither the mode tabs nor the left
// pages change; once stopped, they do.
TEST_F(MainWindowStart, RemoteTabsAndPagesStayWhileStoringRuns) {
    Create("REMOTE", 0);
    ASSERT_TRUE(Launch());
    Form().TimerSec()->stop();
    auto* tabs = Find<QTabBar>("TabControlMode");
    auto* pages = Find<QTabWidget>("PageControlFunc");
    const int modeTab = tabs->currentIndex();

    Main().SetStoringState(eStoringImmediate);
    tabs->setCurrentIndex(kDatabaseTab);
    EXPECT_EQ(tabs->currentIndex(), modeTab);
    pages->setCurrentIndex(1);
    EXPECT_EQ(pages->currentIndex(), 0);
    Trigger("OrvActivateStoring");
    EXPECT_FALSE(Form().StoringPage());

    Main().SetStoringState(eStoringStopped);
    pages->setCurrentIndex(1);
    EXPECT_TRUE(Form().StoringPage());
    tabs->setCurrentIndex(kDatabaseTab);
    EXPECT_EQ(tabs->currentIndex(), kDatabaseTab);
    EXPECT_TRUE(Shown("TreeViewDatabase"));
    EXPECT_TRUE(Form().IsDatabaseView());
}

// The REMOTE panel's tick work runs once a second, and not while the window
// is busy with a spectrum read.
TEST_F(MainWindowStart, TickWorkRunsEverySecondButNotWhileBusy) {
    Create("REMOTE", 0);
    int ticks = 0;
    Form().Hooks().remoteTick = [&] { ++ticks; };
    ASSERT_TRUE(Launch());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 3000));
    Form().SetBusy(true);
    const int before = ticks;
    QTest::qWait(1300);
    EXPECT_EQ(ticks, before);
    Form().SetBusy(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > before; }, 3000));
}

// A tick of the one-second timer shows the live value with the bar of the
// measuring range.
TEST_F(MainWindowStart, RemoteTickShowsTheLiveValueWithItsBar) {
    Create("REMOTE", 0);
    ASSERT_TRUE(Launch());
    auto* value = Find<QLabel>("LabelValueVal");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !value->text().isEmpty(); }, 5000));
    EXPECT_TRUE(Find<QWidget>("ProgressBarValue")->isVisibleTo(&Form()));
    EXPECT_TRUE(Find<QWidget>("ImageValueScale")->isVisibleTo(&Form()));
    EXPECT_EQ(Form().ViewSheet(), eSheetValue);
    // The status line shows the connection's state next to its indicator.
    EXPECT_TRUE(Form().StatusLine().StateText().startsWith(QStringLiteral("Demo mode: ")));
}

} // namespace
