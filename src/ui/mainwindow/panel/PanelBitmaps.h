// The lighting panel's bitmaps, loaded once from the skin folder and kept for
// the life of the window. A file that cannot be loaded gives an empty picture.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>
#include <string_view>

namespace panel {

class PanelBitmaps {
public:
    explicit PanelBitmaps(const QString &imageFolder);

    // The bitmap of a file name; empty when it was not loaded.
    QPixmap get(std::string_view name) const;
    // "0.bmp" .. "25.bmp".
    QPixmap slider(int number) const;

    static QString sliderName(int number);

private:
    void load(const QString &folder, const QString &name);

    QHash<QString, QPixmap> pictures_;
};

}  // namespace panel
