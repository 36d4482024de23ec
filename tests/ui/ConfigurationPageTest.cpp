// The REMOTE page "Configuration": the controls each measurement mode shows,
// enables and fills, with and without the analyser's options; values the
// analyser refuses springing back; the B-range texts of each unit; typed
// frequencies and the frequency list dialog.

#include "MainWindowFixture.h"

#include "config/OrvConfiguration.h"
#include "core/TRadioGroup.h"
#include "link/OrvCommunication.h"
#include "mainwindow/ConfigurationPage.h"
#include "mainwindow/MainWindowHost.h"
#include "presentation/TDlgFrqList.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>

#include <set>

using namespace ombrix;
using uitest::AnswerNextMessageBox;
using uitest::AnswerNextModal;
using uitest::SeenMessage;

namespace {

QStringList ItemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// Types into an editable drop-down and leaves it, as the user does.
void TypeInto(QComboBox* combo, const QString& text) {
    combo->lineEdit()->setText(text);
    emit combo->lineEdit()->editingFinished();
}

// Chooses an item of a drop-down list as the user does.
void Choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void Click(TRadioGroup* group, int item) {
    group->Button(item)->click();
}

class ConfigurationPageInWindow : public uitest::MainWindowFixture {
protected:
    void StartRemote() {
        Create("REMOTE", 0);
        ASSERT_TRUE(Launch());
        ASSERT_EQ(Form().Mode(), eModeRemote);
        Form().ApplyFunctionMode(eFST);
    }
    OrvConfiguration& Config() const { return Main().Configuration(); }
    QComboBox* Combo(const char* name) const { return Find<QComboBox>(name); }
    TRadioGroup* Group(const char* name) const { return Find<TRadioGroup>(name); }
    bool Shown(const char* name) const {
        return Find<QWidget>(name)->isVisibleTo(Find<QWidget>("ConfigurationPage"));
    }
    bool Enabled(const char* name) const { return Find<QWidget>(name)->isEnabled(); }
};

// ---- modes --------------------------------------------------------------------------

TEST_F(ConfigurationPageInWindow, EveryModeShowsItsControlsFilledFromTheConfiguration) {
    StartRemote();
    struct Case {
        int mode;
        int tab;
        std::set<std::string> shown, enabled;
    };
    // Controls of the page whose state depends on the mode.
    const char* kControls[] = {
        "ComboBoxBMeasRange",   "ComboBoxEMeasRange",   "RadioGroupUnit",
        "ComboBoxFSTDetection", "ComboBoxFFTDetection", "ComboBoxHarmonicsDetection",
        "GroupBoxFSTFilter",    "RadioGroupFFTFilter",  "RadioGroupNormalized",
        "ComboBoxNAVG",         "ComboBoxFund",         "ComboBoxStandard",
        "RadioButtonBandPass"};
    const Case cases[] = {
        {eFST,
         0,
         {"ComboBoxBMeasRange", "RadioGroupUnit", "ComboBoxFSTDetection", "GroupBoxFSTFilter",
          "ComboBoxNAVG", "ComboBoxFund", "ComboBoxStandard", "RadioButtonBandPass"},
         {"ComboBoxBMeasRange", "RadioGroupUnit", "ComboBoxFSTDetection", "GroupBoxFSTFilter",
          "RadioButtonBandPass"}},
        {eSTD,
         1,
         {"ComboBoxBMeasRange", "RadioGroupUnit", "GroupBoxFSTFilter", "ComboBoxNAVG",
          "ComboBoxFund", "ComboBoxStandard", "RadioButtonBandPass"},
         {"GroupBoxFSTFilter", "ComboBoxStandard"}},
        {eFFT,
         2,
         {"ComboBoxBMeasRange", "RadioGroupUnit", "ComboBoxFFTDetection", "RadioGroupFFTFilter",
          "RadioGroupNormalized", "ComboBoxNAVG", "ComboBoxFund", "ComboBoxStandard"},
         // An absolute spectrum of a B probe has a unit and no standard.
         {"ComboBoxBMeasRange", "RadioGroupUnit", "ComboBoxFFTDetection", "RadioGroupFFTFilter",
          "RadioGroupNormalized", "ComboBoxNAVG"}},
        {eHAR,
         3,
         {"ComboBoxBMeasRange", "RadioGroupUnit", "ComboBoxHarmonicsDetection",
          "RadioGroupFFTFilter", "RadioGroupNormalized", "ComboBoxNAVG", "ComboBoxFund",
          "ComboBoxStandard"},
         {"ComboBoxBMeasRange", "RadioGroupUnit", "ComboBoxHarmonicsDetection", "ComboBoxNAVG",
          "ComboBoxFund"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode));
        Find<QTabBar>("TabControlMode")->setCurrentIndex(c.tab);
        ASSERT_EQ(Config().GetMODE(), c.mode);
        EXPECT_EQ(Form().FunctionMode(), c.mode);
        for (const char* name : kControls) {
            EXPECT_EQ(Shown(name), c.shown.count(name) == 1) << name << " shown";
            if (Shown(name))
                EXPECT_EQ(Enabled(name), c.enabled.count(name) == 1) << name << " enabled";
        }
        // Display and channel in every mode, filled from the configuration.
        EXPECT_EQ(Group("RadioGroupDisplay")->ItemIndex(), Config().GetLIVE());
        EXPECT_EQ(Combo("ComboBoxChannel")->currentIndex(), Config().GetCHANNEL());
        EXPECT_EQ(Combo("ComboBoxBMeasRange")->currentIndex(), Config().GetRANGE_B());
        // Without a unit to choose (STD) the unit group shows none.
        EXPECT_EQ(Group("RadioGroupUnit")->ItemIndex(), c.mode == eSTD ? -1 : 0);
        EXPECT_FALSE(Form().ConfigurationReloadPending());
    }

    // Filled only where the mode offers the item.
    Find<QTabBar>("TabControlMode")->setCurrentIndex(3);
    EXPECT_EQ(ItemsOf(Combo("ComboBoxFund")).size(), 6);
    EXPECT_EQ(Combo("ComboBoxFund")->currentIndex(), Config().GetFUNDINDEX());
    EXPECT_EQ(Combo("ComboBoxHarmonicsDetection")->currentIndex(), Config().GetDECHAR());
    EXPECT_EQ(Group("RadioGroupNormalized")->ItemIndex(), -1);
    Find<QTabBar>("TabControlMode")->setCurrentIndex(1);
    EXPECT_EQ(Combo("ComboBoxStandard")->count(), 6);
    EXPECT_EQ(Combo("ComboBoxStandard")->currentIndex(), Config().GetSTDINDEX());
    EXPECT_EQ(Combo("ComboBoxFund")->count(), 0);
}

TEST_F(ConfigurationPageInWindow, ModesWithoutTheirOptionKeepThePageInTheModeInForce) {
    StartRemote();
    struct Case {
        bool std, fft, ext;
        int asked, shown;
    } cases[] = {
        {false, false, false, eSTD, eFST}, {false, false, false, eFFT, eFST},
        {false, false, false, eHAR, eFST}, {true, false, false, eSTD, eSTD},
        {true, false, false, eFFT, eFST},  {false, true, false, eFFT, eFFT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.asked) + " with options " + std::to_string(c.std) +
                     std::to_string(c.fft));
        ASSERT_TRUE(Config().Initialise(c.std, c.fft, c.ext));
        Form().ApplyFunctionMode(c.asked);
        EXPECT_EQ(Config().GetMODE(), c.shown);
        EXPECT_EQ(Find<QTabBar>("TabControlMode")->currentIndex(), ModeTabOf(c.shown));
        EXPECT_EQ(Shown("ComboBoxFSTDetection"), c.shown == eFST);
        EXPECT_EQ(Shown("GroupBoxFSTFilter"), c.shown == eFST || c.shown == eSTD);
        EXPECT_EQ(Shown("RadioGroupFFTFilter"), c.shown == eFFT);
    }
    // Without the extended range the FFT range cannot be chosen.
    EXPECT_FALSE(Enabled("RadioGroupFFTFilter"));
    ASSERT_TRUE(Config().Initialise(true, true, true));
    Form().ApplyFunctionMode(eFFT);
    EXPECT_TRUE(Enabled("RadioGroupFFTFilter"));
}

