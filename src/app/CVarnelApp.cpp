#include "app/CVarnelApp.h"

#include <QApplication>

#include "app/WindowGrab.h"
#include "platform/Folders.h"
#include "platform/InstanceLock.h"
#include "platform/LocalChannel.h"
#include "ui/mainwindow/CVarnelDlg.h"
#include "ui/mainwindow/WindowMessages.h"

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
    channel_.reset();  // no instance request reaches a window being destroyed
    window_.reset();
}

std::filesystem::path CVarnelApp::channelSocket() {
    return app::instanceChannelSocket();
}

bool CVarnelApp::handOverToRunningInstance(const char *command) {
    return platform::sendChannelCommand(channelSocket(), command);
}

void CVarnelApp::startCompanion() {
    // A missing companion program is a failed start and nothing more.
    environment_.startProgram(paths_.companionProgram, {}, {});
}

void CVarnelApp::listenForOtherInstances() {
    channel_ = std::make_unique<platform::LocalChannelServer>(
        channelSocket(), [this](const std::string &command) {
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
    // "/Kill" ends the running instance and this process; without one, start normally.
    if (line.kill && handOverToRunningInstance("KILL")) return 0;
    lock_ = std::make_unique<platform::InstanceLock>(platform::runtimeFolder(), kInstanceName);
    if (!lock_->held() && handOverToRunningInstance("OPEN")) return 0;
    startCompanion();

    stores_ = std::make_unique<ProcessStores>();
    environment_.releaseInstance = [this] { lock_->release(); };
    window_ = std::make_unique<CVarnelDlg>(paths_, *stores_, environment_);
    if (line.startHidden) window_->setStartHidden();
    watchForWindowGrab(*window_);
    QObject::connect(window_.get(), &CVarnelDlg::shutdownFinished, qApp, &QApplication::quit,
                     Qt::QueuedConnection);
    // Only the holder of the lock answers later instances.
    if (lock_->held()) listenForOtherInstances();
    window_->startUp();
    QApplication::exec();
    return 0;
}
