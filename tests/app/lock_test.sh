#!/usr/bin/env bash
# Single-instance lock with real processes: the second start signals the first
# and leaves the lock file alone; a lock file holding "1" or garbage signals nobody.
bin=${1:?path to velmora}
faults=${2:?path to the io_faults preload library}
source "$(dirname "$0")/../private_env.sh"
lock="$XDG_CONFIG_HOME/Velmora/Velmora.lock"
log="$XDG_CONFIG_HOME/Velmora/Velmora.log"
trap 'got_usr1=1' USR1

start_headless || fail "first instance did not write its pid"
first=$pid
[[ $(stat -c %a "$lock") == 600 ]] || fail "lock file mode $(stat -c %a "$lock")"
before=$(cat "$lock")

second_out=$("$bin" --headless 2>&1); code=$?
[[ $code -eq 0 ]] || fail "second start exit $code"
[[ "$second_out" == "Velmora laeuft bereits — Fenster nach vorn geholt." ]] || fail "second start said: $second_out"
[[ "$(cat "$lock")" == "$before" ]] || fail "second start touched the lock file"
wait_for 5 grep -q "Zweiter Start" "$log" || fail "first instance did not receive SIGUSR1"
kill -0 "$first" 2>/dev/null || fail "first instance died of SIGUSR1"
# Neither the second start nor a device listing touches the running one's log.
"$bin" --devices >/dev/null 2>&1
[[ $(grep -c "INFO  Velmora " "$log") -eq 1 ]] || fail "another run wrote into the log"
[[ $(tr -cd '\000' <"$log" | wc -c) -eq 0 ]] || fail "the log was truncated under the running instance"
head -n 1 "$log" | grep -q "INFO  Velmora " || fail "the log lost its start line"

kill -TERM "$first"; wait "$first"; code=$?
[[ $code -eq 0 ]] || fail "first instance exit $code after SIGTERM"
pids=()

# A lock held by another process whose file says "1" or garbage: no signal goes
# out (a signal to pid 1 or a wrapped pid would be a disaster), still exit 0.
for content in "1" "garbage" "99999999999999999999" "-1"; do
  rm -f "$lock"
  ( exec 9>"$lock"; flock -x 9; printf '%s\n' "$content" >&9; sleep 30 ) &
  holder=$!
  pids+=("$holder")
  wait_for 5 grep -q . "$lock" || fail "holder did not start"
  got_usr1=0
  out=$("$bin" --headless 2>&1); code=$?
  [[ $code -eq 0 && "$out" == "Velmora laeuft bereits — Fenster nach vorn geholt." ]] || fail "content '$content': exit $code, '$out'"
  [[ "$(cat "$lock")" == "$content" ]] || fail "content '$content' was changed"
  [[ $got_usr1 -eq 0 ]] || fail "content '$content' signalled the test"
  kill -KILL "$holder" 2>/dev/null; wait "$holder" 2>/dev/null
  pids=()
done

# A lock file that cannot be opened, or a lock that fails for another reason
# than being held (ENOLCK on a network home directory), is no other instance:
# the program starts without it and signals nobody.
for fault in unopenable enolck; do
  rm -rf "$lock"
  if [[ $fault == unopenable ]]; then mkdir "$lock"; else echo "$$" >"$lock"; fi
  got_usr1=0
  VLM_FAULT_FLOCK=$([[ $fault == enolck ]] && echo 1) LD_PRELOAD="$faults" ASAN_OPTIONS=verify_asan_link_order=0 \
    "$bin" --headless >/dev/null 2>&1 &
  p=$!
  pids=("$p")
  sleep 1
  kill -0 "$p" 2>/dev/null || fail "$fault lock stopped the start"
  [[ $got_usr1 -eq 0 ]] || fail "$fault lock signalled the pid in the file"
  kill -TERM "$p"; wait "$p"
done

[[ $fails -eq 0 ]]
