// Feeds arbitrary keyboard memory to the download's decoding: byte 0 picks the
// macro capacity, the next 3 x 378 bytes are the key map pages, the rest is the
// macro area. Whatever is accepted must hold the record limits and survive being
// written as a profile file and read back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>

#include "model/AssignmentEncoding.h"
#include "model/DeviceImage.h"
#include "model/KeyboardMemory.h"
#include "model/MacroArea.h"
#include "model/ProfileFile.h"

namespace {

std::u16string prefixText(std::u16string_view, std::u16string_view) {
    return u"Macro ";
}

void checkMacros(const std::vector<model::MacroRecord> &macros) {
    if (macros.size() > model::kMaxMacros) __builtin_trap();
    for (std::size_t index = 0; index < macros.size(); ++index) {
        const model::MacroRecord &macro = macros[index];
        if (macro.actionCount > model::kMaxMacroActions) __builtin_trap();
        if (macro.id != index + 1 || macro.isNew != 0) __builtin_trap();
        if (macro.name[model::kMacroNameUnits - 1] != u'\0') __builtin_trap();
        for (std::size_t step = 0; step < macro.actionCount; ++step) {
            if (macro.actions[step].direction > 1) __builtin_trap();
            if (macro.actions[step].wait > 40950) __builtin_trap();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 1 + 3 * model::kKeyPageBytes) return 0;
    const std::uint32_t capacity = data[0] * 128u;
    model::KeyPageBytes pages[3];
    for (int page = 0; page < 3; ++page) {
        std::memcpy(pages[page].data(), data + 1 + page * model::kKeyPageBytes,
                    model::kKeyPageBytes);
    }
    const std::span<const std::uint8_t> area(data + 1 + 3 * model::kKeyPageBytes,
                                             size - 1 - 3 * model::kKeyPageBytes);

    // Any page may also serve as the default matrix.
    model::ProfileBlock scratch{};
    model::decodeKeyPage(pages[1], pages[0], 0, scratch);

    const std::size_t limit = capacity != 0 ? capacity : model::kMacroAreaMaxSize;
    auto macros = model::decodeMacroArea(area, limit, prefixText);
    if (!macros) return 0;
    checkMacros(*macros);

    auto store = std::make_unique<model::ProfileStore>();
    model::decodeDeviceImage(pages, model::builtInDefaultMatrix(), std::move(*macros), *store);
    const auto image = model::buildProfileFileImage(*store);
    if (model::validateProfileData(image) != 1) __builtin_trap();
    auto copy = std::make_unique<model::ProfileStore>();
    if (model::readProfileData(image, *copy) != 1) __builtin_trap();
    if (copy->block != store->block || copy->macros.size() != store->macros.size()) {
        __builtin_trap();
    }
    return 0;
}
