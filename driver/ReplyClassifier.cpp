#include "ReplyClassifier.h"

#include "orvdrv.h"

namespace orvdrv {
namespace {

struct FailureReason {
    std::string_view text;
    int code;
};

// In the order they are tried: a reply naming several reasons gets the first one listed.
constexpr FailureReason kFailureReasons[] = {
    {"Command number out of range", ORVDRV_FAILED_COMMAND_RANGE},
    {"illegal sub fct nr", ORVDRV_FAILED_SUB_FCT},
    {"arg out of range", ORVDRV_FAILED_ARG_RANGE},
    {"wrong selected", ORVDRV_FAILED_SELECTION},
    {"not implemented yet", ORVDRV_FAILED_NOT_IMPL},
    {"not enough memory", ORVDRV_FAILED_MEMORY},
    {"mode not available", ORVDRV_FAILED_MODE},
    {"improper device type", ORVDRV_FAILED_DEVICE},
    {"no standard available", ORVDRV_FAILED_NO_STANDARD},
    {"matrix empty", ORVDRV_FAILED_MATRIX_EMPTY},
    {"command ignored", ORVDRV_FAILED_IGNORED},
    {"already running", ORVDRV_FAILED_RUNNING},
    {"not running", ORVDRV_FAILED_NOT_RUNNING},
    {"matrix not open", ORVDRV_FAILED_MATRIX_CLOSED},
    {"standard not available", ORVDRV_FAILED_STANDARD},
};

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

} // namespace

int ClassifyReply(std::string_view reply) {
    if (Contains(reply, "ERROR")) return Contains(reply, "CMD") ? ORVDRV_ERROR_CMD : ORVDRV_ERROR;
    if (!Contains(reply, "FAILED")) return ORVDRV_OK;
    for (const auto& reason : kFailureReasons)
        if (Contains(reply, reason.text)) return reason.code;
    // Firmware versions report reasons this table does not know; the command was taken.
    return ORVDRV_OK;
}

} // namespace orvdrv
