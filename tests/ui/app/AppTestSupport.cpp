#include "AppTestSupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdlib>

#include "settings/AppPaths.h"
#include "settings/UserPaths.h"
#include "ui/mainwindow/CTrayIcon.h"
#include "devicelink/SharedUsbgate.h"
#include "ui/skin/layout/LanguageText.h"

namespace apptest {
namespace {

// One QApplication and one simulator folder for the whole test program, set up
// before the device library is bound (it reads the environment once).
class AppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        // Offscreen unless a test program runs on a real display server.
        const QByteArray platform = qgetenv("VARNEL_TEST_PLATFORM");
        qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
        folder_ = std::make_unique<ScratchFolder>();
        setenv("USBGATE_BACKEND", "simulator", 1);
        setenv("USBGATE_SIM_PLUGGED", "1", 1);
        setenv("XDG_STATE_HOME", (*folder_ / "state").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", folder_->path().c_str(), 1);
        setenv("USBGATE_SIM_SOCKET", (*folder_ / "sim.sock").c_str(), 1);
        setenv("LANG", "C", 1);
        application_ = std::make_unique<QApplication>(argc_, argv_);
        // The simulator listens on its control socket once the library is bound.
        std::string detail;
        ASSERT_NE(devicelink::sharedUsbgate(detail), nullptr) << detail;
    }
    void TearDown() override {
        control_.reset();
        application_.reset();
        folder_.reset();
    }
    usbgate::SimControl &control() {
        if (!control_) {
            control_ = std::make_unique<usbgate::SimControl>((*folder_ / "sim.sock").string());
        }
        return *control_;
    }

private:
    int argc_ = 1;
    char name_[16] = "varnel-tests";
    char *argv_[2] = {name_, nullptr};
    std::unique_ptr<ScratchFolder> folder_;
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<usbgate::SimControl> control_;
};

AppEnvironment *const environment =
    static_cast<AppEnvironment *>(::testing::AddGlobalTestEnvironment(new AppEnvironment));

std::filesystem::path binFolder() {
    const char *folder = std::getenv("VARNEL_TEST_BIN_DIR");
    return folder ? std::filesystem::path(folder) : std::filesystem::current_path();
}

}  // namespace

skin::MessageAnswer ScriptedDialogs::showMessage(QWidget *, const QString &text,
                                                 const QString &title,
                                                 skin::MessageButtons buttons) {
    shown.push_back({text, title, buttons});
    if (whileOpen) whileOpen();
    if (answers.empty()) return defaultAnswer;
    const skin::MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString languageText(const char *key) {
    return QString::fromStdU16String(
        skin::lookupText(QString::fromLatin1(key).toStdU16String(), 0));
}

void AppTest::SetUp() {
    // The window tests are about a desktop with a tray; offscreen has none.
    CTrayIcon::setHostProbe([] { return true; });
    setenv("XDG_DATA_HOME", (scratch_ / "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (scratch_ / "config").c_str(), 1);
    sim().clearFaults();
    ASSERT_TRUE(sim().reset());
    sim().firmware(0x0109);
    ASSERT_TRUE(sim().plug()) << sim().lastError();
}

void AppTest::TearDown() {
    if (window) {
        window->shutdown();
        window->presence().waitIdle();
    }
    window.reset();
    stores.reset();
    QCoreApplication::processEvents();
    CTrayIcon::setHostProbe({});
}

usbgate::SimControl &AppTest::sim() {
    return environment->control();
}

std::vector<std::uint8_t> AppTest::peek(const std::string &region, int offset, int length) {
    return sim().peek(region, static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
}

std::filesystem::path AppTest::userFolder() const {
    return app::UserPaths::forCurrentUser().userFolder;
}

CVarnelDlg &AppTest::startWindow(bool startHidden) {
    mainwindow::MainWindowEnvironment test;
    test.endProcess = [this](int code) { endedWith.push_back(code); };
    test.startProgram = [this](const std::filesystem::path &program,
                               const std::vector<std::string> &, const std::filesystem::path &) {
        started.push_back(program);
        return true;
    };
    test.openWithDesktop = [this](std::string_view target) {
        opened.emplace_back(target);
        return true;
    };
    stores = std::make_unique<ProcessStores>();
    window = std::make_unique<CVarnelDlg>(app::AppPaths::build(binFolder(), "varnel"), *stores,
                                          std::move(test));
    if (startHidden) window->setStartHidden();
    window->startUp();
    EXPECT_TRUE(waitUntil([&] { return window->isReady(); }));
    settle();
    return *window;
}

bool AppTest::waitUntil(const std::function<bool()> &done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

void AppTest::settle() {
    // A worker may be waiting for the window's thread: keep it running meanwhile.
    std::atomic<bool> idle{false};
    std::thread watcher([&] {
        window->presence().waitIdle();
        idle = true;
    });
    waitUntil([&] { return idle.load(); }, 15000);
    watcher.join();
    QCoreApplication::processEvents();
}

}  // namespace apptest
