#pragma once
// Context help of the program's windows. Every window carries the number of its
// topic in the help file "Ombrix_HELP.HLP" of the program folder; F1 in the
// window opens that topic in the help window. The main window's help menu opens
// the contents, the search and the help on using help.

class QWidget;

namespace ombrix {

class THelpWindow;

// The topic number of a window (0: the contents). A window may change it while
// it is open, for example when a page of a wizard is shown.
void SetHelpContext(QWidget* window, int context);
// The topic of the widget's own window, or of the nearest parent that has one.
int HelpContextOf(const QWidget* widget);
// F1 anywhere in `window` opens the topic that the window has at that moment.
void InstallHelpKey(QWidget* window);

// Each returns false when the help file could not be read (the help window
// then says so) or the topic does not exist (the contents are shown instead).
bool ShowHelpContext(int context);
bool ShowHelpContents();
// The search with an empty key: the search field takes the focus.
bool ShowHelpSearch();
bool ShowHelpOnHelp();

// The help window once it has been opened (nullptr before).
THelpWindow* HelpWindowInstance();

} // namespace ombrix
