#pragma once
// "User setup": the named user setups of the configuration. Lists them with a
// description of the selected one, renames and erases setups (the first four
// are permanent), stores the current settings as a new setup; OK asks the
// caller to recall the selected setup.

#include "core/TOrvDialog.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace ombrix {

class OrvConfiguration;

class TUserSetupDlg : public TOrvDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 59;

    explicit TUserSetupDlg(QWidget* parent = nullptr);

    // The configuration whose setups the dialog works on (set before showing).
    void SetConfiguration(OrvConfiguration* configuration) { m_pConfiguration = configuration; }
    // The first selected setup from the top; -1 when none is selected.
    int SelectedSetup() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void FillList();
    void ListViewUserSetupListSelectItem();
    void EditUserSetupNameChange(const QString& name);
    void ButtonSaveClick();
    void ButtonEraseClick();
    QString DescriptionOf(int index) const;

    OrvConfiguration* m_pConfiguration = nullptr;
    QTreeWidget* m_pListViewUserSetupList;
    QPlainTextEdit* m_pMemoDesc;
    QLineEdit* m_pEditUserSetupName;
    QPushButton* m_pButtonErase;
    QPushButton* m_pButtonSave;
};

} // namespace ombrix
