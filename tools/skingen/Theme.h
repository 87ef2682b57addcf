// Colours and type of the dark skin, shared by every painter.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace skingen::theme {

inline const QColor kWindowTop{0x1a, 0x1d, 0x23};
inline const QColor kWindowBottom{0x0f, 0x11, 0x15};
inline const QColor kWindowEdge{0x34, 0x39, 0x42};
inline const QColor kCaptionBar{0x14, 0x16, 0x1b};
inline const QColor kCard{0x1c, 0x1f, 0x25};  // flat: panel bitmaps are drawn on it
inline const QColor kCardEdge{0x2b, 0x2f, 0x37};
inline const QColor kPlateTop{0x11, 0x13, 0x17};
inline const QColor kPlateBottom{0x0b, 0x0c, 0x0f};
inline const QColor kPlateEdge{0x2e, 0x33, 0x3c};

inline const QColor kKeyFaceTop{0x34, 0x38, 0x41};
inline const QColor kKeyFaceBottom{0x26, 0x29, 0x30};
inline const QColor kKeySide{0x17, 0x19, 0x1d};
inline const QColor kKeyHoverTop{0x44, 0x4a, 0x55};
inline const QColor kKeyHoverBottom{0x33, 0x38, 0x41};
inline const QColor kKeyDown{0x1d, 0x20, 0x25};
inline const QColor kHoverEdge{0xc8, 0xcf, 0xd9};
inline const QColor kKeyAssignedTop{0x10, 0x5a, 0x76};
inline const QColor kKeyAssignedBottom{0x0c, 0x42, 0x58};

inline const QColor kLegend{0xea, 0xed, 0xf2};
inline const QColor kSubLegend{0x96, 0x9f, 0xab};
inline const QColor kMutedText{0x7d, 0x85, 0x91};
inline const QColor kDimText{0x4a, 0x50, 0x59};
inline const QColor kAccent{0x1e, 0xc8, 0xff};
inline const QColor kAccentSoft{0x1e, 0xc8, 0xff, 0x50};
inline const QColor kDanger{0xd9, 0x3a, 0x52};
inline const QColor kButtonTop{0x2e, 0x33, 0x3b};
inline const QColor kButtonBottom{0x25, 0x29, 0x30};
inline const QColor kButtonEdge{0x3d, 0x43, 0x4d};
inline const QColor kSelectedTop{0x0f, 0x4d, 0x66};
inline const QColor kSelectedBottom{0x0b, 0x3a, 0x4e};

// The sans-serif face the build machine always has.
inline QFont font(double pixelSize, int weight = QFont::Normal) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(static_cast<int>(pixelSize));
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

}  // namespace skingen::theme
