#!/usr/bin/env bash
# Drives the bash completion of vornctl as bash does on Tab (COMP_WORDS, COMP_CWORD) against
# the built program, whose --help it reads, and checks what it offers.
# Usage: completion_test.sh SOURCE_DIR VORN VORNCTL   (VORN is not used)
set -uo pipefail
src=$1 vornctl=$(realpath "$3")
# shellcheck source=/dev/null
source "$src/resources/completion/vornctl.bash"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config  # only the shipped profile
cd "$work" && touch wave.rob bow.ROB pose.json pose.csv notes.txt && mkdir moves
status=0

# Each case: the words typed, the last being completed | what must be offered, in order.
cases=(
  "|list download download-many run stop erase move reset unload read-positions trims servo profiles file"
  "do|download download-many"
  "trims |read store adjust"
  "run 23|23 230"
  "erase a|all"
  "download 7 |moves/ bow.ROB wave.rob"
  "download-many wave.rob |moves/ bow.ROB wave.rob"
  "file import |moves/ pose.csv pose.json"
  "file export wave.rob -o |moves/ pose.csv pose.json"
  "file import pose.csv --output |moves/ bow.ROB wave.rob"
  "--simulate --timeout 500 run 22|22 220 221 222 223 224 225 226 227 228 229"
  "servo write --led |on off"
  "servo mode 3 |servo motor"
  "file ease wave.rob --curve |in out in-out"
  "file ease wave.rob --curve in-|in-out"
  "move --s|--simulate --sim-servos --serial"
  "erase --|--help --simulate --sim-servos --timeout --trace --yes"
  "run 5 |"
  "servo motor 1 |"
)
for c in "${cases[@]}"; do
  typed=${c%%|*} want=${c#*|}
  read -ra COMP_WORDS <<<"vornctl $typed"
  [[ $typed == *" " || -z $typed ]] && COMP_WORDS+=("")
  COMP_WORDS[0]=$vornctl
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  _vornctl
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//')
  want=$(tr ' ' '\n' <<<"$want" | sort | tr '\n' ' ' | sed 's/ $//')
  [[ $got == "$want" ]] || { echo "vornctl $typed<Tab>: want [$want], got [$got]"; status=1; }
done

# Groups run 0 to 230, no more.
COMP_WORDS=("$vornctl" run "") COMP_CWORD=2
_vornctl
[[ ${#COMPREPLY[@]} == 231 && ${COMPREPLY[0]} == 0 && ${COMPREPLY[230]} == 230 ]] ||
  { echo "run <Tab>: want the groups 0 to 230, got ${#COMPREPLY[@]} words"; status=1; }

# --profile offers the profiles kept, quoted as the shell reads them back.
COMP_WORDS=("$vornctl" move 1 500 --profile V) COMP_CWORD=5
_vornctl
[[ ${COMPREPLY[*]} == 'Vorn\ arm' ]] || { echo "--profile V<Tab>: got [${COMPREPLY[*]}]"; status=1; }

# The port option offers the serial ports there are, and nothing else.
COMP_WORDS=("$vornctl" move 1 500 --serial "") COMP_CWORD=5
_vornctl
ports=$(compgen -G '/dev/tty[UA]*' ; compgen -G '/dev/ttyS*')
for p in "${COMPREPLY[@]}"; do
  [[ $p =~ ^/dev/tty(USB|ACM|S)[0-9]+$ ]] || { echo "--serial offers $p"; status=1; }
done
(( ${#COMPREPLY[@]} == $(grep -cE '^/dev/tty(USB|ACM|S)[0-9]+$' <<<"$ports") )) ||
  { echo "--serial offers ${#COMPREPLY[@]} ports"; status=1; }
exit $status
