#pragma once
// The standards of the running program: shows the list, adds the standards of
// further standard data files and removes standards. OK makes the program's
// list what the dialog shows; nothing is ever written to a file.

#include "core/TOrvDialog.h"
#include "presentation/ViewSetupStruct.h"

class QListWidget;

namespace ombrix {

class TDlgAddStandard : public TOrvDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 36;

    explicit TDlgAddStandard(ViewSetupStruct& setup, QWidget* parent = nullptr);
    ~TDlgAddStandard() override;

    QListWidget* ListBoxStandards() const { return m_pListBoxStandards; }
    // Reads a standard data file into the list, as "Add new" does after the
    // file is chosen. False when the file could not be opened.
    bool AddStandardFile(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void FormShow();
    void ButtonAddClick();
    void ButtonDeleteClick();
    void OKBtnClick();
    void FormClose();

    ViewSetupStruct& m_Setup;
    StandardWorkingList m_Working;
    QListWidget* m_pListBoxStandards;
};

} // namespace ombrix
