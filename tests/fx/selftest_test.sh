#!/usr/bin/env bash
# Runs "velmora --selftest": exit code 0, every check line ends in "OK", the
# chain checks 1-12 (13 lines: check 10 prints twice) and 22 are present,
# followed by the load line and the summary.
set -u
bin=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
# A private home, so nothing of the user's can be touched.
out=$(HOME=$home XDG_CONFIG_HOME= "$bin" --selftest)
rc=$?
fail() { echo "FAIL: $*"; echo "$out"; exit 1; }
[[ $rc -eq 0 ]] || fail "exit code $rc"
checks=$(grep -v -e '^$' -e '^        Rechenlast: ' -e '^Alles in Ordnung\.$' <<<"$out")
bad=$(grep -v '  OK$' <<<"$checks")
[[ -z "$bad" ]] || fail "lines not ending in OK: $bad"
grep -q '^Pur: um 54 Proben verzoegert, groesste Abweichung ' <<<"$out" || fail "check 1"
grep -q '^Arbeitspunkt der Triode: Anode 170\.1 V, Kathode 1\.20 V, 0\.799 mA, Verstaerkung -60\.6  OK$' <<<"$out" || fail "check 2"
grep -q '^SSE2 (L und R zugleich) gegen skalar: ' <<<"$out" || fail "check 8"
[[ $(grep -c '^Alles voll, Rauschen 0 dBFS, Limiter ' <<<"$out") -eq 2 ]] || fail "check 10 twice"
grep -q '^Voreinstellungen beider Einschuebe (18) mit lautem Ton: 0 auffaellig  OK$' <<<"$out" || fail "check 12"
grep -qE '^        Rechenlast: [0-9]+\.[0-9] % eines Kerns \(20 s Ton in [0-9]+\.[0-9]{2} s\)$' <<<"$out" || fail "load line"
grep -q '^Begrenzer: 3\.0 -> 0\.980, 0\.5 unveraendert  OK$' <<<"$out" || fail "check 22"
[[ $(tail -n 1 <<<"$out") == "Alles in Ordnung." ]] || fail "summary"
echo "selftest ok"
