#pragma once
// Writes the lines of one export file: the seven device header lines, then the
// marked datasets from a given index on, until one does not fit.

#include "export/ExportCells.h"

#include <filesystem>
#include <string>

namespace ombrix {

class OrvDataList;

// Appends one file's lines, starting at dataset `index`, and advances `index`
// past every dataset written or skipped. Raises ExportOverflow when a dataset
// does not fit; `index` then names it and its partial lines are taken back.
void ExportDataList(OrvDataList& list, LineList& lines, bool csv, int& index);

// The version text with its first decimal mark turned into `decimal`.
std::string VersionWithDecimal(const std::string& version, char decimal);

// True when the file name's extension is ".csv" in any letter case.
bool IsCsvFileName(const std::filesystem::path& file);

// The effective list separator and decimal mark are the same character: no
// reader could split such cells.
bool ExportSeparatorsClash();

// Writes the lines with CR LF after each, replacing the file only when the
// whole text was written.
bool WriteExportFile(const std::filesystem::path& file, const LineList& lines,
                     std::string* error = nullptr);

} // namespace ombrix
