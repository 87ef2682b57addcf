#include "ui/skin/DialogServices.h"

#include "ui/skin/QtDialogServices.h"

namespace skin {
namespace {

DialogServices *&installedServices() {
    static DialogServices *services = nullptr;
    return services;
}

}  // namespace

DialogServices &dialogServices() {
    static QtDialogServices qtServices;
    DialogServices *installed = installedServices();
    return installed ? *installed : qtServices;
}

void setDialogServices(DialogServices *services) {
    installedServices() = services;
}

}  // namespace skin
