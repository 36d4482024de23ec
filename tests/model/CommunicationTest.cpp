#include "LinkTestSupport.h"
#include "TestSupport.h"

#include "core/DateTime.h"
#include "datasets/OrvDataList.h"
#include "link/DeviceInfoLines.h"
#include "link/OrvCommunication.h"
#include "link/OrvService.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

using namespace ombrix;

namespace {

const DateTime kNow = EncodeDate(2026, 11, 30) + EncodeTime(9, 0, 0, 0);

// Keeps every range request of a memory read and may refuse one of them.
class RecordingCommunication : public OrvCommunication {
public:
    bool StartRemote() override {
        calls.push_back("start");
        return refuseStart ? false : OrvCommunication::StartRemote();
    }
    bool StopRemote() override {
        calls.push_back("stop");
        return OrvCommunication::StopRemote();
    }
    bool ReadDeviceHeader(TransferLines& lines) override {
        calls.push_back("header");
        return !refuseHeader && OrvCommunication::ReadDeviceHeader(lines);
    }
    bool SelectMemoryRange(int kind, int from, int to) override {
        calls.push_back("select " + Range(kind, from, to));
        return true;
    }
    bool ReadMemoryRange(int kind, int from, int to, TransferLines& lines) override {
        const std::string range = Range(kind, from, to);
        calls.push_back("read " + range);
        return range != refusedRange;
    }

    static std::string Range(int kind, int from, int to) {
        return std::to_string(kind) + ":" + std::to_string(from) + "-" + std::to_string(to);
    }

