// export, import, download and upload: the key configuration between the
// profile data file, ".vrp" files and the keyboard, in the window's file format.
#include "cli/CommandLine.h"
#include "cli/KeyConfiguration.h"
#include "cli/SharedChange.h"

namespace cli {
namespace {

// As the window's export: a name without an extension gets ".vrp".
std::filesystem::path withVrpExtension(std::filesystem::path file) {
    if (!file.has_extension()) file += ".vrp";
    return file;
}

void exportTo(const std::filesystem::path &file) {
    KeyboardSession session;
    KeyConfiguration configuration(session);
    configuration.load();
    configuration.saveTo(withVrpExtension(file));
}

void importFrom(const std::filesystem::path &file) {
    KeyboardSession session;
    session.requireKeyboard();
    SharedChange change;
    KeyConfiguration configuration(session);
    configuration.importFrom(file);
    configuration.save();
    configuration.upload(std::nullopt);
}

void download() {
    KeyboardSession session;
    session.requireKeyboard();
    SharedChange change;
    KeyConfiguration(session).download();
}

void upload() {
    KeyboardSession session;
    session.requireKeyboard();
    SharedChange change;
    KeyConfiguration configuration(session);
    configuration.load();
    configuration.upload(std::nullopt);
}

CLI::App *addFileCommand(CommandLine &line, const char *name, const char *description,
                         void (*work)(const std::filesystem::path &)) {
    auto *command = line.app.add_subcommand(name, description);
    auto file = std::make_shared<std::string>();
    command->add_option("FILE", *file, "profile file (.vrp)")->required();
    runs(command, line, [file, work] { work(*file); });
    return command;
}

}  // namespace

void addProfileFileCommands(CommandLine &line) {
    addFileCommand(line, "export", "write the key configuration to a .vrp file", exportTo);
    addFileCommand(line, "import",
                   "replace the key configuration with a .vrp file and upload it; a file that "
                   "is not valid changes nothing",
                   importFrom);
    runs(line.app.add_subcommand(
             "download", "read the keyboard's key configuration into the profile data file"),
         line, download);
    runs(line.app.add_subcommand("upload",
                                 "send the profile data file's key configuration to the keyboard"),
         line, upload);
}

}  // namespace cli
