#include "app/CVarnelApp.h"

#include <unistd.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <thread>

#include "app/Leftovers.h"
#include "app/ShutdownSignals.h"
#include "app/WindowGrab.h"
#include "platform/Folders.h"
#include "platform/InstanceLock.h"
#include "platform/LocalChannel.h"
#include "settings/InstanceChannel.h"
#include "ui/mainwindow/CVarnelDlg.h"
#include "ui/mainwindow/WindowMessages.h"

namespace {

using namespace std::chrono_literals;

// How often a waiting copy looks whether the running one still lives, and how
// long it waits before it says on the terminal that it is waiting.
constexpr auto kLivenessCheck = 250ms;
constexpr auto kRetryPause = 100ms;
constexpr auto kSayWaitingAfter = 5s;

constexpr int kNoPrivateFolderExitCode = 1;

int refuseWithoutPrivateFolder() {
    std::fprintf(stderr,
                 "varnel: no private folder for the single-instance lock and socket: "
                 "XDG_RUNTIME_DIR is not set (or not usable) and the folder varnel-%u in the "
                 "temporary folder is missing or others can enter it. Set XDG_RUNTIME_DIR, or "
                 "remove that folder so it can be made again with mode 0700.\n",
                 ::getuid());
    return kNoPrivateFolderExitCode;
}

}  // namespace

CommandLine parseCommandLine(const QStringList &arguments) {
    CommandLine line;
    for (const QString &argument : arguments) {
        if (argument.compare(QLatin1String("/Kill"), Qt::CaseInsensitive) == 0) line.kill = true;
        if (argument.compare(QLatin1String("/Start"), Qt::CaseInsensitive) == 0) {
            line.startHidden = true;
        }
    }
    return line;
}

CVarnelApp::CVarnelApp(app::AppPaths paths, mainwindow::MainWindowEnvironment environment)
    : paths_(std::move(paths)), environment_(std::move(environment)) {}

CVarnelApp::~CVarnelApp() {
    signals_.reset();
    channel_.reset();  // no instance request reaches a window being destroyed
    window_.reset();
}

CVarnelApp::Claim CVarnelApp::claimInstance(std::string_view command) {
    const auto started = std::chrono::steady_clock::now();
    bool saidWaiting = false;
    const auto firstLives = [this] {
        return platform::InstanceLock::heldByAnother(folder_, app::kInstanceName);
    };
    for (;;) {
        lock_ = std::make_unique<platform::InstanceLock>(folder_, app::kInstanceName);
        if (lock_->held()) return Claim::First;
        if (!lock_->heldElsewhere()) return Claim::NoPrivateFolder;
        lock_.reset();
        // The running instance may be busy (a message box, a long exchange): wait
        // for its answer as long as it lives. Nobody listening yet means it is
        // still starting; a dropped connection means it ended or refused: look again.
        if (platform::sendChannelCommandWhile(app::instanceChannelSocket(folder_), command,
                                              firstLives,
                                              kLivenessCheck) == platform::ChannelResult::Handled) {
            return Claim::HandedOver;
        }
        if (!saidWaiting && std::chrono::steady_clock::now() - started > kSayWaitingAfter) {
            std::fprintf(stderr, "varnel: waiting for the running copy to answer\n");
            saidWaiting = true;
        }
        std::this_thread::sleep_for(kRetryPause);
    }
}

void CVarnelApp::startCompanion() {
    // A missing companion program is a failed start and nothing more.
    environment_.startProgram(paths_.companionProgram, {}, {});
}

void CVarnelApp::listenForOtherInstances() {
    channel_ = std::make_unique<platform::LocalChannelServer>(
        app::instanceChannelSocket(folder_), [this](const std::string &command) {
            if (command == app::kOpenCommand) {
                window_->sendMessage(mainwindow::kMsgShow, mainwindow::kTagOpen);
            } else if (command == app::kKillCommand) {
                window_->sendMessage(mainwindow::kMsgExit, mainwindow::kTagKill);
            } else if (command == app::kReloadCommand) {
                window_->sendMessage(mainwindow::kMsgReload, mainwindow::kTagFiles);
            }
        });
}

int CVarnelApp::run(const QStringList &arguments) {
    const CommandLine line = parseCommandLine(arguments);
    folder_ = platform::runtimeFolder();
    // "/Kill" ends the running instance and this process; without one, start normally.
    switch (claimInstance(line.kill ? app::kKillCommand : app::kOpenCommand)) {
        case Claim::HandedOver:
            return 0;
        case Claim::NoPrivateFolder:
            return refuseWithoutPrivateFolder();
        case Claim::First:
            break;
    }
    app::removeLeftoversOfEndedInstance();
    startCompanion();

    stores_ = std::make_unique<ProcessStores>();
    environment_.releaseInstance = [this] { lock_->release(); };
    window_ = std::make_unique<CVarnelDlg>(paths_, *stores_, environment_);
    if (line.startHidden) window_->setStartHidden();
    watchForWindowGrab(*window_);
    QObject::connect(window_.get(), &CVarnelDlg::shutdownFinished, qApp, &QApplication::quit,
                     Qt::QueuedConnection);
    signals_ = std::make_unique<ShutdownSignals>([this] { window_->shutdown(); });
    listenForOtherInstances();
    window_->startUp();
    QApplication::exec();
    return 0;
}
