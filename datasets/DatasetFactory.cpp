#include "datasets/OrvAutoDataset.h"
#include "datasets/OrvDataList.h"
#include "datasets/OrvListDataset.h"
#include "datasets/OrvMatrixDataset.h"
#include "datasets/OrvNormalDataset.h"
#include "datasets/OrvVectorDataset.h"

namespace ombrix {

std::unique_ptr<OrvDataset> CreateDataset(Code kind, int memNumber, Code probe, Code channel,
                                          Code mode, DateTime dateTime) {
    switch (kind) {
    case eNormal:
        return std::make_unique<OrvNormalDataset>(memNumber, probe, channel, mode, dateTime);
    case eAuto:
        return std::make_unique<OrvAutoDataset>(memNumber, probe, channel, mode, dateTime);
    case eMatrix:
        return std::make_unique<OrvMatrixDataset>(memNumber, probe, channel, mode, dateTime);
    case eList:
        return std::make_unique<OrvListDataset>(memNumber, probe, channel, mode, dateTime);
    case eVector:
        return std::make_unique<OrvVectorDataset>(memNumber, probe, channel, mode, dateTime);
    default:
        return nullptr;
    }
}

} // namespace ombrix
