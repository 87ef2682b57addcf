#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running the utility need,
# only those that are missing. Safe to run again; does nothing when all are present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    qt6-base-dev qt6-base-dev-tools libgl-dev libudev-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    clang libclang-rt-14-dev llvm clang-format
    libcli11-dev nlohmann-json3-dev
    xvfb xauth fonts-dejavu-core ccache
    trayer weston qt6-wayland
    desktop-file-utils appstream dpkg-dev file
    # The kernel tests: a guest with Debian's kernel (its uhid module), busybox
    # and systemd-udevd for hot-plug events, run under QEMU.
    linux-image-amd64 busybox-static qemu-system-x86 udev cpio xz-utils
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
