// The small pictures of the lighting panel, the slider images, the busy
// indicator's frames and the layout switch's arrows. Each is drawn on the crop
// of the main background where its control sits, so it blends in seamlessly.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "SkinLayout.h"

namespace skingen {

struct NamedPicture {
    QString fileName;
    QImage image;
};

std::vector<NamedPicture> lightingPanelPictures(const WindowLayout &main, const QImage &background);
std::vector<NamedPicture> sliderPictures(const WindowLayout &main, const QImage &background);
std::vector<NamedPicture> busyFrames(const WindowLayout &main, const QImage &background);
QImage arrowPicture(const WindowLayout &main, const QImage &background);

}  // namespace skingen
