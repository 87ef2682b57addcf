// The window binds the process's one device library (see devicelink/SharedUsbgate.h).
#pragma once

#include "devicelink/SharedUsbgate.h"

namespace mainwindow {

using devicelink::sharedUsbgate;

}  // namespace mainwindow
