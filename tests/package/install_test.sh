#!/usr/bin/env bash
# Installs a built tree under the default prefix and builds the .deb, each into a scratch
# root: the udev rule must land where udev reads it, every file of the package must be in
# place, the programs must start from there, and the dependencies must name the CJK font.
# Usage: install_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

DESTDIR="$work/dest" cmake --install "$build" --prefix /usr/local >/dev/null
[[ -f $work/dest/lib/udev/rules.d/70-vorn.rules ]] ||
  { echo "cmake --install put the udev rule where udev does not read it"; status=1; }
[[ -x $work/dest/usr/local/bin/vornctl ]] || { echo "cmake --install left out vornctl"; status=1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
debs=("$work"/out/vorn_*.deb)
[[ -f ${debs[0]} ]] || { echo "no vorn_*.deb built"; exit 1; }
dpkg-deb -x "${debs[0]}" "$work/root"

for f in usr/bin/vorn usr/bin/vornctl lib/udev/rules.d/70-vorn.rules \
         usr/share/applications/io.github.vorn.Vorn.desktop \
         usr/share/metainfo/io.github.vorn.Vorn.metainfo.xml usr/share/mime/packages/vorn.xml \
         usr/share/icons/hicolor/scalable/apps/vorn.svg \
         usr/share/man/man1/vorn.1.gz usr/share/man/man1/vornctl.1.gz \
         usr/share/bash-completion/completions/vornctl usr/lib/vorn/vorn_music.so; do
  [[ -e $work/root/$f ]] || { echo "missing from the package: /$f"; status=1; }
done
# shared-mime-info's trigger builds the cache on the target; a cache shipped in the package
# would overwrite the one every other package's types are in.
extra=$(cd "$work/root" && find usr/share/mime -type f ! -path 'usr/share/mime/packages/*' 2>/dev/null || true)
[[ -z $extra ]] || { echo "the package ships a MIME cache: $extra"; status=1; }
"$work/root/usr/bin/vornctl" --version | grep -q '^vornctl ' || { echo "vornctl does not start"; status=1; }
# Debian's python3 finds the module where the package puts it.
module=$(cd "$work/root" && ls usr/lib/python3/dist-packages/vorn.*.so 2>/dev/null || true)
if [[ -z $module ]]; then
  echo "missing from the package: the Python module in /usr/lib/python3/dist-packages"; status=1
else
  version=$(PYTHONPATH="$work/root/usr/lib/python3/dist-packages" /usr/bin/python3 -c \
    'import vorn; print(vorn.__version__)')
  [[ $version == "$2" ]] ||
    { echo "import vorn gives version '$version'"; status=1; }
fi
grep -q 'TAG+="uaccess"' "$work/root/lib/udev/rules.d/70-vorn.rules" || { echo "udev rule"; status=1; }

depends=$(dpkg-deb -f "${debs[0]}" Depends)
echo "Depends: $depends"
for d in fonts-wqy-microhei qt6-translations-l10n python3 libqt6widgets6 libqt6serialport6 libhidapi-hidraw0 \
         libsdl2-2.0-0; do
  [[ $depends == *"$d"* ]] || { echo "Depends lacks $d"; status=1; }
done
exit $status
