// macros list, show, export and import: the macros of the key configuration in
// a plain text form (see MacroText.h), edited through the window's macro editor.
#include <iostream>

#include "cli/CommandLine.h"
#include "cli/ExitCode.h"
#include "cli/KeyAction.h"
#include "cli/KeyConfiguration.h"
#include "cli/KeyNames.h"
#include "cli/MacroText.h"
#include "cli/SharedChange.h"
#include "cli/Texts.h"
#include "model/MacroEditor.h"
#include "platform/AtomicFile.h"
#include "platform/Utf.h"

namespace cli {
namespace {

struct MacroRequest {
    bool json = false;
    std::string name;
    std::string file;
};

nlohmann::json stepsJson(const model::MacroRecord &macro) {
    nlohmann::json steps = nlohmann::json::array();
    for (std::size_t i = 0; i < macro.validActionCount(); ++i) {
        const model::MacroAction &step = macro.actions[i];
        steps.push_back({{"key", keyName(step.key)},
                         {"direction", directionName(step.direction)},
                         {"delay", step.wait}});
    }
    return steps;
}

nlohmann::json summaryJson(const model::MacroRecord &macro) {
    return {{"id", macro.id},
            {"name", utf8(macro.nameView())},
            {"cycles", macro.cycles},
            {"steps", macro.validActionCount()}};
}

// The macros of the profile data file (downloaded first when there is none).
class StoredMacros {
public:
    StoredMacros() : configuration_(session_), store_(configuration_.load()) {}

    const std::vector<model::MacroRecord> &list() const { return store_.macros; }
    const model::MacroRecord &named(const std::string &name) const {
        return macroNamed(store_.macros, name);
    }

private:
    KeyboardSession session_;
    KeyConfiguration configuration_;
    model::ProfileStore &store_;
};

void list(const MacroRequest &request) {
    StoredMacros macros;
    nlohmann::json summaries = nlohmann::json::array();
    for (const model::MacroRecord &macro : macros.list()) summaries.push_back(summaryJson(macro));
    if (request.json) return printJson(summaries);
    for (const model::MacroRecord &macro : macros.list())
        std::cout << macro.id << '\t' << utf8(macro.nameView()) << '\t' << macro.validActionCount()
                  << " steps\n";
}

void show(const MacroRequest &request) {
    StoredMacros macros;
    const model::MacroRecord &macro = macros.named(request.name);
    if (!request.json) {
        std::cout << formatMacroText(macro);
        return;
    }
    nlohmann::json document = summaryJson(macro);
    document["steps"] = stepsJson(macro);
    printJson(document);
}

void exportMacro(const MacroRequest &request) {
    StoredMacros macros;
    const std::string text = formatMacroText(macros.named(request.name));
    if (request.file.empty() || request.file == "-") {
        std::cout << text;
    } else if (!platform::writeFileAtomically(request.file, text)) {
        fail(ExitCode::FileError, "cannot write " + request.file);
    }
}

model::MacroRecord readMacroFile(const MacroRequest &request) {
    const auto text = platform::readWholeFile(request.file);
    if (!text) fail(ExitCode::FileError, "cannot read " + request.file);
    const std::string fallbackName =
        request.name.empty() ? std::filesystem::path(request.file).stem().string() : request.name;
    try {
        return parseMacroText(*text, fallbackName);
    } catch (const Failure &failure) {
        fail(failure.code(), request.file + ": " + failure.what());
    }
}

// Puts the macro into the editor's list: over the macro of the same name
// (which keeps its id, so the keys that play it still do), or as a new one.
void placeInEditor(model::MacroEditor &editor, const model::MacroRecord &macro) {
    editor.load();
    const std::u16string name(macro.nameView());
    std::optional<std::size_t> index;
    for (std::size_t i = 0; i < editor.count() && !index; ++i) {
        if (editor.nameAt(i) == name) index = i;
    }
    if (index) {
        editor.selectMacro(*index);
    } else if (editor.count() > 0 && !editor.createMacro()) {
        fail(ExitCode::Usage, "the key configuration already holds " +
                                  std::to_string(model::kMaxMacros) + " macros");
    }
    editor.changeName(name);
    editor.steps().load(macro);
    editor.setCyclesText(platform::fromUtf8(std::to_string(macro.cycles)));
    editor.saveCurrentSteps();
}

void importMacro(const MacroRequest &request) {
    model::MacroRecord macro = readMacroFile(request);
    if (!request.name.empty()) macro.setName(platform::fromUtf8(request.name));
    KeyboardSession session;
    session.requireKeyboard();
    SharedChange change;
    KeyConfiguration configuration(session);
    model::ProfileStore &store = configuration.load();
    model::MacroEditorServices services;
    services.lookup = textLookup();
    services.showMessage = showOnStderr;
    services.pause = [](std::chrono::milliseconds) {};
    model::MacroEditor editor(store, services);
    placeInEditor(editor, macro);
    if (!editor.commit()) fail(ExitCode::FileError, "not enough memory for the macro list");
    configuration.save();
    configuration.upload(std::nullopt);
}

}  // namespace

void addMacroCommands(CommandLine &line) {
    auto *macros = line.app.add_subcommand("macros", "list, show, export or import macros");
    macros->require_subcommand(1);

    auto *listCommand = macros->add_subcommand("list", "the macros by id and name");
    auto listed = std::make_shared<MacroRequest>();
    addJsonFlag(listCommand, listed->json);
    runs(listCommand, line, [listed] { list(*listed); });

    auto *showCommand = macros->add_subcommand("show", "a macro's steps in the text form");
    auto shown = std::make_shared<MacroRequest>();
    showCommand->add_option("NAME", shown->name, "macro name")->required();
    addJsonFlag(showCommand, shown->json);
    runs(showCommand, line, [shown] { show(*shown); });

    auto *exportCommand = macros->add_subcommand("export", "write a macro in the text form");
    auto exported = std::make_shared<MacroRequest>();
    exportCommand->add_option("NAME", exported->name, "macro name")->required();
    exportCommand->add_option("FILE", exported->file, "file to write (default: stdout)");
    runs(exportCommand, line, [exported] { exportMacro(*exported); });

    auto *importCommand = macros->add_subcommand(
        "import",
        "add a macro from a text file, or replace the macro of the same name, and "
        "upload the key configuration");
    auto imported = std::make_shared<MacroRequest>();
    importCommand->add_option("FILE", imported->file, "macro text file")->required();
    importCommand->add_option("--name", imported->name, "name (default: the file's, or its name)");
    runs(importCommand, line, [imported] { importMacro(*imported); });
}

}  // namespace cli
