// One measurement block in transfer form: the record header composed from the
// configuration, then the samples the simulated analyser plays back.

#include "config/OrvConfiguration.h"

#include "core/Clock.h"
#include "core/DateTime.h"
#include "core/FormatSettings.h"
#include "core/HostWindow.h"
#include "core/NumberFormat.h"
#include "datasets/OrvDataset.h"
#include "datasets/TransferFields.h"
#include "link/OrvCommunication.h"
#include "link/SimulatedAnalyser.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ombrix {

namespace {

// Records of a live block are blank-separated and use the analyser's decimal point.
constexpr char kBlank = ' ';
constexpr char kPoint = '.';

constexpr int kSpectrumStepHz = 10; // DF of the 40 Hz .. 32 kHz range
// The spectrum templates were measured in the 5 Hz .. 2 kHz range, 1 Hz apart.
constexpr int kTemplateStepHz = 1;

// Template values are in tesla, written with five significant digits; A/m values
// with four ("0.000E+00").
constexpr int kTemplateDigits = 5;
constexpr int kAmperePerMetreDigits = 4;
constexpr int kExponentDigits = 2;
constexpr double kTeslaPerGauss = 1e-4;

class RecordHeader {
public:
    void Add(const std::string& keyword, const std::string& value) {
        m_keywords += keyword + kBlank;
        m_values += value + kBlank;
    }
    void AppendTo(TransferLines& lines) {
        lines.push_back(TrimmedRight(m_keywords));
        lines.push_back(TrimmedRight(m_values));
    }
    static std::string TrimmedRight(std::string text) {
        while (!text.empty() && text.back() == kBlank)
            text.pop_back();
        return text;
    }

private:
    std::string m_keywords;
    std::string m_values;
};

std::string FrequencyText(double hz) {
    return FormatFloat(hz, FloatForm::General, 15, 0, kPoint);
}

std::string ExponentText(double value, int digits) {
    return FormatFloat(value, FloatForm::Exponent, digits, kExponentDigits, kPoint);
}

// The value of a sample line stands between its first and its second blank;
// `rewrite` gets it and gives the new text. A line without a readable value
// stays as it is.
template <class Rewrite> void RewriteValue(std::string& line, Rewrite&& rewrite) {
    const size_t first = line.find(kBlank);
    if (first == std::string::npos) return;
    const size_t second = line.find(kBlank, first + 1);
    const size_t length = second == std::string::npos ? std::string::npos : second - first - 1;
    double value = 0;
    if (!TryParseFloat(std::string_view(line).substr(first + 1, length), kPoint, value)) return;
    line.replace(first + 1, length, rewrite(value));
}

// The harmonics list carries its value unit in the label of its second line.
constexpr size_t kFundamentalLine = 1;

// Lines of the sample text whose value column holds a field value: only the
// fundamental of a harmonics list, every line otherwise.
template <class Action>
void ForEachValueLine(std::vector<std::string>& samples, Code mode, Action&& action) {
    if (mode == eHAR) {
        if (samples.size() > kFundamentalLine) action(samples[kFundamentalLine]);
        return;
    }
    for (std::string& line : samples)
        action(line);
}

// A 10 Hz spectrum from a 1 Hz template: each element takes the largest line
// within half a step of its frequency, so mains lines keep their height and lie
// at their frequency. The template ends the spectrum where it ends.
std::vector<std::string> SpectrumInSteps(const std::vector<std::string>& template1Hz, int stepHz) {
    std::vector<double> values;
    values.reserve(template1Hz.size());
    for (const std::string& line : template1Hz) {
        FieldSplitter fields(line, kBlank);
        fields.Next();
        double value = 0;
        values.push_back(TryParseFloat(fields.Next(), kPoint, value) ? value : 0.0);
    }
    const int perElement = stepHz / kTemplateStepHz;
    const int count = static_cast<int>(values.size());
    std::vector<std::string> elements;
    for (int n = 0; n * perElement < count; ++n) {
        const int centre = n * perElement;
        const int from = std::max(0, centre - perElement / 2);
        const int to = std::min(count, centre + (perElement + 1) / 2);
        const double largest = *std::max_element(values.begin() + from, values.begin() + to);
        elements.push_back(DecimalText(n) + kBlank + ExponentText(largest, kTemplateDigits));
    }
    return elements;
}

} // namespace

