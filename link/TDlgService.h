#pragma once
// The service dialog: the device information of the connected analyser
// (identity, versions, calibration, probe, battery, error code, options).

#include "core/TOrvDialog.h"

#include <array>
#include <string>
#include <vector>

class QLabel;

namespace ombrix {

class TDlgService : public TOrvDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 12;
    static constexpr int kLineCount = 12;

    explicit TDlgService(QWidget* parent = nullptr);

    // The twelve device information lines in label order: device, serial
    // number, identification, HW and SW version, calibration date, probe,
    // battery, error code, STD, FFT / harmonics, extended frequency range.
    // Missing lines leave their labels empty.
    void SetServiceLines(const std::vector<std::string>& lines);

private:
    std::array<QLabel*, kLineCount> m_Values{};
};

} // namespace ombrix
