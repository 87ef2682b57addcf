// How the main window behaves for the user: opening and hiding, the keyboard
// filter, the tray menu, the layout switch, the report rate, the busy
// indicator and the texts of the language pass.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

#include "AppTestSupport.h"
#include "model/KeyAssignment.h"
#include "model/lighting/LightingModel.h"
#include "platform/Registry.h"
#include "settings/AppSettings.h"
#include "ui/mainwindow/AboutBox.h"
#include "ui/mainwindow/BusyIndicator.h"
#include "ui/mainwindow/CTrayIcon.h"
#include "ui/mainwindow/ClockChangeNotifier.h"
#include "ui/mainwindow/KeyboardView.h"
#include "ui/mainwindow/ProfileCommands.h"
#include "ui/skin/CPngButton.h"

namespace apptest {
namespace {

using namespace mainwindow;

class WindowBehaviourTest : public AppTest {
protected:
    void press(int key) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &down);
        QApplication::sendEvent(window.get(), &up);
        QApplication::processEvents();
    }
};

TEST_F(WindowBehaviourTest, EnterAndEscapeNeverHideTheWindowButCancelAndOkDo) {
    CVarnelDlg &dlg = startWindow();
    ASSERT_TRUE(waitUntil([&] { return dlg.isVisible(); }));
    press(Qt::Key_Return);
    press(Qt::Key_Enter);
    press(Qt::Key_Escape);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(dlg.isShutDown());

    ASSERT_TRUE(dlg.clickControl(2));
    EXPECT_FALSE(dlg.isVisible());
    dlg.onCommand(CTrayIcon::kMenuOpen);
    EXPECT_TRUE(dlg.isVisible());
    dlg.markApplyPending();
    ASSERT_TRUE(dlg.clickControl(1));  // OK applies, then hides
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_FALSE(dlg.profiles().pending());

    // Arrow keys never move the lighting mode selector; elsewhere they pass on.
    auto *selector = dlg.controlAs<QComboBox>(CVarnelDlg::kModeSelector);
    ASSERT_NE(selector, nullptr);
    ASSERT_GT(selector->count(), 2);
    selector->setCurrentIndex(1);
    for (int key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right}) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(selector, &down);
        EXPECT_EQ(selector->currentIndex(), 1) << key;
    }

    // The close button runs the shutdown sequence.
    dlg.onCommand(CVarnelDlg::kClose);
    EXPECT_TRUE(dlg.isShutDown());
    EXPECT_FALSE(dlg.trayIcon().isAdded());
}

TEST_F(WindowBehaviourTest, TrayOpensTheWindowOrSaysThatNoKeyboardIsThere) {
    ASSERT_TRUE(sim().unplug());
    CVarnelDlg &dlg = startWindow();
    dlg.trayIcon().doubleClicked();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, languageText("MAIN_NO_DEVICE_PROMPT"));
    EXPECT_FALSE(dlg.isVisible());

    ASSERT_TRUE(sim().plug());
    ASSERT_TRUE(waitUntil([&] { return dlg.presence().lastDeviceCount() != 0; }));
    settle();
    dlg.trayIcon().doubleClicked();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dialogs.shown.size(), 1u);

    // The menu: relabelled in the current language, the first item bold.
    const QList<QAction *> items = dlg.trayIcon().preparedMenu().actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), languageText("MENU_11"));
    EXPECT_EQ(items[1]->text(), languageText("MENU_22"));
    EXPECT_EQ(items[2]->text(), languageText("MENU_33"));
    EXPECT_TRUE(items[0]->font().bold());
    EXPECT_FALSE(items[1]->font().bold());

    // About: one box at a time, with its texts.
    items[1]->trigger();
    AboutBox *about = dlg.aboutBox();
    ASSERT_NE(about, nullptr);
    items[1]->trigger();
    EXPECT_EQ(dlg.aboutBox(), about);
    EXPECT_EQ(about->introText(), languageText("GUANYU_JIESHAO"));
    EXPECT_EQ(about->windowTitle(), languageText("LANG_ABOUT_TITLE"));
    // A skinned window like the others, with the main window's version.
    EXPECT_FALSE(about->background().isNull());
    EXPECT_EQ(about->versionText(), dlg.controlAs<QLabel>(CVarnelDlg::kVersionLabel)->text());
    EXPECT_TRUE(about->versionText().startsWith(QLatin1Char('V')));
    items[2]->trigger();
    EXPECT_TRUE(dlg.isShutDown());
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(WindowBehaviourTest, FlipSwitchesFunctionAndDKeysAndIsRemembered) {
    CVarnelDlg &dlg = startWindow(true);
    auto enabled = [&](int id) { return dlg.control(id)->isEnabled(); };
    EXPECT_TRUE(enabled(ids::kF1));
    EXPECT_FALSE(enabled(ids::kFirstDKey));
    ASSERT_TRUE(dlg.clickControl(ids::kFlipLeft));
    EXPECT_FALSE(enabled(ids::kF1));
    EXPECT_TRUE(enabled(ids::kFirstDKey));
    platform::Registry registry(platform::Registry::defaultStoreFile());
    EXPECT_EQ(app::AppSettings(registry).profileString(u"Flip", u"?"), u"1");
    // The D keys do nothing in either view.
    dlg.onCommand(ids::kFirstDKey);
    EXPECT_TRUE(dialogs.shown.empty());
    ASSERT_TRUE(dlg.clickControl(ids::kFlipRight));
    EXPECT_TRUE(enabled(ids::kF1));
    EXPECT_EQ(app::AppSettings(registry).profileString(u"Flip", u"?"), u"0");
}

