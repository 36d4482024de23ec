#include "link/DeviceInfoLines.h"

#include "core/DateTime.h"
#include "core/NumberFormat.h"
#include "link/OrvCommunication.h"
#include "link/OrvService.h"

namespace ombrix {

namespace {

std::string OnOff(bool on) {
    return on ? "ON" : "OFF";
}

std::string BatteryText(bool ok, double volts) {
    return std::string(ok ? "OK " : "LOW ") + "(" + FormatFloat(volts, FloatForm::Fixed, 15, 1) +
           " V)";
}

} // namespace

std::string ProbeName(int probe) {
    switch (probe) {
    case eExtProbe1:
        return "B-Probe Q-1 (100 cm\xB2)";
    case eExtProbe2:
        return "B-Probe Q-2 (3 cm\xB2)";
    case eEFieldProbe:
        return "E-Proben";
    case eIntProbe:
        return "B-Probe intern";
    default:
        return "???";
    }
}

bool DeviceInfoLines(OrvCommunication& communication, OrvService& service,
                     std::vector<std::string>& lines) {
    if (!communication.IsRemote() && !communication.StartRemote()) return false;
    if (!service.ReadServiceData()) return false;
    lines.push_back(service.GetDevice());
    lines.push_back(service.GetSerialNo());
    lines.push_back(service.GetIdentification());
    lines.push_back(service.GetHWVersion());
    lines.push_back(service.GetSWVersion());
    lines.push_back(DateToStr(service.GetCalDate()));
    lines.push_back(ProbeName(service.GetProbe()));
    lines.push_back(BatteryText(service.GetBatteryOk(), service.GetBattery()));
    lines.push_back(service.GetErrorCode());
    lines.push_back(OnOff(service.GetOptSTD()));
    lines.push_back(OnOff(service.GetOptFFT()));
    lines.push_back(OnOff(service.GetOptExtFrq()));
    return true;
}

} // namespace ombrix
