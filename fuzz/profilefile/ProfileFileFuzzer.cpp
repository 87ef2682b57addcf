// Feeds arbitrary bytes to the validator and the reader. The reader runs whether
// or not the header is valid (trusted files may be damaged too); whatever it
// accepts must survive a write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "model/ProfileFile.h"

namespace {

bool sameContent(const model::ProfileStore &a, const model::ProfileStore &b) {
    if (a.macros.size() != b.macros.size() || !(a.strings == b.strings)) return false;
    for (std::size_t i = 0; i < model::kRecordCount; ++i) {
        const auto left = a.record(i);
        const auto right = b.record(i);
        if (left.kind != right.kind) return false;
        if (!model::kindHasString(left.kind) && !(left == right)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    bool invalidHeader = false;
    const int valid = model::validateProfileData(bytes, &invalidHeader);
    if (valid == 1 && invalidHeader) __builtin_trap();

    auto store = std::make_unique<model::ProfileStore>();
    if (model::readProfileData(bytes, *store) != 1) return 0;

    auto copy = std::make_unique<model::ProfileStore>();
    const auto image = model::buildProfileFileImage(*store);
    if (model::validateProfileData(image) != 1 && store->macros.size() <= model::kMaxMacros) {
        __builtin_trap();
    }
    if (model::readProfileData(image, *copy) != 1 || !sameContent(*store, *copy)) __builtin_trap();
    return 0;
}
