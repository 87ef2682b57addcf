// The varnel executable as separate processes: the single-instance rule with
// its "/Start" and "/Kill" switches, and start-up failures that name what is missing.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <cstdlib>
#include <filesystem>

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
        auto *process = new QProcess;
        process->setProcessEnvironment(environment);
        process->start(QString::fromStdString(program.string()), arguments);
        processes_.push_back(process);
        return *process;
    }
    QString file(const char *name) const {
        return QString::fromStdString((folder_ / name).string());
    }

    fs::path folder_;
    std::vector<QProcess *> processes_;
};

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

}  // namespace
