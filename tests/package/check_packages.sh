#!/usr/bin/env bash
# Makes the Debian packages from a finished build, unpacks them into a scratch
# root (dpkg -x) and checks what lands where.
#   check_packages.sh BUILD_DIR WORK_DIR DESIGNER_PLUGIN_DIR (relative to /usr)
set -euo pipefail
build=$1 work=$2 plugins=/usr/$3
rm -rf "$work"
mkdir -p "$work/root"
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
root=$work/root
for deb in "$work"/*.deb; do dpkg -x "$deb" "$root"; done

fail() { echo "FAIL: $*"; exit 1; }
expect() { for f in "$@"; do [ -e "$root$f" ] || fail "missing $f"; done; }

# The utility: its folder with INI, boot code and device library, the command
# linking to it, the sample firmware, the desktop entry and its icons.
app=/usr/lib/ispupdate
expect $app/ispupdate $app/ispupdate.ini $app/bootcode.bin $app/lib06_usbcfg.so \
       /usr/share/ispupdate/sample_firmware.bin /usr/share/applications/ispupdate.desktop
[ "$(readlink -f "$root/usr/bin/ispupdate")" = "$(readlink -f "$root$app/ispupdate")" ] ||
  fail "/usr/bin/ispupdate does not lead to $app/ispupdate"
for size in 16 22 24 32 48 64 128 256; do
  icon=/usr/share/icons/hicolor/${size}x${size}/apps/ispupdate.png
  expect "$icon"
  [ "$(identify -format %wx%h "$root$icon")" = "${size}x${size}" ] || fail "$icon is not $size x $size"
done
desktop-file-validate "$root/usr/share/applications/ispupdate.desktop" || fail "desktop entry rejected"

# The library and its development files.
for lib in toolkit resources themes buttons frame controls scrolling; do
  expect /usr/lib/libskinned_$lib.so.0 /usr/lib/libskinned_$lib.so
done
expect /usr/include/skinnedcontrols/skin/buttons/suibutton.h /usr/include/skinnedcontrols/toolkit/canvas.h \
       /usr/lib/cmake/SkinnedControls/SkinnedControlsConfig.cmake \
       /usr/lib/cmake/SkinnedControls/SkinnedControlsTargets.cmake \
       $plugins/libskinnedcontrols_designer.so /usr/bin/gallery

# Every library the programs and the plugin need is found in the unpacked
# tree or on the system.
for binary in $app/ispupdate /usr/bin/gallery $plugins/libskinnedcontrols_designer.so; do
  missing=$(LD_LIBRARY_PATH=$root/usr/lib ldd "$root$binary" | grep "not found" || true)
  [ -z "$missing" ] || fail "$binary: $missing"
done

# Package relations: the utility and the development files need the library.
for deb in "$work"/ispupdate_*.deb "$work"/libskinnedcontrols-dev_*.deb; do
  dpkg-deb -f "$deb" Depends | grep -q libskinnedcontrols0 || fail "$(basename "$deb") does not depend on the library"
done
echo "packages: $(cd "$work" && ls ./*.deb | xargs -n1 basename | tr '\n' ' ')"
