#include "core/OrvMainObject.h"

#include "config/OrvConfiguration.h"
#include "core/Clock.h"
#include "core/FormatSettings.h"
#include "core/HostWindow.h"
#include "core/Ombrix.h"
#include "core/SettingsStore.h"
#include "datasets/OrvAutoDataset.h"
#include "datasets/OrvDataList.h"
#include "link/DeviceInfoLines.h"
#include "link/OrvCommunication.h"
#include "link/OrvService.h"
#include "presentation/ViewSetupStruct.h"

#include <algorithm>

namespace ombrix {

namespace {

constexpr DateTime kOneSecond = 1.0 / 86400.0;
constexpr DateTime kOneMinute = 60.0 / 86400.0;
constexpr DateTime kStoreAllowance = 0.9 / 86400.0; // a tick may come 100 ms early
constexpr int kAlarmIntervalMs = 2000;
constexpr int kMeasuringBusy = 1;

OrvMainObject* g_mainObject = nullptr;

bool IsSpectrumMode(int mode) {
    return mode == eFFT || mode == eHAR;
}

// The conventions of the analyser's transfer text while a block is read;
// the user's come back on every path.
class TransferConventions {
public:
    TransferConventions() {
        SaveNumberFormats();
        FormatSettings& fs = CurrentFormat();
        fs.DecimalSeparator = '.';
        fs.ShortDateFormat = "yy-mm-dd";
        fs.DateSeparator = '-';
        fs.TimeSeparator = ':';
    }
    ~TransferConventions() { RestoreNumberFormats(); }
    TransferConventions(const TransferConventions&) = delete;
    TransferConventions& operator=(const TransferConventions&) = delete;
};

} // namespace

OrvMainObject* MainObject() {
    return g_mainObject;
}
void SetMainObject(OrvMainObject* object) {
    g_mainObject = object;
}

OrvMainObject::OrvMainObject()
    : m_dtStoreStart(CurrentClock().Now()), m_dtStoreStop(m_dtStoreStart),
      m_dtFFTInterval(kOneMinute), m_dtHarInterval(10 * kOneSecond), m_dtValueInterval(kOneSecond) {
}

void OrvMainObject::Complete() {
    m_bCompleted = true;
    LoadViewSettings();
    m_pCommunication = std::make_unique<OrvCommunication>();
    m_pConfiguration = std::make_unique<OrvConfiguration>(*m_pCommunication);
    m_pConfiguration->SetDiscardLiveHandler([this] { DiscardLive(); });
    m_pService = std::make_unique<OrvService>(*m_pCommunication);
    m_bLoadFFTCont = ReadRegInt(reg::kLoadFFTCont, reg::kLoadFFTContDefault) != 0;
    m_bAlarmAct = ReadRegInt(reg::kAlarmAct, reg::kAlarmActDefault) != 0;
}

OrvMainObject::~OrvMainObject() {
    // The configuration and the device information only refer to the
    // connection; the connection leaves remote operation when it goes.
    m_pService.reset();
    m_pConfiguration.reset();
    m_pCommunication.reset();
    m_pCurrentList = nullptr;
    m_pDataLists.clear();
    if (m_bCompleted && m_bSaveViewSettingsOnExit) SaveViewSettings();
    if (g_mainObject == this) g_mainObject = nullptr;
}

// ---- data lists ---------------------------------------------------------------

bool OrvMainObject::LoadDatasets() {
    auto list = std::make_unique<OrvDataList>();
    if (Host().RunLoadWizard(*list, *m_pCommunication) && list->GetCount() > 0)
        AddDataList(std::move(list));
    return !m_pDataLists.empty();
}

void OrvMainObject::AddDataList(std::unique_ptr<OrvDataList> list) {
    const auto twin =
        std::find_if(m_pDataLists.begin(), m_pDataLists.end(),
                     [&](const auto& existing) { return existing->SameHeader(*list); });
    if (twin == m_pDataLists.end()) {
        m_pDataLists.push_back(std::move(list));
        return;
    }
    const MessageAnswer answer = Host().ShowMessage(kWarningCaption, kMergeQuestion,
                                                    MessageButtons::YesNo, MessageKind::Warning);
    if (answer == MessageAnswer::Yes) {
        (*twin)->MergeFrom(*list);
        return;
    }
    RemoveDataList(twin->get());
    m_pDataLists.push_back(std::move(list));
}

void OrvMainObject::ClearDataLists() {
    m_pCurrentList = nullptr;
    m_pDataLists.clear();
}

void OrvMainObject::RemoveDataList(OrvDataList* list) {
    if (m_pCurrentList == list) m_pCurrentList = nullptr;
    std::erase_if(m_pDataLists, [&](const auto& l) { return l.get() == list; });
}

bool OrvMainObject::AllExported() const {
    return std::all_of(m_pDataLists.begin(), m_pDataLists.end(),
                       [](const auto& l) { return l->AllExported(); });
}

OrvDataset* OrvMainObject::CurrentDataset() const {
    return m_pCurrentList ? m_pCurrentList->GetCurrent() : nullptr;
}

bool OrvMainObject::SelectDataList(OrvDataset* dataset) {
    for (const auto& list : m_pDataLists) {
        if (list->Select(dataset)) {
            m_pCurrentList = list.get();
            return true;
        }
    }
    m_pCurrentList = m_pDataLists.empty() ? nullptr : m_pDataLists.front().get();
    return false;
}

void OrvMainObject::SetCurrentDataList(OrvDataList* list) {
    const bool known = std::any_of(m_pDataLists.begin(), m_pDataLists.end(),
                                   [&](const auto& l) { return l.get() == list; });
    m_pCurrentList = known ? list : nullptr;
}

int OrvMainObject::CurrentMode() const {
    return m_pConfiguration ? m_pConfiguration->GetMODE() : 0;
}

// ---- REMOTE ---------------------------------------------------------------------

bool OrvMainObject::StartRemote() {
    if (!m_pCommunication->IsRemote() && !m_pCommunication->StartRemote()) return false;
    bool std = false, fft = false, extFrq = false;
    DeviceOptions(std, fft, extFrq);
    return m_pConfiguration->Initialise(std, fft, extFrq);
}

DateTime OrvMainObject::IntervalOf(int mode) const {
    if (mode == eFFT) return m_dtFFTInterval;
    if (mode == eHAR) return m_dtHarInterval;
    return m_dtValueInterval;
}

bool OrvMainObject::StoringIsOn(DateTime now) const {
    if (m_nStoringState == eStoringStopped) return false;
    if (m_nStoringState == eStoringProgrammed &&
        (now < m_dtStoreStart || !(now - kOneSecond < m_dtStoreStop)))
        return false;
    return true;
}

bool OrvMainObject::StoreIsDue(DateTime now, int mode) const {
    bool due = !(now + kStoreAllowance < m_dtLastStore + IntervalOf(mode));
    if (IsSpectrumMode(mode)) {
        if (m_bASAP) due = true;
        if (m_pCommunication->MeasuringState() == kMeasuringBusy) due = false;
    }
    return due;
}

void OrvMainObject::LiveTick() {
    Clock& clock = CurrentClock();
    if (!m_bFirstTickDone) {
        m_dtLastStore = clock.Now();
        m_bFirstTickDone = true;
    }
    if (!m_pCommunication->IsRemote()) {
        m_pConfiguration->MarkUnread();
        if (Host().IsDatalogOrDatabaseTab()) return;
        if (!StartRemote()) return;
    }
    if (m_pConfiguration->IsChanged()) DiscardLive();

    const DateTime now = clock.Now();
    if (now - kOneMinute > m_dtLastBatteryCheck) {
        m_dtLastBatteryCheck = now;
        if (!m_pCommunication->BatteryOk()) {
            Host().ShowMessage(kWarningCaption, kLowBatteryText, MessageButtons::Ok,
                               MessageKind::Warning);
            return;
        }
    }

    const int mode = CurrentMode();
    if (!StoringIsOn(now)) {
        if (!IsSpectrumMode(mode)) {
            Acquire(false);
        } else if (m_bLoadFFTCont && m_pCommunication->MeasuringState() != kMeasuringBusy) {
            Acquire(false);
        } else {
            Host().SetFftState(m_pCommunication->MeasuringState());
        }
    } else if (StoreIsDue(now, mode)) {
        m_dtLastStore = now;
        Acquire(true);
    }
    HandleAlarm();
}

void OrvMainObject::HandleAlarm() {
    HostWindow& host = Host();
    if (!m_bAlarmAct) {
        host.SetAlarmTimer(false, kAlarmIntervalMs);
        if (host.StatusTag() == kAlarmTag) host.SetStatusTag(1);
        host.RepaintStatus();
        return;
    }
    if (!m_pCurrentList) return;
    OrvDataset* live = m_pCurrentList->GetLive();
    if (!live || live->GetDataType() != eAuto) return;
    if (!static_cast<OrvAutoDataset*>(live)->LastSampleExceeds()) return;
    host.SetStatusTag(kAlarmTag);
    host.RepaintStatus();
    host.SetAlarmTimer(true, kAlarmIntervalMs);
    host.Beep();
}

void OrvMainObject::Acquire(bool store) {
    TransferConventions conventions;
    const int mode = CurrentMode();
    const bool spectrum = IsSpectrumMode(mode);
    bool newDataset = false;
    std::string stepText;
    if (!store || !spectrum) {
        if (store && !m_bPreviousStored) {
            DiscardLive();
            newDataset = true;
            m_pConfiguration->SetLIVE(0); // stored series record live values
        } else if (!store && m_bPreviousStored) {
            if (m_pCurrentList) m_pCurrentList->MoveLiveToList();
            newDataset = true;
        }
        stepText = (!store || m_bASAP) ? "00:00:01" : FormatDateTime("hh:nn:ss", m_dtValueInterval);
    } else {
        DiscardLive();
        newDataset = true;
    }
    m_bPreviousStored = store;
    if (!m_pCurrentList || !m_pCurrentList->GetLive() || spectrum) newDataset = true;

    m_pLines.clear();
    m_pConfiguration->ReadMeasurement(m_pLines, m_nRecordNumber, stepText, newDataset);
    if (!m_pLines.empty()) FileBlock(store, spectrum);
    m_pLines.clear();
}

void OrvMainObject::FileBlock(bool store, bool spectrum) {
    if (!m_pCurrentList) {
        auto list = std::make_unique<OrvDataList>();
        TransferLines header;
        m_pCommunication->ReadDeviceHeader(header);
        if (!list->ResetAndReadHeader(header)) return;
        m_pCurrentList = list.get();
        m_pDataLists.push_back(std::move(list));
        // The block that made the list is filed into it too: dropping it would
        // lose the first stored spectrum of a run, measured for 15 seconds.
    }
    if (!store || !spectrum) {
        OrvDataset* live = m_pCurrentList->GetLive();
        if (live && live->GetMemNumber() == m_nRecordNumber - 1 && live->GetDataType() == eAuto) {
            static_cast<OrvAutoDataset*>(live)->AppendSamples(m_pLines);
            m_pCurrentList->StoreLiveIfAuto();
            return;
        }
        if (!m_pCurrentList->ParseTransfer(m_pLines, true)) m_pCurrentList->StoreLiveIfAuto();
    } else {
        m_pCurrentList->ParseTransfer(m_pLines, true);
        StoreLive();
    }
    Host().RefreshTreeAndView();
}

// ---- storing ----------------------------------------------------------------------

void OrvMainObject::StoreLive() {
    if (m_pCurrentList) m_pCurrentList->StoreLive(false);
}

void OrvMainObject::DiscardLive() {
    if (m_pCurrentList) m_pCurrentList->ClearLive();
}

int OrvMainObject::StoringState() {
    if (m_nStoringState == eStoringProgrammed &&
        !(m_dtStoreStop + kOneSecond > CurrentClock().Now()))
        m_nStoringState = eStoringStopped;
    return m_nStoringState;
}

void OrvMainObject::SetStoringState(int state) {
    m_nStoringState = static_cast<std::uint8_t>(state);
}

bool OrvMainObject::GetStoringTimes(DateTime& start, DateTime& stop, DateTime& interval,
                                    bool& asap) const {
    start = m_dtStoreStart;
    stop = m_dtStoreStop;
    interval = IntervalOf(CurrentMode());
    asap = m_bASAP;
    return m_bASAP;
}

void OrvMainObject::SetStoringTimes(DateTime a, DateTime b, DateTime interval, bool asap) {
    if (a >= b) std::swap(a, b);
    m_dtStoreStart = a;
    m_dtStoreStop = b;
    const int mode = CurrentMode();
    if (mode == eFFT)
        m_dtFFTInterval = interval;
    else if (mode == eHAR)
        m_dtHarInterval = interval;
    else
        m_dtValueInterval = interval;
    m_bASAP = asap;
}

void OrvMainObject::SetLoadFFTContinuous(bool on) {
    m_bLoadFFTCont = on;
    WriteRegInt(reg::kLoadFFTCont, on ? 1 : 0);
}

void OrvMainObject::SetAlarmActive(bool on) {
    m_bAlarmAct = on;
    WriteRegInt(reg::kAlarmAct, on ? 1 : 0);
}

bool OrvMainObject::AutoStore() const {
    return m_pCurrentList && m_pCurrentList->GetAutoStore();
}

void OrvMainObject::SetAutoStore(bool on) {
    if (m_pCurrentList) m_pCurrentList->SetAutoStore(on);
}

void OrvMainObject::ResetLiveData() {
    m_pConfiguration->MarkChanged();
}

bool OrvMainObject::DeviceOptions(bool& std, bool& fft, bool& extFrq) {
    const bool ok = m_pService->ReadOptions();
    std = m_pService->GetOptSTD();
    fft = m_pService->GetOptFFT();
    extFrq = m_pService->GetOptExtFrq();
    return ok;
}

bool OrvMainObject::DeviceInfoLines(std::vector<std::string>& lines) {
    return ombrix::DeviceInfoLines(*m_pCommunication, *m_pService, lines);
}

void OrvMainObject::CommunicationChanged() {
    m_pCommunication->CommunicationChanged();
}

} // namespace ombrix
