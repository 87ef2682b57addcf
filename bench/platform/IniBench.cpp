// INI reads and edits at the sizes the skin and lighting files reach.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/IniDocument.h"
#include "platform/IniFile.h"
#include "platform/Utf.h"

namespace {

// A skin-like file: `sections` sections of `keys` keys each.
std::string makeIni(int sections, int keys) {
    std::string text;
    for (int s = 0; s < sections; ++s) {
        text += "[SECTION_" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < keys; ++k) {
            text += "KEY_NAME_" + std::to_string(k) + " = 10,20,30,40\r\n";
        }
        text += "\r\n";
    }
    return text;
}

std::filesystem::path writeTemporary(const std::string &text) {
    auto path = std::filesystem::temp_directory_path() /
                ("varnel-bench-" + std::to_string(::getpid()) + ".ini");
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// One value read from a 2000-line file, the last key of the last section: the
// cost of every skin and language lookup. Argument 1: an installed file, unchanged
// for a while (parsed once, then served from the cache); 0: a file just written,
// which is read and parsed every time.
void BM_ReadIniStringFromLargeFile(benchmark::State &state) {
    const auto file = writeTemporary(makeIni(10, 200));
    if (state.range(0) == 1) {
        std::filesystem::last_write_time(
            file, std::filesystem::last_write_time(file) - std::chrono::hours(1));
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            platform::readIniString(file, u"section_9", u"key_name_199", u"", 260));
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_ReadIniStringFromLargeFile)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// Replacing the 126 key colours of one slot in a ten-slot lighting file, in memory.
void BM_SetOneLightingSlot(benchmark::State &state) {
    const auto text = makeIni(10, 126);
    for (auto _ : state) {
        auto document = platform::IniDocument::parse(text);
        for (int k = 0; k < 126; ++k) {
            const auto key = platform::fromUtf8("KEY_NAME_" + std::to_string(k));
            document.set(u"SECTION_9", key, "1,2,3");
        }
        benchmark::DoNotOptimize(document.serialize());
    }
}
BENCHMARK(BM_SetOneLightingSlot)->Unit(benchmark::kMicrosecond);

// One atomic write of a settings file (temporary file, flush, rename).
void BM_WriteIniString(benchmark::State &state) {
    const auto file = writeTemporary(makeIni(1, 10));
    int value = 0;
    for (auto _ : state) {
        platform::writeIniString(file, u"SECTION_0", u"KEY_NAME_5",
                                 platform::fromUtf8(std::to_string(value++)));
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_WriteIniString)->Unit(benchmark::kMicrosecond);

}  // namespace
