// The utility on a real Wayland compositor (weston, headless): the main window
// opens and paints its skin, a drag hands the move to the compositor without a
// protocol error, and the composite dialog opens and closes. Wayland does not
// shape windows, so the window draws its own shape: outside it, it is
// see-through. A picture of the window is saved for review.
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <set>

#include "AppTestSupport.h"
#include "ui/dialogs/Varnel_DlgComposite.h"

namespace apptest {
namespace {

constexpr int kButtonA = 1058;

dialogs::Varnel_DlgComposite *openComposite() {
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<dialogs::Varnel_DlgComposite *>(widget);
        if (dialog && dialog->isVisible()) return dialog;
    }
    return nullptr;
}

std::size_t distinctColours(const QImage &image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

class WaylandTest : public AppTest {};

TEST_F(WaylandTest, MainWindowPaintsItsSkinMovesAndOpensTheCompositeDialog) {
    ASSERT_TRUE(QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        << QGuiApplication::platformName().toStdString();
    CVarnelDlg &dlg = startWindow();
    ASSERT_TRUE(waitUntil([&] { return dlg.windowHandle() && dlg.windowHandle()->isExposed(); }));

    // The skin is painted, and outside the window's shape nothing is.
    const QImage picture = dlg.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QString file = qEnvironmentVariable("VARNEL_WAYLAND_PICTURE");
    if (!file.isEmpty()) {
        EXPECT_TRUE(picture.save(file)) << file.toStdString();
    }
    EXPECT_EQ(picture.size(), dlg.size());
    EXPECT_GT(distinctColours(picture), 200u) << "the skin was not painted";
    const QRegion shape = dlg.windowHandle()->mask();
    ASSERT_FALSE(shape.isEmpty());
    ASSERT_NE(shape, QRegion(dlg.rect())) << "the skin's shape has no corners";
    int outside = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (shape.contains(QPoint(x, y))) continue;
            ++outside;
            ASSERT_EQ(qAlpha(picture.pixel(x, y)), 0) << "opaque corner at " << x << "," << y;
        }
    }
    EXPECT_GT(outside, 0);

    // A drag on the window's own surface starts the compositor's move; a protocol
    // error would end the connection and this process.
    const QPoint grip = shape.boundingRect().center() / 8;
    const QPoint global = dlg.mapToGlobal(grip);
    QMouseEvent press(QEvent::MouseButtonPress, grip, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, grip + QPoint(30, 20), global + QPoint(30, 20),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, grip + QPoint(30, 20), global + QPoint(30, 20),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&dlg, &press);
    QApplication::sendEvent(&dlg, &move);
    QApplication::sendEvent(&dlg, &release);
    waitUntil([] { return false; }, 300);
    EXPECT_TRUE(dlg.windowHandle()->isExposed());

    // The composite dialog opens on the compositor and closes again.
    bool opened = false;
    QTimer::singleShot(300, [&] {
        if (dialogs::Varnel_DlgComposite *composite = openComposite()) {
            opened = composite->windowHandle() && composite->windowHandle()->isExposed();
            composite->closeAsCancel();
        }
    });
    dlg.onCommand(kButtonA);
    EXPECT_TRUE(opened);
    EXPECT_EQ(openComposite(), nullptr);
    EXPECT_TRUE(dlg.isVisible());
}

}  // namespace
}  // namespace apptest
