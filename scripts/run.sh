#!/usr/bin/env bash
# Starts the utility with the simulated keyboard.
# Usage: scripts/run.sh <folder holding varnel, libUsbgate.so and Skins/>
#
# With a display the window opens on it. Without one the utility runs on a
# virtual X display (Xvfb); a picture of the opened window is saved to
# build/run-screenshot.png. Either way it keeps running until Ctrl+C.
# Drive the simulated keyboard meanwhile with <bin>/usbgate-sim (plug, unplug,
# event 0x02FF, dump, ...).
set -euo pipefail

bin=$(cd "${1:?usage: scripts/run.sh <build>/bin}" && pwd)
shift
repo=$(cd "$(dirname "$0")/.." && pwd)
for needed in "$bin/varnel" "$bin/libUsbgate.so" "$bin/Skins/Main.ini" "$bin/Lang0409.ini"; do
    if [ ! -e "$needed" ]; then
        echo "run: $needed is missing; build first (make build)" >&2
        exit 1
    fi
done

export USBGATE_BACKEND=simulator
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap cleanup EXIT
trap 'exit 0' INT TERM

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    if ! command -v Xvfb > /dev/null; then
        echo "run: no display and no Xvfb; install it (make deps)" >&2
        exit 1
    fi
    display=:$((90 + RANDOM % 100))
    Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp > /dev/null 2>&1 &
    pids+=("$!")
    export DISPLAY=$display
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X${display#:}" ] && break
        sleep 0.1
    done
    mkdir -p "$repo/build"
    export VARNEL_GRAB_WINDOW="$repo/build/run-screenshot.png"
    rm -f "$VARNEL_GRAB_WINDOW"
    echo "run: no display found; varnel runs on the virtual display $display"
    echo "run: a picture of the window will be saved to $VARNEL_GRAB_WINDOW"
fi

echo "run: starting varnel with the simulated keyboard (Ctrl+C ends it)"
"$bin/varnel" "$@" &
pids+=("$!")
wait "${pids[-1]}"
