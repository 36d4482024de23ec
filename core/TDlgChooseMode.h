#pragma once
// The splash and mode dialog shown by the mode change: the user chooses
// DATALOG or REMOTE; left alone, it takes the proposed mode after six seconds.

#include "core/Ombrix.h"
#include "core/TOrvDialog.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace ombrix {

class TDlgChooseMode : public TOrvDialog {
    Q_OBJECT
public:
    static constexpr int kSplashMs = 6000;
    static constexpr int kHelpContext = 9;

    explicit TDlgChooseMode(QWidget* parent = nullptr);

    // Checks the radio button of `mode`; undecided proposes DATALOG.
    void ProposeMode(OperatingMode mode);
    // REMOTE when its radio button is checked, else DATALOG.
    OperatingMode ChosenMode() const;
    // The mode change shows the dialog when "show splash" is set or no mode was
    // requested on the command line.
    static bool IsUsed(OperatingMode modeByte);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CheckBoxShowClick(bool checked);

    QLabel* m_pImageSplash;
    QRadioButton* m_pRadioButtonDatalog;
    QRadioButton* m_pRadioButtonRemote;
    QCheckBox* m_pCheckBoxShow;
    QPushButton* m_pOKBtn;
    QTimer* m_pTimerSplash;
};

} // namespace ombrix
