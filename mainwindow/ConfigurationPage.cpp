#include "mainwindow/ConfigurationPage.h"

#include "config/OrvConfiguration.h"
#include "core/CheckRange.h"
#include "core/Ombrix.h"
#include "core/TRadioGroup.h"
#include "mainwindow/FlagScope.h"
#include "presentation/TDlgFrqList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <optional>
#include <utility>

namespace ombrix {

namespace {

// The unit group's items and the unit codes they stand for.
constexpr std::array<int, 3> kUnitCodeOfItem = {eUnitT, eUnitG, eUnitAm};

int UnitItemOf(int code) {
    for (std::size_t i = 0; i < kUnitCodeOfItem.size(); ++i)
        if (kUnitCodeOfItem[i] == code) return static_cast<int>(i);
    return -1;
}

const QStringList kERanges = {"AUTO",   "10 V/m",    "31.6 V/m", "100 V/m",   "316 V/m",
                              "1 kV/m", "3.16 kV/m", "10 kV/m",  "31.6 kV/m", "100 kV/m"};

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList Latin1List(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts)
        list << Latin1(text);
    return list;
}

QComboBox* MakeCombo(const char* name, const QStringList& items, bool editable = false) {
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(editable);
    if (editable) combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    return combo;
}

TRadioGroup* MakeRadioGroup(const char* name, const QString& caption, const QStringList& items) {
    auto* group = new TRadioGroup(caption, items);
    group->setObjectName(QString::fromLatin1(name));
    group->NameItems();
    return group;
}

QGroupBox* MakeGroup(const char* name, const QString& caption) {
    auto* group = new QGroupBox(caption);
    group->setObjectName(QString::fromLatin1(name));
    return group;
}

QPushButton* MakeListButton(const char* name) {
    auto* button = new QPushButton(QStringLiteral("..."));
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setFixedWidth(28);
    return button;
}

void SetEnabled(QWidget* widget, bool enabled) {
    widget->setEnabled(enabled);
}

} // namespace

