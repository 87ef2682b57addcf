#include "DialogTestSupport.h"

#include <unistd.h>

#include <QApplication>
#include <atomic>
#include <cstdlib>

#include "ui/skin/DialogText.h"
#include "ui/skin/layout/LanguageText.h"

namespace dialogtest {

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "dialog-tests";
    char *argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

const auto *const environment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace

int RecordingWindow::switchProfile(int newProfile) {
    switches.push_back(newProfile);
    if (newProfile >= 0) profile = newProfile;
    return 1;
}

void RecordingWindow::showButtonHint(int controlId, const model::ButtonHint &hint) {
    hints.emplace_back(controlId, hint);
}

skin::MessageAnswer ScriptedAnswers::showMessage(QWidget *, const QString &text, const QString &,
                                                 skin::MessageButtons) {
    messages.push_back(text);
    if (answers.empty()) return skin::MessageAnswer::No;
    const skin::MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

void DialogTest::SetUp() {
    static std::atomic<int> counter{0};
    scratch_ = std::filesystem::temp_directory_path() /
               ("varnel-dialogs-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(scratch_);
    std::filesystem::create_directories(scratch_);
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
        ::setenv(name, (scratch_ / name).c_str(), 1);
    }
    ASSERT_TRUE(std::filesystem::exists(skinFolder() / "Composite.ini"))
        << "the generated skin is missing from " << skinFolder();
    skin::setLanguageFolder(binFolder());
    registry = std::make_unique<platform::Registry>(scratch_ / "registry.ini");
    settings = std::make_unique<app::AppSettings>(*registry);
    keys = std::make_unique<model::KeyAssignmentModel>(
        store, skin::textLookupFor([] { return 0; }), [this] { return window.profile; }, window);
}

void DialogTest::TearDown() {
    std::error_code ignored;
    std::filesystem::remove_all(scratch_, ignored);
}

std::filesystem::path DialogTest::binFolder() const {
    const char *folder = std::getenv("VARNEL_TEST_BIN_DIR");
    return folder ? std::filesystem::path(folder) : std::filesystem::current_path();
}

std::filesystem::path DialogTest::screenshotFolder() const {
    const std::filesystem::path folder = binFolder().parent_path() / "screenshots" / "dialogs";
    std::filesystem::create_directories(folder);
    return folder;
}

QString DialogTest::text(const char *key) {
    return skin::dialogText(key, 0);
}

model::KeyAssignment DialogTest::record(int profile, int index) const {
    return store.record(static_cast<std::size_t>(profile * 512 + index));
}

void DialogTest::setRecord(int profile, int index, model::KeyAssignment assignment) {
    store.setRecord(static_cast<std::size_t>(profile * 512 + index), assignment);
}

void DialogTest::addStoreMacro(std::uint16_t id, const char16_t *name) {
    model::MacroRecord macro;
    std::u16string_view view(name);
    std::copy(view.begin(), view.end(), macro.name);
    macro.id = id;
    macro.cycles = 1;
    macro.actionCount = 2;
    macro.actions[0] = {30, 0x1E, 0};
    macro.actions[1] = {0, 0x1E, 1};
    store.macros.push_back(macro);
}

}  // namespace dialogtest

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include "ui/dialogs/Varnel_DlgComposite.h"

namespace dialogtest {

void CompositeTest::SetUp() {
    DialogTest::SetUp();
    QCoreApplication::instance()->installEventFilter(&probe_);
}

void CompositeTest::TearDown() {
    if (dialog) dialog->closeAsCancel();
    dialog.reset();
    QCoreApplication::instance()->removeEventFilter(&probe_);
    DialogTest::TearDown();
}

dialogs::Varnel_DlgComposite &CompositeTest::open(int recordIndex, int controlId, QRect button) {
    if (!dialog) {
        dialogs::CompositeContext context{
            skinFolder() / "Composite.ini", skinFolder(), store, *keys, *settings, window, [this] {
                ++onScreenKeyboardStarts;
                return onScreenKeyboardInstalled;
            }};
        dialog = std::make_unique<dialogs::Varnel_DlgComposite>(nullptr, context);
    }
    dialog->openModeless(recordIndex, controlId, button);
    QApplication::processEvents();
    return *dialog;
}

bool CompositeTest::sendKey(bool press, int evdev, const QString &text, bool autoRepeat) {
    const int before = probe_.widgetKeyEvents;
    QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier,
                    static_cast<quint32>(evdev + 8), 0, 0, text, autoRepeat);
    QCoreApplication::sendEvent(dialog->windowHandle(), &event);
    return probe_.widgetKeyEvents == before;
}

bool KeyProbe::eventFilter(QObject *watched, QEvent *event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (key && watched->isWidgetType()) ++widgetKeyEvents;
    return false;
}

void CompositeTest::click(int controlId) {
    ASSERT_TRUE(dialog->clickControl(controlId)) << controlId;
    QApplication::processEvents();
}

}  // namespace dialogtest
