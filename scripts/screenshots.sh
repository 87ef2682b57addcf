#!/usr/bin/env bash
# Renders the main window and every page of the dialogs offscreen into
# <build>/screenshots/, so the look of the skin can be reviewed without a display.
# Usage: scripts/screenshots.sh <build folder>
set -euo pipefail

build=${1:?usage: scripts/screenshots.sh <build folder>}
bin="$build/bin"
out="$build/screenshots"
snapshot="$bin/varnel-snapshot"
skins="$bin/Skins"

for needed in "$snapshot" "$skins/Main.ini" "$skins/Composite.ini" "$skins/Profile.ini" \
              "$bin/Lang0409.ini"; do
    if [ ! -e "$needed" ]; then
        echo "screenshots: $needed is missing; build first (make build)" >&2
        exit 1
    fi
done
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen

shoot() {
    local name=$1
    shift
    "$snapshot" --out "$out/$name.png" "$@"
    echo "screenshots: $out/$name.png"
}

# --- main window -----------------------------------------------------------------
main_buttons='^(KEY_|FUNC_|FLIP_|LOCK_|ZORVEL_|CONTROL2_APPLY$|CONTROL_(OK|CANCEL|CLOSE|HELP|MENU|MINIMIZE)$)'
main_texts=(
    --caption FUNC_PROFILE1=PROFILE_1 --caption FUNC_PROFILE2=PROFILE_2
    --caption FUNC_PROFILE3=PROFILE_3 --caption FUNC_MACRO=PROFILE_MACRO
    --caption FUNC_DEFAULT=PROFILE_DEFAULT --caption CONTROL_OK=PROFILE_OK
    --caption CONTROL_CANCEL=PROFILE_CANCLE --caption CONTROL2_APPLY=PROFILE_APPLY
    --label CONTROL_UsbStatic=LIGHT/Usb --label CONTROL_DengStatic=LIGHT/Deng
    --label CONTROL_LightStatic=LIGHT/Light --label CONTROL_SpeedStatic=LIGHT/Speed
    --label CONTROL_BLFXStatic=LIGHT/FX --label CONTROL_HXysStatic=LIGHT/Color
    --label CONTROL_HXsjsStatic=LIGHT/DC
)
main=(--skin "$skins/Main.ini" --buttons-matching "$main_buttons"
      --pictures main_normal.jpg,main_over.jpg,main_down.jpg,main_normal.jpg,main_disable.jpg)

shoot main "${main[@]}" "${main_texts[@]}" --button FUNC_REPORT1:selected
# The same window with the looks a user meets: keys with an assignment (selected),
# the pointer over a key, a key pressed, and a disabled control.
shoot main-states "${main[@]}" "${main_texts[@]}" --button FUNC_REPORT1:selected \
    --button KEY_01E:selected --button KEY_01F:selected --button KEY_020:selected \
    --button FUNC_G1:selected --button KEY_012:over --button KEY_039:down \
    --button CONTROL2_APPLY:disabled

# --- composite assignment dialog, one picture per page ---------------------------
composite_buttons='^(CONTROL_(OK|CANCEL|CLEAR|FUNCTION|KEY|MACRO|MASK|MEDIA|OSK|TITLE)|FUNC_MACRO_(ADD|CLEAR|DELETE|DELETE2|DOWN|DOWN_BOTTOM|RECORD|UP|UP_TOP))$'
composite_texts=(
    --caption CONTROL_KEY=SINGLE_KEY --caption CONTROL_MACRO=MACRO_SETTING
    --caption CONTROL_MEDIA=MULTI_MEDIA --caption CONTROL_FUNCTION=FUNCTION_KEY
    --caption CONTROL_OK=MACRO_OK --caption CONTROL_CANCEL=MACRO_CANCLE
    --label KEY_SETTING=KEY_SETTING_TISHI
)
composite_page() {
    local page=$1 disabled=$2
    shift 2
    shoot "composite-$page" --skin "$skins/Composite.ini" \
        --buttons-matching "$composite_buttons" \
        --pictures "${page}_normal.jpg,${page}_over.jpg,${page}_down.jpg,${disabled},${page}_normal.jpg" \
        "${composite_texts[@]}" "$@"
}
composite_page key key_normal.jpg \
    --label TISHI_SINGLE_STATIC=SINGLE_STATIC \
    --label FUNC_KEY_RADIO_KB_STATIC=IDS_MACRO_KB_KEY \
    --label FUNC_KEY_RADIO_MOU_STATIC=IDS_MACRO_MOU_KEY
composite_page macro macro_disable.jpg \
    --label MARCO_NAME_SETTING=MACRO_NAME_SETTING \
    --label FUNC_MACRO_RECORD_DELAY2=RECORD_DELAY --label FUNC_MACRO_CYCLES_PROMPT=MACRO_CYCLES \
    --caption FUNC_MACRO_RECORD=A_RECORD --caption FUNC_MACRO_DELETE2=A_DELETE \
    --caption FUNC_MACRO_CLEAR=A_CLEAR --caption FUNC_MACRO_UP_TOP=A_TOP \
    --caption FUNC_MACRO_UP=A_UP --caption FUNC_MACRO_DOWN=A_DOWN \
    --caption FUNC_MACRO_DOWN_BOTTOM=A_BOTTOM
composite_page macro2 macro2_disable.jpg \
    --label MARCO_NAME_SETTING=MACRO_NAME_SETTING
composite_page media media_normal.jpg --label MEDIA_SETTING_TISHI=MEDIA_EDIT_TISHI
composite_page function function_normal.jpg \
    --label FUNCTION_KEY_SETTING_TISHI=FUNCTION_TISHI

# --- profile manager --------------------------------------------------------------
shoot profile --skin "$skins/Profile.ini" \
    --buttons-matching '^(CONTROL_OK|CONTROL_CANCEL|FUNC_ADD|FUNC_LOAD|FUNC_DELETE|CONTROL2_APPLY)$' \
    --pictures Profile_normal.jpg,Profile_over.jpg,Profile_down.jpg,Profile_down.jpg,Profile_normal.jpg
if [ -x "$bin/panel-snapshot" ]; then "$bin/panel-snapshot" "$out"; fi
# The real windows, built by the tests that drive them: the main window with the
# simulated keyboard, the about box, the assignment dialog's pages and the
# profile manager (into screenshots/windows and screenshots/dialogs).
if [ -x "$bin/panel_window_tests" ]; then
    (cd "$bin" && ./panel_window_tests --gtest_filter='*Screenshot*' > /dev/null)
    echo "screenshots: $out/windows/"
fi
if [ -x "$bin/dialog_tests" ]; then
    (cd "$bin" && ./dialog_tests --gtest_filter='*Screenshot*' > /dev/null)
    echo "screenshots: $out/dialogs/"
fi
