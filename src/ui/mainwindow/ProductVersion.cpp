#include "ui/mainwindow/ProductVersion.h"

QString productVersionText() {
    return QStringLiteral("V%1").arg(QStringLiteral(VARNEL_VERSION));
}
