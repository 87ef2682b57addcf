// Chooses the backend named by USBGATE_BACKEND (hidraw by default).
#pragma once

#include <memory>

#include "Backend.h"

namespace usbgate {

std::shared_ptr<Backend> makeBackendFromEnvironment();

}  // namespace usbgate
