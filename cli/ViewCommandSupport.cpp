#include "cli/ViewCommandSupport.h"

#include "core/NumberFormat.h"
#include "presentation/ViewSetupStruct.h"

#include <cmath>
#include <iostream>

namespace ombrix::cli {

namespace {

std::vector<int> IndicesOf(const std::string& text, std::size_t count) {
    std::vector<int> indices;
    std::string rest = text;
    while (true) {
        const auto comma = rest.find(',');
        int index = 0;
        if (!TryParseInt(rest.substr(0, comma), index)) break;
        indices.push_back(index);
        if (comma == std::string::npos) break;
        rest = rest.substr(comma + 1);
    }
    if (indices.size() != count)
        throw UsageError{"--at takes " +
                         std::string(count == 1 ? "one grid index" : "two grid indices A,B") +
                         ": " + text};
    return indices;
}

} // namespace

void LoadStoredViewSettings() {
    ViewSetup().LoadViewSettings();
}

OrvDataset& DatasetOfMemory(OrvDataList& list, const Arguments& args) {
    int memory = 0;
    if (!args.Has("--mem")) throw UsageError{"--mem N names the dataset"};
    if (!TryParseInt(args.Value("--mem"), memory)) throw UsageError{"--mem takes a memory number"};
    for (int i = 0; i < list.GetCount(); ++i)
        if (OrvDataset* dataset = list.GetDataset(i); dataset->GetMemNumber() == memory)
            return *dataset;
    throw UsageError{"no dataset MEM# " + std::to_string(memory)};
}

bool LoadSelectedData(const Arguments& args, const std::string& command, SelectedData& data) {
    if (args.Positional().size() != 1) throw UsageError{command + " needs exactly one FILE"};
    if (!LoadTransferFile(args.Positional()[0], data.list)) {
        std::cerr << "Format Error\n";
        return false;
    }
    data.dataset = &DatasetOfMemory(data.list, args);
    data.selection = SelectionOf(args, data.dataset->GetDataType() == eMatrix);
    LoadStoredViewSettings();
    return true;
}

MatrixSelection SelectionOf(const Arguments& args, bool isGrid) {
    MatrixSelection selection;
    selection.SelectNothing();
    const bool axis = args.Has("--axis");
    const bool plane = args.Has("--plane");
    if (!axis && !plane) {
        if (args.Has("--at")) throw UsageError{"--at goes with --axis or --plane"};
        return selection;
    }
    if (axis && plane) throw UsageError{"choose either --axis or --plane"};
    if (!isGrid) throw UsageError{"--axis and --plane choose within a grid (kind M)"};
    if (!args.Has("--at")) throw UsageError{"--axis and --plane need --at"};

    const std::string at = args.Value("--at");
    if (axis) {
        const std::string name = args.Value("--axis");
        if (name != "X" && name != "Y" && name != "Z") throw UsageError{"--axis takes X, Y or Z"};
        const auto running = static_cast<GridAxis>(name[0] - 'X');
        const std::vector<int> fixed = IndicesOf(at, 2);
        std::size_t next = 0;
        for (const GridAxis other : {GridAxis::X, GridAxis::Y, GridAxis::Z})
            if (other != running) selection.SetAxisText(other, std::to_string(fixed[next++]));
        selection.SelectAxis(running);
        return selection;
    }
    const std::string name = args.Value("--plane");
    const GridPlane chosen = name == "XY"   ? GridPlane::XY
                             : name == "XZ" ? GridPlane::XZ
                                            : GridPlane::YZ;
    if (name != "XY" && name != "XZ" && name != "YZ")
        throw UsageError{"--plane takes XY, XZ or YZ"};
    selection.SetPlaneText(chosen, std::to_string(IndicesOf(at, 1)[0]));
    selection.SelectPlane(chosen);
    return selection;
}

nlohmann::json JsonNumber(double value) {
    return std::isfinite(value) ? nlohmann::json(value) : nlohmann::json();
}

} // namespace ombrix::cli
