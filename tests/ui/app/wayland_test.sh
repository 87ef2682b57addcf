#!/usr/bin/env bash
# Runs a test program under a headless weston of its own, on Qt's wayland platform.
# Usage: wayland_test.sh <test program> [arguments]
set -euo pipefail
program=${1:?usage: wayland_test.sh <test program> [arguments]}
shift
runtime=$(mktemp -d "${TMPDIR:-/tmp}/varnel-wayland-XXXXXX")
chmod 700 "$runtime"
weston_pid=
cleanup() {
    if [ -n "$weston_pid" ]; then kill "$weston_pid" 2>/dev/null || true; wait "$weston_pid" 2>/dev/null || true; fi
    rm -rf "$runtime"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --socket=wayland-varnel --idle-time=0 \
    --no-config > "$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 1 100); do
    [ -S "$runtime/wayland-varnel" ] && break
    sleep 0.1
done
[ -S "$runtime/wayland-varnel" ] || { cat "$runtime/weston.log" >&2; echo "weston did not start" >&2; exit 1; }
# An absolute path: the tests give XDG_RUNTIME_DIR a scratch folder of their own.
WAYLAND_DISPLAY="$runtime/wayland-varnel" VARNEL_TEST_PLATFORM=wayland "$program" "$@"
