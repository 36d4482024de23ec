#pragma once
// The twelve lines of the service dialog, one per value label, from the device
// information of the analyser.

#include <string>
#include <vector>

namespace ombrix {

class OrvCommunication;
class OrvService;

// Appends the lines in label order: device, serial number, identification,
// HW and SW version, calibration date, probe, battery, error code, and ON/OFF
// for the STD, FFT/harmonics and extended frequency range functions. False
// (nothing appended) when the analyser cannot be taken into remote operation or
// offers no device information; the dialog is then not shown.
bool DeviceInfoLines(OrvCommunication& communication, OrvService& service,
                     std::vector<std::string>& lines);

// "B-Probe intern" and the like for a probe code; "???" for an unknown one.
std::string ProbeName(int probe);

} // namespace ombrix
