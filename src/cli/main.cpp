// varnelctl: the keyboard's configuration from a terminal, on the same core as
// the window. Messages go to stderr; results to stdout.
#include <iostream>

#include "cli/CommandLine.h"
#include "cli/ExitCode.h"

namespace {

int usageError(const CLI::ParseError &error, const CLI::App &app) {
    if (error.get_exit_code() == 0) return app.exit(error);  // --help
    std::cerr << "varnelctl: " << error.what() << "\nRun 'varnelctl --help' for usage.\n";
    return static_cast<int>(cli::ExitCode::Usage);
}

}  // namespace

int main(int argc, char **argv) {
    cli::CommandLine line;
    line.app.require_subcommand(1);
    line.app.fallthrough(false);
    cli::addKeyboardCommands(line);
    cli::addLightingCommands(line);
    cli::addProfileFileCommands(line);
    cli::addKeyCommands(line);
    cli::addMacroCommands(line);
    try {
        line.app.parse(argc, argv);
    } catch (const CLI::ParseError &error) {
        return usageError(error, line.app);
    }
    try {
        if (line.work) line.work();
    } catch (const cli::Failure &failure) {
        std::cerr << "varnelctl: " << failure.what() << '\n';
        return static_cast<int>(failure.code());
    }
    return 0;
}
