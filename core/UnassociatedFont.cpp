#include "core/UnassociatedFont.h"

namespace ombrix {

QFont UnassociatedFont(const QFont& font) {
    QFont copy(font);
    copy.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoFontMerging));
    return copy;
}

} // namespace ombrix
