// Writes the fuzzer's seed files into the folder given as argument: a default
// file, a file with macros and strings, and one with a flag and odd contents.
#include <cstdio>
#include <filesystem>
#include <memory>

#include "model/KeyAssignment.h"
#include "model/ProfileFile.h"

namespace {

model::MacroRecord macroWithSteps(std::uint16_t id, std::uint16_t steps) {
    model::MacroRecord macro{};
    macro.name[0] = u'M';
    macro.name[1] = static_cast<char16_t>(u'0' + id % 10);
    macro.cycles = 1;
    macro.id = id;
    macro.actionCount = steps;
    for (std::uint16_t i = 0; i < steps; ++i) {
        macro.actions[i] = {10u * i, static_cast<std::uint16_t>(0x1E + i % 3),
                            static_cast<std::uint16_t>(i % 2)};
    }
    return macro;
}

void setString(model::ProfileStore &store, std::size_t global, std::uint16_t kind,
               std::u16string_view text) {
    store.setRecord(global, {kind, 0, 0, 0, 0});
    store.strings.store(global, text);
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-folder\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    auto store = std::make_unique<model::ProfileStore>();
    model::installDefaultProfileBlock(*store);
    bool ok =
        model::writeProfileFile(*store, folder / "default.vrp", model::StoreLocking::TakeLock);

    store->macros.push_back(macroWithSteps(1, 4));
    store->macros.push_back(macroWithSteps(7, 0));
    store->setRecord(0x1E, {model::kKindMacro, 3, 1, 0, 0});
    store->setRecord(512 + 0x30, {model::kKindMedia, 0, 5, 0, 0});
    setString(*store, 0x20, model::kKindLaunch, u"/usr/bin/editor");
    setString(*store, 1024 + 0x21, model::kKindText, u"hello");
    setString(*store, 1024 + 0x22, model::kKindText, u"");
    ok = ok && model::writeProfileFile(*store, folder / "macros-strings.vrp",
                                       model::StoreLocking::TakeLock);
    if (!ok) std::fprintf(stderr, "could not write seeds into %s\n", folder.c_str());
    return ok ? 0 : 1;
}
