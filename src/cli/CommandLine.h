// The command tree of varnelctl. Each command group adds its subcommands; the
// chosen command's work runs after the whole line has been parsed, so a usage
// error is found before anything reaches the keyboard or a file.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace cli {

struct CommandLine {
    CLI::App app{"Configure the Tarvik Q770RGB-PRO keyboard from a terminal or a script.",
                 "varnelctl"};
    std::function<void()> work;
};

// Makes `work` the line's work when `command` is the one chosen.
void runs(CLI::App *command, CommandLine &line, std::function<void()> work);

// Adds --json to a read command.
CLI::Option *addJsonFlag(CLI::App *command, bool &json);

// Prints a JSON document on stdout (two-space indent, one trailing newline).
void printJson(const nlohmann::json &document);

// The lighting modes by code and name, as `info` and `lighting modes` give them.
nlohmann::json modesJson(const std::vector<int> &codes);

// The profile a command addresses: --profile N when given, else the active one.
CLI::Option *addProfileOption(CLI::App *command, int &profile);

void addKeyboardCommands(CommandLine &line);
void addLightingCommands(CommandLine &line);
void addProfileFileCommands(CommandLine &line);
void addKeyCommands(CommandLine &line);
void addMacroCommands(CommandLine &line);

}  // namespace cli
