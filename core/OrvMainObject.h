#pragma once
// The one application object behind the main window. It owns the analyser
// connection, the measurement configuration, the device information and every
// data list of the run; it enters DATALOG (the load wizard) and REMOTE (remote
// operation), and in REMOTE drives live operation once a second: battery check,
// storing decision, measurement, storing, alarm.

#include "core/DateTime.h"
#include "datasets/TransferLines.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ombrix {

class OrvCommunication;
class OrvConfiguration;
class OrvDataList;
class OrvDataset;
class OrvService;

// Storing states; each is the tab index of the window's storing tabs.
enum StoringState : std::uint8_t {
    eStoringImmediate = 0,
    eStoringStopped = 1,
    eStoringProgrammed = 2
};

class OrvMainObject {
public:
    OrvMainObject();
    ~OrvMainObject();
    OrvMainObject(const OrvMainObject&) = delete;
    OrvMainObject& operator=(const OrvMainObject&) = delete;

    // Loads the view settings and standards, creates the connection, the
    // configuration and the device information, reads the two live flags.
    void Complete();
    // A program that only looks (the command-line pictures) leaves "OrvView.dat"
    // as it found it when it ends.
    void KeepViewSettingsFile() { m_bSaveViewSettingsOnExit = false; }

    bool LoadDatasets();
    bool StartRemote();
    void LiveTick();
    void Acquire(bool store);

    void ClearDataLists();
    void RemoveDataList(OrvDataList* list);
    bool AllExported() const;
    OrvDataList* CurrentDataList() const { return m_pCurrentList; }
    OrvDataset* CurrentDataset() const;
    bool SelectDataList(OrvDataset* dataset);
    void SetCurrentDataList(OrvDataList* list);
    const std::vector<std::unique_ptr<OrvDataList>>& DataLists() const { return m_pDataLists; }
    // Adds a list read elsewhere (a file dropped on the window, tests), merging
    // by the same rule as the load wizard.
    void AddDataList(std::unique_ptr<OrvDataList> list);
    int CurrentMode() const;

    void StoreLive();
    void DiscardLive();
    int StoringState();
    void SetStoringState(int state);
    bool GetStoringTimes(DateTime& start, DateTime& stop, DateTime& interval, bool& asap) const;
    void SetStoringTimes(DateTime a, DateTime b, DateTime interval, bool asap);
    bool LoadFFTContinuous() const { return m_bLoadFFTCont; }
    void SetLoadFFTContinuous(bool on);
    bool AlarmActive() const { return m_bAlarmAct; }
    void SetAlarmActive(bool on);
    bool AutoStore() const;
    void SetAutoStore(bool on);
    void ResetLiveData();
    bool DeviceOptions(bool& std, bool& fft, bool& extFrq);
    bool DeviceInfoLines(std::vector<std::string>& lines);
    void CommunicationChanged();

    OrvCommunication& Communication() const { return *m_pCommunication; }
    OrvConfiguration& Configuration() const { return *m_pConfiguration; }
    OrvService& Service() const { return *m_pService; }
    int RecordNumber() const { return m_nRecordNumber; }

private:
    bool StoringIsOn(DateTime now) const;
    bool StoreIsDue(DateTime now, int mode) const;
    DateTime IntervalOf(int mode) const;
    void HandleAlarm();
    void FileBlock(bool store, bool fftOrHar);

    std::vector<std::unique_ptr<OrvDataList>> m_pDataLists;
    DateTime m_dtLastBatteryCheck = 0;
    TransferLines m_pLines;
    int m_nRecordNumber = 1;
    DateTime m_dtStoreStart;
    DateTime m_dtStoreStop;
    DateTime m_dtFFTInterval;
    DateTime m_dtHarInterval;
    DateTime m_dtValueInterval;
    std::uint8_t m_nStoringState = eStoringStopped;
    bool m_bASAP = false;
    bool m_bLoadFFTCont = false;
    bool m_bAlarmAct = false;
    std::unique_ptr<OrvCommunication> m_pCommunication;
    OrvDataList* m_pCurrentList = nullptr;
    std::unique_ptr<OrvConfiguration> m_pConfiguration;
    std::unique_ptr<OrvService> m_pService;

    bool m_bCompleted = false;
    bool m_bSaveViewSettingsOnExit = true;

    // Live operation.
    DateTime m_dtLastStore = 0;
    bool m_bFirstTickDone = false;
    bool m_bPreviousStored = false;
};

// The global access point of the one main object (not owned).
OrvMainObject* MainObject();
void SetMainObject(OrvMainObject* object);

inline constexpr const char* kMergeQuestion =
    "There is a dataset list with identical headerinformations. Should the actual datasets append "
    "on this list "
    "(yes) or should the old dataset list replaced (no)?";
inline constexpr const char* kLowBatteryText = "Low battery";

} // namespace ombrix
