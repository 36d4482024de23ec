#pragma once
// What the analyser tells about itself: identity, versions, calibration date,
// battery, active probe, error code and the optional functions it offers. The
// service dialog shows it; the main object asks it for the device options
// before it sets up the measurement configuration.

#include "config/Listendecl.h"
#include "core/DateTime.h"

#include <string>

namespace ombrix {

class OrvCommunication;

class OrvService {
public:
    explicit OrvService(OrvCommunication& communication) : m_pCommunication(&communication) {}
    virtual ~OrvService() = default;
    OrvService(const OrvService&) = delete;
    OrvService& operator=(const OrvService&) = delete;

    // Reads the device information into the members; false when the analyser
    // offers none (the simulated one never does), the members then unchanged.
    virtual bool ReadServiceData();
    // Reads the three option flags; the simulated analyser offers every option.
    virtual bool ReadOptions();

    DateTime GetCalDate() const { return m_dtCalDate; }
    const std::string& GetDevice() const { return m_sDevice; }
    double GetBattery() const { return m_dBattery; }
    bool GetBatteryOk() const { return m_bBatteryOk; }
    const std::string& GetSWVersion() const { return m_sSWVersion; }
    const std::string& GetHWVersion() const { return m_sHWVersion; }
    Code GetProbe() const { return m_nProbe; }
    const std::string& GetErrorCode() const { return m_sErrorCode; }
    const std::string& GetSerialNo() const { return m_sSerialNo; }
    bool GetOptSTD() const { return m_bOptSTD; }
    bool GetOptFFT() const { return m_bOptFFT; }
    bool GetOptExtFrq() const { return m_bOptExtFrq; }
    const std::string& GetIdentification() const { return m_sIdentification; }

protected:
    OrvCommunication& Communication() const { return *m_pCommunication; }

    DateTime m_dtCalDate = 0;
    std::string m_sDevice;
    double m_dBattery = 0; // volts
    bool m_bBatteryOk = false;
    std::string m_sSWVersion;
    std::string m_sHWVersion;
    Code m_nProbe = 0;
    std::string m_sErrorCode;
    std::string m_sSerialNo;
    bool m_bOptSTD = false;
    bool m_bOptFFT = false;
    bool m_bOptExtFrq = false;
    std::string m_sIdentification;

private:
    OrvCommunication* m_pCommunication;
};

} // namespace ombrix