    std::vector<std::string> calls;
    bool refuseStart = false;
    bool refuseHeader = false;
    std::string refusedRange;
};

class Communication : public test::ModelTest {
protected:
    test::InstalledLinkFakes m_fakes{kNow};
    test::LinkHostWindow& m_host = m_fakes.host;
};

TEST_F(Communication, StartsOfflineAndShowsEveryStateWithItsText) {
    OrvCommunication link;
    EXPECT_EQ(m_host.StatusText(), "Demo mode: Offline");
    EXPECT_FALSE(link.IsRemote());

    const std::vector<std::pair<int, std::string>> states = {
        {0, "Offline"},
        {1, "Remote mode"},
        {2, "Start Remote mode"},
        {3, "Read configuraton"},
        {4, "Write configuraton"},
        {5, "Read memory"},
        {6, "Read meas. data"},
        {7, "Offline"},
        {-1, "Offline"},
    };
    for (const auto& [code, text] : states) {
        m_host.repaints = 0;
        link.ShowState(code);
        EXPECT_EQ(m_host.StatusText(), "Demo mode: " + text) << code;
        EXPECT_EQ(m_host.repaints, 1) << code;
    }
}

TEST_F(Communication, OnlyTheOfflineStateResetsTheActivityCounter) {
    OrvCommunication link;
    m_host.SetStatusTag(17);
    link.ShowState(eStateReadMeasData);
    EXPECT_EQ(m_host.StatusTag(), 17);
    link.ShowState(7); // shown as "Offline", but not the offline state itself
    EXPECT_EQ(m_host.StatusTag(), 17);
    link.ShowState(eStateOffline);
    EXPECT_EQ(m_host.StatusTag(), 0);
}

TEST_F(Communication, TickStatusCountsButLeavesTheAlarmMarkAlone) {
    OrvCommunication link;
    struct Case {
        int before;
        int after;
    };
    const Case cases[] = {{0, 1}, {41, 42}, {kAlarmTag, kAlarmTag}, {kAlarmTag - 1, kAlarmTag + 1}};
    for (const Case& c : cases) {
        m_host.SetStatusTag(c.before);
        m_host.repaints = 0;
        link.TickStatus();
        EXPECT_EQ(m_host.StatusTag(), c.after) << c.before;
        EXPECT_EQ(m_host.repaints, 1);
    }
}

TEST_F(Communication, RemoteOperationStartsOnceAndStopsWithTheOfflineNotice) {
    OrvCommunication link;
    EXPECT_TRUE(link.StartRemote());
    EXPECT_TRUE(link.IsRemote());
    EXPECT_EQ(m_host.StatusText(), "Demo mode: Remote mode");
    EXPECT_TRUE(link.StartRemote()) << "already remote";

    m_host.log.clear();
    EXPECT_TRUE(link.StopRemote());
    EXPECT_FALSE(link.IsRemote());
    EXPECT_EQ(m_host.StatusText(), "Demo mode: Offline");
    EXPECT_EQ(m_host.CountOf("configuration offline"), 1);

    m_host.log.clear();
    EXPECT_TRUE(link.StopRemote()) << "stopping while offline still succeeds";
    EXPECT_EQ(m_host.CountOf("configuration offline"), 0);
}

TEST_F(Communication, DestructionLeavesRemoteOperation) {
    {
        OrvCommunication link;
        link.StartRemote();
    }
    EXPECT_EQ(m_host.StatusText(), "Demo mode: Offline");
    EXPECT_EQ(m_host.CountOf("configuration offline"), 1);
}

TEST_F(Communication, LinkMustBeSettledAgainAfterStartAndSettingsChange) {
    OrvCommunication link;
    EXPECT_FALSE(link.LinkReady());
    link.CommunicationChanged();
    link.StartRemote();
    EXPECT_FALSE(link.LinkReady());
}

TEST_F(Communication, SimulatedDeviceAnswers) {
    OrvCommunication link;
    EXPECT_TRUE(link.BatteryOk());
    EXPECT_EQ(link.MeasuringState(), 0);
    EXPECT_TRUE(link.WriteConfigItem(142, -1, 3));
    EXPECT_TRUE(link.WriteConfigFrequency(132, 5, 16.7f));
    EXPECT_TRUE(link.SelectMemoryRange(0, 1, 10));

    TransferLines lines = {"kept"};
    EXPECT_TRUE(link.ReadMemoryDirectory(lines));
    EXPECT_TRUE(link.ReadMemoryRange(0, 1, 10, lines));
    EXPECT_EQ(lines, TransferLines{"kept"});
}

TEST_F(Communication, DeviceHeaderIsAnAnalyserHeaderTheDataListReads) {
    OrvCommunication link;
    TransferLines lines = {"earlier"};
    ASSERT_TRUE(link.ReadDeviceHeader(lines));
    const TransferLines expected = {
        "earlier",       "Device: Orv-K7",    "SN: Demo",          "CAL-DATE: 00-01-01",
        "HW-Version: X", "SW-Version: XX.XX", "SW-Date: 00-01-01", "SW-Time: 00:00:00"};
    EXPECT_EQ(lines, expected);

    // Read while the user's conventions are day-first with dots: the reader
    // switches to the analyser's year-first dates by itself.
    UseFormats(test::GermanFormats());
    lines.erase(lines.begin());
    OrvDataList list;
    ASSERT_TRUE(list.ResetAndReadHeader(lines));
    EXPECT_EQ(list.GetDevice(), "Orv-K7");
    EXPECT_EQ(list.GetSerialNumber(), "Demo");
    EXPECT_EQ(list.GetSwVersion(), "XX.XX");
    EXPECT_DOUBLE_EQ(list.GetCalDate(), EncodeDate(2000, 1, 1));
    EXPECT_DOUBLE_EQ(list.GetSwDateTime(), EncodeDate(2000, 1, 1));
}

TEST_F(Communication, ReadMemoryByIndexCutsTheNumbersIntoRunsInTheirOrder) {
    RecordingCommunication link;
    TransferLines lines;
    EXPECT_TRUE(link.ReadMemoryByIndex({3, 4, 5, 9, 10, 2}, 6, lines));
    const std::vector<std::string> expected = {"start",       "header",     "read 0:3-5",
                                               "read 0:9-10", "read 0:2-2", "stop"};
    EXPECT_EQ(link.calls, expected);
    EXPECT_EQ(lines.size(), 7u) << "the device header, and no records from the simulated memory";
    EXPECT_FALSE(link.IsRemote());
    EXPECT_NE(std::find(m_host.statusHistory.begin(), m_host.statusHistory.end(),
                        "Demo mode: Read memory"),
              m_host.statusHistory.end());
}

TEST_F(Communication, ReadMemoryByIndexTable) {
    struct Case {
        const char* name;
        std::vector<std::uint16_t> numbers;
        int count;
        bool refuseHeader;
        std::string refusedRange;
        bool result;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"count 0 starts and stops", {1, 2}, 0, false, "", false, {"start", "stop"}},
        {"negative count", {1, 2}, -3, false, "", false, {"start", "stop"}},
        {"count beyond the numbers",
         {7, 8},
         5,
         false,
         "",
         true,
         {"start", "header", "read 0:7-8", "stop"}},
        {"count shorter than the numbers",
         {7, 8, 20},
         2,
         false,
         "",
         true,
         {"start", "header", "read 0:7-8", "stop"}},
        {"header refused", {1}, 1, true, "", false, {"start", "header", "stop"}},
        {"first failure ends the walk",
         {1, 5, 9},
         3,
         false,
         "0:5-5",
         false,
         {"start", "header", "read 0:1-1", "read 0:5-5", "stop"}},
        {"descending numbers are single runs",
         {5, 4},
         2,
         false,
         "",
         true,
         {"start", "header", "read 0:5-5", "read 0:4-4", "stop"}},
        {"highest memory number",
         {65534, 65535},
         2,
         false,
         "",
         true,
         {"start", "header", "read 0:65534-65535", "stop"}},
    };
    for (const Case& c : cases) {
        RecordingCommunication link;
        link.refuseHeader = c.refuseHeader;
        link.refusedRange = c.refusedRange;
        TransferLines lines;
        EXPECT_EQ(link.ReadMemoryByIndex(c.numbers, c.count, lines), c.result) << c.name;
        EXPECT_EQ(link.calls, c.calls) << c.name;
        EXPECT_FALSE(link.IsRemote()) << c.name;
    }
}

