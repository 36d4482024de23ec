#include "cli/DatasetSummary.h"

#include "cli/CliSupport.h"
#include "core/NumberFormat.h"
#include "datasets/OrvAutoDataset.h"
#include "datasets/OrvDataList.h"
#include "datasets/OrvListDataset.h"
#include "datasets/OrvMatrixDataset.h"
#include "datasets/OrvVectorDataset.h"

namespace ombrix::cli {

using nlohmann::json;

namespace {

std::string Two(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

void AddNormal(json& j, OrvNormalDataset& d) {
    j["value"] = d.GetValue();
    j["frequency"] = d.GetFrequency();
}

void AddAuto(json& j, OrvAutoDataset& d, bool withValues) {
    j["samples"] = d.GetSampleCount();
    j["step_s"] = d.GetStep() * 86400.0;
    double number = 0, value = 0;
    d.GetLastPoint(number, value);
    j["last"] = {number, value};
    if (withValues) {
        json values = json::array();
        for (int i = 0; i < d.GetSampleCount(); ++i)
            values.push_back(
                {d.GetSample(i).m_nNumber, d.GetSampleValue(i), ValidText(d.GetSampleValid(i))});
        j["values"] = std::move(values);
    }
}

void AddMatrix(json& j, OrvMatrixDataset& d, bool withValues) {
    j["points"] = d.GetPointCount();
    int minX, maxX, minY, maxY, minZ, maxZ;
    d.GetExtent(minX, maxX, minY, maxY, minZ, maxZ);
    j["extent"] = {minX, maxX, minY, maxY, minZ, maxZ};
    j["max_value"] = d.GetMaxValue();
    if (withValues) {
        json values = json::array();
        for (int i = 0; i < d.GetPointCount(); ++i) {
            const OrvMatrixList& p = d.GetPoint(i);
            values.push_back({p.m_nX, p.m_nY, p.m_nZ, p.m_dValue, ValidText(p.m_nValid)});
        }
        j["values"] = std::move(values);
    }
}

void AddList(json& j, OrvListDataset& d) {
    j["f1"] = d.GetF1();
    j["v1"] = d.GetV1();
    json k = json::array();
    for (int i = 0; i < 8; ++i)
        k.push_back(d.GetHarmonic(i));
    j["k"] = std::move(k);
    j["kt"] = d.GetKT();
    j["kn"] = d.GetKN();
}

void AddVector(json& j, OrvVectorDataset& d, bool withValues, bool withPeaks) {
    j["elements"] = d.GetElementCount();
    j["df"] = d.GetDF();
    double frequency = 0, value = 0;
    d.GetLastPoint(frequency, value);
    j["largest"] = {frequency, value};
    if (withPeaks) {
        json peaks = json::array();
        for (const auto& p : d.FindPeaks())
            peaks.push_back({p.m_dFrequency, p.m_dPeakValue});
        j["peaks"] = std::move(peaks);
    }
    if (withValues) {
        json values = json::array();
        for (int i = 0; i < d.GetElementCount(); ++i)
            values.push_back({d.GetElementNumber(i), d.GetElementValue(i)});
        j["values"] = std::move(values);
    }
}

std::string Number(double v) {
    return FormatFloat(v, FloatForm::General, 5, 0, '.');
}

} // namespace

std::string IsoDate(double dateTime) {
    const DateParts p = DecodeDateTime(dateTime);
    std::string year = std::to_string(p.year);
    while (year.size() < 4)
        year.insert(0, "0");
    return year + "-" + Two(p.month) + "-" + Two(p.day);
}

std::string IsoDateTime(double dateTime) {
    const DateParts p = DecodeDateTime(dateTime);
    return IsoDate(dateTime) + "T" + Two(p.hour) + ":" + Two(p.minute) + ":" + Two(p.second);
}

json DatasetJson(OrvDataset& dataset, bool withValues, bool withPeaks) {
    json j;
    j["mem"] = dataset.GetMemNumber();
    j["kind"] = dataset.FormatDataType(0);
    j["mode"] = ModeText(dataset.GetMode());
    j["probe"] = ProbeText(dataset.GetProbe());
    j["channel"] = ChannelText(dataset.GetChannel());
    j["datetime"] = IsoDateTime(dataset.GetDateTime());
    j["comment"] = Utf8(dataset.GetComment());
    switch (dataset.GetDataType()) {
    case eNormal: {
        auto& d = static_cast<OrvNormalDataset&>(dataset);
        j["unit"] = Utf8(d.GetUnitText());
        j["valid"] = ValidText(d.GetValid());
        AddNormal(j, d);
        break;
    }
    case eAuto: {
        auto& d = static_cast<OrvAutoDataset&>(dataset);
        j["unit"] = Utf8(d.GetUnitText());
        j["valid"] = ValidText(d.GetValid());
        AddAuto(j, d, withValues);
        break;
    }
    case eMatrix: {
        auto& d = static_cast<OrvMatrixDataset&>(dataset);
        j["unit"] = Utf8(d.GetUnitText());
        j["valid"] = ValidText(d.GetValid());
        AddMatrix(j, d, withValues);
        break;
    }
    case eList: {
        auto& d = static_cast<OrvListDataset&>(dataset);
        j["unit"] = Utf8(d.GetUnitText());
        j["valid"] = ValidText(d.GetValid());
        AddList(j, d);
        break;
    }
    case eVector: {
        auto& d = static_cast<OrvVectorDataset&>(dataset);
        j["unit"] = Utf8(d.GetUnitText());
        j["valid"] = ValidText(d.GetValid());
        AddVector(j, d, withValues, withPeaks);
        break;
    }
    default:
        break;
    }
    return j;
}

json DataListJson(OrvDataList& list, bool withValues) {
    json j;
    j["device"] = Utf8(list.GetDevice());
    j["serial"] = Utf8(list.GetSerialNumber());
    j["hw_version"] = Utf8(list.GetHwVersion());
    j["sw_version"] = Utf8(list.GetSwVersion());
    j["cal_date"] = IsoDate(list.GetCalDate());
    j["sw_datetime"] = IsoDateTime(list.GetSwDateTime());
    j["counts"] = {{"normal", list.GetNormalCount()}, {"auto", list.GetAutoCount()},
                   {"matrix", list.GetMatrixCount()}, {"list", list.GetListCount()},
                   {"vector", list.GetVectorCount()}, {"total", list.GetTotalCount()}};
    json datasets = json::array();
    for (int i = 0; i < list.GetCount(); ++i)
        datasets.push_back(DatasetJson(*list.GetDataset(i), withValues));
    j["datasets"] = std::move(datasets);
    return j;
}

std::string DatasetLine(OrvDataset& dataset) {
    // The line shows the largest peak only; finding them all is left out.
    const json j = DatasetJson(dataset, false, false);
    std::string line = "#" + std::to_string(dataset.GetMemNumber()) + "  " +
                       dataset.FormatDataType(0) + "  " + ModeText(dataset.GetMode()) + "  " +
                       IsoDateTime(dataset.GetDateTime()) + "  " + ProbeText(dataset.GetProbe()) +
                       "  " + ChannelText(dataset.GetChannel()) + "  ";
    const std::string unit = j.value("unit", "");
    switch (dataset.GetDataType()) {
    case eNormal:
        line += Number(j["value"]) + " " + unit + "  " + j.value("valid", "");
        break;
    case eAuto:
        line += std::to_string(j["samples"].get<int>()) + " samples every " + Number(j["step_s"]) +
                " s, last " + Number(j["last"][1]) + " " + unit + "  " + j.value("valid", "");
        break;
    case eMatrix:
        line += std::to_string(j["points"].get<int>()) + " points, max " + Number(j["max_value"]) +
                " " + unit;
        break;
    case eList:
        line += "F1 " + Number(j["f1"]) + " Hz, V1 " + Number(j["v1"]) + " " + unit + ", KT " +
                Number(j["kt"]) + " %";
        break;
    case eVector:
        line += std::to_string(j["elements"].get<int>()) + " lines at " +
                std::to_string(j["df"].get<int>()) + " Hz, largest " + Number(j["largest"][1]) +
                " " + unit + " at " + Number(j["largest"][0]) + " Hz";
        break;
    default:
        break;
    }
    if (!dataset.GetComment().empty()) {
        std::string comment = Utf8(dataset.GetComment());
        for (auto& c : comment)
            if (c == '\n') c = ' ';
        line += "  \"" + comment + "\"";
    }
    return line;
}

} // namespace ombrix::cli
