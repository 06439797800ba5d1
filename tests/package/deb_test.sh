#!/usr/bin/env bash
# Builds the .deb from a built tree and unpacks it into a scratch root: every file must be in
# place, the programs must start from there, and the dependencies must name the CJK font.
# Usage: deb_test.sh BUILD_DIR
set -euo pipefail
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
debs=("$work"/out/vorn_*.deb)
[[ -f ${debs[0]} ]] || { echo "no vorn_*.deb built"; exit 1; }
dpkg-deb -x "${debs[0]}" "$work/root"

status=0
for f in usr/bin/vorn usr/bin/vornctl lib/udev/rules.d/70-vorn.rules \
         usr/share/applications/vorn.desktop usr/share/icons/hicolor/scalable/apps/vorn.svg; do
  [[ -e $work/root/$f ]] || { echo "missing from the package: /$f"; status=1; }
done
"$work/root/usr/bin/vornctl" --version | grep -q '^vornctl ' || { echo "vornctl does not start"; status=1; }
grep -q 'TAG+="uaccess"' "$work/root/lib/udev/rules.d/70-vorn.rules" || { echo "udev rule"; status=1; }

depends=$(dpkg-deb -f "${debs[0]}" Depends)
echo "Depends: $depends"
for d in fonts-wqy-microhei libqt6widgets6 libqt6serialport6 libhidapi-hidraw0; do
  [[ $depends == *"$d"* ]] || { echo "Depends lacks $d"; status=1; }
done
exit $status
