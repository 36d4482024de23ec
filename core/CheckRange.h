#pragma once
// The range check of a numeric input field: the typed value (with an optional
// engineering prefix) must lie within the bounds, otherwise the user is told
// the valid range and the field keeps the focus.

#include <string>

class QWidget;

namespace ombrix {

// `edit` is a line edit, an editable combo box or a spin box. Returns false
// without a message while the dialog is being cancelled (the focus is on the
// button named "CancelBtn"). mode 1: min < v <= max; mode 2: min <= v < max;
// otherwise min <= v <= max. A refused value shows "Only values between ... and
// ... are valid" in an "Ombrix Error" box and gives the focus back to `edit`.
bool CheckRange(QWidget* edit, double min, double max, const std::string& unit, bool prefixed,
                int mode);

// The Latin-1 text of an input field ("" for a widget that holds no text).
std::string FieldText(const QWidget* edit);

} // namespace ombrix
