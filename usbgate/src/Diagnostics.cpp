#include "Diagnostics.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>

namespace usbgate {
namespace {
std::atomic<int> currentLevel{static_cast<int>(Level::Error)};
}

int setDiagnosticLevel(int level) {
    return currentLevel.exchange(level);
}

void diagnose(Level level, const char *format, ...) {
    if (static_cast<int>(level) > currentLevel.load()) return;
    std::va_list arguments;
    va_start(arguments, format);
    std::fputs("libUsbgate: ", stderr);
    std::vfprintf(stderr, format, arguments);
    std::fputc('\n', stderr);
    va_end(arguments);
}

}  // namespace usbgate
