// Off-screen drawing: everything painted through this object lands in a buffer the
// size of the target rectangle, in the target's coordinates, and is copied back to
// the target in one piece when the object goes out of scope. Drawing for a printer
// goes straight to the target.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <optional>

class CMyMemDC {
public:
    // `area` empty means the target's whole clip area (or device). With
    // `copyTargetFirst` the buffer starts with what the target shows there, when the
    // target is a picture whose pixels can be read.
    CMyMemDC(QPainter &target, const QRect &area = QRect(), bool copyTargetFirst = false);
    ~CMyMemDC();
    CMyMemDC(const CMyMemDC &) = delete;
    CMyMemDC &operator=(const CMyMemDC &) = delete;

    // The painter to draw with.
    QPainter &painter();
    bool isBuffered() const { return buffered_; }
    const QRect &area() const { return area_; }

private:
    void copyTargetIntoBuffer();

    QPainter &target_;
    QRect area_;
    bool buffered_ = false;
    QImage buffer_;
    std::optional<QPainter> bufferPainter_;
};
