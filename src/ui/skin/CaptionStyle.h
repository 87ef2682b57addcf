// How an image button draws its caption over its picture.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <Qt>

namespace skin {

// Text placement flags of a caption, bit for bit as the skinned windows pass them.
enum DrawTextFlag : unsigned {
    kDrawTextLeft = 0x00,
    kDrawTextCenter = 0x01,
    kDrawTextRight = 0x02,
    kDrawTextVCenter = 0x04,
    kDrawTextBottom = 0x08,
    kDrawTextWordBreak = 0x10,
    kDrawTextSingleLine = 0x20,
};

inline constexpr unsigned kDefaultCaptionFormat =
    kDrawTextCenter | kDrawTextVCenter | kDrawTextSingleLine;  // 37

struct CaptionColors {
    QColor normal = Qt::black;
    QColor over = Qt::black;
    QColor down = Qt::black;
    QColor disabled = Qt::black;
    QColor selected = Qt::black;
};

struct CaptionStyle {
    bool drawCaption = false;
    double pointSize = 8;
    QString face = QStringLiteral("Tahoma Unicode MS");
    CaptionColors colors;
    unsigned format = kDefaultCaptionFormat;
};

struct CaptionMargins {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

// The style the windows give their captioned image buttons: drawn, 10 points,
// "Arial Unicode MS", white in every look but grey 0x7F7F7F when disabled, centred.
CaptionStyle windowButtonCaptionStyle();

// The Qt alignment and text flags of a caption format.
int qtTextFlagsOfFormat(unsigned format);

// The caption font: the face at the point size, normal weight, or heavy when rotated.
QFont captionFont(const CaptionStyle &style, bool rotated);

}  // namespace skin
