#!/usr/bin/env bash
# Makes the Debian packages from a finished build, checks them with lintian,
# unpacks them into a scratch root (dpkg -x) and checks what lands where and
# that the unpacked flasher runs against the simulated camera.
#   check_packages.sh BUILD_DIR WORK_DIR DESIGNER_PLUGIN_DIR LIBDIR PACKAGING_DOC
# (the two folders relative to /usr).
set -euo pipefail
build=$1 work=$2 plugins=/usr/$3 libdir=/usr/$4 doc=$5
rm -rf "$work"
mkdir -p "$work/root"
# One cpack run per package (with its -dbgsym package), side by side.
components=$(sed -n 's/^set(CPACK_COMPONENTS_ALL "\(.*\)")$/\1/p' "$build/CPackConfig.cmake" | tr ';' ' ')
for component in $components; do
  cpack --config "$build/CPackConfig.cmake" -B "$work/$component" -D CPACK_COMPONENTS_ALL="$component" \
    >"$work/$component.log" 2>&1 &
done
for component in $components; do
  wait -n || { cat "$work"/*.log; exit 1; }
done
mv "$work"/*/*.deb "$work"/*/*.ddeb "$work"

fail() { echo "FAIL: $*"; exit 1; }

# lintian takes a third of the test: it reads the packages while the checks
# below read the unpacked tree.
command -v lintian >/dev/null || fail "lintian is not installed (scripts/setup.sh installs it)"
lintian --allow-root --no-tag-display-limit "$work"/*.deb "$work"/*.ddeb >"$work/lintian.log" 2>&1 &
lintian_pid=$!
trap 'kill $lintian_pid 2>/dev/null || true' EXIT

root=$work/root
for deb in "$work"/*.deb "$work"/*.ddeb; do dpkg -x "$deb" "$root"; done

expect() { for f in "$@"; do [ -e "$root$f" ] || [ -L "$root$f" ] || fail "missing $f"; done; }
control() { dpkg-deb -f "$work/$1"_*.deb "$2"; }

# The utility and ispflash in their folder with the boot code and the
# simulated camera; the commands, the INI and the device library are links.
app=$libdir/ispupdate
expect $app/ispupdate $app/ispflash $app/bootcode.bin $app/simulated/lib06_usbcfg.so \
       /etc/ispupdate/ispupdate.ini /usr/share/ispupdate/sample_firmware.bin \
       /usr/share/applications/ispupdate.desktop /usr/share/metainfo/ispupdate.metainfo.xml \
       /usr/share/man/man1/ispupdate.1.gz /usr/share/man/man1/ispflash.1.gz /usr/share/man/man1/gallery.1.gz
for program in ispupdate ispflash; do
  [ "$(readlink -f "$root/usr/bin/$program")" = "$(readlink -f "$root$app/$program")" ] ||
    fail "/usr/bin/$program does not lead to $app/$program"
done
[ "$(readlink "$root$app/ispupdate.ini")" = /etc/ispupdate/ispupdate.ini ] || fail "$app/ispupdate.ini is no link to /etc"
[ "$(dpkg-deb -I "$work"/ispupdate_*.deb conffiles)" = /etc/ispupdate/ispupdate.ini ] || fail "the INI is no conffile"
dpkg-deb -I "$work"/ispupdate_*.deb postinst |
  grep -q "update-alternatives --install $app/lib06_usbcfg.so ispupdate-device" || fail "no device alternative"
dpkg-deb -I "$work"/ispupdate_*.deb prerm | grep -q "update-alternatives --remove ispupdate-device" ||
  fail "the device alternative outlives the package"
for size in 16 22 24 32 48 64 128 256; do
  icon=/usr/share/icons/hicolor/${size}x${size}/apps/ispupdate.png
  expect "$icon"
  [ "$(identify -format %wx%h "$root$icon")" = "${size}x${size}" ] || fail "$icon is not $size x $size"
done
desktop-file-validate "$root/usr/share/applications/ispupdate.desktop" || fail "desktop entry rejected"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/ispupdate.metainfo.xml" >"$work/appstream.log" ||
    { cat "$work/appstream.log"; fail "metainfo rejected"; }
fi

# Unpacked, with no device link yet, the stripped flasher finds the simulated
# camera and the libraries through its run path and writes a whole image.
ISPSIM_DIR=$work/camera "$root$app/ispflash" --quiet --boot "$root$app/bootcode.bin" \
  "$root/usr/share/ispupdate/sample_firmware.bin" || fail "the unpacked ispflash failed ($?)"
cmp -s "$work/camera/firmware.bin" "$root/usr/share/ispupdate/sample_firmware.bin" ||
  fail "the simulated camera did not receive the sample firmware"

# The libraries in the multiarch folder, with shlibs and the ldconfig trigger;
# the development files.
for lib in toolkit resources themes buttons frame controls scrolling; do
  expect $libdir/libskinned_$lib.so.0 $libdir/libskinned_$lib.so
  dpkg-deb -I "$work"/libskinnedcontrols0_*.deb shlibs | grep -q "^libskinned_$lib 0 libskinnedcontrols0 " ||
    fail "no shlibs line for libskinned_$lib"
done
dpkg-deb -I "$work"/libskinnedcontrols0_*.deb triggers | grep -qx "activate-noawait ldconfig" || fail "no ldconfig trigger"
expect /usr/include/skinnedcontrols/skin/buttons/suibutton.h /usr/include/skinnedcontrols/toolkit/canvas.h \
       $libdir/cmake/SkinnedControls/SkinnedControlsConfig.cmake \
       $libdir/cmake/SkinnedControls/SkinnedControlsTargets.cmake \
       $plugins/libskinnedcontrols_designer.so /usr/bin/gallery

# Every binary is stripped, its symbols are in a -dbgsym package under its
# build id, and every library it needs is in the tree or on the system.
binaries=$(find "$root/usr" -path "$root/usr/lib/debug" -prune -o -type f -print |
           xargs file -N | sed -n 's/^\([^:]*\): *ELF.*/\1/p')
[ "$(echo "$binaries" | wc -l)" -ge 12 ] || fail "too few binaries: $binaries"
for binary in $binaries; do
  file -b "$binary" | grep -q ", stripped" || fail "${binary#"$root"} is not stripped"
  id=$(readelf -n "$binary" | sed -n 's/.*Build ID: //p')
  [ -f "$root/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" ] || fail "${binary#"$root"} has no debug symbols"
  missing=$(LD_LIBRARY_PATH=$root$libdir ldd "$binary" | grep "not found" || true)
  [ -z "$missing" ] || fail "${binary#"$root"}: $missing"
done

# Depends come from the binaries (libc, Qt) and from the package relations.
for package in ispupdate libskinnedcontrols-dev; do
  control $package Depends | grep -q "libskinnedcontrols0 (= " || fail "$package does not depend on the library"
done
for package in ispupdate libskinnedcontrols0 libskinnedcontrols-dev; do
  control $package Depends | grep -q "libc6 (>= " || fail "$package does not depend on libc"
  control $package Depends | grep -q "libqt6widgets6 (>= " || fail "$package does not depend on Qt Widgets"
done
# lintian: no errors, and every warning is one docs/PACKAGING.md explains.
wait $lintian_pid || true
grep '^E: ' "$work/lintian.log" && fail "lintian reports errors"
for tag in $(sed -n 's/^W: [^ ]*: \([a-z0-9-]*\).*/\1/p' "$work/lintian.log" | sort -u); do
  grep -q -- "\`$tag\`" "$doc" || fail "lintian warning $tag is not explained in docs/PACKAGING.md"
done
echo "packages: $(cd "$work" && ls ./*.deb ./*.ddeb | xargs -n1 basename | tr '\n' ' ')"
