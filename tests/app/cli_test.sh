#!/usr/bin/env bash
# Runs the built binary and compares exact standard output bytes and exit codes.
bin=${1:?path to velmora}
source "$(dirname "$0")/../private_env.sh"

help_text() {
  printf '%s\n' \
    "Velmora 1.0.1 (Build 1026)" \
    "" \
    "  Velmora                 Fenster oeffnen" \
    "  Velmora --compact       in der Kompaktansicht oeffnen" \
    "  Velmora --devices       Ausgabegeraete auflisten" \
    "  Velmora --selftest      Roehre, Kompressor und Einstellungen nachrechnen" \
    "  Velmora --version       Fassung ausgeben" \
    "" \
    "  --device <kennung>          fuer diesen Lauf auf dieses Geraet spielen" \
    "  --no-takeover               Standardgeraet und fremde Tonstroeme NICHT" \
    "                              anfassen (Testlaeufe)" \
    "  --off                       mit ausgeschalteter Klangkette starten" \
    "" \
    "  Startzustand fuer Aufnahmen (Store-Bilder; wird wie eine Einstellung gemerkt):" \
    "  --size <B>x<H>              Fenstergroesse" \
    "  --theme dark|light          Design" \
    "  --preset <name>             Voreinstellung eines Einschubs, z. B. warm, crunch," \
    "                              punch, night; clean = Roehre und Kompressor aus" \
    "  --collapsed                 Regler eingeklappt"
}

# expect NAME WANT_CODE WANT_FILE ARGS...
expect() {
  local name=$1 want_code=$2 want_file=$3
  shift 3
  timeout 20 "$bin" "$@" >"$work/out" 2>"$work/err"
  local code=$?
  [[ $code -eq $want_code ]] || fail "$name: exit $code, want $want_code"
  if ! cmp -s "$work/out" "$want_file"; then
    fail "$name: output differs"
    diff <(od -c "$want_file") <(od -c "$work/out") | head -20
  fi
}

unknown() { printf 'Unbekannter Schalter: %s\n\n' "$1"; help_text; }
printf 'Velmora 1.0.1 (Build 1026)\n' >"$work/version"
help_text >"$work/help"
unknown --bogus >"$work/bogus"
unknown --Version >"$work/bogus2"
unknown --compact=1 >"$work/bogus3"

expect version 0 "$work/version" --version
expect version-first 0 "$work/version" --bogus --version
expect version-then-bogus 0 "$work/version" --version --bogus
expect help 0 "$work/help" --help
expect help-short 0 "$work/help" -h
expect help-with-bogus 0 "$work/help" --bogus -h
expect bogus 2 "$work/bogus" --bogus
expect bogus-after-known 2 "$work/bogus" --compact -x --bogus --other
expect case-sensitive 2 "$work/bogus2" --Version
expect exact 2 "$work/bogus3" --compact=1

# A single-dash argument is never reported and known switches are accepted: the
# normal start runs (ended by SIGTERM), prints nothing and logs its start and
# end. Closing the terminal (SIGHUP) ends a window-less run in the same order.
log="$XDG_CONFIG_HOME/Velmora/Velmora.log"
for case in "TERM -x --no-takeover --collapsed" "HUP"; do
  sig=${case%% *}
  rm -f "$log"
  "$bin" ${case#"$sig"} --headless >"$work/out" 2>"$work/err" &
  pid=$!
  wait_for 10 grep -q ' INFO  Velmora 1.0.1 (Build 1026, plain)$' "$log" 2>/dev/null ||
    fail "SIG$case: no start line in the log"
  kill -"$sig" $pid
  wait $pid
  code=$?
  [[ $code -eq 0 && ! -s "$work/out" ]] && tail -n 1 "$log" | grep -q ' INFO  Beendet$' ||
    fail "SIG$case: exit $code, output: $(head -c 200 "$work/out")"
done

# Without a display there is no window: exit code 1, nothing on standard
# output, the reason in the log (and no window-less run in its place).
rm -f "$log"
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 20 "$bin" --no-takeover >"$work/out" 2>"$work/err"
code=$?
[[ $code -eq 1 && ! -s "$work/out" ]] && grep -q ' FEHLER SDL_Init: No available video device$' "$log" ||
  fail "no display: exit $code"

[[ $fails -eq 0 ]]
