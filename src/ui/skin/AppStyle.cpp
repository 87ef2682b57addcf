#include "ui/skin/AppStyle.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace skin {
namespace {

// The skin's own colours (see the skin generator's theme).
const QColor kWindow(0x1c, 0x1f, 0x25);
const QColor kBase(0x15, 0x17, 0x1c);
const QColor kButton(0x2e, 0x33, 0x3b);
const QColor kText(0xea, 0xed, 0xf2);
const QColor kMutedText(0x7d, 0x85, 0x91);
const QColor kDisabledText(0x5c, 0x63, 0x6e);
const QColor kEdge(0x3d, 0x43, 0x4d);
const QColor kAccent(0x1e, 0xc8, 0xff);
const QColor kSelection(0x2a, 0x6f, 0x97);

}  // namespace

QPalette darkPalette() {
    QPalette palette;
    palette.setColor(QPalette::Window, kWindow);
    palette.setColor(QPalette::WindowText, kText);
    palette.setColor(QPalette::Base, kBase);
    palette.setColor(QPalette::AlternateBase, kWindow);
    palette.setColor(QPalette::Text, kText);
    palette.setColor(QPalette::Button, kButton);
    palette.setColor(QPalette::ButtonText, kText);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Highlight, kSelection);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, kButton);
    palette.setColor(QPalette::ToolTipText, kText);
    palette.setColor(QPalette::PlaceholderText, kMutedText);
    palette.setColor(QPalette::Link, kAccent);
    palette.setColor(QPalette::LinkVisited, kAccent.darker(130));
    palette.setColor(QPalette::Light, kEdge.lighter(130));
    palette.setColor(QPalette::Midlight, kEdge);
    palette.setColor(QPalette::Mid, kButton.darker(130));
    palette.setColor(QPalette::Dark, kBase);
    palette.setColor(QPalette::Shadow, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, kDisabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, kWindow);
    palette.setColor(QPalette::Disabled, QPalette::Button, kWindow);
    return palette;
}

QString darkStyleSheet() {
    // Only the standard widgets; the skinned buttons draw their own pictures.
    return QStringLiteral(
               "QComboBox, QLineEdit {"
               " background-color: %1; color: %2; border: 1px solid %3; border-radius: 4px;"
               " padding: 2px 6px; selection-background-color: %4; }"
               "QComboBox:hover, QLineEdit:hover { border-color: %5; }"
               "QComboBox:focus, QLineEdit:focus { border-color: %6; }"
               "QComboBox:disabled, QLineEdit:disabled { color: %7; }"
               "QComboBox::drop-down { border: none; width: 18px; }"
               "QComboBox QAbstractItemView { background-color: %1; color: %2;"
               " border: 1px solid %3; selection-background-color: %4; outline: 0; }"
               "QMenu { background-color: %8; color: %2; border: 1px solid %3; padding: 4px; }"
               "QMenu::item { padding: 5px 18px; border-radius: 3px; }"
               "QMenu::item:selected { background-color: %4; color: white; }"
               "QToolTip { background-color: %8; color: %2; border: 1px solid %3;"
               " padding: 3px; }"
               "QTableWidget { background-color: %1; color: %2; gridline-color: %3;"
               " border: 1px solid %3; selection-background-color: %4;"
               " selection-color: white; }"
               "QTableWidget::indicator:unchecked { width: 12px; height: 12px;"
               " background-color: %8; border: 1px solid %7; }")
        .arg(kBase.name(), kText.name(), kEdge.name(), kSelection.name(), kMutedText.name(),
             kAccent.name(), kDisabledText.name(), kButton.name());
}

void applyDarkStyle() {
    static bool applied = false;
    if (applied || !qApp) return;
    applied = true;
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setPalette(darkPalette());
    qApp->setStyleSheet(darkStyleSheet());
}

}  // namespace skin
