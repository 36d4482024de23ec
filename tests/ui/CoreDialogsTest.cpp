// The mode dialog, the about box, the range check of input fields and the
// message boxes, on real widgets.

#include "UiTestSupport.h"

#include "core/CheckRange.h"
#include "core/MessageBoxes.h"
#include "core/SettingsStore.h"
#include "core/TAboutDlg.h"
#include "core/TDlgChooseMode.h"
#include "core/UnassociatedFont.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace ombrix;
using uitest::AnswerNextMessageBox;
using uitest::AnswerNextModal;
using uitest::SeenMessage;

namespace {

class CoreDialogs : public ::testing::Test {
protected:
    void SetUp() override { uitest::ClearSettings(); }
};

// Left alone, the dialog closes itself with OK and the proposed mode. The
// timer is found by its name and restarted short, so the test need not wait
// the six seconds that the dialog itself waits.
TEST_F(CoreDialogs, SplashClosesItselfWithTheProposedMode) {
    for (OperatingMode proposed : {eModeDatalog, eModeRemote, eModeUndecided}) {
        TDlgChooseMode dialog;
        dialog.ProposeMode(proposed);
        auto* timer = dialog.findChild<QTimer*>(QStringLiteral("TimerSplash"));
        ASSERT_NE(timer, nullptr);
        bool armed = false;
        int interval = 0;
        AnswerNextModal([&](QWidget*) {
            armed = timer->isActive() && timer->isSingleShot();
            interval = timer->interval();
            timer->start(1);
        });
        EXPECT_EQ(dialog.exec(), QDialog::Accepted);
        EXPECT_TRUE(armed);
        EXPECT_EQ(interval, TDlgChooseMode::kSplashMs);
        EXPECT_EQ(dialog.ChosenMode(), proposed == eModeRemote ? eModeRemote : eModeDatalog);
        EXPECT_FALSE(timer->isActive());
    }
}

TEST_F(CoreDialogs, SplashClosedOtherwiseStopsTheTimerAndIsNotOk) {
    TDlgChooseMode dialog;
    auto* timer = dialog.findChild<QTimer*>(QStringLiteral("TimerSplash"));
    AnswerNextModal([](QWidget* window) { QTest::keyClick(window, Qt::Key_Escape); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_FALSE(timer->isActive());
}

TEST_F(CoreDialogs, SplashTakesTheUsersChoiceWithOk) {
    TDlgChooseMode dialog;
    dialog.ProposeMode(eModeDatalog);
    AnswerNextModal([](QWidget* window) {
        window->findChild<QRadioButton*>(QStringLiteral("RadioButtonRemote"))->click();
        window->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenMode(), eModeRemote);
}

TEST_F(CoreDialogs, ShowSplashBoxFollowsAndWritesTheSettingOnEveryClick) {
    WriteRegInt(reg::kShowSplash, 0);
    TDlgChooseMode dialog;
    dialog.show();
    auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("CheckBoxShow"));
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isChecked());
    box->click();
    EXPECT_EQ(ReadRegInt(reg::kShowSplash, -1), 1);
    box->click();
    EXPECT_EQ(ReadRegInt(reg::kShowSplash, -1), 0);
    dialog.reject();
}

TEST_F(CoreDialogs, DialogIsUsedWhenSplashIsOnOrNoModeWasRequested) {
    struct Case {
        int showSplash;
        OperatingMode byte;
        bool used;
    };
    for (const Case& c :
         {Case{1, eModeDatalog, true}, Case{1, eModeUndecided, true}, Case{0, eModeRemote, false},
          Case{0, eModeDatalog, false}, Case{0, eModeUndecided, true}}) {
        WriteRegInt(reg::kShowSplash, c.showSplash);
        EXPECT_EQ(TDlgChooseMode::IsUsed(c.byte), c.used) << c.showSplash << " " << int(c.byte);
    }
}

TEST_F(CoreDialogs, AboutBoxShowsTheVersionResource) {
    TAboutDlg about;
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Info about Ombrix"));
    auto text = [&](const char* name) {
        return about.findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    EXPECT_EQ(text("ProductName"), QStringLiteral("Ombrix"));
    EXPECT_EQ(text("Version"), QStringLiteral("1.08"));
    EXPECT_TRUE(text("Copyright").contains(QStringLiteral("Velmora GmbH")));
    EXPECT_FALSE(text("Comments").isEmpty());
    EXPECT_TRUE(about.findChild<QLabel*>(QStringLiteral("Comments"))->wordWrap());
    about.reject();
}

// A form with the field under test, a neighbour and a Cancel button.
struct RangeForm {
    QDialog window;
    QLineEdit* field = new QLineEdit(&window);
    QLineEdit* neighbour = new QLineEdit(&window);
    QPushButton* cancel = new QPushButton(QStringLiteral("Cancel"), &window);
    RangeForm() {
        cancel->setObjectName(QStringLiteral("CancelBtn"));
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(neighbour);
        layout->addWidget(cancel);
    }
};

TEST_F(CoreDialogs, RangeCheckRefusesWithTheErrorBoxAndGivesTheFocusBack) {
    RangeForm form;
    ASSERT_TRUE(uitest::ShowActive(&form.window));
    form.field->setText(QStringLiteral("2500"));
    form.neighbour->setFocus();
    auto seen = std::make_shared<SeenMessage>();
    AnswerNextMessageBox(QMessageBox::Ok, seen);
    EXPECT_FALSE(CheckRange(form.field, 15, 2000, "Hz", false, 0));
    ASSERT_TRUE(seen->seen);
    EXPECT_EQ(seen->title, QStringLiteral("Ombrix Error"));
    EXPECT_EQ(seen->text, QStringLiteral("Only values between 15 Hz and 2000 Hz are valid"));
    EXPECT_EQ(seen->icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    // The field is the window's focus: it has the keyboard as soon as the
    // window is active again.
    EXPECT_EQ(form.window.focusWidget(), form.field);
    EXPECT_TRUE(uitest::ShowActive(&form.window));
    EXPECT_EQ(QApplication::focusWidget(), form.field);
}

TEST_F(CoreDialogs, RangeCheckJudgesByModeAndNamesPrefixedBounds) {
    struct Case {
        const char* text;
        double min, max;
        const char* unit;
        bool prefixed;
        int mode;
        const char* message; // nullptr: accepted
    };
    const Case cases[] = {
        {"15", 15, 2000, "Hz", false, 1, "Only values between 15 Hz and 2000 Hz are valid"},
        {"2k", 15, 2000, "Hz", false, 2, "Only values between 15 Hz and 2000 Hz are valid"},
        {"2k", 15, 2000, "Hz", false, 0, nullptr},
        {"15 Hz", 15, 2000, "Hz", false, 2, nullptr},
        {"50m", 0, 0.0316, "T", true, 0, "Only values between 0 T and 31.6 mT are valid"},
        {"500 mm", 0, 10, "m", true, 0, nullptr},
        {"abc", 1, 5, "", false, 0, "Only values between 1 and 5 are valid"},
    };
    RangeForm form;
    ASSERT_TRUE(uitest::ShowActive(&form.window));
    for (const Case& c : cases) {
        form.field->setText(QString::fromLatin1(c.text));
        form.neighbour->setFocus();
        auto seen = std::make_shared<SeenMessage>();
        auto watch = AnswerNextMessageBox(QMessageBox::Ok, seen, 2000, false);
        const bool accepted = CheckRange(form.field, c.min, c.max, c.unit, c.prefixed, c.mode);
        watch->cancelled = true;
        EXPECT_EQ(accepted, c.message == nullptr) << c.text;
        if (c.message)
            EXPECT_EQ(seen->text, QString::fromLatin1(c.message)) << c.text;
        else
            EXPECT_FALSE(seen->seen) << c.text;
    }
}

TEST_F(CoreDialogs, RangeCheckIsSilentWhileTheDialogIsCancelled) {
    RangeForm form;
    ASSERT_TRUE(uitest::ShowActive(&form.window));
    form.field->setText(QStringLiteral("99999"));
    form.cancel->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), form.cancel);
    auto watch =
        AnswerNextModal([](QWidget* box) { qobject_cast<QDialog*>(box)->reject(); }, 300, false);
    EXPECT_FALSE(CheckRange(form.field, 15, 2000, "Hz", false, 0));
    EXPECT_FALSE(watch->answered);
    watch->cancelled = true;
    EXPECT_EQ(QApplication::focusWidget(), form.cancel);
}

TEST_F(CoreDialogs, MessageBoxAnswersMapToTheModelsAnswers) {
    struct Case {
        MessageButtons buttons;
        int pressed;
        MessageAnswer answer;
    };
    for (const Case& c :
         {Case{MessageButtons::Ok, QMessageBox::Ok, MessageAnswer::Ok},
          Case{MessageButtons::OkCancel, QMessageBox::Cancel, MessageAnswer::Cancel},
          Case{MessageButtons::OkCancel, QMessageBox::NoButton, MessageAnswer::Cancel},
          Case{MessageButtons::YesNo, QMessageBox::Yes, MessageAnswer::Yes},
          Case{MessageButtons::YesNo, QMessageBox::NoButton, MessageAnswer::No}})
        EXPECT_EQ(AnswerFor(c.buttons, c.pressed), c.answer) << c.pressed;

    auto seen = std::make_shared<SeenMessage>();
    AnswerNextMessageBox(QMessageBox::Cancel, seen);
    EXPECT_EQ(ShowMessageBox(nullptr, "Ombrix Warning", "Threshold 10 \xB5T exceeded",
                             MessageButtons::OkCancel, MessageKind::Warning),
              MessageAnswer::Cancel);
    EXPECT_EQ(seen->title, QStringLiteral("Ombrix Warning"));
    EXPECT_EQ(seen->text, QStringLiteral("Threshold 10 \u00b5T exceeded"));
    EXPECT_EQ(seen->icon, QMessageBox::Warning);

    // Escape refuses a question rather than agreeing to it.
    AnswerNextModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(ShowMessageBox(nullptr, "Ombrix Warning", "Sure?", MessageButtons::YesNo,
                             MessageKind::Warning),
              MessageAnswer::No);
}

TEST_F(CoreDialogs, UnassociatedFontOnlyStopsFontMerging) {
    QFont font(QStringLiteral("DejaVu Sans"), 14, QFont::Bold);
    font.setItalic(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    const QFont copy = UnassociatedFont(font);
    EXPECT_TRUE(copy.styleStrategy() & QFont::NoFontMerging);
    EXPECT_TRUE(copy.styleStrategy() & QFont::PreferAntialias);
    EXPECT_EQ(copy.family(), font.family());
    EXPECT_EQ(copy.pointSize(), 14);
    EXPECT_TRUE(copy.bold() && copy.italic());
}

} // namespace
