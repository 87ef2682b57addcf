#!/usr/bin/env bash
# Runs the kernel tests: boots Debian's kernel under QEMU with an initramfs that
# holds busybox, the HID modules, systemd-udevd, libUsbgate.so and the test
# program. In the guest the keyboard is a uhid device, so the library's hidraw
# backend meets real hidraw nodes, sysfs entries and uevents.
#
# Usage: scripts/kernel-tests.sh BUILD_FOLDER
# KERNEL_TEST_FILTER picks tests by GoogleTest filter; KERNEL_TEST_TIMEOUT bounds
# the guest's whole run in seconds.
# Prints the guest's test output, then "N passed, N failed"; exits non-zero when
# any test failed or the guest did not boot, run and finish in time.
set -euo pipefail

build=$(cd "${1:?usage: $0 BUILD_FOLDER}" && pwd)
bin=$build/bin
stage=$build/kernel-guest/root
image=$build/kernel-guest/initramfs.cpio
console=$build/kernel-guest/console.log
guest_timeout=${KERNEL_TEST_TIMEOUT:-150}
programs=(kernel_guest_test kernel_guest_probe libUsbgate.so)
modules=(hid uhid hid-generic)

fail() {
    echo "kernel tests: $*" >&2
    echo "0 passed, 1 failed"
    exit 1
}

# The newest installed kernel that has a module folder.
find_kernel() {
    local kernel version
    for kernel in $(ls -1v /boot/vmlinuz-* 2>/dev/null | sort -rV); do
        version=${kernel#/boot/vmlinuz-}
        if [ -d "/lib/modules/$version" ]; then
            echo "$version"
            return 0
        fi
    done
    return 1
}

# Copies a file into the stage at the same path, following links.
stage_file() {
    mkdir -p "$stage$(dirname "$1")"
    cp -L "$1" "$stage$1"
}

# Copies every shared library a program needs, as the host's loader finds them.
stage_libraries() {
    local library
    for library in $(ldd "$1" | grep -o '/[^ ]*'); do
        [ -e "$stage$library" ] || stage_file "$library"
    done
}

# A module file by name, uncompressed into /modules of the stage.
stage_module() {
    local version=$1 name=$2 found
    found=$(find "/lib/modules/$version/kernel" -name "$name.ko*" | head -n 1)
    [ -n "$found" ] || fail "module $name not found under /lib/modules/$version"
    case "$found" in
        *.ko.xz) xz -dc "$found" > "$stage/modules/$name.ko" ;;
        *.ko.zst) zstd -dcq "$found" > "$stage/modules/$name.ko" ;;
        *.ko.gz) gzip -dc "$found" > "$stage/modules/$name.ko" ;;
        *) cp "$found" "$stage/modules/$name.ko" ;;
    esac
}

write_init() {
    cat > "$stage/init" <<EOF
#!/bin/busybox sh
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev
mount -t tmpfs tmpfs /run
mount -t tmpfs tmpfs /tmp
echo "guest: booted after \$(cut -d' ' -f1 /proc/uptime) s"
for module in ${modules[*]}; do
    insmod /modules/\$module.ko || echo "guest: insmod \$module failed"
done
/usr/lib/systemd/systemd-udevd --daemon || echo "guest: systemd-udevd did not start"
echo "guest: tests begin"
cd /opt/varnel && ./kernel_guest_test --gtest_color=no --gtest_filter='${KERNEL_TEST_FILTER:-*}'
echo "guest: tests ended with \$? after \$(cut -d' ' -f1 /proc/uptime) s"
poweroff -f
EOF
    chmod 755 "$stage/init"
}

build_image() {
    local version=$1 program
    rm -rf "$stage"
    mkdir -p "$stage"/{bin,modules,proc,sys,dev,run,tmp,etc,opt/varnel}
    cp /bin/busybox "$stage/bin/busybox"
    for applet in $("$stage/bin/busybox" --list); do
        [ -e "$stage/bin/$applet" ] || ln -s busybox "$stage/bin/$applet"
    done
    for module in "${modules[@]}"; do stage_module "$version" "$module"; done
    for program in "${programs[@]}"; do
        [ -f "$bin/$program" ] || fail "$bin/$program is missing: build first"
        strip --strip-debug -o "$stage/opt/varnel/$program" "$bin/$program"
        stage_libraries "$bin/$program"
    done
    for program in /usr/lib/systemd/systemd-udevd /usr/bin/udevadm; do
        stage_file "$program"
        stage_libraries "$program"
    done
    printf 'root:x:0:0:root:/:/bin/sh\nnobody:x:65534:65534:nobody:/:/bin/false\n' > "$stage/etc/passwd"
    write_init
    (cd "$stage" && find . | cpio -o -H newc --quiet > "$image")
}

# Prints the guest's test output and the closing count; the exit code says
# whether everything passed.
report() {
    local passed failed
    if ! grep -q 'guest: tests begin' "$console"; then
        tail -n 40 "$console" >&2
        fail "the guest did not boot to its tests (log: $console)"
    fi
    sed -n '/guest: booted/,/guest: tests ended/p' "$console"
    passed=$(grep -c '^\[       OK \]' "$console" || true)
    failed=$(grep -cE '^\[  FAILED  \] [^ ]+ \(' "$console" || true)
    if ! grep -q 'guest: tests ended with 0' "$console"; then
        grep -q 'guest: tests ended' "$console" || echo "kernel tests: the guest's tests did not finish" >&2
        [ "$failed" -gt 0 ] || failed=1
    fi
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
}

main() {
    local version started
    command -v qemu-system-x86_64 > /dev/null || fail "qemu-system-x86_64 is not installed"
    version=$(find_kernel) || fail "no kernel in /boot with modules in /lib/modules"
    build_image "$version"
    started=$(date +%s)
    timeout --foreground -k 5 "$guest_timeout" qemu-system-x86_64 -accel tcg -m 256 -nographic \
        -no-reboot -kernel "/boot/vmlinuz-$version" -initrd "$image" \
        -append "console=ttyS0 panic=-1 quiet" < /dev/null 2>&1 | tr -d '\r' | sed -e 's/\x1b\[[0-9;?]*[A-Za-z]//g' -e 's/\x1bc//g' \
        > "$console" || true
    echo "kernel tests: guest ran $(($(date +%s) - started)) s on $version"
    report
}

main
