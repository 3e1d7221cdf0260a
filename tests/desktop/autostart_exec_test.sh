#!/usr/bin/env bash
# The Exec line of a plain installation names the running executable; a path
# with blanks or "%" is quoted so the desktop starts that file and nothing else.
set -u
helper=${1:?path to desktop_helper}
fails=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
unset SNAP SNAP_NAME SNAP_REAL_HOME FLATPAK_ID
entry="$HOME/.config/autostart/Velmora.desktop"
fail() { echo "FAIL $*"; fails=$((fails + 1)); }

run_from() {  # run_from DIR EXTRA -> prints the Exec line
  mkdir -p "$1"
  cp "$helper" "$1/velmora"
  rm -f "$entry"
  "$1/velmora" autostart "$2" || fail "set failed from $1"
  grep '^Exec=' "$entry"
}

got=$(run_from "$work/bin" "")
[[ "$got" == "Exec=$work/bin/velmora" ]] || fail "plain path: $got"

got=$(run_from "$work/bin" "--compact")
[[ "$got" == "Exec=$work/bin/velmora --compact" ]] || fail "extra arguments: $got"

got=$(run_from "$work/My Apps" "")
[[ "$got" == "Exec=\"$work/My Apps/velmora\"" ]] || fail "blank in path: $got"

got=$(run_from "$work/a b%c\$d" "--off")
[[ "$got" == "Exec=\"$work/a b%%c\\\\\$d/velmora\" --off" ]] || fail "reserved characters: $got"

got=$(run_from "$work/50%" "")
[[ "$got" == "Exec=$work/50%%/velmora" ]] || fail "percent sign: $got"

[[ $fails -eq 0 ]] && echo "autostart exec tests passed"
exit $((fails > 0))