ConfigurationPage::ConfigurationPage(std::function<OrvConfiguration*()> configuration,
                                     QWidget* parent)
    : QWidget(parent), m_Configuration(std::move(configuration)) {
    setObjectName(QStringLiteral("ConfigurationPage"));
    m_pDlgFrqList = new TDlgFrqList(this);
    BuildLayout();

    connect(m_pRadioGroupDisplay, &TRadioGroup::ItemClicked, this,
            [this] { ApplyRadioRule(m_pRadioGroupDisplay, ConfigItem::LIVE); });
    connect(m_pComboBoxEMeasRange, &QComboBox::activated, this,
            [this] { ApplyComboRule(m_pComboBoxEMeasRange, ConfigItem::RANGE_E); });
    connect(m_pComboBoxBMeasRange, &QComboBox::activated, this,
            [this] { ApplyComboRule(m_pComboBoxBMeasRange, ConfigItem::RANGE_B); });
    connect(m_pRadioGroupUnit, &TRadioGroup::ItemClicked, this,
            &ConfigurationPage::RadioGroupUnitClick);
    connect(m_pComboBoxFSTDetection, &QComboBox::activated, this,
            [this] { ApplyComboRule(m_pComboBoxFSTDetection, ConfigItem::DECFST); });
    connect(m_pComboBoxFFTDetection, &QComboBox::activated, this,
            [this] { ApplyComboRule(m_pComboBoxFFTDetection, ConfigItem::DECFFT); });
    connect(m_pComboBoxHarmonicsDetection, &QComboBox::activated, this,
            [this] { ApplyComboRule(m_pComboBoxHarmonicsDetection, ConfigItem::DECHAR); });
    connect(m_pComboBoxChannel, &QComboBox::activated, this,
            [this] { ApplyComboRule(m_pComboBoxChannel, ConfigItem::CHANNEL); });
    connect(m_pComboBoxNAVG, &QComboBox::activated, this,
            [this] { ApplyComboRule(m_pComboBoxNAVG, ConfigItem::NAVG); });
    connect(m_pRadioGroupFFTFilter, &TRadioGroup::ItemClicked, this,
            [this] { ApplyRadioRule(m_pRadioGroupFFTFilter, ConfigItem::RANGE_F); });
    connect(m_pRadioGroupNormalized, &TRadioGroup::ItemClicked, this,
            &ConfigurationPage::RadioGroupNormalizedClick);
    for (QRadioButton* button :
         {m_pRadioButtonBroadBand, m_pRadioButtonBandPass, m_pRadioButtonBandStop})
        connect(button, &QRadioButton::clicked, this,
                &ConfigurationPage::RadioButtonFilterTypeClick);
    connect(m_pComboBoxBroadBand, &QComboBox::activated, this,
            [this] { ApplyComboRule(m_pComboBoxBroadBand, ConfigItem::BBINDEX); });
    connect(m_pComboBoxStandard, &QComboBox::activated, this,
            &ConfigurationPage::ComboBoxStandardChange);

    struct FrequencyDropDown {
        QComboBox* combo;
        QPushButton* button;
        ConfigItem list;
    };
    for (const FrequencyDropDown& f :
         {FrequencyDropDown{m_pComboBoxBandPass, m_pButtonBandPass, ConfigItem::BPFRQ},
          FrequencyDropDown{m_pComboBoxBandStop, m_pButtonBandStop, ConfigItem::BSFRQ},
          FrequencyDropDown{m_pComboBoxFund, m_pButtonFund, ConfigItem::FUNDFRQ}}) {
        connect(f.combo, &QComboBox::activated, this,
                [this, f] { FrequencyChange(f.combo, f.list); });
        // Leaving the field and the Enter key both take the typed frequency.
        connect(f.combo->lineEdit(), &QLineEdit::editingFinished, this,
                [this, f] { FrequencyExit(f.combo, f.list); });
        connect(f.button, &QPushButton::clicked, this,
                [this, f] { FrequencyListClick(f.combo, f.list); });
    }
}