TEST_F(WindowBehaviourTest, FlipVisiblyHandsFOneToFourOverToTheDKeys) {
    CVarnelDlg &dlg = startWindow(true);
    auto look = [&](int id) { return dlg.control(id)->grab().toImage(); };
    const QRect window = dlg.rect();
    for (int i = 0; i < ids::kDKeyCount; ++i) {
        QWidget &d = *dlg.control(ids::kFirstDKey + i);
        EXPECT_FALSE(d.isHidden()) << i;
        EXPECT_TRUE(window.contains(d.geometry())) << i;
        EXPECT_GT(d.width(), 20) << i;
        for (int f = 0; f < 4; ++f)
            EXPECT_FALSE(d.geometry().intersects(dlg.control(ids::kF1 + f)->geometry()));
    }
    const QImage dOff = look(ids::kFirstDKey), fOn = look(ids::kF1);
    ASSERT_TRUE(dlg.clickControl(ids::kFlipLeft));
    // Both sets change their look: the set switched off is drawn dimmed.
    EXPECT_NE(look(ids::kFirstDKey), dOff);
    EXPECT_NE(look(ids::kF1), fOn);
    ASSERT_TRUE(dlg.clickControl(ids::kFlipRight));
    EXPECT_EQ(look(ids::kFirstDKey), dOff);
    EXPECT_EQ(look(ids::kF1), fOn);
}

TEST_F(WindowBehaviourTest, TheLinkButtonsSayWhereTheyLead) {
    CVarnelDlg &dlg = startWindow(true);
    const char *keys[] = {"MAIN_NETWORK_PROMPT", "MAIN_SHARE_PROMPT", "MAIN_CHAT_PROMPT"};
    for (int i = 0; i < 3; ++i) {
        auto *link = dlg.controlAs<CPngButton>(CVarnelDlg::kLinks[i]);
        EXPECT_EQ(link->toolTipText(), languageText(keys[i])) << i;
        // The pointer over a link lights it up.
        EXPECT_NE(link->pictureOf(CPngButton::Look::Over)->toImage().copy(link->geometry()),
                  link->pictureOf(CPngButton::Look::Normal)->toImage().copy(link->geometry()))
            << i;
    }
}

