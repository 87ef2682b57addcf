// Messages of the library on stderr, filtered by the level set through Debug().
#pragma once

namespace usbgate {

enum class Level { Error = 0, Info = 1, Trace = 2 };

int setDiagnosticLevel(int level);
void diagnose(Level level, const char *format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace usbgate
