// "User setup..." in REMOTE: listing, describing, naming, storing and erasing
// user setups, the four permanent ones, recalling a setup on OK and writing
// "OrvConf.dat" after the dialog; and the frequency list dialog's checks.

#include "MainWindowFixture.h"

#include "config/OrvConfiguration.h"
#include "core/ProgramFolder.h"
#include "presentation/TDlgFrqList.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTreeWidget>

#include <fstream>
#include <sstream>

using namespace ombrix;
using uitest::AnswerNextMessageBox;
using uitest::AnswerNextModal;
using uitest::SeenMessage;

namespace {

std::string FileText(const std::string& name) {
    std::ifstream in(ProgramFolder() / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class UserSetupDialog : public uitest::MainWindowFixture {
protected:
    void StartRemote(int mode) {
        Create("REMOTE", 0);
        ASSERT_TRUE(Launch());
        Form().ApplyFunctionMode(mode);
        ASSERT_EQ(Config().GetMODE(), mode);
    }
    OrvConfiguration& Config() const { return Main().Configuration(); }

    // Runs "User setup..." with `work` inside the dialog.
    void RunDialog(std::function<void(QWidget*)> work) {
        bool opened = false;
        AnswerNextModal([&](QWidget* dialog) {
            opened = true;
            work(dialog);
        });
        Trigger("ConfigUserSetup");
        EXPECT_TRUE(opened);
    }
    static QTreeWidget* List(QWidget* dialog) {
        return dialog->findChild<QTreeWidget*>("ListViewUserSetupList");
    }
    static QStringList Names(QWidget* dialog) {
        QStringList names;
        for (int i = 0; i < List(dialog)->topLevelItemCount(); ++i)
            names << List(dialog)->topLevelItem(i)->text(0);
        return names;
    }
    static void SelectRow(QWidget* dialog, int row) {
        List(dialog)->setCurrentItem(List(dialog)->topLevelItem(row));
    }
    static void Press(QWidget* dialog, const char* name) {
        dialog->findChild<QPushButton*>(name)->click();
    }
};

TEST_F(UserSetupDialog, SavingTwiceInFftNumbersTheNewSetupsAndTheFileKeepsThem) {
    StartRemote(eFFT);
    ASSERT_EQ(Config().UserSetupCount(), 4);
    RunDialog([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "User setup");
        // The list opens on its last setup.
        EXPECT_EQ(List(dialog)->currentItem()->text(0), "HAR fundamental 50 Hz");
        Press(dialog, "ButtonSave");
        Press(dialog, "ButtonSave");
        EXPECT_EQ(Names(dialog).mid(4), (QStringList{"FFT 1", "FFT 2"}));
        EXPECT_TRUE(List(dialog)->topLevelItem(5)->isSelected());
        const QString description = dialog->findChild<QPlainTextEdit*>("MemoDesc")->toPlainText();
        EXPECT_TRUE(description.startsWith("MODE: FFT\n")) << description.toStdString();
        EXPECT_FALSE(description.contains('\r'));
        Press(dialog, "CancelBtn");
    });
    // Cancel recalls nothing, but the new setups are written.
    EXPECT_EQ(Config().UserSetupCount(), 6);
    const std::string file = FileText("OrvConf.dat");
    EXPECT_NE(file.find("FFT 1\r\n"), std::string::npos);
    EXPECT_NE(file.find("FFT 2\r\n"), std::string::npos);
    ASSERT_TRUE(Config().LoadUserSetups());
    EXPECT_EQ(Config().UserSetupName(5), "FFT 2");
}

TEST_F(UserSetupDialog, ThePermanentSetupsCannotBeErasedOrRenamed) {
    StartRemote(eFST);
    RunDialog([](QWidget* dialog) {
        Press(dialog, "ButtonSave");
        auto* erase = dialog->findChild<QPushButton*>("ButtonErase");
        auto* name = dialog->findChild<QLineEdit*>("EditUserSetupName");
        for (int row = 0; row < 4; ++row) {
            SCOPED_TRACE(row);
            SelectRow(dialog, row);
            EXPECT_FALSE(erase->isEnabled());
            EXPECT_TRUE(name->isReadOnly());
            EXPECT_EQ(name->text(), List(dialog)->topLevelItem(row)->text(0));
        }
        SelectRow(dialog, 4);
        EXPECT_TRUE(erase->isEnabled());
        EXPECT_FALSE(name->isReadOnly());

        // Renaming follows the typing, up to 30 characters.
        name->selectAll();
        QTest::keyClicks(name, "Night survey at the substation gate");
        EXPECT_EQ(List(dialog)->topLevelItem(4)->text(0), "Night survey at the substation");
        Press(dialog, "ButtonErase");
        EXPECT_EQ(Names(dialog).size(), 4);
        Press(dialog, "CancelBtn");
    });
    EXPECT_EQ(Config().UserSetupCount(), 4);
    EXPECT_FALSE(Config().DeleteUserSetup(3));
}

TEST_F(UserSetupDialog, OkRecallsTheSelectedSetupAndShowsItsMode) {
    StartRemote(eFST);
    RunDialog([](QWidget* dialog) {
        SelectRow(dialog, 1); // "STD exposure standard"
        Press(dialog, "OKBtn");
    });
    EXPECT_EQ(Config().GetMODE(), eSTD);
    EXPECT_EQ(Form().FunctionMode(), eSTD);
    EXPECT_EQ(Find<QTabBar>("TabControlMode")->currentIndex(), 1);
    EXPECT_FALSE(Find<QWidget>("ComboBoxFSTDetection")->isVisibleTo(&Form()));
    EXPECT_TRUE(Find<QWidget>("ComboBoxStandard")->isEnabled());
}

// ---- the frequency list dialog on its own ---------------------------------------------------

class FrequencyListDialog : public ::testing::Test {
protected:
    void SetUp() override {
        m_Dialog.SetFrequencies({16.7, 50, 60, 123.456, 180, 100});
        m_Dialog.SetBounds(15, 2000);
    }
    QLineEdit* Edit(int i) const {
        return m_Dialog.findChild<QLineEdit*>(QStringLiteral("EditFrq%1").arg(i));
    }
    TDlgFrqList m_Dialog;
};

TEST_F(FrequencyListDialog, ShowsTheListAndChecksEachEntryOnLeaving) {
    AnswerNextModal([this](QWidget*) {
        EXPECT_EQ(m_Dialog.windowTitle(), "Frequency List");
        EXPECT_EQ(Edit(0)->text(), "16.7 Hz");
        EXPECT_EQ(Edit(3)->text(), "123.46 Hz");
        auto seen = std::make_shared<SeenMessage>();
        AnswerNextMessageBox(QMessageBox::Ok, seen);
        Edit(2)->setText("2500");
        emit Edit(2)->editingFinished();
        EXPECT_EQ(seen->text, "Only values between 15 Hz and 2000 Hz are valid");
        EXPECT_EQ(seen->title, "Ombrix Error");
        Edit(2)->setText("2000");
        m_Dialog.findChild<QPushButton*>("OKBtn")->click();
    });
    ASSERT_EQ(m_Dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(m_Dialog.Frequencies()[2], 2000);
    // An entry left as shown keeps its exact frequency, not the rounded text.
    EXPECT_EQ(m_Dialog.Frequencies()[3], 123.456);
}

// OK by the Enter key never leaves the field: the entries are checked again.
TEST_F(FrequencyListDialog, OkRefusesAnEntryOutsideTheBounds) {
    bool stillOpen = false;
    AnswerNextModal([&](QWidget*) {
        auto seen = std::make_shared<SeenMessage>();
        AnswerNextMessageBox(QMessageBox::Ok, seen);
        Edit(4)->setText("5");
        m_Dialog.findChild<QPushButton*>("OKBtn")->click();
        EXPECT_TRUE(seen->seen);
        stillOpen = m_Dialog.isVisible();
        m_Dialog.reject();
    });
    EXPECT_EQ(m_Dialog.exec(), QDialog::Rejected);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(m_Dialog.Frequencies()[4], 180);
}

} // namespace
