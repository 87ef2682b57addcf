#include "BackendFactory.h"

#include <cstdlib>
#include <cstring>

#include "../hidraw/HidrawBackend.h"
#include "../sim/SimulatorBackend.h"
#include "Diagnostics.h"

namespace usbgate {

std::shared_ptr<Backend> makeBackendFromEnvironment() {
    const char *name = std::getenv("USBGATE_BACKEND");
    if (name == nullptr || *name == '\0' || std::strcmp(name, "hidraw") == 0) {
        return makeHidrawBackend();
    }
    if (std::strcmp(name, "simulator") == 0) return std::make_shared<sim::SimulatorBackend>();
    diagnose(Level::Error, "unknown backend \"%s\" in USBGATE_BACKEND (hidraw or simulator)", name);
    return nullptr;
}

}  // namespace usbgate
