#include "SimulatedLighting.h"

namespace lighting::test {

void SimulatedLightingTest::SetUp() {
    SimulatedKeyboardTest::SetUp();
    if (!commands) return;
    model = std::make_unique<LightingModel>(*commands, host, paths());
}

void SimulatedLightingTest::TearDown() {
    model.reset();
    SimulatedKeyboardTest::TearDown();
}

LightingPaths SimulatedLightingTest::paths() const {
    return {folder.path() / "tvkb.ini", folder.path(), folder.path() / "UserDengColor_3.userd"};
}

void SimulatedLightingTest::setModeBytes(std::vector<std::uint8_t> modes) {
    modes.resize(32, 0);
    poke("info", 12, modes);
}

std::vector<std::uint8_t> SimulatedLightingTest::keyColour(int profile, int slot) {
    return peek("colours" + std::to_string(profile), slot * 3, 3);
}

std::vector<std::pair<int, int>> SimulatedLightingTest::paramWrites() {
    std::vector<std::pair<int, int>> writes;
    for (const auto &report : keyboard().writesOf(devicelink::CommandCode::WriteParams))
        writes.push_back({report[5] | report[6] << 8, report[4]});
    return writes;
}

int SimulatedLightingTest::countOf(devicelink::CommandCode code) {
    return int(keyboard().writesOf(code).size());
}

int SimulatedLightingTest::selectCode(int code) {
    return model->selectMode(model->modes().indexOf(code));
}

}  // namespace lighting::test
