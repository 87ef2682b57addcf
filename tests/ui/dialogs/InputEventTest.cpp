// Qt key and mouse events as keyboard and mouse messages, and the link label.
#include <QKeyEvent>
#include <QMouseEvent>

#include "model/KeyConversions.h"
#include "ui/InputEventFilter.h"
#include "ui/widgets/CHyperLink.h"

#include <gtest/gtest.h>

namespace {

QKeyEvent keyEvent(QEvent::Type type, int evdev, const QString &text = {},
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return QKeyEvent(type, Qt::Key_unknown, modifiers, static_cast<quint32>(evdev + 8), 0, 0, text);
}

TEST(KeyMessages, CarryTheKeyCodeTheDirectionAndTheMessageNumber) {
    const auto press = ui::keyMessageOf(keyEvent(QEvent::KeyPress, 97), false);
    ASSERT_TRUE(press);
    EXPECT_EQ(press->message, model::kMessageKeyDown);
    EXPECT_EQ(model::keyCodeOfKeyEvent(press->virtualKey, press->flags), 0x11D);
    EXPECT_EQ(press->flags & (model::kKeyWasDown | model::kKeyReleased), 0u);

    const auto release = ui::keyMessageOf(keyEvent(QEvent::KeyRelease, 97), false);
    ASSERT_TRUE(release);
    EXPECT_EQ(release->message, model::kMessageKeyUp);
    EXPECT_EQ(release->flags & (model::kKeyWasDown | model::kKeyReleased),
              model::kKeyWasDown | model::kKeyReleased);

    const auto withAlt =
        ui::keyMessageOf(keyEvent(QEvent::KeyPress, 30, "a", Qt::AltModifier), true);
    ASSERT_TRUE(withAlt);
    EXPECT_EQ(withAlt->message, model::kMessageSysKeyDown);
    EXPECT_NE(withAlt->flags & model::kKeyWasDown, 0u);

    // The numeric pad's digit text tells Num Lock's state.
    EXPECT_EQ(ui::keyMessageOf(keyEvent(QEvent::KeyPress, 71, "7"), false)->virtualKey, 0x67u);
    EXPECT_EQ(ui::keyMessageOf(keyEvent(QEvent::KeyPress, 71), false)->virtualKey, 0x24u);

    // Ctrl+Pause is Break and Alt+Print Screen is SysReq, as the key codes have them.
    const auto ctrlPause =
        ui::keyMessageOf(keyEvent(QEvent::KeyPress, 119, {}, Qt::ControlModifier), false);
    ASSERT_TRUE(ctrlPause);
    EXPECT_EQ(model::keyCodeOfKeyEvent(ctrlPause->virtualKey, ctrlPause->flags), 0x146);
    const auto altPrint =
        ui::keyMessageOf(keyEvent(QEvent::KeyPress, 99, {}, Qt::AltModifier), false);
    ASSERT_TRUE(altPrint);
    EXPECT_EQ(altPrint->message, model::kMessageSysKeyDown);
    EXPECT_EQ(model::keyCodeOfKeyEvent(altPrint->virtualKey, altPrint->flags), 0x054);

    // Events without a native key code carry no key.
    const QKeyEvent synthetic(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_FALSE(ui::keyMessageOf(synthetic, false));
}

TEST(KeyMessages, MouseButtonsHaveTheirMessages) {
    const QMouseEvent middle(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1),
                             QPointF(1, 1), Qt::MiddleButton, Qt::NoButton, Qt::NoModifier);
    EXPECT_EQ(ui::mouseMessageOf(middle), model::kMessageMiddleUp);
    const QMouseEvent back(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), QPointF(1, 1),
                           Qt::BackButton, Qt::BackButton, Qt::NoModifier);
    EXPECT_FALSE(ui::mouseMessageOf(back));
}

TEST(HyperLink, OpensItsAddressAndRemembersTheVisit) {
    CHyperLink link;
    std::vector<QString> opened;
    link.setOpener([&opened](const QString &address) {
        opened.push_back(address);
        return true;
    });
    EXPECT_FALSE(link.follow());  // no address yet
    link.setAddress("https://example.org/help");
    EXPECT_TRUE(link.follow());
    EXPECT_TRUE(link.visited());
    EXPECT_EQ(opened, std::vector<QString>{"https://example.org/help"});
    CHyperLink failing;
    failing.setOpener([](const QString &) { return false; });
    failing.setAddress("x");
    EXPECT_FALSE(failing.follow());
    EXPECT_FALSE(failing.visited());
}

}  // namespace
