#pragma once
// The communication settings: the serial port (COM 1 to COM 8) and the speed
// with which a live connection reaches the analyser, and whether the dialog is
// offered every time. It only reads and writes the stored settings.

#include "core/TOrvDialog.h"

#include <string>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;

namespace ombrix {

class TDlgCommunication : public TOrvDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 7;
    static constexpr int kPortCount = 8;

    explicit TDlgCommunication(QWidget* parent = nullptr);

    // The selected port tab (0 for COM 1), -1 when none is selected.
    int SelectedPort() const;
    void SelectPort(int index);

    // The port number of a stored "COMPort" text: leading characters are
    // dropped until the rest reads as an integer of at least 1; 1 when nothing
    // readable remains ("COM3" gives 3, "XYZ" gives 1).
    static int PortNumberOf(const std::string& setting);
    // "ShowComDlg": whether the dialog is to be offered every time.
    static bool ShowComDlg();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void OKBtnClick();

    QButtonGroup* m_pPorts;
    QCheckBox* m_pCheckBox19200Baud;
    QCheckBox* m_pCheckBoxShow;
};

} // namespace ombrix
