// Validating and reading the largest profile file: 100 macros of 2000 steps and
// a string for each of the 2048 key records. Budget: under 5 ms.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "model/ProfileFile.h"

namespace {

std::unique_ptr<model::ProfileStore> largestStore() {
    auto store = std::make_unique<model::ProfileStore>();
    model::installDefaultProfileBlock(*store);
    store->macros.resize(model::kMaxMacros);
    for (std::uint16_t m = 0; m < model::kMaxMacros; ++m) {
        auto &macro = store->macros[m];
        macro.id = static_cast<std::uint16_t>(m + 1);
        macro.cycles = 1;
        macro.actionCount = model::kMaxMacroActions;
        for (std::uint16_t i = 0; i < model::kMaxMacroActions; ++i) {
            macro.actions[i] = {10, 0x1E, static_cast<std::uint16_t>(i % 2)};
        }
    }
    for (std::size_t record = 0; record < model::kRecordCount; ++record) {
        const std::uint16_t kind = record % 2 == 0 ? model::kKindLaunch : model::kKindText;
        store->setRecord(record, {kind, 0, 0, 0, 0});
        const auto name = std::to_string(record);
        store->strings.store(record,
                             u"/usr/local/bin/program-" + std::u16string(name.begin(), name.end()));
    }
    return store;
}

class LargestProfileFile {
public:
    LargestProfileFile() {
        std::string pattern = (std::filesystem::temp_directory_path() / "bench-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
        auto store = largestStore();
        written_ = !folder_.empty() &&
                   model::writeProfileFile(*store, path(), model::StoreLocking::TakeLock);
    }
    ~LargestProfileFile() {
        std::error_code error;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, error);
    }
    std::filesystem::path path() const { return folder_ / "largest.vrp"; }
    bool written() const { return written_; }

private:
    std::filesystem::path folder_;
    bool written_ = false;
};

void BM_ValidateAndReadLargestFile(benchmark::State &state) {
    LargestProfileFile file;
    if (!file.written()) {
        state.SkipWithError("cannot write the profile file");
        return;
    }
    auto store = std::make_unique<model::ProfileStore>();
    for (auto _ : state) {
        const int valid = model::validateProfileFile(file.path(), {});
        std::lock_guard lock(store->mutex());
        const int read = model::readProfileFile(file.path(), *store);
        if (valid != 1 || read != 1) state.SkipWithError("the file was refused");
        benchmark::DoNotOptimize(store->strings.totalBytes());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(file.path())));
}
BENCHMARK(BM_ValidateAndReadLargestFile)->Unit(benchmark::kMillisecond);

void BM_WriteLargestFile(benchmark::State &state) {
    LargestProfileFile file;
    auto store = largestStore();
    for (auto _ : state) {
        if (!model::writeProfileFile(*store, file.path(), model::StoreLocking::TakeLock)) {
            state.SkipWithError("cannot write the profile file");
        }
    }
}
BENCHMARK(BM_WriteLargestFile)->Unit(benchmark::kMillisecond);

}  // namespace
