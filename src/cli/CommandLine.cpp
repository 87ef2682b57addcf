#include "cli/CommandLine.h"

#include <iostream>

#include "cli/Texts.h"

namespace cli {

void runs(CLI::App *command, CommandLine &line, std::function<void()> work) {
    command->callback([&line, work = std::move(work)] { line.work = work; });
}

CLI::Option *addJsonFlag(CLI::App *command, bool &json) {
    return command->add_flag("--json", json, "print the result as JSON (shapes: varnelctl(1))");
}

void printJson(const nlohmann::json &document) {
    std::cout << document.dump(2) << '\n';
}

nlohmann::json modesJson(const std::vector<int> &codes) {
    nlohmann::json modes = nlohmann::json::array();
    for (int code : codes) modes.push_back({{"code", code}, {"name", modeName(code)}});
    return modes;
}

CLI::Option *addProfileOption(CLI::App *command, int &profile) {
    return command
        ->add_option("--profile", profile, "on-board profile 0..2 (default: the active one)")
        ->check(CLI::Range(0, 2));
}

}  // namespace cli
