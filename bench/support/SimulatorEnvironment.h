// The environment every benchmark with the simulated keyboard runs in: the
// simulator backend with a plugged keyboard, and fresh per-user, state and
// runtime folders inside one scratch folder.
#pragma once

#include <filesystem>

namespace benchsupport {

void useSimulatorIn(const std::filesystem::path &folder);

}  // namespace benchsupport