void ConfigurationPage::BuildLayout() {
    m_pRadioGroupDisplay =
        MakeRadioGroup("RadioGroupDisplay", QStringLiteral("Display"), {"LIVE", "MAX"});

    m_pGroupBoxMeasRange = MakeGroup("GroupBoxMeasRange", QStringLiteral("Meas. range"));
    m_pComboBoxEMeasRange = MakeCombo("ComboBoxEMeasRange", kERanges);
    m_pComboBoxBMeasRange = MakeCombo("ComboBoxBMeasRange", Latin1List(BRangeTexts(eUnitT)));
    auto* rangeLayout = new QVBoxLayout(m_pGroupBoxMeasRange);
    rangeLayout->addWidget(m_pComboBoxEMeasRange);
    rangeLayout->addWidget(m_pComboBoxBMeasRange);

    m_pRadioGroupUnit =
        MakeRadioGroup("RadioGroupUnit", QStringLiteral("Unit"), {"Tesla", "Gauss", "A/m"});

    m_pGroupBoxDetection = MakeGroup("GroupBoxDetection", QStringLiteral("Detection"));
    m_pComboBoxFSTDetection = MakeCombo("ComboBoxFSTDetection", {"RMS", "VECT PEAK"});
    m_pComboBoxFFTDetection =
        MakeCombo("ComboBoxFFTDetection", {"ACT RMS", "AVG RMS", "VECT PEAK"});
    m_pComboBoxHarmonicsDetection =
        MakeCombo("ComboBoxHarmonicsDetection", {"ACT RMS", "AVG RMS", "VECT PEAK"});
    auto* detectionLayout = new QVBoxLayout(m_pGroupBoxDetection);
    detectionLayout->addWidget(m_pComboBoxFSTDetection);
    detectionLayout->addWidget(m_pComboBoxFFTDetection);
    detectionLayout->addWidget(m_pComboBoxHarmonicsDetection);

    m_pGroupBoxStandard = MakeGroup("GroupBoxStandard", QStringLiteral("Standard"));
    m_pComboBoxStandard = MakeCombo("ComboBoxStandard", {});
    (new QVBoxLayout(m_pGroupBoxStandard))->addWidget(m_pComboBoxStandard);

    m_pGroupBoxFSTFilter = MakeGroup("GroupBoxFSTFilter", QStringLiteral("Filter"));
    m_pRadioButtonBroadBand = new QRadioButton(QStringLiteral("Broadband:"));
    m_pRadioButtonBroadBand->setObjectName(QStringLiteral("RadioButtonBroadBand"));
    m_pRadioButtonBandPass = new QRadioButton(QStringLiteral("Bandpass:"));
    m_pRadioButtonBandPass->setObjectName(QStringLiteral("RadioButtonBandPass"));
    m_pRadioButtonBandStop = new QRadioButton(QStringLiteral("Bandstop:"));
    m_pRadioButtonBandStop->setObjectName(QStringLiteral("RadioButtonBandStop"));
    m_pComboBoxBroadBand = MakeCombo(
        "ComboBoxBroadBand", {"5 Hz..2 kHz", "30 Hz..2 kHz", "5 Hz..32 kHz", "30 Hz..32 kHz"});
    m_pComboBoxBandPass = MakeCombo("ComboBoxBandPass", {}, true);
    m_pComboBoxBandStop = MakeCombo("ComboBoxBandStop", {}, true);
    m_pButtonBandPass = MakeListButton("ButtonBandPass");
    m_pButtonBandStop = MakeListButton("ButtonBandStop");
    auto* filterLayout = new QGridLayout(m_pGroupBoxFSTFilter);
    filterLayout->addWidget(m_pRadioButtonBroadBand, 0, 0);
    filterLayout->addWidget(m_pComboBoxBroadBand, 0, 1, 1, 2);
    filterLayout->addWidget(m_pRadioButtonBandPass, 1, 0);
    filterLayout->addWidget(m_pComboBoxBandPass, 1, 1);
    filterLayout->addWidget(m_pButtonBandPass, 1, 2);
    filterLayout->addWidget(m_pRadioButtonBandStop, 2, 0);
    filterLayout->addWidget(m_pComboBoxBandStop, 2, 1);
    filterLayout->addWidget(m_pButtonBandStop, 2, 2);
    filterLayout->setColumnStretch(1, 1);

    m_pRadioGroupFFTFilter = MakeRadioGroup("RadioGroupFFTFilter", QStringLiteral("Filter"),
                                            {"5 Hz..2 kHz", "40 Hz..32 kHz"});
    m_pRadioGroupNormalized = MakeRadioGroup("RadioGroupNormalized", QStringLiteral("Spectrum"),
                                             {"absolute", "normalized"});

    m_pGroupBoxFund = MakeGroup("GroupBoxFund", QStringLiteral("Fund"));
    m_pComboBoxFund = MakeCombo("ComboBoxFund", {}, true);
    m_pButtonFund = MakeListButton("ButtonFund");
    auto* fundLayout = new QHBoxLayout(m_pGroupBoxFund);
    fundLayout->addWidget(m_pComboBoxFund, 1);
    fundLayout->addWidget(m_pButtonFund);

    m_pGroupBoxChannel = MakeGroup("GroupBoxChannel", QStringLiteral("Channels"));
    m_pComboBoxChannel = MakeCombo("ComboBoxChannel", {"ISOTROPIC", "X", "Y", "Z"});
    (new QVBoxLayout(m_pGroupBoxChannel))->addWidget(m_pComboBoxChannel);

    m_pGroupBoxNAVG = MakeGroup("GroupBoxNAVG", QStringLiteral("No. of avrg FFT"));
    m_pComboBoxNAVG = MakeCombo("ComboBoxNAVG", {"4", "8", "16", "32"});
    (new QVBoxLayout(m_pGroupBoxNAVG))->addWidget(m_pComboBoxNAVG);

    // Two columns in the narrow left panel; the filter groups take the full width.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(4);
    grid->addWidget(m_pRadioGroupDisplay, 0, 0);
    grid->addWidget(m_pRadioGroupUnit, 0, 1);
    grid->addWidget(m_pGroupBoxMeasRange, 1, 0);
    grid->addWidget(m_pGroupBoxChannel, 1, 1);
    grid->addWidget(m_pGroupBoxDetection, 2, 0);
    grid->addWidget(m_pGroupBoxNAVG, 2, 1);
    grid->addWidget(m_pGroupBoxFSTFilter, 3, 0, 1, 2);
    grid->addWidget(m_pRadioGroupFFTFilter, 4, 0);
    grid->addWidget(m_pRadioGroupNormalized, 4, 1);
    grid->addWidget(m_pGroupBoxStandard, 5, 0, 1, 2);
    grid->addWidget(m_pGroupBoxFund, 6, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(7, 1);
}

bool ConfigurationPage::EFieldProbe() const {
    return Config() && Config()->Probe() == eEFieldProbe;
}

QWidget* ConfigurationPage::ControlOf(ConfigControl control) const {
    switch (control) {
    case ConfigControl::Display:
        return m_pRadioGroupDisplay;
    case ConfigControl::EMeasRange:
        return m_pComboBoxEMeasRange;
    case ConfigControl::BMeasRange:
        return m_pComboBoxBMeasRange;
    case ConfigControl::Unit:
        return m_pRadioGroupUnit;
    case ConfigControl::FSTDetection:
        return m_pComboBoxFSTDetection;
    case ConfigControl::FFTDetection:
        return m_pComboBoxFFTDetection;
    case ConfigControl::HarmonicsDetection:
        return m_pComboBoxHarmonicsDetection;
    case ConfigControl::Channel:
        return m_pComboBoxChannel;
    case ConfigControl::NAVG:
        return m_pComboBoxNAVG;
    case ConfigControl::FFTFilter:
        return m_pRadioGroupFFTFilter;
    case ConfigControl::Normalized:
        return m_pRadioGroupNormalized;
    case ConfigControl::FSTFilterGroup:
        return m_pGroupBoxFSTFilter;
    case ConfigControl::FSTFilterControls:
        return m_pRadioButtonBroadBand;
    case ConfigControl::Standard:
        return m_pComboBoxStandard;
    case ConfigControl::Fund:
        return m_pComboBoxFund;
    }
    return nullptr;
}

// ---- mode ---------------------------------------------------------------------------

void ConfigurationPage::ApplyFunctionMode(int mode) {
    FlagScope rebuilding(m_bRebuilding);
    ClearConfigControls();
    OrvConfiguration* config = Config();
    const bool has32k = config && config->OptionExtFrq();
    ApplyStates(ConfigPageStatesFor(mode, EFieldProbe(), has32k));
    for (const FillStep& step : ConfigFillOrder()) {
        QWidget* control = ControlOf(step.control);
        // Judged now: the spectrum step changes the enabling of later controls.
        const bool applies =
            step.whenVisible ? control->isVisibleTo(this) : control->isEnabledTo(this);
        if (applies) RunFillStep(step.control);
    }
}

void ConfigurationPage::ApplyStates(const ConfigPageStates& states) {
    for (int i = 0; i < kConfigControlCount; ++i) {
        const auto control = static_cast<ConfigControl>(i);
        const ControlState& state = states[control];
        if (control == ConfigControl::FSTFilterControls) {
            for (QWidget* w : std::initializer_list<QWidget*>{
                     m_pRadioButtonBroadBand, m_pRadioButtonBandPass, m_pRadioButtonBandStop,
                     m_pComboBoxBroadBand, m_pComboBoxBandPass, m_pComboBoxBandStop,
                     m_pButtonBandPass, m_pButtonBandStop})
                SetEnabled(w, state.enabled);
            continue;
        }
        QWidget* widget = ControlOf(control);
        widget->setVisible(state.visible);
        SetEnabled(widget, state.enabled);
    }
    m_pButtonFund->setEnabled(states[ConfigControl::Fund].enabled);
    // Controls that share a captioned place: the caption goes with the last
    // of them (in STD mode there is no detector to choose).
    m_pGroupBoxDetection->setVisible(states[ConfigControl::FSTDetection].visible ||
                                     states[ConfigControl::FFTDetection].visible ||
                                     states[ConfigControl::HarmonicsDetection].visible);
}

void ConfigurationPage::RunFillStep(ConfigControl control) {
    switch (control) {
    case ConfigControl::Display:
        return ApplyRadioRule(m_pRadioGroupDisplay, ConfigItem::LIVE);
    case ConfigControl::EMeasRange:
        return ApplyComboRule(m_pComboBoxEMeasRange, ConfigItem::RANGE_E);
    case ConfigControl::BMeasRange:
        return ApplyComboRule(m_pComboBoxBMeasRange, ConfigItem::RANGE_B);
    case ConfigControl::Unit:
        return RadioGroupUnitClick();
    case ConfigControl::FSTDetection:
        return ApplyComboRule(m_pComboBoxFSTDetection, ConfigItem::DECFST);
    case ConfigControl::FFTDetection:
        return ApplyComboRule(m_pComboBoxFFTDetection, ConfigItem::DECFFT);
    case ConfigControl::HarmonicsDetection:
        return ApplyComboRule(m_pComboBoxHarmonicsDetection, ConfigItem::DECHAR);
    case ConfigControl::Channel:
        return ApplyComboRule(m_pComboBoxChannel, ConfigItem::CHANNEL);
    case ConfigControl::NAVG:
        return ApplyComboRule(m_pComboBoxNAVG, ConfigItem::NAVG);
    case ConfigControl::FFTFilter:
        return ApplyRadioRule(m_pRadioGroupFFTFilter, ConfigItem::RANGE_F);
    case ConfigControl::Normalized:
        return RadioGroupNormalizedClick();
    case ConfigControl::FSTFilterGroup:
    case ConfigControl::FSTFilterControls:
        return RadioButtonFilterTypeClick();
    case ConfigControl::Standard:
        return ComboBoxStandardChange();
    case ConfigControl::Fund:
        return FrequencyChange(m_pComboBoxFund, ConfigItem::FUNDFRQ);
    }
}

void ConfigurationPage::ClearConfigControls() {
    FlagScope rebuilding(m_bRebuilding);
    if (OrvConfiguration* config = Config()) config->MarkUnread();
    for (TRadioGroup* group :
         {m_pRadioGroupDisplay, m_pRadioGroupUnit, m_pRadioGroupFFTFilter, m_pRadioGroupNormalized})
        group->SetItemIndex(-1);
    for (QComboBox* combo :
         {m_pComboBoxEMeasRange, m_pComboBoxBMeasRange, m_pComboBoxFSTDetection,
          m_pComboBoxFFTDetection, m_pComboBoxHarmonicsDetection, m_pComboBoxStandard,
          m_pComboBoxBroadBand, m_pComboBoxChannel, m_pComboBoxNAVG})
        combo->setCurrentIndex(-1);
    for (QComboBox* combo : {m_pComboBoxBandPass, m_pComboBoxBandStop, m_pComboBoxFund})
        combo->clear();
    for (QRadioButton* button :
         {m_pRadioButtonBroadBand, m_pRadioButtonBandPass, m_pRadioButtonBandStop}) {
        // An exclusive radio button cannot be unchecked on its own.
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    if (m_ReloadRequest) m_ReloadRequest();
}

// ---- the common rule ----------------------------------------------------------------

void ConfigurationPage::ApplyComboRule(QComboBox* combo, ConfigItem item) {
    OrvConfiguration* config = Config();
    if (!config) return;
    if (combo->currentIndex() >= 0) config->SetItem(item, combo->currentIndex());
    const int value = config->GetItem(item);
    combo->setCurrentIndex(value < combo->count() ? value : -1);
}

void ConfigurationPage::ApplyRadioRule(TRadioGroup* group, ConfigItem item) {
    OrvConfiguration* config = Config();
    if (!config) return;
    if (group->ItemIndex() >= 0) config->SetItem(item, group->ItemIndex());
    group->SetItemIndex(config->GetItem(item));
}

// ---- unit and spectrum ----------------------------------------------------------------

void ConfigurationPage::RadioGroupUnitClick() {
    OrvConfiguration* config = Config();
    if (!config) return;
    const int item = m_pRadioGroupUnit->ItemIndex();
    if (item >= 0) config->SetBUnit(kUnitCodeOfItem[static_cast<std::size_t>(item)]);
    m_pRadioGroupUnit->SetItemIndex(UnitItemOf(config->BUnit()));

    const int selected = m_pComboBoxBMeasRange->currentIndex();
    m_pComboBoxBMeasRange->clear();
    m_pComboBoxBMeasRange->addItems(Latin1List(BRangeTexts(config->BUnit())));
    m_pComboBoxBMeasRange->setCurrentIndex(selected);
}

void ConfigurationPage::RadioGroupNormalizedClick() {
    ApplyRadioRule(m_pRadioGroupNormalized, ConfigItem::SPECNORM);
    OrvConfiguration* config = Config();
    if (!config) return;
    const SpectrumDependentStates s =
        NormalizedStates(config->GetMODE(), EFieldProbe(), config->GetSPECNORM() != 0);
    m_pComboBoxEMeasRange->setEnabled(s.rangeEnabled);
    m_pComboBoxBMeasRange->setEnabled(s.rangeEnabled);
    m_pRadioGroupUnit->setEnabled(s.unitEnabled);
    m_pComboBoxStandard->setEnabled(s.standardEnabled);
    // A standard offered from now on shows its names and the one in force
    // rather than an empty list.
    if (s.standardEnabled) ComboBoxStandardChange();
}

// ---- FST filter ---------------------------------------------------------------------------

void ConfigurationPage::RadioButtonFilterTypeClick() {
    OrvConfiguration* config = Config();
    if (!config) return;
    const std::array<QRadioButton*, 3> buttons = {m_pRadioButtonBroadBand, m_pRadioButtonBandPass,
                                                  m_pRadioButtonBandStop};
    for (std::size_t code = 0; code < buttons.size(); ++code)
        if (buttons[code]->isChecked()) {
            config->SetFILTER(static_cast<int>(code));
            break;
        }
    const std::size_t inForce = config->GetFILTER();
    if (inForce < buttons.size())
        buttons[inForce]->setChecked(true);
    else
        for (QRadioButton* button : buttons) {
            button->setAutoExclusive(false);
            button->setChecked(false);
            button->setAutoExclusive(true);
        }
    // Only the drop-down of the filter in force is offered.
    auto offered = [](QRadioButton* b) { return b->isEnabled() && b->isChecked(); };
    m_pComboBoxBroadBand->setVisible(offered(m_pRadioButtonBroadBand));
    m_pComboBoxBandPass->setVisible(offered(m_pRadioButtonBandPass));
    m_pButtonBandPass->setVisible(offered(m_pRadioButtonBandPass));
    m_pComboBoxBandStop->setVisible(offered(m_pRadioButtonBandStop));
    m_pButtonBandStop->setVisible(offered(m_pRadioButtonBandStop));

    FrequencyChange(m_pComboBoxBandPass, ConfigItem::BPFRQ);
    FrequencyChange(m_pComboBoxBandStop, ConfigItem::BSFRQ);
    ApplyComboRule(m_pComboBoxBroadBand, ConfigItem::BBINDEX);
}

// ---- standards --------------------------------------------------------------------------

void ConfigurationPage::ComboBoxStandardChange() {
    OrvConfiguration* config = Config();
    if (!config) return;
    if (m_pComboBoxStandard->count() == 0) {
        for (int i = 0; i < kFrequencyListSize; ++i)
            m_pComboBoxStandard->addItem(Latin1(config->StandardName(i)));
        m_pComboBoxStandard->setCurrentIndex(-1);
    }
    ApplyComboRule(m_pComboBoxStandard, ConfigItem::STDINDEX);
}

// ---- frequency drop-downs -------------------------------------------------------------------

void ConfigurationPage::FrequencyChange(QComboBox* combo, ConfigItem list) {
    OrvConfiguration* config = Config();
    if (!config) return;
    const ConfigItem indexItem = IndexItemOf(list);
    if (combo->count() == 0) {
        const FrequencyList& frequencies = FrequencyListOf(config->GetData(), list);
        for (double hz : frequencies)
            combo->addItem(Latin1(FrequencyItemText(hz)));
        combo->setCurrentIndex(config->GetItem(indexItem));
    }
    const int chosen = combo->currentIndex();
    if (chosen >= 0 && chosen != config->GetItem(indexItem)) {
        config->SetItem(indexItem, chosen);
        // A choice the analyser refused shows the entry still in force.
        combo->setCurrentIndex(config->GetItem(indexItem));
    }
}

void ConfigurationPage::FrequencyExit(QComboBox* combo, ConfigItem list) {
    OrvConfiguration* config = Config();
    // Emptying, hiding or disabling the drop-down while the page is rebuilt
    // takes the focus away as well; that is no input of the user.
    if (!config || m_bInFrequencyExit || m_bRebuilding || !combo->isVisibleTo(this) ||
        !combo->isEnabled())
        return;
    FlagScope inExit(m_bInFrequencyExit);

    const FrequencyLimits limits = FrequencyLimitsOf(list);
    if (!CheckRange(combo, limits.min, limits.max, "Hz", false, 0)) return;

    const QString text = combo->currentText();
    int entry = -1;
    // An entry picked from the list stands for itself: its text is rounded
    // to five digits and would not always read back as the entry's frequency.
    if (combo->currentIndex() >= 0 && combo->itemText(combo->currentIndex()) == text)
        entry = combo->currentIndex();
    if (entry < 0) {
        const double hz = ParseValue(text.toLatin1().toStdString(), false);
        if (const std::optional<int> found =
                LastEntryOf(FrequencyListOf(config->GetData(), list), hz))
            entry = *found;
        else {
            config->SetFrequency(list, kVariableFrequencyEntry, hz);
            entry = kVariableFrequencyEntry;
        }
    }
    config->SetItem(IndexItemOf(list), entry);
    combo->clear();
    FrequencyChange(combo, list);
}

void ConfigurationPage::FrequencyListClick(QComboBox* combo, ConfigItem list) {
    OrvConfiguration* config = Config();
    if (!config) return;
    const FrequencyLimits limits = FrequencyLimitsOf(list);
    m_pDlgFrqList->SetFrequencies(FrequencyListOf(config->GetData(), list));
    m_pDlgFrqList->SetBounds(limits.min, limits.max);
    if (m_pDlgFrqList->exec() != QDialog::Accepted) return;
    const FrequencyList chosen = m_pDlgFrqList->Frequencies();
    for (int i = 0; i < kFrequencyListSize; ++i)
        config->SetFrequency(list, i, chosen[static_cast<std::size_t>(i)]);
    combo->clear();
    FrequencyChange(combo, list);
}

} // namespace ombrix
