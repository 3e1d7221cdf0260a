#!/usr/bin/env bash
# One "velmora --selftest --bogus" run: the self-test wins over the unknown
# switch, exits 0, every check line ends in "OK", the lines with fixed values
# read exactly, and the throw-away directory is gone afterwards.
set -u
bin=${1:?path to velmora}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
before=$(ls -d /tmp/vlmra-selftest-* 2>/dev/null | sort)
out=$(HOME=$home XDG_CONFIG_HOME= "$bin" --selftest --bogus 2>&1)
rc=$?
after=$(ls -d /tmp/vlmra-selftest-* 2>/dev/null | sort)
fail() { echo "FAIL: $*"; echo "$out"; exit 1; }
[[ $rc -eq 0 ]] || fail "exit code $rc"
# A run of the self-test elsewhere on this machine may hold a directory of its
# own for a while; one that this finished run left behind never goes away.
for dir in $(comm -13 <(printf '%s\n' "$before") <(printf '%s\n' "$after")); do
  for _ in $(seq 600); do [[ -e "$dir" ]] || break; sleep 0.2; done
  [[ -e "$dir" ]] && fail "self-test left a directory behind: $dir"
done
grep -q Unbekannter <<<"$out" && fail "unknown switch reported"
checks=$(grep -v -e '^$' -e '^        Rechenlast: ' -e '^Alles in Ordnung\.$' <<<"$out")
bad=$(grep -v '  OK$' <<<"$checks")
[[ -z "$bad" ]] || fail "lines not ending in OK: $bad"
grep -q '^Pur: um 54 Proben verzoegert, groesste Abweichung ' <<<"$out" || fail "latency line"
grep -q '^SSE2 (L und R zugleich) gegen skalar: ' <<<"$out" || fail "lanes line"
[[ $(grep -c '^Alles voll, Rauschen 0 dBFS, Limiter ' <<<"$out") -eq 2 ]] || fail "limiter lines"
grep -qE '^        Rechenlast: [0-9]+\.[0-9] % eines Kerns \(20 s Ton in [0-9]+\.[0-9]{2} s\)$' <<<"$out" || fail "load line"
fixed=(
  "Arbeitspunkt der Triode: Anode 170.1 V, Kathode 1.20 V, 0.799 mA, Verstaerkung -60.6  OK"
  "Voreinstellungen beider Einschuebe (18) mit lautem Ton: 0 auffaellig  OK"
  "Begrenzer: 3.0 -> 0.980, 0.5 unveraendert  OK"
)
for line in "${fixed[@]}"; do grep -qxF "$line" <<<"$out" || fail "missing: $line"; done
# The store's nine lines, in this order, one after the other.
store_lines=(
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
store=$(grep -A8 -F "Speichern/Laden:" <<<"$out")
[[ "$store" == "$(printf '%s\n' "${store_lines[@]}")" ]] || fail "store lines differ"
[[ $(tail -n 1 <<<"$out") == "Alles in Ordnung." ]] || fail "summary"
echo "selftest ok"
