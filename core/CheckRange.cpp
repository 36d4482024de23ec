#include "core/CheckRange.h"

#include "core/MessageBoxes.h"
#include "core/Ombrix.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

namespace ombrix {

std::string FieldText(const QWidget* edit) {
    QString text;
    if (auto* line = qobject_cast<const QLineEdit*>(edit))
        text = line->text();
    else if (auto* combo = qobject_cast<const QComboBox*>(edit))
        text = combo->currentText();
    else if (auto* spin = qobject_cast<const QAbstractSpinBox*>(edit))
        text = spin->text();
    return text.toLatin1().toStdString();
}

bool CheckRange(QWidget* edit, double min, double max, const std::string& unit, bool prefixed,
                int mode) {
    const QWidget* focus = QApplication::focusWidget();
    if (focus && focus->objectName() == QLatin1String("CancelBtn")) return false;

    const RangeCheckResult result = CheckRangeText(FieldText(edit), min, max, unit, prefixed, mode);
    if (result.accepted) return true;

    // Leaving the field for the message box would report the same field again
    // from its exit handler; one message is enough.
    static bool s_bShowing = false;
    if (s_bShowing) return false;
    s_bShowing = true;
    ShowPlainError(edit ? edit->window() : nullptr, result.message);
    s_bShowing = false;
    if (edit) edit->setFocus(Qt::OtherFocusReason);
    return false;
}

} // namespace ombrix
