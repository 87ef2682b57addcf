// keys show and keys set: the key records of a profile, changed through the
// window's key assignment model, written to the profile data file and
// uploaded as the window's Apply uploads them.
#include <iostream>

#include "cli/CommandLine.h"
#include "cli/ExitCode.h"
#include "cli/KeyAction.h"
#include "cli/KeyConfiguration.h"
#include "cli/KeyNames.h"
#include "cli/SharedChange.h"
#include "cli/Texts.h"
#include "model/KeyAssignmentModel.h"

namespace cli {
namespace {

// The key assignment model reports to a window; varnelctl has none.
class NoButtons final : public model::KeyButtonObserver {
public:
    void markApplyPending() override {}
    void showButtonHint(int, const model::ButtonHint &) override {}
};

struct KeyRequest {
    int profile = -1;
    bool json = false;
    std::string key;
    std::string action;
};

void show(const KeyRequest &request) {
    KeyboardSession session;
    KeyConfiguration configuration(session);
    model::ProfileStore &store = configuration.load();
    if (request.profile < 0) session.requireKeyboard();
    const int profile = session.profileOr(request.profile);
    nlohmann::json keys = nlohmann::json::array();
    std::lock_guard lock(store.mutex());
    for (const KeyRecord &key : keyboardViewRecords()) {
        const std::size_t global = model::globalRecordIndex(profile, key.recordIndex);
        const model::KeyAssignment record = store.record(global);
        const std::string action =
            describeKeyAction(record, store.strings.text(global), store.macros);
        if (!request.json) {
            std::cout << key.recordIndex << '\t' << key.name << '\t' << action << '\n';
            continue;
        }
        keys.push_back({{"key", key.name},
                        {"row", key.recordIndex},
                        {"kind", kindName(record.kind)},
                        {"action", action}});
    }
    if (request.json) printJson({{"profile", profile}, {"keys", keys}});
}

void set(const KeyRequest &request) {
    const std::optional<KeyRecord> key = keyRecordByText(request.key);
    if (!key)
        fail(ExitCode::Usage, "unknown key \"" + request.key +
                                  "\"; 'varnelctl keys show' lists the keys by name and row");
    KeyboardSession session;
    session.requireKeyboard();
    const int profile = session.profileOr(request.profile);
    SharedChange change;
    KeyConfiguration configuration(session);
    model::ProfileStore &store = configuration.load();
    const KeyAction action = parseKeyAction(request.action, store.macros);
    if (key->macroOnly && action.kind != model::kKindMacro && action.kind != model::kKindDefault)
        fail(ExitCode::Usage, key->name + " plays macros only");
    NoButtons noButtons;
    model::KeyAssignmentModel keys(
        store, textLookup(), [profile] { return profile; }, noButtons);
    keys.writeAssignment(
        profile, key->recordIndex, action.kind,
        model::assignmentExtraField(key->recordIndex, action.kind, action.macroCycles),
        action.value, action.text);
    configuration.save();
    configuration.upload({profile});
}

}  // namespace

void addKeyCommands(CommandLine &line) {
    auto *keys = line.app.add_subcommand("keys", "show or change what the keys do");
    keys->require_subcommand(1);

    auto *showCommand = keys->add_subcommand("show", "what every key of a profile does");
    auto shown = std::make_shared<KeyRequest>();
    addProfileOption(showCommand, shown->profile);
    addJsonFlag(showCommand, shown->json);
    runs(showCommand, line, [shown] { show(*shown); });

    auto *setCommand = keys->add_subcommand(
        "set", "give a key an action, save it and upload the profile as Apply does");
    auto changed = std::make_shared<KeyRequest>();
    setCommand->add_option("KEY", changed->key, "key name as 'keys show' lists it, or its row")
        ->required();
    setCommand
        ->add_option("ACTION", changed->action,
                     "a key or mouse button name, media:NAME, macro:NAME, launch:TARGET, "
                     "text:TEXT, function:1..11, stop-macro, disable or default")
        ->required();
    addProfileOption(setCommand, changed->profile);
    runs(setCommand, line, [changed] { set(*changed); });
}

}  // namespace cli
