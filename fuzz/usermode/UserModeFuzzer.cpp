// Feeds arbitrary bytes as a user-mode lighting file. Reading never fails: the
// slot in use is 0..9, one key reads as the whole slot reads it; a key entry
// written reads back as written and leaves the slot's other keys as they were,
// and so do the slot's tools.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ScratchFolder.h"
#include "model/lighting/UserModeFile.h"
#include "platform/AtomicFile.h"

namespace {

using lighting::UserKeyColour;
using lighting::UserModeFile;

bool operator==(const UserKeyColour &a, const UserKeyColour &b) {
    return a.colour == b.colour && a.baseFlag == b.baseFlag;
}

const UserModeFile &scratchFile() {
    static const ScratchFolder folder;
    static const UserModeFile file(UserModeFile::pathFor(folder.path(), 0));
    return file;
}

void checkReading(const UserModeFile &file, int slot) {
    if (file.presentSlot() < 0 || file.presentSlot() >= lighting::kUserModeSlots) __builtin_trap();
    const auto keys = file.keyColours(slot);
    for (int key : {0, 5, 64, lighting::kSlotCount - 1}) {
        if (!(file.keyColour(slot, key) == keys[key])) __builtin_trap();
    }
}

void checkEdit(const UserModeFile &file, int slot, int key, const UserKeyColour &entry) {
    const auto before = file.keyColours(slot);
    if (!file.setKeyColour(slot, key, entry)) __builtin_trap();
    const auto after = file.keyColours(slot);
    for (int other = 0; other < lighting::kSlotCount; ++other) {
        if (!(after[other] == (other == key ? entry : before[other]))) __builtin_trap();
    }
    const lighting::UserModeTools tools{1, entry.colour, lighting::kWhite};
    if (!file.setTools(slot, tools)) __builtin_trap();
    const auto read = file.tools(slot);
    if (read.brush != 1 || read.baseColour != entry.colour || read.brushColour != tools.brushColour)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 4) return 0;
    const UserModeFile &file = scratchFile();
    const int slot = data[0] % lighting::kUserModeSlots;
    const int key = data[1] % lighting::kSlotCount;
    const UserKeyColour entry{lighting::makeColour(data[2], data[3], data[1]), (data[0] & 1) != 0};
    const std::string bytes(reinterpret_cast<const char *>(data) + 4, size - 4);
    if (!platform::writeFileAtomically(file.path(), bytes)) return 0;
    checkReading(file, slot);
    checkEdit(file, slot, key, entry);
    return 0;
}
