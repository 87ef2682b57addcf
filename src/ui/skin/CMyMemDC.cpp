#include "ui/skin/CMyMemDC.h"

#include <QPaintDevice>
#include <QPixmap>

namespace {

QRect wholeAreaOf(const QPainter &target) {
    if (target.hasClipping()) return target.clipBoundingRect().toAlignedRect();
    const QPaintDevice *device = target.device();
    return device ? QRect(0, 0, device->width(), device->height()) : QRect();
}

bool isPrinting(const QPainter &target) {
    return target.device() && target.device()->devType() == QInternal::Printer;
}

}  // namespace

CMyMemDC::CMyMemDC(QPainter &target, const QRect &area, bool copyTargetFirst)
    : target_(target), area_(area.isEmpty() ? wholeAreaOf(target) : area) {
    buffered_ = !isPrinting(target) && !area_.isEmpty();
    if (!buffered_) return;
    buffer_ = QImage(area_.size(), QImage::Format_ARGB32_Premultiplied);
    buffer_.fill(Qt::transparent);
    if (copyTargetFirst) copyTargetIntoBuffer();
    bufferPainter_.emplace(&buffer_);
    // Drawing uses the target's coordinates: the buffer's origin is the area's corner.
    bufferPainter_->translate(-area_.topLeft());
}

CMyMemDC::~CMyMemDC() {
    if (!buffered_) return;
    bufferPainter_->end();
    target_.drawImage(area_.topLeft(), buffer_);
}

QPainter &CMyMemDC::painter() {
    return buffered_ ? *bufferPainter_ : target_;
}

void CMyMemDC::copyTargetIntoBuffer() {
    QPaintDevice *device = target_.device();
    QImage source;
    if (device->devType() == QInternal::Image) {
        source = static_cast<QImage *>(device)->copy(area_);
    } else if (device->devType() == QInternal::Pixmap) {
        source = static_cast<QPixmap *>(device)->copy(area_).toImage();
    } else {
        return;
    }
    QPainter copier(&buffer_);
    copier.setCompositionMode(QPainter::CompositionMode_Source);
    copier.drawImage(QPoint(0, 0), source);
}
