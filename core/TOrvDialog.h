#pragma once
// The common ground of the program's dialogs: a fixed help context with F1
// opening its topic, and the OK/Cancel buttons named as the handlers expect.

#include <QDialog>

class QPushButton;

namespace ombrix {

class TOrvDialog : public QDialog {
    Q_OBJECT
public:
    explicit TOrvDialog(QWidget* parent = nullptr);

    void SetHelpContext(int context);
    int HelpContext() const;

protected:
    // "OK" (default button, named OKBtn) closing with Accepted unless the
    // dialog's own OK handler closes it, and "Cancel" (CancelBtn) closing with
    // Rejected; the caller lays them out.
    QPushButton* MakeOkButton(bool closesDialog = true,
                              const QString& caption = QStringLiteral("OK"));
    QPushButton* MakeCancelButton(const QString& caption = QStringLiteral("Cancel"));
    // The dialog keeps the size of its layout, as a fixed dialog border does.
    void FixSizeToLayout();
};

} // namespace ombrix
