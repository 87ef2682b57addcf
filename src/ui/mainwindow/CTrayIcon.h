// The notification-area icon of the utility: icon 128 (no keyboard), 141
// (keyboard present) or 142 (shown while the keyboard reports activity), the
// tip text, a menu whose first item is the bold default, relabelled in the
// current language each time it is shown, and a double click that runs the
// default item. The icon is kept even while the desktop has no tray host, so a
// host that starts later (common at login) or a restarted one gets it from Qt
// itself, with its current icon and tip.
#pragma once

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <functional>
#include <map>

class CTrayIcon : public QObject {
    Q_OBJECT

public:
    static constexpr int kMenuOpen = 32771;
    static constexpr int kMenuAbout = 32773;
    static constexpr int kMenuExit = 32774;

    // Icons come from "icon<number>.png" in the skin folder; `onCommand` runs a
    // menu command on the owner window; `relabel` gives the text of a text key.
    CTrayIcon(const QString &skinFolder, std::function<void(int)> onCommand,
              std::function<QString(const char *)> relabel, QObject *parent = nullptr);
    ~CTrayIcon() override;

    // Adds the icon with the tip; the result is the added flag.
    bool add(int iconId, const QString &tip);
    void remove();
    // Changes the icon; safe to call from any thread (the change runs on the
    // owner's thread).
    void setIcon(int iconId);

    bool isAdded() const { return added_; }
    // Where a tray host shows the icon; empty while none shows it.
    QRect geometry() const;
    // True when the icon is added and a tray host shows it now: the window can
    // then hide and still be reached.
    bool isReachable() const;

    // Test seam: what says whether a tray host is there (by default the
    // platform's own answer). The offscreen platform never has one.
    static void setHostProbe(std::function<bool()> probe);
    int iconId() const { return iconId_; }
    QString tip() const { return tip_; }

    // The menu as the user sees it on a right click: relabelled, first item bold.
    QMenu &preparedMenu();
    // What a left double click does: runs the default (first) item's command.
    void doubleClicked();

private:
    void applyIcon();
    void onActivated(QSystemTrayIcon::ActivationReason reason);

    std::map<int, QIcon> icons_;
    std::function<void(int)> onCommand_;
    std::function<QString(const char *)> relabel_;
    QSystemTrayIcon *tray_ = nullptr;
    QMenu menu_;
    int iconId_ = 128;
    QString tip_;
    bool added_ = false;
};
