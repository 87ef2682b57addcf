#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks that it
# installs where udev, the desktops and PATH look, that its desktop entries and
# metainfo validate, and that the unpacked varnel finds its library, skin,
# language file and help from its installed place and ends with /Kill.
# Usage: package_test.sh <build folder>
set -euo pipefail

build=$(cd "${1:?usage: package_test.sh <build folder>}" && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/varnel-package-XXXXXX")
varnel_pid=
cleanup() {
    if [ -n "$varnel_pid" ] && kill -0 "$varnel_pid" 2>/dev/null; then kill -9 "$varnel_pid"; fi
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# --- the package ------------------------------------------------------------------
(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" > cpack.log 2>&1) ||
    { cat "$scratch/cpack.log" >&2; fail "cpack could not build the package"; }
deb=$(ls "$scratch"/out/varnel_*.deb)
root="$scratch/root"
dpkg-deb -x "$deb" "$root"
dpkg-deb -e "$deb" "$scratch/control"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libudev1 libc6 udev; do
    [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
grep -q 'udevadm control --reload' "$scratch/control/postinst" || fail "postinst reloads no rules"
grep -q 'udevadm trigger' "$scratch/control/postinst" || fail "postinst triggers no keyboard"
[ -x "$scratch/control/postinst" ] || fail "postinst is not executable"

# --- where things land ------------------------------------------------------------
libdir=$(cd "$root/usr/lib" && find . -type f -name varnel -path '*/varnel/varnel' | head -1)
[ -n "$libdir" ] || fail "no application folder with varnel under /usr/lib"
app="$root/usr/lib/$(dirname "$libdir")"
rules=
for folder in lib/udev/rules.d usr/lib/udev/rules.d; do
    [ -e "$root/$folder/70-varnel-keyboard.rules" ] && rules=$folder
done
[ -n "$rules" ] || fail "the udev rule is not in udev's rules folder"
for file in \
    usr/bin/varnel \
    usr/bin/varnelctl \
    usr/share/man/man1/varnelctl.1 \
    usr/share/bash-completion/completions/varnelctl \
    etc/xdg/autostart/varnel.desktop \
    usr/share/applications/com.tarvik.Varnel.desktop \
    usr/share/metainfo/com.tarvik.Varnel.metainfo.xml \
    usr/share/icons/hicolor/16x16/apps/varnel.png \
    usr/share/icons/hicolor/48x48/apps/varnel.png \
    usr/share/icons/hicolor/256x256/apps/varnel.png; do
    [ -e "$root/$file" ] || fail "$file is missing"
done
for file in libUsbgate.so Lang0409.ini Help/index.html Skins/Main.ini Skins/main_normal.jpg; do
    [ -e "$app/$file" ] || fail "$file is not beside varnel"
done
[ "$(readlink -f "$root/usr/bin/varnel")" = "$(readlink -f "$app/varnel")" ] ||
    fail "usr/bin/varnel does not lead to the application folder"
[ "$(readlink -f "$root/usr/bin/varnelctl")" = "$(readlink -f "$app/varnelctl")" ] ||
    fail "usr/bin/varnelctl does not lead to the application folder"
if find "$root" -path '*/local/*' -o -path "$root/usr/etc*" | grep -q .; then
    fail "files under /usr/local or /usr/etc"
fi
for entry in usr/share/applications/com.tarvik.Varnel.desktop etc/xdg/autostart/varnel.desktop; do
    grep -qx 'Exec=/usr/bin/varnel\( /Start\)\?' "$root/$entry" || fail "$entry: $(grep Exec "$root/$entry")"
    desktop-file-validate "$root/$entry" || fail "$entry does not validate"
done
grep -qx 'Exec=/usr/bin/varnel /Start' "$root/etc/xdg/autostart/varnel.desktop" ||
    fail "the autostart entry does not pass /Start"
appstreamcli validate --no-net "$root/usr/share/metainfo/com.tarvik.Varnel.metainfo.xml" ||
    fail "the metainfo does not validate"

# --- the unpacked utility runs from its installed place --------------------------
home="$scratch/home"
mkdir -p "$home/run" && chmod 700 "$home/run"
export HOME="$home" XDG_RUNTIME_DIR="$home/run" XDG_CONFIG_HOME="$home/config"
export XDG_DATA_HOME="$home/data" XDG_STATE_HOME="$home/state"
export QT_QPA_PLATFORM=offscreen USBGATE_BACKEND=simulator USBGATE_SIM_PLUGGED=1
export USBGATE_SIM_SOCKET="$home/run/sim.sock" VARNEL_GRAB_WINDOW="$home/window.png"
unset LD_LIBRARY_PATH
"$root/usr/bin/varnel" > "$scratch/varnel.log" 2>&1 &
varnel_pid=$!
for _ in $(seq 1 200); do
    [ -s "$home/window.png" ] && break
    kill -0 "$varnel_pid" 2>/dev/null || { cat "$scratch/varnel.log" >&2; fail "varnel ended"; }
    sleep 0.1
done
[ -s "$home/window.png" ] || { cat "$scratch/varnel.log" >&2; fail "the window never opened"; }
# It runs the unpacked program with the unpacked library, not the build's.
[ "$(readlink -f /proc/$varnel_pid/exe)" = "$(readlink -f "$app/varnel")" ] || fail "wrong program"
grep -q "$(readlink -f "$app")/libUsbgate.so" /proc/$varnel_pid/maps ||
    fail "the device library was not loaded from the application folder"
"$root/usr/bin/varnel" /Kill || fail "/Kill failed"
for _ in $(seq 1 100); do kill -0 "$varnel_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$varnel_pid" 2>/dev/null; then fail "/Kill did not end varnel"; fi
wait "$varnel_pid" || fail "varnel ended with an error"
varnel_pid=
# The command-line tool finds the same library and language file from its place on PATH.
"$root/usr/bin/varnelctl" info --json > "$scratch/info.json" || fail "varnelctl info failed"
grep -q '"firmware"' "$scratch/info.json" || fail "varnelctl info: $(cat "$scratch/info.json")"
echo "package test passed: $(basename "$deb")"
