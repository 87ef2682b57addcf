// The varnel executable as separate processes: the single-instance rule with
// its "/Start" and "/Kill" switches, and start-up failures that name what is missing.
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

namespace fs = std::filesystem;

fs::path binFolder() {
    const char *folder = std::getenv("VARNEL_TEST_BIN_DIR");
    return folder ? fs::path(folder) : fs::current_path();
}

bool waitForFile(const fs::path &file, int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += 50) {
        if (fs::exists(file)) return true;
        QThread::msleep(50);
    }
    return fs::exists(file);
}

class InstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "varnel-instance-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::replace);
    }
    void TearDown() override {
        for (QProcess *process : processes_) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(3000);
            }
            delete process;
        }
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    QProcess &start(const fs::path &program, const QStringList &arguments,
                    const QString &grabFile = QString()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("USBGATE_BACKEND", "simulator");
        environment.insert("USBGATE_SIM_PLUGGED", "1");
        for (const char *name :
             {"XDG_RUNTIME_DIR", "XDG_STATE_HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
            environment.insert(name, QString::fromStdString(folder_.string()));
        }
        environment.insert("USBGATE_SIM_SOCKET",
                           QString::fromStdString((folder_ / "sim.sock").string()));
        environment.remove("VARNEL_GRAB_WINDOW");
        if (!grabFile.isEmpty()) environment.insert("VARNEL_GRAB_WINDOW", grabFile);
        for (const auto &[name, value] : overrides_) {
            if (value.isNull()) environment.remove(name);
            if (!value.isNull()) environment.insert(name, value);
        }
        auto *process = new QProcess;
        process->setProcessEnvironment(environment);
        if (!workingFolder_.empty()) {
            process->setWorkingDirectory(QString::fromStdString(workingFolder_.string()));
        }
        QStringList all = wrapper_;
        all << QString::fromStdString(program.string()) << arguments;
        process->start(all.takeFirst(), all);
        processes_.push_back(process);
        return *process;
    }
    QString file(const char *name) const {
        return QString::fromStdString((folder_ / name).string());
    }

    // The next starts run in a mount namespace of their own whose /dev/shm (where
    // the named events live) is the given folder, so this test sees only its
    // own processes' events. False where such namespaces are not allowed.
    bool isolateSharedMemory(const fs::path &shm) {
        fs::create_directories(shm);
        QProcess probe;
        probe.start("unshare", {"--user", "--map-current-user", "--mount", "true"});
        if (!probe.waitForFinished(10000) || probe.exitCode() != 0) return false;
        wrapper_ = {"unshare",
                    "--user",
                    "--map-current-user",
                    "--mount",
                    "sh",
                    "-c",
                    "mount --bind \"$0\" /dev/shm && exec \"$@\"",
                    QString::fromStdString(shm.string())};
        return true;
    }

    fs::path folder_;
    fs::path workingFolder_;
    std::map<QString, QString> overrides_;  // a null value removes the variable
    QStringList wrapper_;
    std::vector<QProcess *> processes_;
};

// True once a process listens on the socket (a stale socket file refuses).
bool waitForListener(const fs::path &socket, int timeoutMs) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socket.c_str());
    for (int waited = 0; waited <= timeoutMs; waited += 50) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const bool listening =
            ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        ::close(fd);
        if (listening) return true;
        QThread::msleep(50);
    }
    return false;
}

std::size_t namedEventsIn(const fs::path &shm) {
    std::size_t count = 0;
    for (const auto &entry : fs::directory_iterator(shm)) {
        if (entry.path().filename().string().starts_with("sem.Varnel_Event_Main_")) ++count;
    }
    return count;
}

TEST_F(InstanceTest, SecondInstanceOpensTheFirstAndKillEndsIt) {
    const fs::path varnel = binFolder() / "varnel";
    QProcess &first = start(varnel, {"/Start"}, file("first.png"));
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(waitForFile(folder_ / "QX11K09A.sock", 10000));
    // The keyboard's arrival is being handled once its profile data is written.
    ASSERT_TRUE(waitForFile(folder_ / "Tarvik Q770RGB-PRO" / "$Profile0", 20000));
    QThread::msleep(500);
    EXPECT_FALSE(fs::exists(folder_ / "first.png"));  // "/Start": still in the tray

    QProcess &second = start(varnel, {}, file("second.png"));
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(waitForFile(folder_ / "first.png", 10000)) << "the first window did not open";
    EXPECT_FALSE(fs::exists(folder_ / "second.png"));

    QProcess &killer = start(varnel, {"/kill"});
    ASSERT_TRUE(killer.waitForFinished(10000));
    EXPECT_EQ(killer.exitCode(), 0);
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
}

TEST_F(InstanceTest, StartupFailuresSayWhatIsMissingAndEndWithAnErrorCode) {
    // A folder with the utility and its skin but without the device library.
    const fs::path bare = folder_ / "bare";
    fs::create_directories(bare);
    fs::copy_file(binFolder() / "varnel", bare / "varnel");
    fs::create_directory_symlink(binFolder() / "Skins", bare / "Skins");
    fs::create_symlink(binFolder() / "Lang0409.ini", bare / "Lang0409.ini");
    QProcess &noLibrary = start(bare / "varnel", {});
    ASSERT_TRUE(noLibrary.waitForFinished(10000));
    EXPECT_NE(noLibrary.exitCode(), 0);
    EXPECT_TRUE(noLibrary.readAllStandardError().contains("device library"));

    // The library is there, a skin picture is not.
    fs::remove(bare / "Skins");
    fs::copy(binFolder() / "Skins", bare / "Skins", fs::copy_options::recursive);
    fs::remove(bare / "Skins" / "main_over.jpg");
    fs::create_symlink(binFolder() / "libUsbgate.so", bare / "libUsbgate.so");
    QProcess &noPicture = start(bare / "varnel", {});
    ASSERT_TRUE(noPicture.waitForFinished(10000));
    EXPECT_NE(noPicture.exitCode(), 0);
    EXPECT_TRUE(noPicture.readAllStandardError().contains("main_over.jpg"));
}

