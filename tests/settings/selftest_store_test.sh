#!/usr/bin/env bash
# The store checks of the self-test: all nine pass and the throw-away
# directory is gone afterwards.
set -u
bin=${1:?path to velmora}
fails=0
fail() { echo "FAIL $*"; fails=$((fails + 1)); }
before=$(ls -d /tmp/vlmra-selftest-* 2>/dev/null | sort)
out=$("$bin" --selftest)
after=$(ls -d /tmp/vlmra-selftest-* 2>/dev/null | sort)
[[ "$before" == "$after" ]] || fail "self-test left a directory behind: $after"
lines=(
  "Speichern/Laden: 16 Namen in fremden Schriften unveraendert zurueck  OK"
  "Name aus 500 Zeichen: auf 32 Zeichen gekuerzt, gueltiges UTF-8  OK"
  "Steuer-, Richtungs- und kaputte Zeichen entfernt: \"Normalgnp.exe(X\"  OK"
  "Leerraum gestutzt und zusammengefasst  OK"
  "Praeparierte Datei (NaN, 1e999, Riesenzahlen, 300 Saetze mit Muell): nichts davon uebernommen  OK"
  "150 Saetze mit 500-Zeichen-Namen: 100 uebernommen, alle <= 32 Zeichen, keine doppelt  OK"
  "Satz mit 18 statt 19 Feldern: verworfen, Vorgabe gilt  OK"
  "Absturz beim Speichern: Sicherung geladen (Kompressor-Mix 0.77)  OK"
  "400 zerstoerte Dateien (Bitfehler, abgeschnitten, Zufall, 2 MiB): sauber abgefangen  OK"
)
# The nine lines appear in this order, one after the other.
store=$(printf '%s\n' "$out" | grep -A8 -F "Speichern/Laden:")
[[ "$store" == "$(printf '%s\n' "${lines[@]}")" ]] || { fail "store lines differ:"; printf '%s\n' "$store"; }
[[ $fails -eq 0 ]] && echo "self-test store checks: all passed"
exit $((fails > 0))
