#pragma once
// What the commands on the view computations share: the dataset chosen by its
// memory number, the grid line or plane chosen by --axis/--plane with --at, the
// stored view settings, and numbers for JSON.

#include "cli/CliSupport.h"
#include "mainwindow/MatrixSelection.h"

#include <nlohmann/json.hpp>

#include <string>

namespace ombrix::cli {

// The stored view settings of the program folder, or the defaults.
void LoadStoredViewSettings();

// The dataset of --mem N; UsageError when it is missing or not in the list.
OrvDataset& DatasetOfMemory(OrvDataList& list, const Arguments& args);

// --axis X|Y|Z --at A,B (the two other indices in X, Y, Z order) or
// --plane XY|XZ|YZ --at K; nothing chosen (the whole grid) without either.
// Only grids have lines and planes.
MatrixSelection SelectionOf(const Arguments& args, bool isGrid);

// The value options of the commands that take a selection.
inline const std::vector<std::string> kSelectionOptions = {"--mem", "--axis", "--plane", "--at"};

// What stats and histogram start from: FILE read, the dataset of --mem N,
// the line or plane chosen, and the stored view settings loaded.
struct SelectedData {
    OrvDataList list;
    OrvDataset* dataset = nullptr;
    MatrixSelection selection;
};
// False when FILE does not read ("Format Error" is reported); UsageError for
// the arguments.
bool LoadSelectedData(const Arguments& args, const std::string& command, SelectedData& data);

// A number for JSON; null where it is not finite.
nlohmann::json JsonNumber(double value);

} // namespace ombrix::cli