TEST_F(ConfigurationPageInWindow, OfflineEmptiesThePageUntilTheNextFill) {
    StartRemote();
    Choose(Combo("ComboBoxChannel"), 1);
    ASSERT_TRUE(Config().IsConfirmed(ConfigItem::CHANNEL));
    Form().Host().ConfigurationOffline();
    EXPECT_EQ(Combo("ComboBoxChannel")->currentIndex(), -1);
    EXPECT_EQ(Group("RadioGroupDisplay")->ItemIndex(), -1);
    EXPECT_EQ(Combo("ComboBoxBandPass")->count(), 0);
    EXPECT_FALSE(Find<QRadioButton>("RadioButtonBroadBand")->isChecked());
    // Every item goes to the analyser again at its next change.
    EXPECT_FALSE(Config().IsConfirmed(ConfigItem::CHANNEL));
    EXPECT_TRUE(Form().ConfigurationReloadPending());

    Form().ApplyFunctionMode(Form().FunctionMode());
    EXPECT_EQ(Combo("ComboBoxChannel")->currentIndex(), 1);
    EXPECT_TRUE(Find<QRadioButton>("RadioButtonBroadBand")->isChecked());
    EXPECT_EQ(Combo("ComboBoxBandPass")->count(), 6);
    EXPECT_FALSE(Form().ConfigurationReloadPending());
}

