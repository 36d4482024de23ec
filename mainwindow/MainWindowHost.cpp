#include "mainwindow/MainWindowHost.h"

#include "core/MessageBoxes.h"
#include "datasets/LoadData.h"
#include "mainwindow/StatusPanel.h"
#include "mainwindow/TOrvMainForm.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QTimer>

#include <utility>

namespace ombrix {

MainWindowHost::MainWindowHost(TOrvMainForm& form) : m_Form(form) {}

void MainWindowHost::RefreshTreeAndView() {
    m_Form.RefreshTreeAndView();
}

void MainWindowHost::SetReady(bool ready) {
    m_Form.SetReady(ready);
}

void MainWindowHost::SetFftState(int state) {
    m_Form.SetFftState(state);
}

bool MainWindowHost::IsDatabaseView() {
    return m_Form.IsDatabaseView();
}

bool MainWindowHost::IsDatalogOrDatabaseTab() {
    return m_Form.IsDatalogOrDatabaseTab();
}

void MainWindowHost::ConfigurationOffline() {
    if (m_Form.Hooks().configurationOffline) m_Form.Hooks().configurationOffline();
}

void MainWindowHost::SetStatusText(const std::string& text) {
    m_Form.StatusLine().SetStateText(QString::fromLatin1(text));
}

int MainWindowHost::StatusTag() {
    return m_Form.StatusLine().Tag();
}

void MainWindowHost::SetStatusTag(int tag) {
    m_Form.StatusLine().SetTag(tag);
}

void MainWindowHost::RepaintStatus() {
    m_Form.StatusLine().RepaintIndicator();
}

void MainWindowHost::SetAlarmTimer(bool enabled, int intervalMs) {
    QTimer* timer = m_Form.AlarmTimer();
    timer->setInterval(intervalMs);
    if (!enabled)
        timer->stop();
    else if (!timer->isActive())
        timer->start();
}

void MainWindowHost::Beep() {
    QApplication::beep();
}

MessageAnswer MainWindowHost::ShowMessage(const std::string& caption, const std::string& text,
                                          MessageButtons buttons, MessageKind kind) {
    QWidget* parent = QApplication::activeModalWidget();
    return ShowMessageBox(parent ? parent : &m_Form, caption, text, buttons, kind);
}

void MainWindowHost::SetBusyCursor(bool busy) {
    if (busy) {
        ++m_nBusyCursors;
        QApplication::setOverrideCursor(Qt::BusyCursor);
    } else if (m_nBusyCursors > 0) {
        --m_nBusyCursors;
        QApplication::restoreOverrideCursor();
    }
}

void MainWindowHost::ProcessPendingEvents() {
    QApplication::processEvents();
}

bool MainWindowHost::RunLoadWizard(OrvDataList& list, OrvCommunication& communication) {
    TDlgLoadData& wizard = m_Form.LoadDataDialog();
    wizard.SetDataList(&list);
    wizard.SetCommunication(&communication);
    if (!m_sDroppedFile.isEmpty()) wizard.OpenOnFile(std::exchange(m_sDroppedFile, QString()));
    const bool accepted = wizard.exec() == QDialog::Accepted;
    // The wizard keeps no reference to a list that goes out of use.
    wizard.SetDataList(nullptr);
    wizard.SetCommunication(nullptr);
    return accepted;
}

} // namespace ombrix
