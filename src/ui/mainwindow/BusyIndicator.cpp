#include "ui/mainwindow/BusyIndicator.h"

#include "ui/skin/SkinPicture.h"

BusyIndicator::BusyIndicator(QLabel &picture, const QString &skinFolder)
    : QObject(&picture), picture_(picture) {
    for (int i = 1; i <= kFrameCount; ++i) {
        const QImage image = skin::loadSkinPicture(
            skin::skinFilePath(skinFolder, QStringLiteral("jdt%1.bmp").arg(i)));
        frames_.push_back(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    }
    timer_.setInterval(kFrameMs);
    connect(&timer_, &QTimer::timeout, this, &BusyIndicator::nextFrame);
    picture_.hide();
}

void BusyIndicator::showFrame() {
    picture_.setPixmap(frames_[static_cast<std::size_t>(frame_)]);
}

void BusyIndicator::begin() {
    ++generation_;
    shown_ = true;
    frame_ = 0;
    showFrame();
    picture_.show();
    picture_.raise();
    picture_.repaint();
    timer_.start();
}

void BusyIndicator::end() {
    const int run = generation_;
    QTimer::singleShot(kSettleMs, this, [this, run] {
        if (run != generation_) return;
        timer_.stop();
        picture_.hide();
        shown_ = false;
    });
}

void BusyIndicator::nextFrame() {
    frame_ = (frame_ + 1) % kFrameCount;
    showFrame();
}

void BusyIndicator::showNow() {
    if (!shown_) return begin();
    ++generation_;  // a hide still due from an earlier run must not end this one
    if (!timer_.isActive()) timer_.start();
    picture_.repaint();
}

void BusyIndicator::drawNextFrameNow() {
    if (!shown_) return;
    nextFrame();
    picture_.repaint();
}
