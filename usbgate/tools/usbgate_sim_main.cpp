// usbgate-sim: command-line control of a running simulated keyboard.
#include <cstdio>
#include <cstring>
#include <string>

#include "SimControl.h"

namespace {

const char kUsage[] =
    "usage: usbgate-sim [--socket PATH] COMMAND [ARGUMENTS]\n"
    "\n"
    "Controls the simulated keyboard of a program running libUsbgate.so with\n"
    "USBGATE_BACKEND=simulator.\n"
    "\n"
    "  plug | unplug                 attach or remove the keyboard\n"
    "  plug-denied                   attach it as a keyboard this user may not open\n"
    "  event 0x02FF                  send an event code on the consumer collection\n"
    "  firmware 0x0108               set the firmware version\n"
    "  capacity BYTES                set the macro capacity\n"
    "  reset                         back to factory memory\n"
    "  dump                          print the keyboard's memory\n"
    "  peek REGION OFFSET LENGTH     print bytes (info, params, page0..2, macro,\n"
    "                                colours0..2, default, status)\n"
    "  poke REGION OFFSET HEX        change bytes\n"
    "  fault drop|foreign N, fault status 255|254 N, fault delay MS N,\n"
    "  fault unplug-after N, fault clear, latency MS, stats [reset]\n";

}  // namespace

int main(int argc, char **argv) {
    std::string socketPath = usbgate::SimControl::defaultPath();
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--socket") == 0) {
        socketPath = argv[2];
        first = 3;
    }
    if (first >= argc || std::strcmp(argv[first], "-h") == 0 ||
        std::strcmp(argv[first], "--help") == 0) {
        std::fputs(kUsage, first >= argc ? stderr : stdout);
        return first >= argc ? 2 : 0;
    }
    std::string command;
    for (int i = first; i < argc; ++i) command += (i > first ? " " : "") + std::string(argv[i]);
    usbgate::SimControl control(socketPath);
    auto reply = control.send(command);
    if (!reply) {
        std::fprintf(stderr, "usbgate-sim: %s\n", control.lastError().c_str());
        return 1;
    }
    std::fputs(reply->c_str(), stdout);
    return 0;
}
