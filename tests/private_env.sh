# Sourced by the tests that run the built programs: a scratch directory that
# stands in for the user's home, configuration and runtime directories, no
# reachable sound server, and the helpers they share. Every process id added
# to `pids` is killed by its id when the script ends.
set -u
fails=0
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
export PULSE_SERVER="unix:$work/no-server"
mkdir -p "$XDG_RUNTIME_DIR"
fail() { echo "FAIL $*"; fails=$((fails + 1)); }
wait_for() {  # wait_for SECONDS COMMAND...
  local end=$((SECONDS + $1)); shift
  until "$@"; do [[ $SECONDS -ge $end ]] && return 1; sleep 0.1; done
}
# start_headless ARGS...: starts "$bin" --headless in the background, output to
# $work/out; true once the program holds its lock, its id in $pid.
start_headless() {
  "$bin" --headless "$@" >"$work/out" 2>&1 &
  pid=$!
  pids+=("$pid")
  wait_for 10 grep -qx "$pid" "$XDG_CONFIG_HOME/Velmora/Velmora.lock" 2>/dev/null
}