TEST_F(Communication, ReadMemoryByRangesTable) {
    struct Case {
        const char* name;
        std::array<int, 12> ranges;
        std::string refusedRange;
        bool result;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"all-kinds range alone, whatever the others hold",
         {1, 20, 1, 5, 2, 3, 1, 1, 4, 4, 6, 7},
         "",
         true,
         {"start", "header", "select 0:1-20", "read 0:1-20", "stop"}},
        {"allFrom without allTo requests nothing of all kinds",
         {7, 0, 0, 0, 2, 3, 0, 0, 0, 0, 5, 6},
         "",
         true,
         {"start", "header", "select 2:2-3", "read 2:2-3", "select 5:5-6", "read 5:5-6", "stop"}},
        {"every kind in order normal, auto, matrix, list, vector",
         {0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5},
         "",
         true,
         {"start", "header", "select 1:1-1", "read 1:1-1", "select 2:2-2", "read 2:2-2",
          "select 3:3-3", "read 3:3-3", "select 4:4-4", "read 4:4-4", "select 5:5-5", "read 5:5-5",
          "stop"}},
        {"a pair with to 0 is not requested whatever its from",
         {0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         "",
         true,
         {"start", "header", "stop"}},
        {"first failure stops the reading",
         {0, 0, 1, 2, 3, 4, 5, 6, 0, 0, 0, 0},
         "2:3-4",
         false,
         {"start", "header", "select 1:1-2", "read 1:1-2", "select 2:3-4", "read 2:3-4", "stop"}},
    };
    for (const Case& c : cases) {
        RecordingCommunication link;
        link.refusedRange = c.refusedRange;
        TransferLines lines;
        const auto& r = c.ranges;
        EXPECT_EQ(link.ReadMemoryByRanges(r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[8],
                                          r[9], r[10], r[11], lines),
                  c.result)
            << c.name;
        EXPECT_EQ(link.calls, c.calls) << c.name;
        EXPECT_FALSE(link.IsRemote()) << c.name;
    }
}

