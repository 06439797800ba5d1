#!/usr/bin/env bash
# Both programs name the version CMakeLists.txt gives the project, and the newest release in
# CHANGELOG.md is that version.
# Usage: version_test.sh SOURCE_DIR VORN VORNCTL
set -uo pipefail
src=$1 vorn=$2 vornctl=$3
status=0
version=$(grep -oP '^project\(vorn VERSION \K[0-9.]+' "$src/CMakeLists.txt")
[[ -n $version ]] || { echo "no version in CMakeLists.txt"; exit 1; }

export XDG_CONFIG_HOME=$(mktemp -d) QT_QPA_PLATFORM=offscreen
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
[[ $("$vornctl" --version) == "vornctl $version" ]] ||
  { echo "vornctl --version: $("$vornctl" --version), want vornctl $version"; status=1; }
[[ $("$vorn" --version 2>/dev/null) == "Vorn $version" ]] ||
  { echo "vorn --version: $("$vorn" --version 2>/dev/null), want Vorn $version"; status=1; }

# Release headings read "## [0.1.0] - 2026-12-06"; an "Unreleased" one may stand above them.
newest=$(grep -oP '^## \[\K[0-9][0-9.]*(?=\])' "$src/CHANGELOG.md" | head -1)
[[ $newest == "$version" ]] ||
  { echo "CHANGELOG.md's newest release is '$newest', the project is $version"; status=1; }
for page in vorn.1 vornctl.1; do
  grep -q "^\.TH .* \"Vorn $version\"" "$src/docs/man/$page" ||
    { echo "$page does not name Vorn $version in its title line"; status=1; }
done
exit $status
