#include "ui/mainwindow/PartsWiring.h"

#include "ui/mainwindow/CVarnelDlg.h"

namespace mainwindow {

void wireWindowParts(CVarnelDlg &window) {
    (void)window;
}

}  // namespace mainwindow
