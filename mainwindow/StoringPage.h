#pragma once
// The REMOTE left page "Storing into Database": storing the current value once,
// storing every value above the threshold, and automatic storing, either at
// once or in a programmed period, with its interval. The page shows the main
// object's storing times and state and hands the user's changes to it; while
// storing runs, the times cannot be changed.

#include "core/DateTime.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace ombrix {

class TOrvMainForm;

class StoringPage : public QWidget {
    Q_OBJECT
public:
    explicit StoringPage(TOrvMainForm& form, QWidget* parent = nullptr);

    // The main object's storing times in the edits; the interval is that of the
    // current measurement mode.
    void ShowStoringTimes();
    void ShowActualTime(DateTime now);
    // Selects a tab of the auto-storing control and runs its change, as a
    // click on it does (0 Start IMMD, 1 Stop, 2 Start PGMD).
    void SelectTab(int tab);
    // The page's part of the one-second tick: the clock, and the tab of a
    // storing state that changed by itself (a programmed period that ended).
    void Tick();
    int Tab() const;

    // Reads the edits after one of them was left (or "ASAP" clicked; `left` is
    // null when the tab control asks) and hands the times to the main object.
    void EditAutoTimeExit(QWidget* left);
    void TabControlAutoStoringChange(int tab);

private:
    QLineEdit* TimeEdit(const char* name);
    void ShowTab(int tab);
    void ApplyStoringLocks();
    void FollowThresholdAction();

    TOrvMainForm& m_Form;
    bool m_bInExit = false;
    bool m_bSelectingTab = false;

    QPushButton* m_pButtonSingleStoring;
    QCheckBox* m_pCheckBoxSaveThreshold;
    QLineEdit* m_pEditTimeInterval;
    QLineEdit* m_pEditStartTime;
    QLineEdit* m_pEditStartDate;
    QLineEdit* m_pEditStopTime;
    QLineEdit* m_pEditStopDate;
    QLineEdit* m_pEditActualTime;
    QLineEdit* m_pEditActualDate;
    QCheckBox* m_pCheckBoxASAP;
    QTabBar* m_pTabControlAutoStoring;
};

} // namespace ombrix
