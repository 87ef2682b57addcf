// A user without access to the keyboard's nodes is told which udev rule gives it.
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "GuestKeyboard.h"

namespace kerneltest {
namespace {

constexpr uid_t kNobody = 65534;

// Gives every hidraw node `mode`, owned by root, and (when `announce`) tells
// udev and the kernel's listeners with a "change" event, as `udevadm trigger`
// does after a rule is installed.
void setNodeModes(mode_t mode, bool announce) {
    for (const auto &entry : std::filesystem::directory_iterator("/dev")) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("hidraw", 0) != 0) continue;
        ASSERT_EQ(chmod(entry.path().c_str(), mode), 0);
        ASSERT_EQ(chown(entry.path().c_str(), 0, 0), 0);
        if (announce) std::ofstream("/sys/class/hidraw/" + name + "/uevent") << "change";
    }
}

// Runs the probe as an unprivileged user and returns its stdout and stderr
// together; once it has reported what it reaches, runs `meanwhile` (as root).
template <typename Action>
std::string probeAsNobody(Action meanwhile) {
    const std::string probe =
        (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "kernel_guest_probe");
    int output[2];
    if (pipe(output) != 0) return "pipe failed";
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        dup2(output[1], STDERR_FILENO);
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(3);
        execl(probe.c_str(), probe.c_str(), static_cast<char *>(nullptr));
        _exit(4);
    }
    close(output[1]);
    std::string text;
    bool reported = false;
    char buffer[512];
    for (ssize_t n; (n = read(output[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, n);
        if (!reported && text.find("command units: ") != std::string::npos) {
            reported = true;
            meanwhile();
        }
    }
    close(output[0]);
    int status = 0;
    waitpid(child, &status, 0);
    text += "exit " + std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return text;
}

using PermissionTest = GuestKeyboardTest;

// When access is then given and announced as a "change" of the nodes, as
// after installing the rule, the keyboard is reached without plugging it in
// again.
TEST_F(PermissionTest, NodeOfMode0600NamesTheUdevRuleAndAccessGivenLaterReachesTheKeyboard) {
    setNodeModes(0600, false);
    const std::string output = probeAsNobody([] { setNodeModes(0666, true); });
    EXPECT_NE(output.find("70-varnel-keyboard.rules"), std::string::npos) << output;
    EXPECT_NE(output.find("Permission denied"), std::string::npos) << output;
    EXPECT_NE(output.find("command units: 0"), std::string::npos) << output;
    EXPECT_NE(output.find("command units after the change: 1"), std::string::npos) << output;
    EXPECT_NE(output.find("exit 0"), std::string::npos) << output;
}

}  // namespace
}  // namespace kerneltest
