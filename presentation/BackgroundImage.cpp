#include "presentation/BackgroundImage.h"

namespace ombrix {

QImage BackgroundImageOf(const ViewSetupStruct& settings) {
    if (const auto* picture = dynamic_cast<const BackgroundImage*>(settings.GetBackgroundPicture()))
        return picture->Image();
    return {};
}

} // namespace ombrix
