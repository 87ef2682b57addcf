// list, info and profile: what keyboard is there, and its active profile.
#include <iostream>

#include "cli/CommandLine.h"
#include "cli/KeyboardSession.h"
#include "cli/SharedChange.h"
#include "cli/Texts.h"

namespace cli {
namespace {

std::string hex4(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value);
    return text;
}

nlohmann::json keyboardJson(const KeyboardFacts &facts) {
    return {{"backend", backendName()},
            {"firmware", hex4(facts.firmware)},
            {"activeProfile", facts.activeProfile},
            {"macroCapacity", facts.macroCapacity},
            {"bank", facts.bank.empty() ? nlohmann::json() : nlohmann::json(facts.bank)},
            {"modes", modesJson(facts.modes)}};
}

void printFacts(const KeyboardFacts &facts) {
    std::cout << "backend:         " << backendName() << '\n'
              << "firmware:        " << hex4(facts.firmware) << '\n'
              << "active profile:  " << facts.activeProfile << '\n'
              << "macro capacity:  " << facts.macroCapacity << " bytes\n"
              << "extra-key bank:  " << (facts.bank.empty() ? "unknown" : facts.bank) << '\n'
              << "lighting modes:";
    for (int code : facts.modes) std::cout << ' ' << code;
    std::cout << '\n';
}

// The device library addresses one keyboard: the one every command works with.
void list(bool json) {
    KeyboardSession session;
    nlohmann::json keyboards = nlohmann::json::array();
    std::optional<KeyboardFacts> facts;
    if (session.keyboardCount() > 0) {
        facts = session.readFacts();
        keyboards.push_back(keyboardJson(*facts));
    }
    if (json) return printJson({{"keyboards", keyboards}});
    if (facts)
        std::cout << "Tarvik Q770RGB-PRO  " << backendName() << "  firmware "
                  << hex4(facts->firmware) << '\n';
}

void info(bool json) {
    KeyboardSession session;
    session.requireKeyboard();
    const KeyboardFacts facts = session.readFacts();
    if (json) return printJson(keyboardJson(facts));
    printFacts(facts);
}

void profile(std::optional<int> chosen, bool json) {
    KeyboardSession session;
    session.requireKeyboard();
    if (chosen) {
        SharedChange change;
        requireDone(session.commands().setActiveProfile(*chosen), "the profile switch");
    }
    const int active = session.activeProfile();
    if (json) return printJson({{"activeProfile", active}});
    std::cout << active << '\n';
}

}  // namespace

void addKeyboardCommands(CommandLine &line) {
    auto *listCommand = line.app.add_subcommand("list", "list the keyboards found");
    auto listJson = std::make_shared<bool>(false);
    addJsonFlag(listCommand, *listJson);
    runs(listCommand, line, [listJson] { list(*listJson); });

    auto *infoCommand = line.app.add_subcommand(
        "info", "firmware, active profile, macro capacity and lighting modes of the keyboard");
    auto infoJson = std::make_shared<bool>(false);
    addJsonFlag(infoCommand, *infoJson);
    runs(infoCommand, line, [infoJson] { info(*infoJson); });

    auto *profileCommand =
        line.app.add_subcommand("profile", "show the active on-board profile, or switch to N");
    auto chosen = std::make_shared<int>(-1);
    auto profileJson = std::make_shared<bool>(false);
    auto *number = profileCommand->add_option("N", *chosen, "profile 0..2 to make active")
                       ->check(CLI::Range(0, 2));
    addJsonFlag(profileCommand, *profileJson);
    runs(profileCommand, line, [chosen, number, profileJson] {
        profile(number->count() ? std::optional<int>(*chosen) : std::nullopt, *profileJson);
    });
}

}  // namespace cli
