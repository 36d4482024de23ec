#pragma once
// Chart titles, footers, legends and the large live value are drawn in the
// chosen font alone: no glyph is borrowed from another font for characters the
// font lacks, so a text keeps one face and one set of metrics.

#include <QFont>

namespace ombrix {

// A copy of `font` with font merging switched off (QFont::NoFontMerging); the
// rest of its style strategy and every other attribute stay.
QFont UnassociatedFont(const QFont& font);

} // namespace ombrix
