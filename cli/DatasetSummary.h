#pragma once
// What ombrix-cli tells about a dataset: the JSON object of `info --json` and
// the one-line text summary, by kind.

#include <nlohmann/json.hpp>

#include <string>

namespace ombrix {
class OrvDataList;
class OrvDataset;
} // namespace ombrix

namespace ombrix::cli {

nlohmann::json DatasetJson(OrvDataset& dataset, bool withValues, bool withPeaks = true);
nlohmann::json DataListJson(OrvDataList& list, bool withValues);
std::string DatasetLine(OrvDataset& dataset);
std::string IsoDate(double dateTime);
std::string IsoDateTime(double dateTime);

} // namespace ombrix::cli