TEST_F(WindowBehaviourTest, ProfileButtonsSwitchTheKeyboardsProfile) {
    CVarnelDlg &dlg = startWindow(true);
    auto selected = [&](int i) {
        return dlg.controlAs<CPngButton>(ids::kProfileButtons[i])->isSelected();
    };
    EXPECT_TRUE(selected(0));
    ASSERT_TRUE(dlg.clickControl(ids::kProfileButtons[1]));
    EXPECT_EQ(peek("info", 10, 1), std::vector<std::uint8_t>{1});
    EXPECT_TRUE(selected(1));
    EXPECT_FALSE(selected(0));
    // The keyboard is already on profile 2 of the buttons: nothing is written.
    ASSERT_TRUE(sim().resetStats());
    ASSERT_TRUE(dlg.clickControl(ids::kProfileButtons[1]));
    const auto stats = sim().stats();
    ASSERT_TRUE(stats.has_value());
    EXPECT_EQ(stats->count(0x04), 0u);  // no info block write
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(WindowBehaviourTest, ReportRateButtonSelectsAndWritesTheRecord) {
    CVarnelDlg &dlg = startWindow(true);
    const int profile = dlg.profiles().currentProfile();
    ASSERT_TRUE(dlg.clickControl(ids::kReportRate[2]));
    EXPECT_EQ(dlg.keyboardView().shownReportRate(), 2);
    EXPECT_TRUE(dlg.controlAs<CPngButton>(ids::kReportRate[2])->isSelected());
    EXPECT_FALSE(dlg.controlAs<CPngButton>(ids::kReportRate[0])->isSelected());
    EXPECT_EQ(peek("params", profile * 42 + 15, 1), std::vector<std::uint8_t>{2});
}

TEST_F(WindowBehaviourTest, BusyIndicatorCyclesItsFramesWhileApplying) {
    CVarnelDlg &dlg = startWindow(true);
    BusyIndicator &busy = dlg.busyIndicator();
    EXPECT_FALSE(busy.isShown());
    busy.begin();
    EXPECT_TRUE(busy.isShown());
    for (int i = 0; i < BusyIndicator::kFrameCount; ++i) busy.nextFrame();
    EXPECT_EQ(busy.frame(), 0);  // after the tenth frame the first again
    busy.nextFrame();
    EXPECT_EQ(busy.frame(), 1);
    busy.end();
    EXPECT_TRUE(waitUntil([&] { return !busy.isShown() && !busy.isAnimating(); }, 2000));

    // The Apply button runs the indicator around its work: the picture is up when
    // the work returns and goes away only once the window's events run again.
    dlg.markApplyPending();
    ASSERT_TRUE(dlg.clickControl(ids::kApply));
    EXPECT_FALSE(dlg.profiles().pending());
    EXPECT_TRUE(busy.isShown());
    EXPECT_TRUE(busy.isAnimating());
    EXPECT_TRUE(waitUntil([&] { return !busy.isShown() && !busy.isAnimating(); }, 2000));
}

TEST_F(WindowBehaviourTest, SettingTheSystemClockAppliesPendingChanges) {
    CVarnelDlg &dlg = startWindow(true);
    EXPECT_TRUE(dlg.clockChanges().isWatching());
    const std::vector<std::uint8_t> pageBefore = peek("page0", 0, 378);
    {
        std::lock_guard lock(stores->working.mutex());
        stores->working.setRecord(0x1E, model::KeyAssignment{model::kKindDisabled, 0, 0, 0, 0});
    }
    dlg.markApplyPending();
    dlg.clockChanges().clockWasSet();
    EXPECT_FALSE(dlg.profiles().pending());
    EXPECT_NE(peek("page0", 0, 378), pageBefore);
}

// Records, whenever the busy picture is drawn, whether the busy cursor is on.
class BusyPaintRecorder : public QObject {
public:
    int paints = 0, paintsWithBusyCursor = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() != QEvent::Paint) return false;
        ++paints;
        const QCursor *cursor = QGuiApplication::overrideCursor();
        if (cursor && cursor->shape() == Qt::WaitCursor) ++paintsWithBusyCursor;
        return false;
    }
};

// A lost answer keeps the window's thread in a wait that runs no events for a
// whole second; the busy cursor and the busy picture still appear during it,
// drawn by the waiting thread itself, and go away after it. An exchange that
// is answered at once shows neither.
TEST_F(WindowBehaviourTest, BusyCursorAndIndicatorShowWhileTheWindowWaitsForALostAnswer) {
    CVarnelDlg &dlg = startWindow();
    ASSERT_TRUE(waitUntil([&] { return dlg.isVisible(); }));
    BusyIndicator &busy = dlg.busyIndicator();
    BusyPaintRecorder recorder;
    dlg.control(BusyIndicator::kControlId)->installEventFilter(&recorder);
    const auto reportsOfAClick = [&](int rate) {
        EXPECT_TRUE(sim().resetStats());
        EXPECT_TRUE(dlg.clickControl(ids::kReportRate[rate]));
        std::uint32_t reports = 0;
        for (const auto &[code, count] :
             sim().stats().value_or(std::map<std::uint8_t, std::uint32_t>{}))
            reports += count;
        return reports;
    };

    const std::uint32_t answeredAtOnce = reportsOfAClick(1);
    EXPECT_EQ(recorder.paints, 0);
    EXPECT_FALSE(busy.isShown());

    ASSERT_TRUE(sim().dropNext(1));
    // The click returns once the written-again report was answered.
    EXPECT_EQ(reportsOfAClick(2), answeredAtOnce + 1);
    EXPECT_GE(recorder.paintsWithBusyCursor, 1);
    EXPECT_EQ(recorder.paints, recorder.paintsWithBusyCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(waitUntil([&] { return !busy.isShown(); }, 2000));
    EXPECT_EQ(dlg.keyboardView().shownReportRate(), 2);
}

// Every text a widget of the window shows: captions, labels, tooltips, list items.
QStringList shownTexts(QWidget &window) {
    QStringList texts{window.windowTitle()};
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        texts << widget->toolTip();
        if (auto *button = qobject_cast<QAbstractButton *>(widget)) texts << button->text();
        if (auto *label = qobject_cast<QLabel *>(widget)) texts << label->text();
        if (auto *png = qobject_cast<CPngButton *>(widget)) texts << png->toolTipText();
        if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
        }
    }
    return texts;
}

