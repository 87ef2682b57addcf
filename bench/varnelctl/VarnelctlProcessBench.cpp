// `varnelctl lighting set` as a whole process, from spawn to exit, with the
// simulated keyboard answering at once: binding the device library, reading
// the info block and the three parameter records, writing one value.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ScratchFolder.h"
#include "SimulatorEnvironment.h"
#include "platform/Folders.h"

extern char **environ;

namespace {

int runVarnelctl(const std::vector<std::string> &arguments) {
    static const std::string program = (platform::applicationFolder() / "varnelctl").string();
    std::vector<char *> argv{const_cast<char *>(program.c_str())};
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_LightingSetProcess(benchmark::State &state) {
    int brightness = 0;
    for (auto _ : state) {
        brightness = (brightness + 1) % 5;  // a different value each time, so it is written
        if (runVarnelctl({"lighting", "set", "--brightness", std::to_string(brightness)}) != 0) {
            state.SkipWithError("varnelctl failed");
            return;
        }
    }
}
BENCHMARK(BM_LightingSetProcess)->Unit(benchmark::kMillisecond)->Iterations(40)->UseRealTime();

// For comparison: the process alone (help text, no device library), and a set
// that finds the value already there (the read-back group, no write group).
void BM_ProcessOnly(benchmark::State &state) {
    for (auto _ : state) runVarnelctl({"--help"});
}
BENCHMARK(BM_ProcessOnly)->Unit(benchmark::kMillisecond)->Iterations(40)->UseRealTime();

void BM_LightingSetUnchanged(benchmark::State &state) {
    for (auto _ : state) runVarnelctl({"lighting", "set", "--brightness", "4"});
}
BENCHMARK(BM_LightingSetUnchanged)->Unit(benchmark::kMillisecond)->Iterations(40)->UseRealTime();

}  // namespace

int main(int argc, char **argv) {
    const ScratchFolder scratch;
    benchsupport::useSimulatorIn(scratch.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
