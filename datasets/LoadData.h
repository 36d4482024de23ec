#pragma once
// The wizard with which DATALOG mode loads datasets into a new data list: the
// first page chooses and reads the source (the analyser's memory or an
// exported file), the Overview page keeps ranges of datasets per kind, the
// Details page single ticked datasets.

#include "core/TOrvDialog.h"

#include <array>

class QCheckBox;
class QFileDialog;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;

namespace ombrix {

class OrvCommunication;
class OrvDataList;

// The arrow pair beside a number edit: steps the edit's number between Min and
// Max, by the arrows or the cursor keys in the edit.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QLineEdit* associate, QWidget* parent = nullptr);

    void SetRange(int min, int max);
    int Min() const { return m_nMin; }
    int Max() const { return m_nMax; }
    void Step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_pAssociate;
    int m_nMin = 0;
    int m_nMax = 100;
};

class TDlgLoadData : public TOrvDialog {
    Q_OBJECT
public:
    static constexpr int kSourceHelpContext = 45;
    static constexpr int kOverviewHelpContext = 76;
    static constexpr int kDetailHelpContext = 75;

    explicit TDlgLoadData(QWidget* parent = nullptr);

    // The list to fill and the analyser connection (neither owned); both are
    // set before the dialog is shown.
    void SetDataList(OrvDataList* list) { m_pDataList = list; }
    void SetCommunication(OrvCommunication* communication) { m_pCommunication = communication; }

    // A file dropped on the main window: the "File" source with that path,
    // read as by Next as soon as the dialog shows (at once when it is open).
    void OpenOnFile(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct OverviewRowControls {
        QLineEdit* count = nullptr;
        QLineEdit* from = nullptr;
        QLineEdit* to = nullptr;
        TUpDown* fromUpDown = nullptr;
        TUpDown* toUpDown = nullptr;
        QCheckBox* enabled = nullptr;
    };

    QWidget* MakeSourcePage();
    QWidget* MakeOverviewPage();
    QWidget* MakeDetailPage();

    void FormShow();
    void OKBtnClick();
    void ButtonBackClick();
    void ButtonFileSelectClick();
    void TabSheetOverviewShow();
    void TabSheetDetailShow();
    void ButtonSelectAllClick();
    void ButtonSelectSelectedClick();
    void ButtonInvertClick();
    void CheckBoxAllClick(bool ticked);
    void CheckBoxOtherClick(bool ticked);
    void PageControlDataLoadChange(int index);

    void ReadSource();
    void LoadChosen();
    void ChooseFile(const QString& path);
    void ShowDatasetPages();
    void FillDatasetRows();
    void SetTick(int row, bool ticked);
    bool Ticked(int row) const;

    QTabWidget* m_pPageControlDataLoad;
    QWidget* m_pTabSheetSelectSource;
    QWidget* m_pTabSheetOverview;
    QWidget* m_pTabSheetDetail;
    QPushButton* m_pButtonBack;
    QPushButton* m_pOKBtn;
    QRadioButton* m_pRadioButtonAnalyzer;
    QRadioButton* m_pRadioButtonFile;
    QLineEdit* m_pEditFileName;
    QFileDialog* m_pOpenDialog;
    std::array<OverviewRowControls, 6> m_Overview;
    QTableWidget* m_pListViewDataList;

    QString m_sFileName;
    QString m_sPendingFile;
    OrvDataList* m_pDataList = nullptr;
    OrvCommunication* m_pCommunication = nullptr;
    bool m_bSwitchingPages = false;
};

} // namespace ombrix
