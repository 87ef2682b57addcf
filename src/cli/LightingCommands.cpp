// lighting show, set and modes: the lighting model of the window, driven from
// the command line. Every value is checked before the first write, so a bad
// value changes nothing on the keyboard.
#include <iostream>

#include "cli/CommandLine.h"
#include "cli/ExitCode.h"
#include "cli/KeyNames.h"
#include "cli/KeyboardSession.h"
#include "cli/LightingChoices.h"
#include "cli/SharedChange.h"
#include "cli/Texts.h"
#include "model/lighting/LightingModel.h"
#include "settings/AppPaths.h"
#include "settings/UserPaths.h"

namespace cli {
namespace {

// varnelctl paints no keys and asks nothing: the host has no window.
class NoWindowHost final : public lighting::LightingHost {
public:
    bool reselectCurrentProfile() override { return true; }
    void showKeyColour(int, lighting::Colour) override {}
};

struct LightingRequest {
    int profile = -1;
    std::string mode;
    std::optional<int> brightness;
    std::optional<int> speed;
    std::string direction;
    std::string colour;
    std::string multicolour;
};

// The lighting of one profile, read back from the keyboard.
class LightingSession {
public:
    explicit LightingSession(int profile) : model_(session_.commands(), host_, pathsOfThisUser()) {
        session_.requireKeyboard();
        model_.setCurrentProfile(session_.profileOr(profile));
        if (model_.reloadLighting() != 0)
            fail(ExitCode::KeyboardError, "the keyboard's lighting cannot be read");
    }
    lighting::LightingModel &model() { return model_; }

private:
    static lighting::LightingPaths pathsOfThisUser() {
        const app::UserPaths user = app::UserPaths::forCurrentUser();
        return {user.settingsFile, user.userFolder, app::runningAppPaths().defaultLightingFile()};
    }

