#pragma once
// The one connection to the analyser. In this system a simulated analyser
// serves it: every device operation succeeds at once, the device identity is a
// fixed set of header lines, and live measurements are played back from the
// demo data file. The connection shows its state in the main window's status
// line.

#include "datasets/OrvDataset.h" // TransferLines

#include <cstdint>
#include <string>
#include <vector>

namespace ombrix {

// Connection states shown after "Demo mode: ".
enum CommState : int {
    eStateOffline = 0,
    eStateRemote = 1,
    eStateStartRemote = 2,
    eStateReadConfig = 3,
    eStateWriteConfig = 4,
    eStateReadMemory = 5,
    eStateReadMeasData = 6,
};

// Memory kinds of a range read: 0 all, 1 normal, 2 auto, 3 matrix, 4 list, 5 vector.
class OrvCommunication {
public:
    OrvCommunication();          // shows "Offline"
    virtual ~OrvCommunication(); // leaves remote operation

    virtual bool IsRemote();
    virtual bool StartRemote();
    virtual bool StopRemote();
    virtual bool BatteryOk();
    virtual int MeasuringState();
    virtual bool ReadDeviceHeader(TransferLines& lines);
    virtual bool ReadMemoryDirectory(TransferLines& lines);
    bool ReadMemoryByIndex(const std::vector<std::uint16_t>& numbers, int count,
                           TransferLines& lines);
    bool ReadMemoryByRanges(int allFrom, int allTo, int normalFrom, int normalTo, int autoFrom,
                            int autoTo, int matrixFrom, int matrixTo, int listFrom, int listTo,
                            int vectorFrom, int vectorTo, TransferLines& lines);
    virtual bool SelectMemoryRange(int kind, int from, int to);
    virtual bool ReadMemoryRange(int kind, int from, int to, TransferLines& lines);
    virtual bool WriteConfigItem(int command, int subFunction, int value);
    virtual bool WriteConfigFrequency(int command, int listIndex, float frequency);
    void CommunicationChanged();

    void ShowState(int state);
    void TickStatus();

    bool LinkReady() const { return m_bLinkReady; }

protected:
    bool m_bRemote = false;
    bool m_bLinkReady = false;
};

} // namespace ombrix
