#pragma once
// The print / clipboard options: whether this dialog comes up before every
// print and preview, and whether the picture of the view carries the dataset's
// information block and the user's comment above it. The options live in the
// stored settings; the dialog reads them when it shows and writes them on OK.

#include "core/TOrvDialog.h"

class QCheckBox;

namespace ombrix {

class TPrintOptionDlg : public TOrvDialog {
    Q_OBJECT
public:
    explicit TPrintOptionDlg(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void OKBtnClick();

    QCheckBox* m_pCheckBoxShow = nullptr;
    QCheckBox* m_pCheckBoxInfoBlock = nullptr;
    QCheckBox* m_pCheckBoxComment = nullptr;
};

} // namespace ombrix