TEST_F(InstanceTest, ASecondCopyWaitsForABusyFirstAndNeverBecomesASecondInstance) {
    const fs::path varnel = binFolder() / "varnel";
    overrides_["USBGATE_SIM_PLUGGED"] = "0";
    QProcess &first = start(varnel, {"/Start"});
    ASSERT_TRUE(waitForFile(folder_ / "QX11K09A.sock", 10000));
    // With no keyboard the first answers "OPEN" with a message box nobody closes:
    // it is alive but busy for as long as the box stays.
    QProcess &second = start(varnel, {});
    ASSERT_TRUE(second.waitForStarted());
    // Longer than any fixed hand-over wait would be.
    EXPECT_FALSE(second.waitForFinished(12000)) << "the second copy stopped waiting";
    // Ending the first answers the waiting copy, which ends too, without a window.
    first.terminate();
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    ASSERT_TRUE(second.waitForFinished(10000)) << "the second copy became an instance";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(fs::exists(folder_ / "QX11K09A.sock"));
}

TEST_F(InstanceTest, SignalsShutDownInOrderAndAStartAfterACrashCleansUp) {
    const fs::path shm = folder_ / "shm";
    if (!isolateSharedMemory(shm)) GTEST_SKIP() << "no mount namespaces here";
    const fs::path varnel = binFolder() / "varnel";
    const fs::path socket = folder_ / "QX11K09A.sock";
    const fs::path userFolder = folder_ / "Tarvik Q770RGB-PRO";
    const auto startInstance = [&]() -> QProcess & {
        QProcess &process = start(varnel, {"/Start"});
        EXPECT_TRUE(waitForListener(socket, 10000));
        EXPECT_TRUE(waitForFile(userFolder / "$Profile0", 20000));
        for (int i = 0; i < 200 && namedEventsIn(shm) < 208; ++i) QThread::msleep(50);
        EXPECT_EQ(namedEventsIn(shm), 208u);
        return process;
    };
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        QProcess &instance = startInstance();
        ASSERT_EQ(::kill(static_cast<pid_t>(instance.processId()), signal), 0);
        ASSERT_TRUE(instance.waitForFinished(10000));
        EXPECT_EQ(instance.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(instance.exitCode(), 0) << signal;
        EXPECT_EQ(namedEventsIn(shm), 0u) << signal;
        EXPECT_FALSE(fs::exists(socket)) << signal;
    }

    // A crash leaves the events, the socket and an interrupted settings write.
    QProcess &crashed = startInstance();
    const auto crashedPid = std::to_string(crashed.processId());
    crashed.kill();
    ASSERT_TRUE(crashed.waitForFinished(10000));
    ASSERT_EQ(namedEventsIn(shm), 208u);
    ASSERT_TRUE(fs::exists(socket));
    const fs::path interrupted[] = {
        folder_ / "Tarvik Q770RGB-PRO" / ("registry.ini.tmp." + crashedPid + ".0.7"),
        userFolder / ("tvkb.ini.tmp." + crashedPid + ".3.9")};
    for (const fs::path &file : interrupted) std::ofstream(file) << "[half";
    const fs::path notOurs = userFolder / "notes.tmp";
    std::ofstream(notOurs) << "keep";

    QProcess &next = startInstance();
    for (const fs::path &file : interrupted) EXPECT_FALSE(fs::exists(file)) << file;
    EXPECT_TRUE(fs::exists(notOurs));
    next.terminate();
    ASSERT_TRUE(next.waitForFinished(10000));
    EXPECT_EQ(next.exitCode(), 0);
    EXPECT_EQ(namedEventsIn(shm), 0u) << "the next start reused the dead instance's events";
    EXPECT_FALSE(fs::exists(socket));
}

TEST_F(InstanceTest, WithoutAPrivateFolderItRefusesAndWritesNothingInTheWorkingFolder) {
    const fs::path temporary = folder_ / "tmp";
    const fs::path shared = temporary / ("varnel-" + std::to_string(::getuid()));
    fs::create_directories(shared);
    fs::permissions(shared, fs::perms::owner_all | fs::perms::others_exec,
                    fs::perm_options::replace);  // others can enter: not private
    workingFolder_ = folder_ / "work";
    fs::create_directories(workingFolder_);
    overrides_["XDG_RUNTIME_DIR"] = QString();
    overrides_["TMPDIR"] = QString::fromStdString(temporary.string());
    QProcess &refused = start(binFolder() / "varnel", {});
    ASSERT_TRUE(refused.waitForFinished(10000)) << "it started without a private folder";
    EXPECT_NE(refused.exitCode(), 0);
    EXPECT_TRUE(refused.readAllStandardError().contains("XDG_RUNTIME_DIR"));
    EXPECT_TRUE(fs::is_empty(workingFolder_));
    EXPECT_TRUE(fs::is_empty(shared));
}

}  // namespace
