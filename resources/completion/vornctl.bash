# bash completion for vornctl.
# The commands, options and arguments come from vornctl's own --help, asked once per command
# and kept for the shell's life, so the completion follows the program it completes. The help
# is read in English (a settings folder with no language chosen): it names the ranges there.

declare -gA _vornctl_help_cache

# The help of `vornctl WORDS... --help`, from the cache when asked before.
_vornctl_help() {
  local prog=$1 key="$1|${*:2}"
  if [[ -z ${_vornctl_help_cache[$key]+set} ]]; then
    _vornctl_help_cache[$key]=$(XDG_CONFIG_HOME=/nonexistent QT_QPA_PLATFORM=offscreen \
      "$prog" "${@:2}" --help 2>/dev/null)
  fi
  printf '%s\n' "${_vornctl_help_cache[$key]}"
}

# Lines of one section ("Options:", "Subcommands:", "Positionals:") of a help text.
_vornctl_section() {
  awk -v want="$1" '/^[^ ].*:$/ { on = ($0 == want); next } /^$/ { on = 0 } on' <<<"$2"
}

_vornctl_add() {
  local w
  for w; do [[ $w == "$cur"* ]] && COMPREPLY+=("$w"); done
}

_vornctl_files() {
  local IFS=$'\n' f
  local -a found
  found=($(compgen -f -- "$cur"))
  for f in "${found[@]}"; do
    if [[ -d $f ]]; then
      COMPREPLY+=("$f/")
    else
      local ext
      for ext; do [[ ${f,,} == *."$ext" ]] && COMPREPLY+=("$f") && break; done
    fi
  done
  compopt -o filenames -o nospace 2>/dev/null
}

# The profiles kept now, asked each time (the user's settings, not the cache's empty ones);
# quoted as the shell must read them back ("Vorn\ arm").
_vornctl_profiles() {
  local name quoted
  while IFS= read -r name; do
    [[ -n $name ]] || continue
    printf -v quoted '%q' "$name"
    [[ $quoted == "$cur"* ]] && COMPREPLY+=("$quoted")
  done < <(QT_QPA_PLATFORM=offscreen "$prog" profiles 2>/dev/null)
}

_vornctl_ports() {
  local p
  for p in /dev/ttyUSB* /dev/ttyACM* /dev/ttyS*; do
    [[ -e $p && $p == "$cur"* ]] && COMPREPLY+=("$p")
  done
}

# The extensions a FILE argument or an --output takes in the command `path`.
_vornctl_file_kinds() {
  local path=$1 what=$2
  case "$path|$what" in
    "file import|FILE" | "file export|OUTPUT") echo "json csv" ;;
    *) echo rob ;;
  esac
}

# Completes a value of the kind a help line gives it: "0 to 230, or all", "TEXT:{on,off}".
_vornctl_value() {
  local spec=$1 name=$2 path=$3 i
  if [[ $spec =~ \{([^}]*)\} ]]; then
    _vornctl_add ${BASH_REMATCH[1]//,/ }
  elif [[ $name == GROUP && $spec =~ ([0-9]+)\ to\ ([0-9]+) ]]; then
    local -a nums=()
    for ((i = BASH_REMATCH[1]; i <= BASH_REMATCH[2]; i++)); do nums+=("$i"); done
    [[ $spec == *", or all"* ]] && nums+=(all)
    _vornctl_add "${nums[@]}"
  elif [[ $name == CURVE ]]; then
    _vornctl_add in out in-out
  elif [[ $name == PROFILE ]]; then
    _vornctl_profiles
  elif [[ $name == PORT ]]; then
    _vornctl_ports
  elif [[ $name == FILE || $name == OUTPUT ]]; then
    _vornctl_files $(_vornctl_file_kinds "$path" "$name")
  fi
}

