#include "ui/mainwindow/StartupFailure.h"

#include <cstdio>
#include <cstdlib>

namespace mainwindow {

void exitForStartupFailure(const QString &what) {
    std::fprintf(stderr, "varnel: %s\n", what.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(kStartupFailureExitCode);
}

}  // namespace mainwindow
