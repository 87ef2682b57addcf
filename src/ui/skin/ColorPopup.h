// The drop-down of a colour button: a grid of colours in a fixed number of columns
// and an "other" entry that asks for any colour.
#pragma once

#include <QColor>
#include <QFrame>
#include <vector>

class QPushButton;

namespace skin {

inline constexpr int kColorPopupColumns = 10;

// The colours the pop-up offers, row by row: a grey ramp, then each hue in four shades.
const std::vector<QColor> &colorPopupPalette();

class ColorPopup : public QFrame {
    Q_OBJECT

public:
    ColorPopup(const QColor &current, const QString &otherText, QWidget *parent = nullptr);

    int swatchCount() const { return static_cast<int>(swatches_.size()); }
    QPushButton *swatch(int index) const;
    QPushButton *otherEntry() const { return other_; }

signals:
    void colorPicked(const QColor &color);
    void otherRequested();

private:
    std::vector<QPushButton *> swatches_;
    QPushButton *other_ = nullptr;
};

}  // namespace skin
