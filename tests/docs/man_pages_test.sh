#!/usr/bin/env bash
# The man pages against the programs: every option and command a --help lists is on the page,
# every one the page describes is in a --help, and both pages render without warnings.
# Usage: man_pages_test.sh SOURCE_DIR VORN VORNCTL
set -uo pipefail
src=$1 vorn=$2 vornctl=$3
command -v groff >/dev/null || { echo "skipped: groff is missing"; exit 77; }
status=0
fail() { echo "$*"; status=1; }

# An English help whatever language the user chose: no language is stored in a fresh folder.
export XDG_CONFIG_HOME=$(mktemp -d) QT_QPA_PLATFORM=offscreen
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

# Roff to plain words: fonts and quotes dropped, escaped minus signs made plain.
plain() { sed -e 's/\\f[BIRP]//g' -e 's/\\-/-/g' -e 's/"//g' -e 's/^\.[A-Z]* *//'; }
# The tag lines (the line after .TP) of a page, or of one section of it, with the synopsis.
tags() {
  awk -v section="${2:-}" '
    /^\.SH/ { name = $0; sub(/^\.SH +/, "", name); gsub(/"/, "", name) }
    section != "" && name != section { tp = 0; next }
    tp { print; tp = 0 } /^\.TP/ { tp = 1 }
    section == "" && name == "SYNOPSIS" && !/^\.(SH|SY|YS)/' "$1" | plain
}
options_in() { grep -oP '(?<![\w-])--?[a-z][a-z-]*' | sort -u; }
help_options() { awk '/^[^ ].*:$/ { on = ($0 == "Options:"); next } on && $1 ~ /^-/ { print $1 }' |
  tr ',' '\n' | sed 's/^ *//' | grep -v '^$'; }
subcommands() { awk '/^[^ ].*:$/ { on = ($0 == "Subcommands:"); next } /^$/ { on = 0 } on { print $1 }'; }
compare() {
  local what=$1 from_help=$2 from_page=$3
  while read -r w; do [[ -n $w ]] && fail "$what: '$w' is in --help but not on the page"; done \
    < <(comm -23 <(sort -u <<<"$from_help") <(sort -u <<<"$from_page"))
  while read -r w; do [[ -n $w ]] && fail "$what: '$w' is on the page but in no --help"; done \
    < <(comm -13 <(sort -u <<<"$from_help") <(sort -u <<<"$from_page"))
}

# vornctl: walk the commands; every help's options and the leaf commands' names.
help_opts="" leaves=""
walk() {
  local text subs s
  text=$("$vornctl" "$@" --help) || { fail "vornctl $* --help failed"; return; }
  help_opts+=$(help_options <<<"$text")$'\n'
  # Every number goes through the one decimal reader, whose help names the range instead.
  grep -qwE 'INT|UINT|FLOAT|NUMBER' <<<"$text" && fail "vornctl $* --help: a number not read as decimal"
  subs=$(subcommands <<<"$text")
  if [[ -z $subs ]]; then leaves+="$*"$'\n'; return; fi
  for s in $subs; do walk "$@" "$s"; done
}
walk
page=$src/docs/man/vornctl.1
page_commands=$(tags "$page" COMMANDS | grep -oP '^([a-z][a-z-]*)( [a-z][a-z-]*)*(?= |$)')
compare "vornctl.1 command" "$(sed '/^$/d' <<<"$leaves")" "$page_commands"
compare "vornctl.1 option" "$(sort -u <<<"$help_opts" | sed '/^$/d')" "$(tags "$page" | options_in)"

# vorn: Qt's parser prints "-h, --help" and exits before any window opens.
text=$("$vorn" --help 2>/dev/null) || fail "vorn --help failed"
vorn_opts=$(awk '/^Options:/ { on = 1; next } /^[^ ]/ { on = 0 } on' <<<"$text" |
  grep -oP '^\s+\K-[^ ,]+(, --?[^ ,]+)?' | tr ',' '\n' | sed 's/^ *//')
compare "vorn.1 option" "$vorn_opts" "$(tags "$src/docs/man/vorn.1" | options_in)"

# Both rendered as man renders them, for a plain terminal and a UTF-8 one.
for p in "$src"/docs/man/vorn.1 "$src"/docs/man/vornctl.1; do
  for device in ascii utf8; do
    warnings=$(groff -man -ww -z -K utf8 -T"$device" "$p" 2>&1)
    [[ -z $warnings ]] || fail "$(basename "$p") for $device: $warnings"
  done
done
exit $status
