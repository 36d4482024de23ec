#include "link/OrvCommunication.h"

#include "core/HostWindow.h"

#include <algorithm>
#include <array>

namespace ombrix {

namespace {

constexpr const char* kStatePrefix = "Demo mode: ";

constexpr std::array<const char*, 7> kStateTexts = {
    "Offline",           "Remote mode",        "Start Remote mode",
    "Read configuraton", "Write configuraton", "Read memory",
    "Read meas. data",
};

// The identity of the simulated analyser, as the seven header lines of a
// memory transfer.
constexpr std::array<const char*, 7> kDeviceHeader = {
    "Device: Orv-K7",    "SN: Demo",          "CAL-DATE: 00-01-01", "HW-Version: X",
    "SW-Version: XX.XX", "SW-Date: 00-01-01", "SW-Time: 00:00:00",
};

enum MemoryKind : int {
    eAllKinds = 0,
    eNormalKind,
    eAutoKind,
    eMatrixKind,
    eListKind,
    eVectorKind
};

} // namespace

OrvCommunication::OrvCommunication() {
    ShowState(eStateOffline);
}

OrvCommunication::~OrvCommunication() {
    OrvCommunication::StopRemote();
}

bool OrvCommunication::IsRemote() {
    ShowState(m_bRemote ? eStateRemote : eStateOffline);
    return m_bRemote;
}

bool OrvCommunication::StartRemote() {
    if (!m_bRemote) {
        m_bRemote = true;
        m_bLinkReady = false;
    }
    return IsRemote();
}

bool OrvCommunication::StopRemote() {
    if (m_bRemote) {
        m_bRemote = false;
        ShowState(eStateOffline);
        Host().ConfigurationOffline();
    }
    return true;
}

bool OrvCommunication::BatteryOk() {
    return true;
}

int OrvCommunication::MeasuringState() {
    return 0;
}

bool OrvCommunication::ReadDeviceHeader(TransferLines& lines) {
    lines.insert(lines.end(), kDeviceHeader.begin(), kDeviceHeader.end());
    return true;
}

bool OrvCommunication::ReadMemoryDirectory(TransferLines&) {
    return true;
}

bool OrvCommunication::ReadMemoryByIndex(const std::vector<std::uint16_t>& numbers, int count,
                                         TransferLines& lines) {
    if (!StartRemote()) return false;
    ShowState(eStateReadMemory);
    // A count beyond the numbers given reads only the numbers there are.
    const size_t used = static_cast<size_t>(
        std::clamp<long long>(count, 0, static_cast<long long>(numbers.size())));
    bool result = used > 0 && ReadDeviceHeader(lines);
    size_t runStart = 0;
    while (result && runStart < used) {
        size_t runEnd = runStart;
        while (runEnd + 1 < used && numbers[runEnd + 1] == numbers[runEnd] + 1)
            ++runEnd;
        result = ReadMemoryRange(eAllKinds, numbers[runStart], numbers[runEnd], lines);
        runStart = runEnd + 1;
    }
    StopRemote();
    return result;
}

bool OrvCommunication::ReadMemoryByRanges(int allFrom, int allTo, int normalFrom, int normalTo,
                                          int autoFrom, int autoTo, int matrixFrom, int matrixTo,
                                          int listFrom, int listTo, int vectorFrom, int vectorTo,
                                          TransferLines& lines) {
    if (!StartRemote()) return false;
    ShowState(eStateReadMemory);
    if (!ReadDeviceHeader(lines)) {
        StopRemote();
        return false;
    }

    struct Range {
        int kind, from, to;
    };
    // The all-kinds range, when requested, stands for every other one.
    const std::vector<Range> ranges = allTo != 0
                                          ? std::vector<Range>{{eAllKinds, allFrom, allTo}}
                                          : std::vector<Range>{{eNormalKind, normalFrom, normalTo},
                                                               {eAutoKind, autoFrom, autoTo},
                                                               {eMatrixKind, matrixFrom, matrixTo},
                                                               {eListKind, listFrom, listTo},
                                                               {eVectorKind, vectorFrom, vectorTo}};
    bool result = true;
    for (const Range& range : ranges) {
        if (range.to == 0) continue;
        result = SelectMemoryRange(range.kind, range.from, range.to) &&
                 ReadMemoryRange(range.kind, range.from, range.to, lines);
        if (!result) break;
    }
    StopRemote();
    return result;
}

bool OrvCommunication::SelectMemoryRange(int, int, int) {
    return true;
}

bool OrvCommunication::ReadMemoryRange(int, int, int, TransferLines&) {
    return true;
}

bool OrvCommunication::WriteConfigItem(int, int, int) {
    return true;
}

bool OrvCommunication::WriteConfigFrequency(int, int, float) {
    return true;
}

void OrvCommunication::CommunicationChanged() {
    m_bLinkReady = false;
}

void OrvCommunication::ShowState(int state) {
    const bool known = state >= 0 && state < static_cast<int>(kStateTexts.size());
    HostWindow& host = Host();
    host.SetStatusText(std::string(kStatePrefix) +
                       kStateTexts[known ? static_cast<size_t>(state) : 0]);
    if (state == eStateOffline) host.SetStatusTag(0);
    host.RepaintStatus();
}

void OrvCommunication::TickStatus() {
    HostWindow& host = Host();
    const int tag = host.StatusTag();
    if (tag != kAlarmTag) {
        // Counting up into the alarm mark would show an alarm nobody raised.
        const int next = tag + 1 == kAlarmTag ? kAlarmTag + 1 : tag + 1;
        host.SetStatusTag(next);
    }
    host.RepaintStatus();
}

} // namespace ombrix