// ---- user changes -------------------------------------------------------------------

TEST_F(ConfigurationPageInWindow, ChoicesReachTheConfiguration) {
    StartRemote();
    Choose(Combo("ComboBoxChannel"), 2);
    EXPECT_EQ(Config().GetCHANNEL(), 2);
    Click(Group("RadioGroupDisplay"), 1);
    EXPECT_EQ(Config().GetLIVE(), 1);
    Choose(Combo("ComboBoxFSTDetection"), 1);
    EXPECT_EQ(Config().GetDECFST(), 1);

    // The filter type shows the drop-down of its own filter only.
    Find<QRadioButton>("RadioButtonBandStop")->click();
    EXPECT_EQ(Config().GetFILTER(), 2);
    EXPECT_TRUE(Shown("ComboBoxBandStop"));
    EXPECT_TRUE(Shown("ButtonBandStop"));
    EXPECT_FALSE(Shown("ComboBoxBandPass"));
    EXPECT_FALSE(Shown("ComboBoxBroadBand"));
    Choose(Combo("ComboBoxBandStop"), 3);
    EXPECT_EQ(Config().GetBSINDEX(), 3);
    Find<QRadioButton>("RadioButtonBroadBand")->click();
    EXPECT_TRUE(Shown("ComboBoxBroadBand"));
    Choose(Combo("ComboBoxBroadBand"), 2);
    EXPECT_EQ(Config().GetBBINDEX(), 2);

    // In FFT the normalised spectrum hands the choice from unit and range to the standard.
    Form().ApplyFunctionMode(eFFT);
    Click(Group("RadioGroupNormalized"), 1);
    EXPECT_EQ(Config().GetSPECNORM(), 1);
    EXPECT_FALSE(Enabled("ComboBoxBMeasRange"));
    EXPECT_FALSE(Enabled("RadioGroupUnit"));
    EXPECT_TRUE(Enabled("ComboBoxStandard"));
    Choose(Combo("ComboBoxStandard"), 4);
    EXPECT_EQ(Config().GetSTDINDEX(), 4);
    Click(Group("RadioGroupNormalized"), 0);
    EXPECT_TRUE(Enabled("RadioGroupUnit"));
    EXPECT_FALSE(Enabled("ComboBoxStandard"));
}