    KeyboardSession session_;
    NoWindowHost host_;
    lighting::LightingModel model_;
};

// The selector index of a mode given by its code or by the name the window shows.
int selectorIndexOf(const lighting::ModeList &modes, const std::string &wanted) {
    for (int index = 0; index < modes.size(); ++index) {
        const int code = modes.codeOf(index);
        if (wanted == std::to_string(code) || sameName(wanted, modeName(code))) return index;
    }
    fail(ExitCode::Usage, "unknown lighting mode \"" + wanted +
                              "\"; 'varnelctl lighting modes' lists the keyboard's modes");
}

nlohmann::json stateJson(const lighting::LightingState &state) {
    return {{"profile", state.profile},
            {"mode", {{"code", state.mode}, {"name", modeName(state.mode)}}},
            {"brightness", state.brightness},
            {"speed", 4 - state.speed},
            {"direction", directionName(state.mode, state.direction)},
            {"multicolour", state.multicolour},
            {"colour", colourText(state.colour)},
            {"presetColour", presetColourName(state.presetColour)},
            {"reportRate", state.reportRate}};
}

void show(int profile, bool json) {
    LightingSession session(profile);
    const nlohmann::json state = stateJson(session.model().state());
    if (json) return printJson(state);
    std::cout << "profile:      " << state["profile"] << '\n'
              << "mode:         " << state["mode"]["code"] << ' '
              << state["mode"]["name"].get<std::string>() << '\n'
              << "brightness:   " << state["brightness"] << '\n'
              << "speed:        " << state["speed"] << '\n'
              << "direction:    " << state["direction"].get<std::string>() << '\n'
              << "multicolour:  " << (state["multicolour"].get<bool>() ? "on" : "off") << '\n'
              << "colour:       " << state["colour"].get<std::string>() << '\n'
              << "preset:       " << state["presetColour"].get<std::string>() << '\n'
              << "report rate:  " << state["reportRate"] << '\n';
}

void modes(bool json) {
    KeyboardSession session;
    session.requireKeyboard();
    const KeyboardFacts facts = factsOf(session.readInfo());
    if (json) return printJson(modesJson(facts.modes));
    for (int code : facts.modes) std::cout << code << '\t' << modeName(code) << '\n';
}

void write(int result, const char *what) {
    requireDone(result, std::string("the ") + what + " write");
}

void setColourChoice(lighting::LightingModel &model, const ColourChoice &choice) {
    if (const auto *colour = std::get_if<lighting::Colour>(&choice))
        write(model.setColour(*colour), "colour");
    else
        write(model.setPresetColourIndex(std::get<int>(choice)), "preset colour");
}

bool changesSomething(const LightingRequest &request) {
    return !request.mode.empty() || request.brightness || request.speed ||
           !request.direction.empty() || !request.colour.empty() || !request.multicolour.empty();
}

void set(const LightingRequest &request) {
    if (!changesSomething(request))
        fail(ExitCode::Usage, "lighting set needs at least one value to set; see --help");
    LightingSession session(request.profile);
    SharedChange change;
    lighting::LightingModel &model = session.model();
    const std::optional<int> modeIndex =
        request.mode.empty() ? std::nullopt
                             : std::optional<int>(selectorIndexOf(model.modes(), request.mode));
    if (modeIndex) write(model.selectMode(*modeIndex), "mode");
    if (request.brightness) write(model.setBrightness(*request.brightness), "brightness");
    if (request.speed) write(model.setSpeed(*request.speed), "speed");
    if (!request.direction.empty())
        write(model.setDirection(*parseDirection(request.direction)), "direction");
    if (!request.colour.empty()) setColourChoice(model, *parseColourChoice(request.colour));
    if (!request.multicolour.empty() && model.state().multicolour != (request.multicolour == "on"))
        write(model.toggleMulticolour(), "multicolour");
}

std::string checkColour(const std::string &text) {
    return parseColourChoice(text) ? std::string()
                                   : "colour must be RRGGBB or red, yellow, green, blue";
}

std::string checkDirection(const std::string &text) {
    return parseDirection(text) ? std::string()
                                : "direction must be left, right, up, down, outward or inward";
}

void addSet(CLI::App *lighting, CommandLine &line) {
    auto *command = lighting->add_subcommand(
        "set", "change the lighting of a profile; every value is checked before any is written");
    auto request = std::make_shared<LightingRequest>();
    command->add_option("--mode", request->mode,
                        "mode by name (as 'lighting modes' lists) or code");
    command->add_option("--brightness", request->brightness, "brightness 0..4")
        ->check(CLI::Range(0, 4));
    command->add_option("--speed", request->speed, "speed 0..4 (the window's slider position)")
        ->check(CLI::Range(0, 4));
    command->add_option("--direction", request->direction, "left|right (up|down, outward|inward)")
        ->check(checkDirection);
    command
        ->add_option("--colour,--color", request->colour,
                     "RRGGBB, or a preset colour: red|yellow|green|blue")
        ->check(checkColour);
    command->add_option("--multicolour,--multicolor", request->multicolour, "on|off")
        ->check(CLI::IsMember({"on", "off"}));
    addProfileOption(command, request->profile);
    runs(command, line, [request] { set(*request); });
}

}  // namespace

void addLightingCommands(CommandLine &line) {
    auto *lighting = line.app.add_subcommand("lighting", "show or change the lighting");
    lighting->require_subcommand(1);

    auto *showCommand = lighting->add_subcommand("show", "the lighting of a profile");
    auto showProfile = std::make_shared<int>(-1);
    auto showJson = std::make_shared<bool>(false);
    addProfileOption(showCommand, *showProfile);
    addJsonFlag(showCommand, *showJson);
    runs(showCommand, line, [showProfile, showJson] { show(*showProfile, *showJson); });

    addSet(lighting, line);

    auto *modesCommand = lighting->add_subcommand("modes", "the keyboard's lighting modes");
    auto modesJson = std::make_shared<bool>(false);
    addJsonFlag(modesCommand, *modesJson);
    runs(modesCommand, line, [modesJson] { modes(*modesJson); });
}

}  // namespace cli
