// A skinned window built from nothing but its skin file: the background, the shape,
// and the image buttons, captions and labels the command line asks for.
#pragma once

#include "SnapshotOptions.h"
#include "ui/skin/CBaseDialog.h"
#include "ui/skin/StatePicture.h"

namespace snapshot {

class SnapshotWindow : public CBaseDialog {
    Q_OBJECT

public:
    explicit SnapshotWindow(const Options &options);

protected:
    void onInitDialog() override;

private:
    skin::ButtonPictures loadButtonPictures() const;
    QStringList buttonKeys() const;
    CPngButton *placeButton(const QString &key, const skin::ButtonPictures &pictures);
    void placeLabel(const TextRequest &label);

    Options options_;
    int nextId_ = 1000;
};

}  // namespace snapshot
