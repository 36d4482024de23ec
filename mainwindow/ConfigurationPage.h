#pragma once
// The REMOTE page "Configuration": one control per configuration item, shown
// and enabled for the measurement mode. A change the user makes goes to the
// item's setter (which sends it to the analyser); the control is then set back
// from the configuration, so it always shows the value in force and a value
// the analyser refuses springs back.

#include "config/ConfigDataStruct.h"
#include "mainwindow/ConfigPageRules.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace ombrix {

class OrvConfiguration;
class TDlgFrqList;
class TRadioGroup;

class ConfigurationPage : public QWidget {
    Q_OBJECT
public:
    // `configuration` gives the configuration in force (none before the main
    // object exists); the page asks for it at every use.
    explicit ConfigurationPage(std::function<OrvConfiguration*()> configuration,
                               QWidget* parent = nullptr);

    // Called when the page emptied its controls, so that the window fills them
    // again on its next tick.
    void SetReloadRequest(std::function<void()> request) { m_ReloadRequest = std::move(request); }

    // Shows the configuration's measurement mode: empties every control, shows
    // and enables what the mode offers and fills the controls from the
    // configuration.
    void ApplyFunctionMode(int mode);
    // Empties every control and forgets what the analyser confirmed, so that
    // the next ApplyFunctionMode sends every item again.
    void ClearConfigControls();

    TDlgFrqList& FrequencyListDialog() const { return *m_pDlgFrqList; }

private:
    OrvConfiguration* Config() const { return m_Configuration(); }
    bool EFieldProbe() const;
    QWidget* ControlOf(ConfigControl control) const;
    void ApplyStates(const ConfigPageStates& states);
    void RunFillStep(ConfigControl control);
    void BuildLayout();

    // The common rule: the selection goes to the item's setter, then the
    // control shows the item's value.
    void ApplyComboRule(QComboBox* combo, ConfigItem item);
    void ApplyRadioRule(TRadioGroup* group, ConfigItem item);

    void RadioGroupUnitClick();
    void RadioGroupNormalizedClick();
    void RadioButtonFilterTypeClick();
    void ComboBoxStandardChange();
    // The three frequency drop-downs with their lists.
    void FrequencyChange(QComboBox* combo, ConfigItem list);
    void FrequencyExit(QComboBox* combo, ConfigItem list);
    void FrequencyListClick(QComboBox* combo, ConfigItem list);

    std::function<OrvConfiguration*()> m_Configuration;
    std::function<void()> m_ReloadRequest;
    bool m_bInFrequencyExit = false;
    bool m_bRebuilding = false;

    TRadioGroup* m_pRadioGroupDisplay = nullptr;
    QGroupBox* m_pGroupBoxMeasRange = nullptr;
    QComboBox* m_pComboBoxEMeasRange = nullptr;
    QComboBox* m_pComboBoxBMeasRange = nullptr;
    TRadioGroup* m_pRadioGroupUnit = nullptr;
    QGroupBox* m_pGroupBoxDetection = nullptr;
    QComboBox* m_pComboBoxFSTDetection = nullptr;
    QComboBox* m_pComboBoxFFTDetection = nullptr;
    QComboBox* m_pComboBoxHarmonicsDetection = nullptr;
    QGroupBox* m_pGroupBoxStandard = nullptr;
    QComboBox* m_pComboBoxStandard = nullptr;
    QGroupBox* m_pGroupBoxFSTFilter = nullptr;
    QRadioButton* m_pRadioButtonBroadBand = nullptr;
    QRadioButton* m_pRadioButtonBandPass = nullptr;
    QRadioButton* m_pRadioButtonBandStop = nullptr;
    QComboBox* m_pComboBoxBroadBand = nullptr;
    QComboBox* m_pComboBoxBandPass = nullptr;
    QComboBox* m_pComboBoxBandStop = nullptr;
    QPushButton* m_pButtonBandPass = nullptr;
    QPushButton* m_pButtonBandStop = nullptr;
    TRadioGroup* m_pRadioGroupFFTFilter = nullptr;
    TRadioGroup* m_pRadioGroupNormalized = nullptr;
    QGroupBox* m_pGroupBoxFund = nullptr;
    QComboBox* m_pComboBoxFund = nullptr;
    QPushButton* m_pButtonFund = nullptr;
    QGroupBox* m_pGroupBoxChannel = nullptr;
    QComboBox* m_pComboBoxChannel = nullptr;
    QGroupBox* m_pGroupBoxNAVG = nullptr;
    QComboBox* m_pComboBoxNAVG = nullptr;
    TDlgFrqList* m_pDlgFrqList = nullptr;
};

} // namespace ombrix
