#include "cli/CliHostWindow.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/DatasetSummary.h"
#include "config/OrvConfiguration.h"
#include "core/Clock.h"
#include "core/NumberFormat.h"
#include "core/Ombrix.h"
#include "core/OrvMainObject.h"
#include "core/SettingsStore.h"
#include "datasets/OrvAutoDataset.h"
#include "datasets/OrvDataList.h"
#include "datasets/OrvListDataset.h"
#include "datasets/OrvVectorDataset.h"
#include "export/ExportDataList.h"
#include "export/ExportRun.h"

#include <chrono>
#include <cmath>
#include <iostream>
#include <thread>

namespace ombrix::cli {

namespace {

constexpr double kSecond = 1.0 / 86400.0;

int ModeCode(const std::string& word) {
    if (word == "FST") return eFST;
    if (word == "STD") return eSTD;
    if (word == "FFT") return eFFT;
    if (word == "HAR") return eHAR;
    throw UsageError{"--mode takes FST, STD, FFT or HAR"};
}

int StoringCode(const std::string& word) {
    if (word == "stop") return eStoringStopped;
    if (word == "immd") return eStoringImmediate;
    if (word == "pgmd") return eStoringProgrammed;
    throw UsageError{"--store takes stop, immd or pgmd"};
}

int Count(const Arguments& args, const char* option, int fallBack) {
    if (!args.Has(option)) return fallBack;
    int value = 0;
    if (!TryParseInt(args.Value(option), value) || value < 0)
        throw UsageError{std::string(option) + " takes a whole number"};
    return value;
}

DateTime Interval(const std::string& text) {
    FormatSettings fs;
    fs.TimeSeparator = ':';
    DateTime value = 0;
    if (!TryParseByPicture(text, "hh:nn:ss", fs, value) || value <= 0)
        throw UsageError{"--interval takes hh:mm:ss, for example 00:00:05"};
    return value;
}

// What the live value display of the window would show, as one line.
std::string LiveLine(OrvMainObject& main) {
    OrvDataList* list = main.CurrentDataList();
    OrvDataset* live = list ? list->GetLive() : nullptr;
    if (!live) return "no value yet";
    switch (live->GetDataType()) {
    case eAuto: {
        auto* series = static_cast<OrvAutoDataset*>(live);
        const int last = series->GetSampleCount() - 1;
        if (last < 0) return "no value yet";
        const Code valid = series->GetSampleValid(last);
        if (valid == eValidOverdrive) return "Overdrive";
        if (valid == eValidNotReady) return "Not ready";
        return FormatValue(series->GetSampleValue(last), series->GetUnitText());
    }
    case eVector: {
        auto* spectrum = static_cast<OrvVectorDataset*>(live);
        double frequency = 0, value = 0;
        spectrum->GetLastPoint(frequency, value);
        return "spectrum of " + std::to_string(spectrum->GetElementCount()) + " lines, largest " +
               FormatValue(value, spectrum->GetUnitText()) + " at " + FormatValue(frequency, "Hz");
    }
    case eList: {
        auto* harmonics = static_cast<OrvListDataset*>(live);
        return "harmonics: F1 " + FormatValue(harmonics->GetF1(), "Hz") + ", V1 " +
               FormatValue(harmonics->GetV1(), harmonics->GetUnitText()) + ", KT " +
               FormatFloat(harmonics->GetKT(), FloatForm::General, 4, 0) + " %";
    }
    default:
        return "value";
    }
}

// A clock for --fast: starts at the current time, whole second plus 100 ms,
// and moves exactly one second per tick; the analyser's waits take no time.
DateTime FastStart() {
    const DateTime now = Now();
    const double seconds = std::floor(now * 86400.0);
    return seconds / 86400.0 + 0.1 * kSecond;
}

// Sleeps until about 100 ms after the next full second, as the window's timer ticks.
void WaitForNextTick() {
    const DateTime now = Now();
    const double intoSecond = now * 86400.0 - std::floor(now * 86400.0);
    const double wait = 1.1 - intoSecond;
    std::this_thread::sleep_for(std::chrono::milliseconds(static_cast<int>(wait * 1000)));
}

} // namespace

int RemoteCommand(const std::vector<std::string>& words) {
    const Arguments args(words,
                         {"--mode", "--ticks", "--store", "--start", "--stop", "--interval", "-o"},
                         {"--asap", "--load-cont", "--fast", "--json"});
    if (!args.Positional().empty()) throw UsageError{"remote takes no FILE"};
    if (!args.Has("--mode") || !args.Has("--ticks"))
        throw UsageError{"remote needs --mode and --ticks"};
    const int mode = ModeCode(args.Value("--mode"));
    const int ticks = Count(args, "--ticks", 0);
    const int storing = StoringCode(args.Value("--store", "stop"));
    const int startAfter = Count(args, "--start", 0);
    const int stopAfter = Count(args, "--stop", 0);
    if (storing == eStoringProgrammed && (!args.Has("--start") || !args.Has("--stop")))
        throw UsageError{"--store pgmd needs --start S and --stop S"};

    // The run keeps the user's stored settings as they are.
    MemorySettingsStore runSettings;
    SettingsStore& stored = Settings();
    for (const char* name : {reg::kDateFormat, reg::kTimeFormat, reg::kListSeparator,
                             reg::kDecimalSeparator, reg::kUseAmUnit})
        if (auto value = stored.ReadString(name)) runSettings.WriteString(name, *value);
    InstallSettingsStore(&runSettings);

    CliHostWindow window;
    InstallHost(&window);
    ManualClock fastClock(FastStart());
    if (args.Flag("--fast")) InstallClock(&fastClock);
    struct Restore {
        SettingsStore& stored;
        ~Restore() {
            InstallClock(nullptr);
            InstallHost(nullptr);
            InstallSettingsStore(&stored);
        }
    } restore{stored};

    OrvMainObject main;
    SetMainObject(&main);
    main.Complete();
    if (!main.StartRemote()) throw UsageError{"the analyser did not enter remote operation"};
    if (!main.Configuration().SetMODE(mode))
        throw UsageError{"the analyser refused the mode " + args.Value("--mode")};
    main.SetLoadFFTContinuous(args.Flag("--load-cont"));

    auto tick = [&](int number) {
        if (args.Flag("--fast"))
            fastClock.AdvanceSeconds(1.0);
        else
            WaitForNextTick();
        main.LiveTick();
        std::cerr << "tick " << number << "  " << FormatDateTime("hh:nn:ss", CurrentClock().Now())
                  << "  " << Utf8(LiveLine(main)) << "\n";
    };

    bool configured = false;
    auto configureStoring = [&] {
        DateTime start = 0, stop = 0, interval = 0;
        bool asap = false;
        main.GetStoringTimes(start, stop, interval, asap);
        const DateTime now = CurrentClock().Now();
        if (args.Has("--interval")) interval = Interval(args.Value("--interval"));
        if (storing == eStoringProgrammed) {
            start = now + startAfter * kSecond;
            stop = now + stopAfter * kSecond;
        }
        main.SetStoringTimes(start, stop, interval, args.Flag("--asap"));
        main.SetStoringState(storing);
        configured = true;
    };
    for (int i = 1; i <= ticks; ++i) {
        if (!configured) configureStoring(); // the times count from the first tick
        tick(i);
        main.StoringState(); // the window asks every tick: a programmed period ends by itself
    }
    main.SetStoringState(eStoringStopped);
    tick(ticks + 1);

    OrvDataList* list = main.CurrentDataList();
    if (args.Has("-o") && !list) std::cerr << "no measurement was taken: nothing written\n";
    if (args.Has("-o") && list) {
        for (int i = 0; i < list->GetCount(); ++i)
            list->GetDataset(i)->SetChecked(true);
        const ExportRunResult result = ExportRun(*list, args.Value("-o"), [] { return true; });
        if (result.status == ExportRunResult::eWriteFailed) throw UsageError{result.error};
        for (const auto& f : result.files)
            std::cerr << "written: " << f.string() << "\n";
    }
    if (args.Flag("--json")) {
        if (list)
            std::cout << DataListJson(*list, false).dump(2) << "\n";
        else
            std::cout << "null\n";
    }
    SetMainObject(nullptr);
    return kExitOk;
}

} // namespace ombrix::cli
