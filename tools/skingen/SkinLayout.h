// The one layout table of the skin: every window, every control with its skin
// key, rectangle and look. The INI writer and every picture painter read it, so
// a rectangle in an INI file and the place its look is drawn never disagree.
#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <vector>

namespace skingen {

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// How an image button is drawn in each whole-window state picture.
enum class Look {
    Keycap,       // a key of the keyboard view
    Plate,        // a rounded push button whose caption the window draws
    ToggleChip,   // a button that shows a selected state (profiles, report rate)
    LabelButton,  // a plate with its caption baked into the picture
    IconButton,   // a small caption-bar button with a glyph
    Tab,          // a page tab of the assignment dialog
    Indicator,    // a lock light of the keyboard
    BankIndicator,
    FlipPlate,
    FlipToggle,
    Logo,
    Transparent,  // shows the background in every state
};

// Glyphs drawn on icon buttons and keycaps without text.
enum class Glyph {
    None,
    Close,
    Minimize,
    Help,
    Menu,
    Globe,
    Share,
    Chat,
    Plus,
    Minus,
    Keyboard,
    Eraser,
    Folder,
    RecordDot
};

struct ImageButton {
    QString key = {};
    Rect rect = {};
    Look look = Look::Plate;
    QString legend = {};     // main legend (keycaps, baked captions, indicators)
    QString subLegend = {};  // shifted legend of a keycap, or the small text of an indicator
    Glyph glyph = Glyph::None;
};

// A control that the skin only places (labels, lists, sliders, pictures).
struct PlacedControl {
    QString key = {};
    Rect rect = {};
};

// A decorative area painted on the background only (cards, captions).
struct Decoration {
    enum class Kind { Card, Caption, SmallCaption, Wordmark, Divider, Well } kind;
    Rect rect = {};
    QString text;
};

struct WindowLayout {
    QString iniName;     // "Main.ini"
    QSize size;          // the window's size, the size of every state picture
    QString background;  // [SCREEN] Main
    QString mask;        // [SCREEN] Mask
    QString link;        // [SCREEN] Link, empty when the window has none
    std::vector<ImageButton> buttons;
    std::vector<PlacedControl> controls;
    std::vector<PlacedControl> pictureRects;  // section BUTTONINFO2
    std::vector<Decoration> decorations;
};

WindowLayout mainWindowLayout();

// The rectangle of a button or control of `layout` by its skin key; a key the
// layout does not have is a fault of the table and stops the generator.
Rect rectOf(const WindowLayout &layout, const QString &key);
WindowLayout compositeDialogLayout();
WindowLayout profileDialogLayout();
WindowLayout aboutBoxLayout();

// The page area of the assignment dialog, where the page background changes.
Rect compositePageArea();

// Cells of the arrow picture: the key in BUTTONINFO2, its rectangle and direction.
struct ArrowCell {
    QString key = {};
    Rect rect = {};
    bool pointsUp;
};
std::vector<ArrowCell> arrowCells();
QSize arrowPictureSize();

}  // namespace skingen
