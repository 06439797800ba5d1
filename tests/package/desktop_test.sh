#!/usr/bin/env bash
# Checks what desktops read about Vorn: the desktop entry and the AppStream metainfo pass
# their validators and agree with each other and with the MIME type, and the MIME type,
# installed into a scratch data folder, claims action files by their header and by ".rob".
# Usage: desktop_test.sh SOURCE_DIR
set -euo pipefail
res=$1/resources
id=io.github.vorn.Vorn
desktop=$res/$id.desktop
metainfo=$res/metainfo/$id.metainfo.xml
mimexml=$res/mime/vorn.xml
type=application/x-vorn-action
for tool in desktop-file-validate appstreamcli update-mime-database gio; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "$*"; status=1; }

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejects $metainfo"

# A renamed desktop file or a retyped MIME name breaks the links silently: software centres
# then show no launcher and file managers offer Vorn for nothing.
grep -qx "Exec=vorn %F" "$desktop" || fail "the desktop entry does not pass files to vorn"
grep -qx "MimeType=.*$type;.*" "$desktop" || fail "the desktop entry does not declare $type"
grep -q "<mime-type type=\"$type\">" "$mimexml" || fail "$mimexml does not define $type"
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $id.desktop"
grep -q "<mediatype>$type</mediatype>" "$metainfo" || fail "the metainfo does not provide $type"
for b in vorn vornctl; do
  grep -q "<binary>$b</binary>" "$metainfo" || fail "the metainfo does not provide $b"
done

# The scratch folder stands first, with an empty home, so that each type is found once.
mkdir -p "$work/data/mime/packages" "$work/home" "$work/files"
cp "$mimexml" "$work/data/mime/packages/"
update-mime-database "$work/data/mime" 2>/dev/null
export XDG_DATA_HOME=$work/home XDG_DATA_DIRS=$work/data:/usr/share
content_type() { gio info -a standard::content-type "$1" | sed -n 's/.*standard::content-type: //p'; }

# name | bytes | whether it is an action file
cases=(
  "wave.bin|SOBARM\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00|yes"
  "12号wave|SOBARM\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00|yes"
  "wave.rob|\x00\x01\x02\x03|yes"
  "notes.rob|plain words|yes"
  "other.bin|SOBAR\x00\x01\x02|no"
  "late.bin|\x00SOBARM\x01\x02|no"
)
for c in "${cases[@]}"; do
  IFS='|' read -r name bytes expected <<<"$c"
  printf "$bytes" >"$work/files/$name"
  got=$(content_type "$work/files/$name")
  if [[ $expected == yes && $got != "$type" ]]; then
    fail "$name is taken for $got, not $type"
  elif [[ $expected == no && $got == "$type" ]]; then
    fail "$name is taken for $type"
  fi
done
exit $status