TEST_F(ConfigurationPageInWindow, BRangesAreRebuiltForGaussAndAmperePerMetre) {
    StartRemote();
    Choose(Combo("ComboBoxBMeasRange"), 3);
    ASSERT_EQ(Config().GetRANGE_B(), 3);
    struct Case {
        int item;
        Code unit;
        QString first, last;
    } cases[] = {
        {1, eUnitG, "1 mG", "316 G"},
        {2, eUnitAm, "79.577 mA/m", "25.146 kA/m"},
        {0, eUnitT, "100 nT", "31.6 mT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first.toStdString());
        Click(Group("RadioGroupUnit"), c.item);
        EXPECT_EQ(Config().BUnit(), c.unit);
        const QStringList items = ItemsOf(Combo("ComboBoxBMeasRange"));
        ASSERT_EQ(items.size(), 13);
        EXPECT_EQ(items[0], "AUTO");
        EXPECT_EQ(items[1], c.first);
        EXPECT_EQ(items[12], c.last);
        // The range in force stays selected.
        EXPECT_EQ(Combo("ComboBoxBMeasRange")->currentIndex(), 3);
    }
    // A/m is the program's presentation: the analyser keeps tesla.
    Click(Group("RadioGroupUnit"), 2);
    EXPECT_EQ(Config().GetBUNIT(), eUnitT);
    EXPECT_EQ(Group("RadioGroupUnit")->ItemIndex(), 2);
}

// ---- typed frequencies ------------------------------------------------------------------

TEST_F(ConfigurationPageInWindow, TypedFrequencySelectsReplacesOrIsRefused) {
    StartRemote();
    Find<QRadioButton>("RadioButtonBandPass")->click();
    ASSERT_EQ(Config().GetFILTER(), 1);
    QComboBox* bandPass = Combo("ComboBoxBandPass");
    const FrequencyList before = Config().GetData().BPFRQ;
    ASSERT_EQ(before[1], 50);

    // A listed frequency is selected, the list stays.
    TypeInto(bandPass, "50");
    EXPECT_EQ(Config().GetBPINDEX(), 1);
    EXPECT_EQ(Config().GetData().BPFRQ, before);
    EXPECT_EQ(bandPass->currentText(), "50 Hz");

    // Another one takes the place of the variable frequency.
    TypeInto(bandPass, "55");
    EXPECT_EQ(Config().GetBPINDEX(), 5);
    EXPECT_EQ(Config().GetBPFRQ(5), 55);
    EXPECT_EQ(bandPass->itemText(5), "55 Hz");
    EXPECT_EQ(bandPass->currentIndex(), 5);
    EXPECT_EQ(bandPass->count(), 6);

    // Outside 15..2000 Hz nothing changes.
    auto seen = std::make_shared<SeenMessage>();
    AnswerNextMessageBox(QMessageBox::Ok, seen);
    TypeInto(bandPass, "14");
    ASSERT_TRUE(seen->seen);
    EXPECT_EQ(seen->title, "Ombrix Error");
    EXPECT_EQ(seen->text, "Only values between 15 Hz and 2000 Hz are valid");
    EXPECT_EQ(Config().GetBPINDEX(), 5);
    EXPECT_EQ(Config().GetBPFRQ(5), 55);

    // The fundamental allows 10 Hz to 10 kHz, with prefixes.
    Form().ApplyFunctionMode(eHAR);
    QComboBox* fund = Combo("ComboBoxFund");
    TypeInto(fund, "1k");
    EXPECT_EQ(Config().GetFUNDINDEX(), 5);
    EXPECT_EQ(Config().GetFUNDFRQ(5), 1000);
    TypeInto(fund, "2.5k");
    EXPECT_EQ(Config().GetFUNDFRQ(5), 2500);
    EXPECT_EQ(fund->currentText(), "2.5 kHz");
    seen = std::make_shared<SeenMessage>();
    AnswerNextMessageBox(QMessageBox::Ok, seen);
    TypeInto(fund, "12k");
    EXPECT_EQ(seen->text, "Only values between 10 Hz and 10000 Hz are valid");
    EXPECT_EQ(Config().GetFUNDFRQ(5), 2500);
}

// An entry whose text rounds its frequency, chosen and then left, stays
// itself: the variable frequency is not overwritten by the rounded text.
TEST_F(ConfigurationPageInWindow, LeavingAChosenEntryKeepsTheList) {
    StartRemote();
    Find<QRadioButton>("RadioButtonBandPass")->click();
    ASSERT_TRUE(Config().SetBPFRQ(3, 123.456));
    Form().ApplyFunctionMode(eFST);
    QComboBox* bandPass = Combo("ComboBoxBandPass");
    ASSERT_EQ(bandPass->itemText(3), "123.46 Hz");
    const FrequencyList before = Config().GetData().BPFRQ;
    Choose(bandPass, 3);
    emit bandPass->lineEdit()->editingFinished();
    EXPECT_EQ(Config().GetBPINDEX(), 3);
    EXPECT_EQ(Config().GetData().BPFRQ, before);
}

// ---- frequency list dialog ----------------------------------------------------------------

TEST_F(ConfigurationPageInWindow, FrequencyListButtonEditsTheWholeList) {
    StartRemote();
    Find<QRadioButton>("RadioButtonBandPass")->click();
    QString shown;
    double lower = 0, upper = 0;
    AnswerNextModal([&](QWidget* window) {
        auto* dialog = qobject_cast<TDlgFrqList*>(window);
        ASSERT_NE(dialog, nullptr);
        shown = dialog->findChild<QLineEdit*>("EditFrq0")->text();
        lower = dialog->LowerBound();
        upper = dialog->UpperBound();
        dialog->findChild<QLineEdit*>("EditFrq2")->setText("70");
        dialog->findChild<QLineEdit*>("EditFrq5")->setText("1.2k");
        dialog->findChild<QPushButton*>("OKBtn")->click();
    });
    Find<QPushButton>("ButtonBandPass")->click();
    EXPECT_EQ(shown, "16.7 Hz");
    EXPECT_EQ(lower, 15);
    EXPECT_EQ(upper, 2000);
    EXPECT_EQ(Config().GetBPFRQ(2), 70);
    EXPECT_EQ(Config().GetBPFRQ(5), 1200);
    EXPECT_EQ(Config().GetBPFRQ(0), 16.7);
    EXPECT_EQ(Combo("ComboBoxBandPass")->itemText(5), "1.2 kHz");
    EXPECT_EQ(Combo("ComboBoxBandPass")->currentIndex(), Config().GetBPINDEX());

    // Cancel changes nothing.
    AnswerNextModal([](QWidget* window) {
        window->findChild<QLineEdit*>("EditFrq2")->setText("80");
        window->findChild<QPushButton*>("CancelBtn")->click();
    });
    Find<QPushButton>("ButtonBandPass")->click();
    EXPECT_EQ(Config().GetBPFRQ(2), 70);
}

// ---- a page of its own, over an analyser that refuses ----------------------------------------

class RefusingConnection : public OrvCommunication {
public:
    bool WriteConfigItem(int command, int subFunction, int value) override {
        return refused.count(command) == 0 &&
               OrvCommunication::WriteConfigItem(command, subFunction, value);
    }
    std::set<int> refused;
};

class EFieldConfiguration : public OrvConfiguration {
public:
    using OrvConfiguration::OrvConfiguration;
    Code Probe() const override { return eEFieldProbe; }
};

class ConfigurationPageAlone : public uitest::MainWindowFixture {
protected:
    void Build(std::unique_ptr<OrvConfiguration> config) {
        m_pConfig = std::move(config);
        ASSERT_TRUE(m_pConfig->Initialise(true, true, true));
        m_pPage = std::make_unique<ConfigurationPage>([this] { return m_pConfig.get(); });
        m_pPage->resize(257, 700);
        m_pPage->show();
    }
    void TearDown() override {
        m_pPage.reset();
        m_pConfig.reset();
        MainWindowFixture::TearDown();
    }
    template <typename T> T* Child(const char* name) const {
        return m_pPage->findChild<T*>(QString::fromLatin1(name));
    }

    RefusingConnection m_Connection;
    std::unique_ptr<OrvConfiguration> m_pConfig;
    std::unique_ptr<ConfigurationPage> m_pPage;
};

TEST_F(ConfigurationPageAlone, RefusedValuesSpringBack) {
    Build(std::make_unique<OrvConfiguration>(m_Connection));
    m_Connection.refused = {ItemCommand(ConfigItem::CHANNEL), ItemCommand(ConfigItem::BUNIT),
                            ItemCommand(ConfigItem::FILTER), ItemCommand(ConfigItem::BPINDEX),
                            ItemCommand(ConfigItem::LIVE)};
    m_pPage->ApplyFunctionMode(eFST);
    // The first fill sent the stored values; they were refused but stay shown.
    EXPECT_EQ(Child<QComboBox>("ComboBoxChannel")->currentIndex(), m_pConfig->GetCHANNEL());

    Choose(Child<QComboBox>("ComboBoxChannel"), 3);
    EXPECT_EQ(m_pConfig->GetCHANNEL(), 0);
    EXPECT_EQ(Child<QComboBox>("ComboBoxChannel")->currentIndex(), 0);

    Click(Child<TRadioGroup>("RadioGroupDisplay"), 1);
    EXPECT_EQ(Child<TRadioGroup>("RadioGroupDisplay")->ItemIndex(), 0);

    Click(Child<TRadioGroup>("RadioGroupUnit"), 1);
    EXPECT_EQ(m_pConfig->BUnit(), eUnitT);
    EXPECT_EQ(Child<TRadioGroup>("RadioGroupUnit")->ItemIndex(), 0);
    EXPECT_EQ(Child<QComboBox>("ComboBoxBMeasRange")->itemText(12), "31.6 mT");

    Child<QRadioButton>("RadioButtonBandPass")->click();
    EXPECT_EQ(m_pConfig->GetFILTER(), 0);
    EXPECT_TRUE(Child<QRadioButton>("RadioButtonBroadBand")->isChecked());
    EXPECT_TRUE(Child<QComboBox>("ComboBoxBroadBand")->isVisible());
    EXPECT_FALSE(Child<QComboBox>("ComboBoxBandPass")->isVisible());

    // A refused frequency entry shows the entry still in force.
    const int index = m_pConfig->GetBPINDEX();
    Choose(Child<QComboBox>("ComboBoxBandPass"), (index + 1) % 6);
    EXPECT_EQ(Child<QComboBox>("ComboBoxBandPass")->currentIndex(), index);
}

TEST_F(ConfigurationPageAlone, TheEFieldProbeOffersTheERangesAndTheStandard) {
    Build(std::make_unique<EFieldConfiguration>(m_Connection));
    ASSERT_TRUE(m_pConfig->SetMODE(eFFT));
    m_pPage->ApplyFunctionMode(eFFT);
    EXPECT_TRUE(Child<QComboBox>("ComboBoxEMeasRange")->isVisible());
    EXPECT_FALSE(Child<QComboBox>("ComboBoxBMeasRange")->isVisible());
    EXPECT_FALSE(Child<TRadioGroup>("RadioGroupUnit")->isEnabled());
    EXPECT_TRUE(Child<QComboBox>("ComboBoxStandard")->isEnabled());
    EXPECT_EQ(Child<QComboBox>("ComboBoxStandard")->currentIndex(), m_pConfig->GetSTDINDEX());
    Choose(Child<QComboBox>("ComboBoxEMeasRange"), 4);
    EXPECT_EQ(m_pConfig->GetRANGE_E(), 4);
    EXPECT_EQ(Child<QComboBox>("ComboBoxEMeasRange")->currentText(), "316 V/m");
}

} // namespace
