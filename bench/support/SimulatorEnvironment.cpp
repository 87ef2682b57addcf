#include "SimulatorEnvironment.h"

#include <cstdlib>

namespace benchsupport {

void useSimulatorIn(const std::filesystem::path &folder) {
    setenv("USBGATE_BACKEND", "simulator", 1);
    setenv("USBGATE_SIM_PLUGGED", "1", 1);
    for (const char *name :
         {"XDG_RUNTIME_DIR", "XDG_STATE_HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
        setenv(name, folder.c_str(), 1);
    }
    setenv("USBGATE_SIM_SOCKET", (folder / "sim.sock").c_str(), 1);
}

}  // namespace benchsupport
