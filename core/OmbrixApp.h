#pragma once
// The program from start to end: the application's identity and conventions,
// the windows in their order, the one main object, the message loop, and the
// order in which everything goes at the end.

#include <memory>
#include <string>

#include <QStringList>

namespace ombrix {

class OrvMainObject;
class TOrvMainForm;

// One run of the program once the application object exists: the main window
// (which creates the dialogs after itself), the window offered to the model,
// and the main object with its connection, configuration and data lists.
class OmbrixProgram {
public:
    explicit OmbrixProgram(const std::string& commandLineWord);
    // The main object goes first, while the window can still show the
    // connection's last state; the window after it.
    ~OmbrixProgram();
    OmbrixProgram(const OmbrixProgram&) = delete;
    OmbrixProgram& operator=(const OmbrixProgram&) = delete;

    TOrvMainForm& MainForm() const { return *m_pMainForm; }
    OrvMainObject& MainObject() const { return *m_pMainObject; }

    // Shows the main window maximised; its first showing runs the mode change.
    void Show();

private:
    std::unique_ptr<TOrvMainForm> m_pMainForm;
    std::unique_ptr<OrvMainObject> m_pMainObject;
};

// The mode word of the command line: every argument after the program's name,
// joined by blanks.
std::string CommandLineWord(const QStringList& arguments);

// The whole program; returns its exit code.
int RunOmbrix(int argc, char** argv);

} // namespace ombrix
