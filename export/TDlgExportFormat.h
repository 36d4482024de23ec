#pragma once
// The export format dialog: shows the column separator, decimal point and date
// and time pictures that the next export uses, lets the user choose the
// regional settings or a fixed format for each, and whether the dialog is shown
// before every export. Settings are stored on OK only.

#include "core/TOrvDialog.h"

#include <string>

class QCheckBox;
class QLabel;
class QPushButton;

namespace ombrix {

class TDlgExportFormatDetail;

class TDlgExportFormat : public TOrvDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 13;

    explicit TDlgExportFormat(QWidget* parent = nullptr);

    // The detail dialog of the "User defined" buttons, created with this one.
    TDlgExportFormatDetail& Detail() const { return *m_pDetail; }

    // "ShowExportDlg": whether the export shows this dialog first.
    static bool ShowExportDlg();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void RefreshDateTimeLabel();
    void RefreshColumnLabel();
    void RefreshDecimalLabel();
    void FormatDetail();
    void OKBtnClick();

    TDlgExportFormatDetail* m_pDetail;
    QLabel* m_pLabelDistin;
    QLabel* m_pLabelDec;
    QLabel* m_pLabelDateTime;
    QCheckBox* m_pCheckBoxDistinWin;
    QCheckBox* m_pCheckBoxDecWin;
    QCheckBox* m_pCheckBoxTimeDateWin;
    QCheckBox* m_pCheckBoxShow;
};

} // namespace ombrix
