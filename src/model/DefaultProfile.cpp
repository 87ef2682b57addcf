// Default content of a profile: the fixed headers and default records.
#include <memory>
#include <mutex>

#include "ByteOrder.h"
#include "ProfileFile.h"
#include "ProfileFileHeader.h"
#include "platform/AtomicFile.h"

namespace model {
namespace {

void fillDefaultBlock(ProfileBlock &block, std::uint8_t flag) {
    initialiseDefaultBlock(block);
    fillProfileFileHeader(std::span<std::uint8_t, 32>(block.data(), 32), 0, 0, flag);
}

}  // namespace

int createDefaultProfileFile(const std::filesystem::path &path, std::uint8_t flag) {
    auto block = std::make_unique<ProfileBlock>();
    fillDefaultBlock(*block, flag);
    return platform::writeFileAtomically(path, bytesAsChars(*block)) ? 1 : 0;
}

int installDefaultProfileBlock(ProfileStore &store, std::uint8_t flag) {
    std::lock_guard lock(store.mutex());
    fillDefaultBlock(store.block, flag);
    return 1;
}

}  // namespace model