_vornctl() {
  local cur=${COMP_WORDS[COMP_CWORD]} prog=${COMP_WORDS[0]}
  COMPREPLY=()
  local -a path=()
  local help line i w positional=0 after_opt=""
  help=$(_vornctl_help "$prog")

  # Walk the words before the cursor: command words deepen the path, options that take a
  # value skip it, the rest are positionals of the command reached.
  for ((i = 1; i < COMP_CWORD; i++)); do
    w=${COMP_WORDS[i]}
    if [[ $w == -* ]]; then
      line=$(_vornctl_option_line "$w" "$help")
      [[ -n $line && $(_vornctl_option_spec "$line") != "" ]] && ((i++))
    elif _vornctl_section Subcommands: "$help" | awk '{print $1}' | grep -qx -- "$w" &&
      ((positional == 0)); then
      path+=("$w")
      help=$(_vornctl_help "$prog" "${path[@]}")
    else
      ((positional++))
    fi
  done

  # The value of the option before the cursor.
  if ((COMP_CWORD > 1)); then
    w=${COMP_WORDS[COMP_CWORD - 1]}
    if [[ $w == -* ]]; then
      line=$(_vornctl_option_line "$w" "$help")
      local spec
      spec=$(_vornctl_option_spec "$line")
      if [[ -n $line && -n $spec ]]; then
        local name=VALUE
        [[ $w == --serial ]] && name=PORT
        [[ $w == --curve ]] && name=CURVE
        [[ $w == --profile ]] && name=PROFILE
        [[ $w == -o || $w == --output ]] && name=OUTPUT
        _vornctl_value "$spec" "$name" "${path[*]}"
        return 0
      fi
    fi
  fi

  if [[ $cur == -* ]]; then
    _vornctl_add $(_vornctl_section Options: "$help" | awk '$1 ~ /^-/ {print $1}' | tr ',' ' ')
    return 0
  fi

  local commands
  commands=$(_vornctl_section Subcommands: "$help" | awk '$1 !~ /^-/ {print $1}')
  if [[ -n $commands ]]; then
    _vornctl_add $commands
    return 0
  fi

  # The positional at the cursor, by its place among the "Positionals:" (a last one that
  # repeats, "ID 0 to 253 ...", takes every further word).
  local -a names=() specs=()
  while IFS= read -r line; do
    [[ $line =~ ^\ \ ([A-Z]+)\ ?(.*)$ ]] || continue
    names+=("${BASH_REMATCH[1]}")
    specs+=("${BASH_REMATCH[2]}")
  done < <(_vornctl_section Positionals: "$help")
  local n=${#names[@]}
  ((n == 0)) && return 0
  i=$positional
  if ((i >= n)); then
    [[ ${specs[n - 1]} == *...* ]] || return 0
    i=$((n - 1))
  fi
  _vornctl_value "${specs[i]}" "${names[i]}" "${path[*]}"
  return 0
}

# The help line of option `opt` ("  --baud 1 to 4000000   Serial speed ..."). Before a command's
# name the board options may stand too; `move` takes every one of them.
_vornctl_option_line() {
  local found
  found=$(_vornctl_find_option "$1" "$2")
  [[ -z $found && -n $prog ]] && found=$(_vornctl_find_option "$1" "$(_vornctl_help "$prog" move)")
  printf '%s' "$found"
}

_vornctl_find_option() {
  _vornctl_section Options: "$2" | awk -v opt="$1" '
    $1 ~ /^-/ { n = split($1, names, ","); for (k = 1; k <= n; k++) if (names[k] == opt) { print; exit } }'
}

# What an option's help line says of its value ("1 to 4000000", "TEXT:{on,off}"); empty for
# a flag.
_vornctl_option_spec() {
  local line=${1#"${1%%[! ]*}"}
  local rest=${line#"${line%%[ ]*}"}
  [[ -z $rest || $rest == "  "* ]] && return 0
  rest=${rest# }
  rest=${rest%%  *}
  rest=${rest%%Excludes:*}
  rest=${rest%%Needs:*}
  printf '%s' "${rest% }"
}

complete -F _vornctl vornctl
