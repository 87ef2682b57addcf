#include "cli/SharedChange.h"

#include <chrono>
#include <thread>

#include "cli/ExitCode.h"
#include "platform/Folders.h"
#include "platform/InstanceLock.h"
#include "platform/LocalChannel.h"
#include "settings/InstanceChannel.h"

namespace cli {
namespace {

// Another varnelctl holds the lock for one command; the window holds it for
// as long as its changes stay unapplied.
constexpr auto kLockWait = std::chrono::seconds(2);
constexpr auto kLockRetry = std::chrono::milliseconds(20);

std::unique_ptr<platform::InstanceLock> takeFilesLock() {
    const auto giveUp = std::chrono::steady_clock::now() + kLockWait;
    for (;;) {
        auto lock = std::make_unique<platform::InstanceLock>(platform::runtimeFolder(),
                                                             app::kUserFilesLockName);
        if (!lock->heldElsewhere()) return lock;
        if (std::chrono::steady_clock::now() >= giveUp) return nullptr;
        std::this_thread::sleep_for(kLockRetry);
    }
}

bool windowRuns() {
    return platform::InstanceLock::heldByAnother(platform::runtimeFolder(), app::kInstanceName);
}

bool tellWindow() {
    return platform::sendChannelCommand(app::instanceChannelSocket(), app::kReloadCommand);
}

}  // namespace

SharedChange::SharedChange() : filesLock_(takeFilesLock()), windowRuns_(windowRuns()) {
    if (!filesLock_)
        fail(ExitCode::FileError,
             "the running varnel window has key changes that are not applied yet (or another "
             "varnelctl is busy): apply or discard them in the window, then try again");
    // Asking for a re-read before the change proves that the window will hear
    // the one after it.
    if (windowRuns_ && !tellWindow())
        fail(ExitCode::FileError,
             "varnel is running but does not answer on its local channel, so it would not "
             "learn of the change; close it with 'varnel /Kill' or try again");
}

SharedChange::~SharedChange() {
    if (windowRuns_) tellWindow();
}

}  // namespace cli