TEST_F(Communication, MemoryReadsStopOnEveryPathButNeverStartWhenRefused) {
    RecordingCommunication byIndex;
    byIndex.refuseStart = true;
    TransferLines lines;
    EXPECT_FALSE(byIndex.ReadMemoryByIndex({1}, 1, lines));
    EXPECT_EQ(byIndex.calls, std::vector<std::string>{"start"});

    RecordingCommunication byRanges;
    byRanges.refuseHeader = true;
    EXPECT_FALSE(byRanges.ReadMemoryByRanges(1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, lines));
    EXPECT_EQ(byRanges.calls, (std::vector<std::string>{"start", "header", "stop"}));

    RecordingCommunication refused;
    refused.refuseStart = true;
    EXPECT_FALSE(refused.ReadMemoryByRanges(1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, lines));
    EXPECT_EQ(refused.calls, std::vector<std::string>{"start"});
}

// ---- device information -------------------------------------------------------

// An analyser that does report its device information.
class ReportingService : public OrvService {
public:
    using OrvService::OrvService;
    bool ReadServiceData() override {
        m_dtCalDate = EncodeDate(2026, 3, 17);
        m_sDevice = "Orv-K7";
        m_dBattery = battery;
        m_bBatteryOk = batteryOk;
        m_sSWVersion = "2.14";
        m_sHWVersion = "3";
        m_nProbe = probe;
        m_sErrorCode = "0";
        m_sSerialNo = "23-0871";
        m_sIdentification = "ID-4711";
        return true;
    }
    double battery = 5.94;
    bool batteryOk = true;
    Code probe = eIntProbe;
};

class ServiceInfo : public test::ModelTest {
protected:
    test::InstalledLinkFakes m_fakes{kNow};
};

TEST_F(ServiceInfo, SimulatedAnalyserOffersAllOptionsButNoServiceData) {
    OrvCommunication link;
    OrvService service(link);
    EXPECT_FALSE(service.GetOptSTD());
    EXPECT_TRUE(service.ReadOptions());
    EXPECT_TRUE(service.GetOptSTD());
    EXPECT_TRUE(service.GetOptFFT());
    EXPECT_TRUE(service.GetOptExtFrq());

    EXPECT_FALSE(service.ReadServiceData());
    EXPECT_EQ(service.GetDevice(), "");
    EXPECT_EQ(service.GetProbe(), 0);

    std::vector<std::string> lines;
    EXPECT_FALSE(DeviceInfoLines(link, service, lines));
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(link.IsRemote()) << "the service action takes the analyser into remote operation";
}

TEST_F(ServiceInfo, TwelveLinesInLabelOrder) {
    UseFormats(test::GermanFormats());
    OrvCommunication link;
    ReportingService service(link);
    service.ReadOptions();
    std::vector<std::string> lines;
    ASSERT_TRUE(DeviceInfoLines(link, service, lines));
    const std::vector<std::string> expected = {
        "Orv-K7",         "23-0871",    "ID-4711", "3",  "2.14", "17.03.2026",
        "B-Probe intern", "OK (5,9 V)", "0",       "ON", "ON",   "ON",
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(ServiceInfo, ProbeNamesAndBatteryStates) {
    const std::vector<std::pair<int, std::string>> probes = {
        {1, "B-Probe Q-1 (100 cm\xB2)"},
        {2, "B-Probe Q-2 (3 cm\xB2)"},
        {8, "E-Proben"},
        {9, "B-Probe intern"},
        {0, "???"},
        {255, "???"},
    };
    for (const auto& [code, name] : probes)
        EXPECT_EQ(ProbeName(code), name) << code;

    OrvCommunication link;
    ReportingService service(link);
    service.batteryOk = false;
    service.battery = 4.449;
    std::vector<std::string> lines;
    ASSERT_TRUE(DeviceInfoLines(link, service, lines));
    EXPECT_EQ(lines[7], "LOW (4.4 V)");
    EXPECT_EQ(lines[9], "OFF") << "options not read";
}

} // namespace
