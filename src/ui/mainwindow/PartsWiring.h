// Builds the lighting panel and the dialogs on the main window, when the
// utility is built with them, and connects them to the window's part calls.
#pragma once

class CVarnelDlg;

namespace mainwindow {

void wireWindowParts(CVarnelDlg &window);

}  // namespace mainwindow
