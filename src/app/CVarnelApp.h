// The application object: builds the paths, makes the single-instance decision
// from the command line ("/Start", "/Kill", in any case), starts the companion
// program, runs the main window until its shutdown, and answers a later
// instance's "OPEN" and "KILL" through the local channel.
#pragma once

#include <QStringList>
#include <filesystem>
#include <memory>
#include <string_view>

#include "settings/AppPaths.h"
#include "ui/mainwindow/MainWindowEnvironment.h"

namespace platform {
class InstanceLock;
class LocalChannelServer;
}  // namespace platform

class CVarnelDlg;
class ShutdownSignals;
struct ProcessStores;

struct CommandLine {
    bool kill = false;
    bool startHidden = false;
};
// The switches among the arguments (the program name excluded), case-insensitive.
CommandLine parseCommandLine(const QStringList &arguments);

class CVarnelApp {
public:
    CVarnelApp(app::AppPaths paths, mainwindow::MainWindowEnvironment environment);
    ~CVarnelApp();

    // Runs the utility; the result is the process exit code.
    int run(const QStringList &arguments);

private:
    enum class Claim { First, HandedOver, NoPrivateFolder };

    // Takes the instance lock, or hands the command to the instance that holds it
    // and waits for as long as that instance lives. Never a second instance.
    Claim claimInstance(std::string_view command);
    void startCompanion();
    void listenForOtherInstances();

    std::filesystem::path folder_;  // the private folder of the lock and the socket
    app::AppPaths paths_;
    mainwindow::MainWindowEnvironment environment_;
    std::unique_ptr<platform::InstanceLock> lock_;
    std::unique_ptr<platform::LocalChannelServer> channel_;
    std::unique_ptr<ProcessStores> stores_;
    std::unique_ptr<CVarnelDlg> window_;
    std::unique_ptr<ShutdownSignals> signals_;
};
