// A developer aid: when VARNEL_GRAB_WINDOW names a PNG file, the main window is
// saved to it once, shortly after it is first shown (not minimised), and the terminal is told.
// `make run` uses it to show the window on machines without a display.
#pragma once

class QWidget;

void watchForWindowGrab(QWidget &window);
