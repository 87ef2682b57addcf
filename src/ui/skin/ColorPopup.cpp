#include "ui/skin/ColorPopup.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace skin {
namespace {

constexpr int kSwatchSide = 16;
constexpr int kShadeRows = 4;

QPushButton *makeSwatch(const QColor &color, bool current, QWidget *parent) {
    auto *swatch = new QPushButton(parent);
    swatch->setFixedSize(kSwatchSide, kSwatchSide);
    swatch->setFlat(true);
    swatch->setToolTip(color.name(QColor::HexRgb).toUpper());
    swatch->setStyleSheet(QStringLiteral("QPushButton{background:%1;border:%2;}"
                                         "QPushButton:hover{border:2px solid #ffffff;}")
                              .arg(color.name(), current ? QStringLiteral("2px solid #ffffff")
                                                         : QStringLiteral("1px solid #3c3c3c")));
    return swatch;
}

}  // namespace

const std::vector<QColor> &colorPopupPalette() {
    static const std::vector<QColor> palette = [] {
        std::vector<QColor> colors;
        for (int i = 0; i < kColorPopupColumns; ++i) {
            const int level = 255 - i * 255 / (kColorPopupColumns - 1);
            colors.emplace_back(level, level, level);
        }
        const int values[kShadeRows] = {255, 255, 191, 128};
        const int saturations[kShadeRows] = {96, 255, 255, 255};
        for (int row = 0; row < kShadeRows; ++row) {
            for (int column = 0; column < kColorPopupColumns; ++column) {
                colors.push_back(QColor::fromHsv(column * 360 / kColorPopupColumns,
                                                 saturations[row], values[row]));
            }
        }
        return colors;
    }();
    return palette;
}

ColorPopup::ColorPopup(const QColor &current, const QString &otherText, QWidget *parent)
    : QFrame(parent, Qt::Popup) {
    setFrameShape(QFrame::StyledPanel);
    setAttribute(Qt::WA_DeleteOnClose);
    auto *grid = new QGridLayout;
    grid->setSpacing(2);
    const std::vector<QColor> &colors = colorPopupPalette();
    for (std::size_t i = 0; i < colors.size(); ++i) {
        const QColor color = colors[i];
        QPushButton *swatch = makeSwatch(color, color == current, this);
        const int index = static_cast<int>(i);
        grid->addWidget(swatch, index / kColorPopupColumns, index % kColorPopupColumns);
        connect(swatch, &QPushButton::clicked, this, [this, color] {
            emit colorPicked(color);
            close();
        });
        swatches_.push_back(swatch);
    }
    other_ = new QPushButton(otherText, this);
    connect(other_, &QPushButton::clicked, this, [this] {
        close();
        emit otherRequested();
    });
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(grid);
    layout->addWidget(other_);
}

QPushButton *ColorPopup::swatch(int index) const {
    if (index < 0 || index >= swatchCount()) return nullptr;
    return swatches_[static_cast<std::size_t>(index)];
}

}  // namespace skin
