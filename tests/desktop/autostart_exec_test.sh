#!/usr/bin/env bash
# The Exec line of a plain installation names the running executable; a path
# with blanks or "%" is quoted so the desktop starts that file and nothing else.
helper=${1:?path to desktop_helper}
source "$(dirname "$0")/../private_env.sh"
unset SNAP SNAP_NAME SNAP_REAL_HOME FLATPAK_ID
entry="$HOME/.config/autostart/Velmora.desktop"

check() {  # check DIR EXTRA EXEC: run from DIR/velmora, the entry must say Exec=EXEC
  mkdir -p "$1"
  cp "$helper" "$1/velmora"
  rm -f "$entry"
  "$1/velmora" autostart "$2" || fail "set failed from $1"
  local got
  got=$(grep '^Exec=' "$entry")
  [[ "$got" == "Exec=$3" ]] || fail "from $1: '$got', want 'Exec=$3'"
}
check "$work/bin" "--compact" "$work/bin/velmora --compact"
check "$work/My Apps" "" "\"$work/My Apps/velmora\""
check "$work/a b%c\$d" "--off" "\"$work/a b%%c\\\\\$d/velmora\" --off"
check "$work/50%" "" "$work/50%%/velmora"
[[ $fails -eq 0 ]]
