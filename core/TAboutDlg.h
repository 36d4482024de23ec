#pragma once
// The about box: the program's name, version, description and copyright as
// compiled into the program.

#include "core/TOrvDialog.h"

class QLabel;

namespace ombrix {

class TAboutDlg : public TOrvDialog {
    Q_OBJECT
public:
    explicit TAboutDlg(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillFromVersionInfo();

    QLabel* m_pProductName;
    QLabel* m_pVersion;
    QLabel* m_pComments;
    QLabel* m_pCopyright;
};

} // namespace ombrix
