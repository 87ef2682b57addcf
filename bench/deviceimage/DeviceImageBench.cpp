// Building what an upload sends: macro blocks and the three key map pages, for
// the largest macro list the editor allows and for the largest area a keyboard
// can hold; and decoding such an area on download.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "model/AssignmentEncoding.h"
#include "model/DeviceImage.h"
#include "model/KeyboardMemory.h"
#include "model/MacroArea.h"

namespace {

constexpr std::uint32_t kLargestCapacity = 255 * 128;

std::unique_ptr<model::ProfileStore> storeWith(std::size_t macroCount, std::uint16_t steps) {
    auto store = std::make_unique<model::ProfileStore>();
    const model::KeyCode keys[] = {0x1E, 0x30, 0x1D, 0x171, 0x161, 0x15E, 0x2A, 0x39};
    for (std::size_t index = 0; index < macroCount; ++index) {
        model::MacroRecord macro{};
        std::u16string name =
            u"Macro " + std::u16string(1, static_cast<char16_t>(u'A' + index % 26));
        std::copy(name.begin(), name.end(), macro.name);
        macro.id = static_cast<std::uint16_t>(index + 1);
        macro.cycles = 1;
        macro.actionCount = steps;
        for (std::uint16_t step = 0; step < steps; ++step) {
            macro.actions[step] = {10u * (step % 400), keys[step % 8],
                                   static_cast<std::uint16_t>(step % 2)};
        }
        store->macros.push_back(macro);
    }
    for (int profile = 0; profile < 3; ++profile) {
        for (std::uint16_t record = 0; record < 256; ++record) {
            model::KeyAssignment assignment;
            assignment.kind = static_cast<std::uint16_t>(record % 9);
            assignment.value = assignment.kind == model::kKindMacro ? record % 100 + 1 : 3;
            store->setRecord(model::globalRecordIndex(profile, record), assignment);
        }
    }
    return store;
}

// 100 macros of 2000 steps: every step encoded and three pages built. Such a
// list is far larger than any keyboard's macro area, which the upload refuses.
void BM_EncodeHundredFullMacrosAndThreePages(benchmark::State &state) {
    const auto store = storeWith(100, 2000);
    const model::KeyPageBytes &matrix = model::builtInDefaultMatrix();
    const auto position = [&](std::uint32_t id) -> std::uint16_t {
        return static_cast<std::uint16_t>(id % store->macros.size());
    };
    std::vector<std::uint8_t> blocks;
    for (auto _ : state) {
        blocks.clear();
        for (const auto &macro : store->macros) model::appendMacroBlock(blocks, macro, true);
        for (int profile = 0; profile < 3; ++profile) {
            benchmark::DoNotOptimize(model::buildKeyPage(store->block, profile, matrix, position));
        }
        benchmark::DoNotOptimize(blocks.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * blocks.size()));
}
BENCHMARK(BM_EncodeHundredFullMacrosAndThreePages)->Unit(benchmark::kMillisecond);

// The refusal of that list: sizes only, nothing built.
void BM_UploadImageRefusesHundredFullMacros(benchmark::State &state) {
    const auto store = storeWith(100, 2000);
    for (auto _ : state) {
        auto image = model::buildUploadImage(*store, {0, 1, 2}, model::builtInDefaultMatrix(),
                                             kLargestCapacity);
        if (image.status != model::UploadImage::Status::MacrosTooLong) state.SkipWithError("built");
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_UploadImageRefusesHundredFullMacros)->Unit(benchmark::kMicrosecond);

// 100 macros filling the largest area a keyboard reports, names included.
void BM_UploadImageAtLargestCapacity(benchmark::State &state) {
    const auto store = storeWith(100, 75);
    for (auto _ : state) {
        auto image = model::buildUploadImage(*store, {0, 1, 2}, model::builtInDefaultMatrix(),
                                             kLargestCapacity);
        if (image.status != model::UploadImage::Status::Ready || image.namesLeftOut) {
            state.SkipWithError("not a full area");
        }
        benchmark::DoNotOptimize(image.macroArea.data());
    }
}
BENCHMARK(BM_UploadImageAtLargestCapacity)->Unit(benchmark::kMicrosecond);

void BM_DecodeLargestMacroArea(benchmark::State &state) {
    const auto store = storeWith(100, 75);
    const auto area = model::buildMacroArea(store->macros, true).value();
    const model::TextLookup lookup = [](std::u16string_view, std::u16string_view) {
        return std::u16string(u"Macro ");
    };
    for (auto _ : state) {
        auto macros = model::decodeMacroArea(area, kLargestCapacity, lookup);
        benchmark::DoNotOptimize(macros);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * area.size()));
}
BENCHMARK(BM_DecodeLargestMacroArea)->Unit(benchmark::kMicrosecond);

}  // namespace