TEST_F(WindowBehaviourTest, EveryTextOfTheLanguagePassIsFound) {
    CVarnelDlg &dlg = startWindow(true);
    for (bool viewOn : {false, true}) {
        ASSERT_TRUE(dlg.lightingModel().setLightingView(viewOn));
        dlg.parts().refreshPanel();
        for (const QString &text : shownTexts(dlg)) {
            EXPECT_FALSE(text.contains(QStringLiteral("#Error"))) << text.toStdString();
        }
    }
    for (int id : {1135, 1136, 1137, 1007, 1138, 1, 2, 1006, 1005}) {
        const auto *button = dlg.controlAs<CPngButton>(id);
        ASSERT_NE(button, nullptr) << id;
        EXPECT_FALSE(button->text().isEmpty()) << id;
        EXPECT_FALSE(button->text().contains(QStringLiteral("#Error"))) << id;
        EXPECT_TRUE(button->captionStyle().drawCaption) << id;
    }
    for (int id :
         {CVarnelDlg::kMinimize, CVarnelDlg::kClose, CVarnelDlg::kHelp, ids::kBackupMenu}) {
        EXPECT_FALSE(
            dlg.controlAs<CPngButton>(id)->toolTipText().contains(QStringLiteral("#Error")));
    }
    EXPECT_EQ(dlg.controlAs<CPngButton>(1138)->captionStyle().colors.disabled, QColor(0x7F7F7F));
    // Help and the links open in the user's applications.
    dlg.onCommand(CVarnelDlg::kHelp);
    dlg.onCommand(CVarnelDlg::kVendorLink);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_NE(opened[0].find("index.html"), std::string::npos);
    EXPECT_EQ(opened[1].rfind("http", 0), 0u);
}

}  // namespace
}  // namespace apptest

namespace apptest {
namespace {

TEST_F(WindowBehaviourTest, WindowManagerCloseHidesToTheTrayAndExitStaysInTheMenu) {
    CVarnelDlg &dlg = startWindow();
    ASSERT_TRUE(waitUntil([&] { return dlg.isVisible(); }));
    EXPECT_FALSE(dlg.close());  // Alt+F4 or the title bar's close button
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_FALSE(dlg.isShutDown());
    EXPECT_TRUE(dlg.trayIcon().isAdded());
    dlg.trayIcon().doubleClicked();
    EXPECT_TRUE(dlg.isVisible());
    dlg.trayIcon().preparedMenu().actions().back()->trigger();  // Exit
    EXPECT_TRUE(dlg.isShutDown());
}

TEST_F(WindowBehaviourTest, WithoutATrayHostTheWindowIsMinimisedNotHiddenAndCloseEnds) {
    CTrayIcon::setHostProbe([] { return false; });
    CVarnelDlg &dlg = startWindow(true);  // "/Start", keyboard present
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(dlg.isMinimized()) << "no way back to the window";
    dlg.onCommand(CTrayIcon::kMenuOpen);  // what a second copy asks for
    EXPECT_FALSE(dlg.isMinimized());
    ASSERT_TRUE(dlg.clickControl(2));  // Cancel
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(dlg.isMinimized());
    dlg.onCommand(CTrayIcon::kMenuOpen);
    EXPECT_FALSE(dlg.close());
    EXPECT_TRUE(dlg.isShutDown());
}

}  // namespace
}  // namespace apptest

namespace apptest {
namespace {

TEST_F(WindowBehaviourTest, AKeyboardThisUserMayNotOpenIsShownAsThatWithTheFix) {
    ASSERT_TRUE(sim().plugDenied());
    CVarnelDlg &dlg = startWindow();  // started from the menu: it would have opened
    ASSERT_TRUE(waitUntil([&] { return !dialogs.shown.empty(); }));
    const QString prompt = languageText("MAIN_NO_PERMISSION_PROMPT");
    EXPECT_EQ(dialogs.shown[0].text, prompt);
    for (const char *fix : {"70-varnel-keyboard.rules", "/usr/lib/udev/rules.d",
                            "udevadm control --reload", "udevadm trigger"}) {
        EXPECT_TRUE(prompt.contains(QLatin1String(fix))) << fix;
    }
    dlg.trayIcon().doubleClicked();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, prompt);
    EXPECT_FALSE(dlg.isVisible());

    // Gone altogether: the usual notice.
    ASSERT_TRUE(sim().unplug());
    dlg.trayIcon().doubleClicked();
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[2].text, languageText("MAIN_NO_DEVICE_PROMPT"));
}

}  // namespace
}  // namespace apptest
