// The busy picture of the main window (control 1177): hidden while idle; while
// shown it cycles through the skin's frames jdt1.bmp .. jdt10.bmp on timer 1050.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <vector>

class BusyIndicator : public QObject {
    Q_OBJECT

public:
    static constexpr int kControlId = 1177;
    static constexpr int kFrameCount = 10;
    static constexpr int kFrameMs = 50;
    // Delay before the picture appears and before it goes away again.
    static constexpr int kSettleMs = 100;

    // Loads the frames from the skin folder; a missing frame shows nothing.
    BusyIndicator(QLabel &picture, const QString &skinFolder);

    // Shows the picture now and starts the animation; the work that follows
    // usually blocks the window's thread, so the first frame is drawn at once.
    void begin();
    // Stops the animation and hides the picture after the settle delay.
    void end();
    // One timer tick: the next frame, after the tenth the first again.
    void nextFrame();
    // For a thread that cannot run its events meanwhile: begin() unless shown
    // already, drawn at once.
    void showNow();
    // The next frame, drawn at once: the timer cannot tick while the window's
    // thread is blocked.
    void drawNextFrameNow();

    bool isShown() const { return shown_; }
    bool isAnimating() const { return timer_.isActive(); }
    int frame() const { return frame_; }
    // Timer 1050 of the main window.
    QTimer &timer() { return timer_; }

private:
    void showFrame();

    QLabel &picture_;
    std::vector<QPixmap> frames_;
    QTimer timer_;
    int frame_ = 0;
    bool shown_ = false;
    int generation_ = 0;  // a late hide of an earlier run leaves a newer run alone
};
