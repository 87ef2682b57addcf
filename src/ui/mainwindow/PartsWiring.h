// Builds the lighting panel and the dialogs on the main window, when the
// utility is built with them, and connects them to the window's part calls.
#pragma once

class CVarnelDlg;
class QObject;

namespace mainwindow {

// Returns the object that owns the parts; deleting it removes them, which the
// window does before the models they use go away.
QObject *wireWindowParts(CVarnelDlg &window);

}  // namespace mainwindow