void OrvConfiguration::ReadMeasurement(TransferLines& lines, int& memNumber,
                                       const std::string& stepText, bool newDataset) {
    SimulatedAnalyser& analyser = DemoAnalyser();
    OrvCommunication& link = Communication();
    HostWindow& host = Host();

    if (newDataset) MarkChanged();
    if (IsChanged()) analyser.RestartSampleCounter();
    link.ShowState(eStateReadMeasData);

    const Code mode = GetMODE();
    std::vector<std::string> samples;
    if (mode == eFST || mode == eSTD) {
        if (std::optional<std::string> line = analyser.NextValueLine(mode, link))
            samples.push_back(DecimalText(analyser.TakeSampleNumber()) + kBlank + *line);
    } else if (mode == eFFT || mode == eHAR) {
        MarkChanged();
        host.SetReady(false);
        std::optional<TemplateBlock> block =
            mode == eFFT ? analyser.NextSpectrum(link) : analyser.NextHarmonics(link);
        if (!block) {
            host.SetReady(true);
            return;
        }
        samples = std::move(*block);
    } else {
        return;
    }

    link.ShowState(eStateRemote);
    host.SetReady(true);
    host.SetFftState(1);

    Code unit = BUnit();
    if (mode == eSTD || (mode == eFFT && GetSPECNORM() == 1))
        unit = eUnitPercent;
    else if (Probe() == eEFieldProbe)
        unit = eUnitVm;

    if (newDataset) {
        DiscardLive();
        SetChanged(false);
        lines.clear();

        RecordHeader record;
        record.Add("MEM#", DecimalText(memNumber));
        ++memNumber;
        record.Add("D", mode == eFFT ? "V" : mode == eHAR ? "L" : "A");
        record.Add("PROBE", ProbeText(Probe()));
        record.Add("CHN", ChannelText(GetCHANNEL()));
        record.Add("MODE", ModeText(mode));
        if (mode == eSTD) {
            // A blank inside a value would shift every column after it.
            std::string standard = StandardName(GetSTDINDEX());
            std::replace(standard.begin(), standard.end(), kBlank, '_');
            record.Add("STANDARD", standard);
        }
        FormatSettings analyserFormats = CurrentFormat();
        analyserFormats.TimeSeparator = ':';
        const DateTime now = CurrentClock().Now();
        record.Add("DATE", FormatDateTime("yy-mm-dd", now, analyserFormats));
        record.Add("TIME", FormatDateTime("hh:mm:ss", now, analyserFormats));
        if (mode == eFST || mode == eSTD) record.Add("STEP", stepText);
        if (mode == eFST) {
            switch (GetFILTER()) {
            case 1:
                record.Add("FILTER", "BP" + FrequencyText(GetBPFRQ(GetBPINDEX())) + "Hz");
                break;
            case 2:
                record.Add("FILTER", "BS" + FrequencyText(GetBSFRQ(GetBSINDEX())) + "Hz");
                break;
            default:
                record.Add("FILTER", FilterText(GetBBINDEX(), kPoint));
                break;
            }
        }
        if (mode == eFFT) record.Add("F_RANGE", FRangeText(GetRANGE_F(), kPoint));
        if (mode == eFST) record.Add("DET", DetectionFILText(GetDECFST()));
        if (mode == eFFT) record.Add("DET", DetectionFFTText(GetDECFFT()));
        if (mode == eHAR) record.Add("DET", DetectionFFTText(GetDECHAR()));
        record.Add("MAX", MaxText(GetLIVE()));
        if (mode == eFFT || mode == eHAR) record.Add("VALID", "OK");
        if (mode == eFFT) record.Add("DF[HZ]", GetRANGE_F() != 0 ? "10" : "1");
        record.AppendTo(lines);

        if (mode != eHAR) {
            std::string columns = "N VALUE" + UnitText(unit, true);
            if (mode != eFFT) columns += " VALID";
            if (mode == eFST && GetFILTER() == 0) columns += " FREQ[HZ]";
            lines.push_back(std::move(columns));
        }
    }

    // The spectrum must step as its header says, whatever the template's step.
    if (mode == eFFT && GetRANGE_F() != 0) samples = SpectrumInSteps(samples, kSpectrumStepHz);

    // The templates hold tesla values; an analyser set to gauss delivers gauss.
    const bool magnetic = unit == eUnitG || unit == eUnitAm;
    const bool gauss = GetBUNIT() == eUnitG;
    if (magnetic && gauss) {
        ForEachValueLine(samples, mode, [](std::string& line) {
            RewriteValue(line, [](double tesla) {
                return ExponentText(tesla * kGaussPerTesla, kTemplateDigits);
            });
        });
    }
    if (unit == eUnitAm) {
        ForEachValueLine(samples, mode, [gauss](std::string& line) {
            RewriteValue(line, [gauss](double value) {
                const double tesla = gauss ? value * kTeslaPerGauss : value;
                return ExponentText(tesla * kAmperePerMetrePerTesla, kAmperePerMetreDigits);
            });
        });
    }
    // The list reads the unit of its values from the fundamental's label.
    if (mode == eHAR && samples.size() > kFundamentalLine &&
        StartsWith(samples[kFundamentalLine], "V1")) {
        std::string& fundamental = samples[kFundamentalLine];
        const size_t blank = fundamental.find(kBlank);
        fundamental.replace(0, blank, "V1" + UnitText(unit, true));
    }

    lines.insert(lines.end(), std::make_move_iterator(samples.begin()),
                 std::make_move_iterator(samples.end()));
}

} // namespace ombrix
