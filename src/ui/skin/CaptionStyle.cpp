#include "ui/skin/CaptionStyle.h"

namespace skin {

CaptionStyle windowButtonCaptionStyle() {
    CaptionStyle style;
    style.drawCaption = true;
    style.pointSize = 10;
    style.face = QStringLiteral("Arial Unicode MS");
    const QColor disabledGrey(0x7F, 0x7F, 0x7F);
    style.colors = {Qt::white, Qt::white, Qt::white, disabledGrey, Qt::white};
    style.format = kDefaultCaptionFormat;
    return style;
}

int qtTextFlagsOfFormat(unsigned format) {
    int flags = 0;
    if (format & kDrawTextCenter) {
        flags |= Qt::AlignHCenter;
    } else if (format & kDrawTextRight) {
        flags |= Qt::AlignRight;
    } else {
        flags |= Qt::AlignLeft;
    }
    // Vertical placement only applies to single lines; otherwise text starts at the top.
    const bool singleLine = (format & kDrawTextSingleLine) != 0;
    if (singleLine && (format & kDrawTextVCenter)) {
        flags |= Qt::AlignVCenter;
    } else if (singleLine && (format & kDrawTextBottom)) {
        flags |= Qt::AlignBottom;
    } else {
        flags |= Qt::AlignTop;
    }
    if (!singleLine && (format & kDrawTextWordBreak)) flags |= Qt::TextWordWrap;
    return flags;
}

QFont captionFont(const CaptionStyle &style, bool rotated) {
    QFont font(style.face);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(style.pointSize > 0 ? style.pointSize : 8);
    font.setWeight(rotated ? QFont::Black : QFont::Normal);
    return font;
}

}  // namespace skin
