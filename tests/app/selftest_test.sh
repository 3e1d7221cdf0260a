#!/usr/bin/env bash
# One "velmora --selftest --bogus" run: the self-test wins over the unknown
# switch, exits 0, every check line ends in "OK", the lines with fixed values
# read exactly, and the throw-away directory is gone afterwards.
bin=${1:?path to velmora}
source "$(dirname "$0")/../private_env.sh"
before=$(ls -d /tmp/vlmra-selftest-* 2>/dev/null | sort)
out=$(XDG_CONFIG_HOME= "$bin" --selftest --bogus 2>&1)
rc=$?
after=$(ls -d /tmp/vlmra-selftest-* 2>/dev/null | sort)
[[ $rc -eq 0 ]] || fail "exit code $rc"
# A run of the self-test elsewhere on this machine may hold a directory of its
# own for a while; one that this finished run left behind never goes away.
for dir in $(comm -13 <(printf '%s\n' "$before") <(printf '%s\n' "$after")); do
  for _ in $(seq 600); do [[ -e "$dir" ]] || break; sleep 0.2; done
  [[ -e "$dir" ]] && fail "self-test left a directory behind: $dir"
done
load='^        Rechenlast: [0-9]*\.[0-9] % eines Kerns (20 s Ton in [0-9]*\.[0-9][0-9] s)$'
checks=$(grep -v -e '^$' -e "$load" <<<"$out")
[[ $(tail -n 1 <<<"$checks") == "Alles in Ordnung." ]] || fail "summary"
bad=$(head -n -1 <<<"$checks" | grep -v '  OK$')
[[ -z "$bad" ]] || fail "lines not ending in OK: $bad"
fixed=(
  "Arbeitspunkt der Triode: Anode 170.1 V, Kathode 1.20 V, 0.799 mA, Verstaerkung -60.6  OK"
  "Voreinstellungen beider Einschuebe (18) mit lautem Ton: 0 auffaellig  OK"
  "Begrenzer: 3.0 -> 0.980, 0.5 unveraendert  OK"
  "Speichern/Laden: 16 Namen in fremden Schriften unveraendert zurueck  OK"
  "Absturz beim Speichern: Sicherung geladen (Kompressor-Mix 0.77)  OK"
)
for line in "${fixed[@]}"; do grep -qxF "$line" <<<"$out" || fail "missing: $line"; done
[[ $(grep -c '  OK$' <<<"$checks") -eq 23 ]] || fail "$(grep -c "  OK$" <<<"$checks") checks, want 23"
[[ $fails -eq 0 ]] || { echo "$out"; exit 1; }
