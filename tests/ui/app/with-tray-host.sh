#!/usr/bin/env bash
# Runs a test program on its own virtual X display with a notification-area host,
# so the tray icon is really added, shown and activated. Without Xvfb or the
# tray host the program runs with VARNEL_NO_TRAY_HOST set and its tests report
# themselves skipped.
set -euo pipefail

for tool in Xvfb trayer; do
    if ! command -v "$tool" > /dev/null; then
        VARNEL_NO_TRAY_HOST="$tool is not installed" exec "$@"
    fi
done

scratch=$(mktemp -d)
cleanup() {
    kill "${tray_pid:-}" "${xvfb_pid:-}" 2> /dev/null || true
    wait 2> /dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number, so parallel runs never share one.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3> "$scratch/display" > /dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do
    [ -s "$scratch/display" ] && break
    sleep 0.05
done
display=":$(head -n1 "$scratch/display")"
[ "$display" != ":" ] || { echo "Xvfb did not start" >&2; exit 1; }

DISPLAY=$display trayer --edge bottom --align right --widthtype pixel --width 200 \
    > /dev/null 2>&1 &
tray_pid=$!

# The test waits until the host has taken the notification area.
DISPLAY=$display VARNEL_TEST_PLATFORM=xcb "$@"
