#include "SkinLayout.h"

#include <cmath>

#include "KeyboardLayout.h"

namespace skingen {
namespace {

// Main window geometry, in pixels.
constexpr int kMainWidth = 1200;
constexpr int kMainHeight = 690;
constexpr int kUnit = 46;        // one key unit
constexpr int kKeyFieldX = 54;   // left edge of the key field
constexpr int kKeyFieldY = 162;  // top edge of the function-key row
constexpr Rect kKeyboardPlate{36, 114, 1128, 362};
constexpr Rect kLightingCard{36, 486, 1128, 124};

int unitsToPixels(double units) {
    return static_cast<int>(std::lround(units * kUnit));
}

Rect keyRect(const KeyPlacement &key) {
    const int left = kKeyFieldX + unitsToPixels(key.x);
    const int top = kKeyFieldY + unitsToPixels(key.y);
    return {left, top, kKeyFieldX + unitsToPixels(key.x + key.w) - left,
            kKeyFieldY + unitsToPixels(key.y + key.h) - top};
}

void addKeyboard(WindowLayout &layout) {
    for (const KeyPlacement &key : keyboardKeys())
        layout.buttons.push_back(
            {key.skinKey, keyRect(key), Look::Keycap, key.legend, key.subLegend});
}

void addCaptionBar(WindowLayout &layout) {
    layout.buttons.push_back({"ZORVEL_LINK", {26, 11, 150, 34}, Look::Logo, "TARVIK"});
    layout.buttons.push_back({"ZORVEL_VER", {356, 20, 120, 18}, Look::Transparent});
    layout.decorations.push_back({Decoration::Kind::Wordmark, {186, 14, 170, 28}, "Q770RGB-PRO"});
    const struct {
        const char *key;
        Glyph glyph;
    } captionButtons[] = {{"CONTROL_MENU", Glyph::Menu},
                          {"CONTROL_HELP", Glyph::Help},
                          {"CONTROL_MINIMIZE", Glyph::Minimize},
                          {"CONTROL_CLOSE", Glyph::Close}};
    int x = 1046;
    for (const auto &button : captionButtons) {
        layout.buttons.push_back(
            {button.key, {x, 13, 30, 30}, Look::IconButton, {}, {}, button.glyph});
        x += 34;
    }
    // The three link buttons light up under the pointer like the caption buttons.
    layout.buttons.push_back(
        {"CONTROL_Network", {934, 13, 30, 30}, Look::IconButton, {}, {}, Glyph::Globe});
    layout.buttons.push_back(
        {"CONTROL_Facebook", {968, 13, 30, 30}, Look::IconButton, {}, {}, Glyph::Share});
    layout.buttons.push_back(
        {"CONTROL_twitter", {1002, 13, 30, 30}, Look::IconButton, {}, {}, Glyph::Chat});
}

void addToolbar(WindowLayout &layout) {
    layout.buttons.push_back(
        {"FUNC_PROFILES", {36, 66, 220, 38}, Look::Plate, {}, {}, Glyph::Folder});
    for (int n = 1; n <= 3; ++n)
        layout.buttons.push_back({QStringLiteral("FUNC_PROFILE%1").arg(n),
                                  {270 + (n - 1) * 116, 66, 110, 38},
                                  Look::ToggleChip});
    layout.controls.push_back({"CONTROL_UsbStatic", {744, 75, 128, 20}});
    const char *rates[] = {"125 Hz", "250 Hz", "500 Hz", "1000 Hz"};
    for (int i = 0; i < 4; ++i)
        layout.buttons.push_back({QStringLiteral("FUNC_REPORT%1").arg(i + 1),
                                  {880 + i * 72, 66, 68, 38},
                                  Look::ToggleChip,
                                  rates[i]});
}

// The bezel above the function-key row: the layout switch over F1..F4, the
// lock lights over the numeric pad, the model name over the G keys.
void addBezel(WindowLayout &layout) {
    layout.buttons.push_back({"FUNC_SWITCH", {54, 122, 120, 30}, Look::Transparent});
    layout.decorations.push_back(
        {Decoration::Kind::SmallCaption, {58, 126, 140, 22}, "Q770 RGB PRO"});
    layout.buttons.push_back({"FLIP_1", {204, 124, 26, 26}, Look::FlipToggle, "\u2039"});
    layout.buttons.push_back({"FLIP_0", {250, 124, 88, 26}, Look::FlipPlate, "F1 \u2013 F4"});
    layout.buttons.push_back({"FLIP_2", {358, 124, 26, 26}, Look::FlipToggle, "\u203A"});
    layout.buttons.push_back({"LEFT_ARROW", {232, 128, 16, 18}, Look::Transparent});
    layout.buttons.push_back({"RIGHT_ARROW", {340, 128, 16, 18}, Look::Transparent});
    // The D keys, which the layout switch enables in place of F1..F4.
    for (int n = 1; n <= 6; ++n)
        layout.buttons.push_back({QStringLiteral("FUNC_D%1").arg(n),
                                  {398 + (n - 1) * 50, 120, 48, 36},
                                  Look::Keycap,
                                  QStringLiteral("D%1").arg(n)});
    const struct {
        const char *key;
        const char *text;
    } lights[] = {
        {"LOCK_NUM", "NUM"}, {"LOCK_CAPS", "CAPS"}, {"LOCK_SCROLL", "SCR"}, {"LOCK_AB", ""}};
    const int padX = kKeyFieldX + unitsToPixels(kNumpadColumnUnits);
    for (int i = 0; i < 4; ++i) {
        const Look look = i == 3 ? Look::BankIndicator : Look::Indicator;
        layout.buttons.push_back(
            {lights[i].key, {padX + i * kUnit + 1, 122, kUnit - 2, 32}, look, lights[i].text});
    }
}

void addLightingPanel(WindowLayout &layout) {
    layout.decorations.push_back({Decoration::Kind::Card, kLightingCard, {}});
    // Thin rules between the panel's columns: switch and effect, brightness and
    // speed, direction and colours, user-mode list and colour numbers.
    for (int x : {282, 642, 990})
        layout.decorations.push_back(
            {Decoration::Kind::Divider, {x, kLightingCard.y + 14, 1, kLightingCard.h - 28}, {}});
    const std::vector<PlacedControl> controls = {
        {"CONTROL_DengStatic", {56, 506, 110, 22}},
        {"CONTROL_DengStaPic", {170, 502, 52, 28}},
        {"CONTROL_XGcombox", {56, 548, 200, 28}},
        {"CONTROL_RGBStatic", {1000, 556, 36, 20}},
        {"COLOR_R", {1040, 552, 36, 24}},
        {"COLOR_G", {1080, 552, 36, 24}},
        {"COLOR_B", {1120, 552, 36, 24}},
        {"CONTROL_LightStatic", {300, 506, 100, 22}},
        {"CONTROL_Sub", {404, 508, 18, 18}},
        {"CONTROL_LightSlider", {428, 502, 170, 26}},
        {"CONTROL_Add", {604, 508, 18, 18}},
        {"CONTROL_SpeedStatic", {300, 554, 100, 22}},
        {"CONTROL_Sub2", {404, 556, 18, 18}},
        {"CONTROL_SpeedSlider", {428, 550, 170, 26}},
        {"CONTROL_Add2", {604, 556, 18, 18}},
        {"CONTROL_BLFXStatic", {660, 506, 90, 22}},
        {"CONTROL_BLFXLStaPic", {756, 500, 44, 30}},
        {"CONTROL_BLFXRStaPic", {806, 500, 44, 30}},
        {"CONTROL_BLFXStatic2", {660, 506, 90, 22}},
        {"CONTROL_BLFXLStaPic2", {756, 500, 44, 30}},
        {"CONTROL_BLFXRStaPic2", {806, 500, 44, 30}},
        {"CONTROL_BLFXStatic3", {660, 506, 90, 22}},
        {"CONTROL_BLFXLStaPic3", {756, 500, 44, 30}},
        {"CONTROL_BLFXRStaPic3", {806, 500, 44, 30}},
        {"CONTROL_HXysStatic", {660, 554, 90, 22}},
        {"CONTROL_HXysButton", {756, 550, 64, 28}},
        {"CONTROL_HXsjsStatic", {836, 554, 80, 22}},
        {"CONTROL_HXsjsStaPic", {918, 551, 26, 26}},
        {"CONTROL_FYYSStatic", {660, 554, 90, 22}},
        {"CONTROL_FYYSButton", {756, 550, 64, 28}},
        {"CONTROL_FYSJSStatic", {836, 554, 80, 22}},
        {"CONTROL_FYSJSStaPic", {918, 551, 26, 26}},
        {"CONTROL_HONGPIC", {756, 550, 34, 28}},
        {"CONTROL_HUANGPIC", {796, 550, 34, 28}},
        {"CONTROL_LVPIC", {836, 550, 34, 28}},
        {"CONTROL_LANPIC", {876, 550, 34, 28}},
        {"CONTROL_USERysStatic", {660, 506, 90, 22}},
        {"CONTROL_USERysButton", {756, 502, 64, 28}},
        {"CONTROL_USERjsStatic", {836, 506, 90, 22}},
        {"CONTROL_USERjsButton", {930, 502, 64, 28}},
        {"CONTROL_USERgjStatic", {660, 554, 90, 22}},
        {"CONTROL_USERgjStaPic1", {756, 550, 44, 30}},
        {"CONTROL_USERgjStaPic2", {806, 550, 44, 30}},
        {"CONTROL_umCombo", {1010, 502, 146, 28}},
        // Controls of the window that no lighting mode of this keyboard shows;
        // they sit with the group they belong to.
        {"CONTROL_FYCFStatic", {660, 506, 90, 22}},
        {"CONTROL_FYdjcfStatic", {756, 506, 60, 22}},
        {"CONTROL_FYdjcfStaPic", {816, 501, 26, 26}},
        {"CONTROL_FYggcfStatc", {850, 506, 60, 22}},
        {"CONTROL_FYggcfStaPic", {910, 501, 26, 26}},
        {"CONTROL_JTysStatic", {660, 554, 90, 22}},
        {"CONTROL_JTysButton", {756, 550, 64, 28}},
        {"CONTROL_TSysStatic", {660, 554, 90, 22}},
        {"CONTROL_TSysButton", {756, 550, 64, 28}},
        {"CONTROL_TSsjsStatic", {836, 554, 80, 22}},
        {"CONTROL_TSsjsStaPic", {918, 551, 26, 26}},
        {"CONTROL_CDysStatic", {660, 554, 90, 22}},
        {"CONTROL_CDysButton", {756, 550, 64, 28}},
        {"CONTROL_CDsjsStatic", {836, 554, 80, 22}},
        {"CONTROL_CDsjsStaPic", {918, 551, 26, 26}},
    };
    layout.controls.insert(layout.controls.end(), controls.begin(), controls.end());
    for (int n = 1; n <= 8; ++n)
        layout.controls.push_back(
            {QStringLiteral("CONTROL_Color%1").arg(n), {660 + (n - 1) * 36, 584, 30, 20}});
}

void addCommandBar(WindowLayout &layout) {
    layout.buttons.push_back({"FUNC_DEFAULT", {36, 626, 160, 40}, Look::Plate});
    layout.buttons.push_back({"FUNC_MACRO", {206, 626, 160, 40}, Look::Plate});
    layout.controls.push_back({"CONTROL_JDTStatic", {718, 632, 28, 28}});
    layout.buttons.push_back({"CONTROL2_APPLY", {760, 626, 130, 40}, Look::Plate});
    layout.buttons.push_back({"CONTROL_OK", {898, 626, 130, 40}, Look::Plate});
    layout.buttons.push_back({"CONTROL_CANCEL", {1034, 626, 130, 40}, Look::Plate});
}

void addArrowPictureRects(WindowLayout &layout) {
    for (const ArrowCell &cell : arrowCells()) layout.pictureRects.push_back({cell.key, cell.rect});
}

}  // namespace

std::vector<ArrowCell> arrowCells() {
    // The four arrow pictures, and the two keys that name the starting look
    // (the layout switch starts off, so both arrows start pointing down).
    const Rect upLeft{2, 2, 16, 18}, downLeft{22, 2, 16, 18}, upRight{42, 2, 16, 18},
        downRight{62, 2, 16, 18};
    return {{"UP_ARROW_LEFT1", upLeft, true},   {"DOWN_ARROW_LEFT1", downLeft, false},
            {"UP_ARROW_RIGHT1", upRight, true}, {"DOWN_ARROW_RIGHT1", downRight, false},
            {"LEFT_ARROW", downLeft, false},    {"RIGHT_ARROW", downRight, false}};
}

QSize arrowPictureSize() {
    return {80, 22};
}

WindowLayout mainWindowLayout() {
    WindowLayout layout;
    layout.iniName = "Main.ini";
    layout.size = {kMainWidth, kMainHeight};
    layout.background = "main_normal.jpg";
    layout.mask = "main_mask.bmp";
    layout.link = "https://www.tarvik.example/q770rgb-pro";
    layout.decorations.push_back({Decoration::Kind::Card, kKeyboardPlate, {}});
    addCaptionBar(layout);
    addToolbar(layout);
    addBezel(layout);
    addKeyboard(layout);
    addLightingPanel(layout);
    addCommandBar(layout);
    addArrowPictureRects(layout);
    return layout;
}

Rect rectOf(const WindowLayout &layout, const QString &key) {
    for (const ImageButton &b : layout.buttons)
        if (b.key == key) return b.rect;
    for (const PlacedControl &c : layout.controls)
        if (c.key == key) return c.rect;
    qFatal("skingen: no control named %s", qPrintable(key));
}

Rect compositePageArea() {
    return {16, 96, 528, 282};
}

WindowLayout compositeDialogLayout() {
    WindowLayout layout;
    layout.iniName = "Composite.ini";
    layout.size = {560, 440};
    layout.background = "composite_back.jpg";
    layout.mask = "composite_mask.bmp";
    auto button = [&](const char *key, Rect rect, Look look, Glyph glyph = Glyph::None) {
        layout.buttons.push_back({key, rect, look, {}, {}, glyph});
    };
    button("CONTROL_TITLE", {0, 0, 560, 44}, Look::Transparent);
    button("CONTROL_KEY", {16, 54, 120, 34}, Look::Tab, Glyph::Keyboard);
    button("CONTROL_MACRO", {140, 54, 120, 34}, Look::Tab);
    button("CONTROL_MEDIA", {264, 54, 120, 34}, Look::Tab);
    button("CONTROL_FUNCTION", {388, 54, 120, 34}, Look::Tab);
    button("CONTROL_CLEAR", {512, 56, 32, 30}, Look::IconButton, Glyph::Eraser);
    button("CONTROL_MASK", compositePageArea(), Look::Transparent);
    button("CONTROL_OSK", {16, 392, 44, 36}, Look::IconButton, Glyph::Keyboard);
    button("CONTROL_OK", {300, 392, 116, 36}, Look::Plate);
    button("CONTROL_CANCEL", {428, 392, 116, 36}, Look::Plate);
    button("FUNC_MACRO_ADD", {404, 104, 30, 30}, Look::IconButton, Glyph::Plus);
    button("FUNC_MACRO_DELETE", {440, 104, 30, 30}, Look::IconButton, Glyph::Minus);
    button("FUNC_MACRO_RECORD", {256, 144, 272, 30}, Look::Plate, Glyph::RecordDot);
    button("FUNC_MACRO_DELETE2", {256, 182, 132, 28}, Look::Plate);
    button("FUNC_MACRO_CLEAR", {396, 182, 132, 28}, Look::Plate);
    button("FUNC_MACRO_UP_TOP", {256, 216, 132, 28}, Look::Plate);
    button("FUNC_MACRO_UP", {396, 216, 132, 28}, Look::Plate);
    button("FUNC_MACRO_DOWN", {256, 250, 132, 28}, Look::Plate);
    button("FUNC_MACRO_DOWN_BOTTOM", {396, 250, 132, 28}, Look::Plate);
    layout.controls = {
        {"KEY_SETTING", {20, 11, 420, 24}},
        {"TISHI_SINGLE_STATIC", {36, 110, 490, 24}},
        {"FUNC_KEY_RADIO_KB", {36, 150, 20, 20}},
        {"FUNC_KEY_RADIO_KB_STATIC", {62, 149, 240, 22}},
        {"FUNC_KEY_INPUT", {62, 178, 300, 44}},
        {"FUNC_KEY_RADIO_MOU", {36, 246, 20, 20}},
        {"FUNC_KEY_RADIO_MOU_STATIC", {62, 245, 240, 22}},
        {"FUNC_KEY_COMBO_MOU", {62, 274, 300, 32}},
        {"MARCO_NAME_SETTING", {32, 108, 110, 24}},
        {"FUNC_MACRO_LIST", {146, 104, 250, 30}},
        {"FUNC_MACRO_LIST2", {32, 144, 212, 224}},
        {"FUNC_MACRO_RECORD_DELAY", {256, 292, 20, 20}},
        {"FUNC_MACRO_RECORD_DELAY2", {282, 291, 246, 22}},
        {"FUNC_MACRO_CYCLES_PROMPT", {256, 330, 150, 22}},
        {"FUNC_MACRO_CYCLES", {410, 326, 80, 28}},
        {"MEDIA_SETTING_TISHI", {36, 120, 490, 24}},
        {"FUNC_MEDIA_SELECT", {36, 160, 320, 32}},
        {"FUNCTION_KEY_SETTING_TISHI", {36, 120, 490, 24}},
        {"FUNC_FUNCTION_SELECT", {36, 160, 320, 32}},
    };
    return layout;
}

WindowLayout profileDialogLayout() {
    WindowLayout layout;
    layout.iniName = "Profile.ini";
    layout.size = {480, 400};
    layout.background = "Profile_back.jpg";
    layout.mask = "Profile_mask.bmp";
    layout.decorations.push_back({Decoration::Kind::Caption, {20, 8, 300, 28}, "Profile manager"});
    layout.decorations.push_back({Decoration::Kind::Well, {18, 54, 444, 230}, {}});
    layout.buttons = {
        {"FUNC_ADD", {20, 296, 84, 34}, Look::LabelButton, "New", {}, Glyph::Plus},
        {"FUNC_LOAD", {110, 296, 84, 34}, Look::LabelButton, "Open"},
        {"FUNC_DELETE", {200, 296, 84, 34}, Look::LabelButton, "Delete", {}, Glyph::Minus},
        {"CONTROL2_APPLY", {376, 296, 84, 34}, Look::LabelButton, "Apply"},
        {"CONTROL_OK", {256, 348, 98, 36}, Look::LabelButton, "OK"},
        {"CONTROL_CANCEL", {362, 348, 98, 36}, Look::LabelButton, "Cancel"},
    };
    layout.controls = {{"PROGRAM_LIST", {20, 56, 440, 226}}};
    return layout;
}

// The about box: caption, product text, version, copyright, vendor address and
// OK. Its texts come from the language file; only their places are the skin's.
WindowLayout aboutBoxLayout() {
    WindowLayout layout;
    layout.iniName = "About.ini";
    layout.size = {420, 250};
    layout.background = "About_back.jpg";
    layout.mask = "About_mask.bmp";
    layout.decorations.push_back({Decoration::Kind::Well, {18, 52, 384, 136}, {}});
    layout.buttons = {{"CONTROL_OK", {304, 200, 98, 36}, Look::LabelButton}};
    layout.controls = {{"ABOUT_TITLE", {22, 14, 376, 26}},
                       {"ABOUT_INTRO", {32, 62, 356, 42}},
                       {"ABOUT_VERSION", {32, 108, 356, 20}},
                       {"ABOUT_COPYRIGHT", {32, 132, 356, 20}},
                       {"ABOUT_LINK", {32, 156, 356, 20}}};
    return layout;
}

}  // namespace skingen
