#include "ui/mainwindow/CTrayIcon.h"

#include <QAction>
#include <QMetaObject>

#include "ui/skin/SkinPicture.h"

namespace {

struct MenuItem {
    int command;
    const char *textKey;
};
constexpr MenuItem kItems[] = {{CTrayIcon::kMenuOpen, "MENU_11"},
                               {CTrayIcon::kMenuAbout, "MENU_22"},
                               {CTrayIcon::kMenuExit, "MENU_33"}};

// Empty: the platform's own answer.
std::function<bool()> &hostProbe() {
    static std::function<bool()> probe;
    return probe;
}

}  // namespace

void CTrayIcon::setHostProbe(std::function<bool()> probe) {
    hostProbe() = std::move(probe);
}

CTrayIcon::CTrayIcon(const QString &skinFolder, std::function<void(int)> onCommand,
                     std::function<QString(const char *)> relabel, QObject *parent)
    : QObject(parent), onCommand_(std::move(onCommand)), relabel_(std::move(relabel)) {
    for (int id : {128, 141, 142}) {
        const QImage image = skin::loadSkinPicture(
            skin::skinFilePath(skinFolder, QStringLiteral("icon%1.png").arg(id)));
        icons_[id] = QIcon(QPixmap::fromImage(image));
    }
    for (const MenuItem &item : kItems) {
        QAction *action = menu_.addAction(QString());
        const int command = item.command;
        connect(action, &QAction::triggered, this, [this, command] { onCommand_(command); });
    }
}

CTrayIcon::~CTrayIcon() {
    remove();
}

bool CTrayIcon::add(int iconId, const QString &tip) {
    iconId_ = iconId;
    tip_ = tip;
    if (!tray_) {
        tray_ = new QSystemTrayIcon(this);
        tray_->setContextMenu(&menu_);
        connect(tray_, &QSystemTrayIcon::activated, this, &CTrayIcon::onActivated);
        connect(&menu_, &QMenu::aboutToShow, this, [this] { preparedMenu(); });
    }
    applyIcon();
    tray_->setToolTip(tip_);
    tray_->show();
    return added_ = true;
}

QRect CTrayIcon::geometry() const {
    return tray_ ? tray_->geometry() : QRect();
}

bool CTrayIcon::isReachable() const {
    const auto &probe = hostProbe();
    return added_ && (probe ? probe() : QSystemTrayIcon::isSystemTrayAvailable());
}

void CTrayIcon::remove() {
    if (tray_) tray_->hide();
    added_ = false;
}

void CTrayIcon::setIcon(int iconId) {
    QMetaObject::invokeMethod(
        this,
        [this, iconId] {
            iconId_ = iconId;
            if (added_) applyIcon();
        },
        Qt::AutoConnection);
}

void CTrayIcon::applyIcon() {
    if (tray_) tray_->setIcon(icons_[iconId_]);
}

QMenu &CTrayIcon::preparedMenu() {
    const QList<QAction *> actions = menu_.actions();
    for (int i = 0; i < actions.size(); ++i) {
        actions[i]->setText(relabel_(kItems[i].textKey));
        QFont font = actions[i]->font();
        font.setBold(i == 0);
        actions[i]->setFont(font);
    }
    return menu_;
}

void CTrayIcon::doubleClicked() {
    onCommand_(kItems[0].command);
}

void CTrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::DoubleClick) doubleClicked();
}
