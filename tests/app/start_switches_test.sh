#!/usr/bin/env bash
# Start-state switches through the built program: each run is stopped with
# SIGTERM, and the settings it saved are read back through the store's own code.
bin=${1:?path to velmora}
dump=${2:?path to settings_dump}
faults=${3:?path to the io_faults preload library}
source "$(dirname "$0")/../private_env.sh"
cfg="$XDG_CONFIG_HOME/Velmora"
file="$cfg/settings.dat"

# run_once ARGS...: starts the program, waits until it holds its lock, stops it.
run_once() {
  start_headless "$@" || fail "run $* did not start"
  kill -TERM "$pid"
  wait "$pid" || fail "run $* exit $?"
}

# expect KEY=PATTERN...: each saved value matches its glob pattern.
expect() {
  local saved got want
  saved=$("$dump")
  for want in "$@"; do
    got=$(grep -m1 "^${want%%=*}=" <<<"$saved")
    [[ "$got" == $want ]] || fail "saved '$got', expected '$want'"
  done
}

run_once --preset crunch --size 800x600 --theme light --collapsed
expect tube_preset=b:preset_crunch comp_preset=b:cpreset_gentle "params=1,1,1,0.85,0.6,0.65,*" win_w=800 win_h=600 \
  theme=light collapsed=1 active=1

# warm sets the tube knobs; an unknown theme changes nothing.
run_once --preset warm --theme blue
expect theme=light tube_preset=b:preset_warm "params=1,1,1,0.35,0.5,0.6,0.5625,0.5,0.520833,0.555556,1,*"

# clean: both units off, references kept; a size with --compact is the compact view's.
run_once --preset clean --compact --size 420x132 --off
expect "params=0,0,1,*" tube_preset=b:preset_warm comp_preset=b:cpreset_gentle compact=1 mini_w=420 mini_h=132 \
  win_w=800 active=0
run_once
expect active=1

# A file that cannot be read (an I/O error) is not damaged: it stays in place.
rm -f "$file.manipuliert"
VLM_FAULT_READ=/settings.dat LD_PRELOAD="$faults" ASAN_OPTIONS=verify_asan_link_order=0 "$dump" >/dev/null
[[ -f "$file" && ! -e "$file.manipuliert" ]] || fail "an unreadable settings file was set aside"

# A stop that takes long (a server that accepts the connection and never
# answers): the settings are saved before the engine stops, so a session
# manager that kills the program during the stop does not lose them.
rm -f "$file" "$file.bak"
python3 -c 'import socket,sys,time; s=socket.socket(socket.AF_UNIX); s.bind(sys.argv[1]); s.listen(16); time.sleep(60)' "$work/silent" &
pids=($!)
wait_for 15 test -S "$work/silent" || fail "silent server did not start"
PULSE_SERVER="unix:$work/silent" start_headless --size 900x700 || fail "run against a silent server did not start"
kill -TERM "$pid"; sleep 1.5; kill -KILL "$pid" 2>/dev/null; wait "$pid"
expect win_w=900

[[ $fails -eq 0 ]]
