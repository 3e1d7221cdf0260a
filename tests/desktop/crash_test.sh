#!/usr/bin/env bash
# Crash reports from real processes: the built program killed by SIGSEGV and
# SIGABRT or ended by SIGTERM, and a small program around the handler that
# faults for real or crashes before the final report path is known.
bin=${1:?path to velmora}
helper=${2:?path to desktop_helper}
source "$(dirname "$0")/../private_env.sh"
ulimit -c 0
# In the sanitizer build the sanitizer claims the fault signals for itself and
# would ignore the program's own handler; the handler under test must win.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}allow_user_segv_handler=1"
unset SNAP SNAP_NAME SNAP_REVISION FLATPAK_ID APPDIR XDG_CURRENT_DESKTOP XDG_SESSION_TYPE
config="$XDG_CONFIG_HOME/Velmora"
report="$config/crash_report.txt"
early="$XDG_RUNTIME_DIR/Velmora_crash.txt"
log="$config/Velmora.log"
system_line="System: $(uname -s) $(uname -r) $(uname -m)"

# Remembers the program's children (the guard) so that cleanup can end them by id.
note_children() { pids+=($(cat /proc/"$1"/task/*/children 2>/dev/null)); }

start_velmora() {  # sets $vpid once the start line is in the log
  rm -f "$log"
  "$bin" --headless >"$work/velmora.out" 2>&1 &
  vpid=$!
  pids+=("$vpid")
  wait_for 10 grep -q "Velmora 1.0.1 (Build 1026, plain)" "$log" 2>/dev/null ||
    fail "velmora did not log its start line"
  note_children "$vpid"
}

# check_report CONTEXT FILE SIGNAL-NAME LOG-LINE T0 T1 [SNAP-REV DESKTOP SESSION]:
# the report is private and reads line for line as below, its time within
# T0..T1 and its backtrace 1 to 48 lines long.
check_report() {
  local ctx=$1 file=$2 t frames
  [[ $(stat -c %a "$file" 2>/dev/null) == 600 ]] || { fail "$ctx: no private report at $file"; return; }
  t=$(sed -n 's/^Time (unix): \([0-9][0-9]*\)$/\1/p' "$file")
  [[ -n $t && $t -ge $5 && $t -le $6 ]] || fail "$ctx: time '$t' outside [$5, $6]"
  frames=$(sed -n '/^Backtrace:$/,/^$/p' "$file" | grep -c .)
  [[ $frames -ge 2 && $frames -le 49 ]] || fail "$ctx: $((frames - 1)) backtrace lines"
  {
    printf '%s\n' "=== Velmora crash report ===" "Version: 1.0.1 (Build 1026)"
    [[ -n ${7:-} ]] && echo "Snap revision: $7"
    printf '%s\n' "Signal: $3" "Time (unix): $t" "$system_line"
    [[ -n ${8:-} ]] && printf '%s\n' "Desktop: $8" "Session: $9"
    printf '%s\n' "" "Backtrace:"
    sed -n '/^Backtrace:$/,/^$/{/^Backtrace:$/d;/^$/d;p}' "$file"
    printf '%s\n' "" "Log (written up to the crash):" "  $4" "=== end of report ==="
  } | cmp -s - "$file" || { fail "$ctx: report differs"; cat "$file"; }
}

# 1. kill -SEGV of the running program, with every optional line present.
export SNAP_REVISION=x42 XDG_CURRENT_DESKTOP=ubuntu:GNOME XDG_SESSION_TYPE=wayland
t0=$(date +%s)
start_velmora
kill -SEGV "$vpid"; wait "$vpid"; code=$?
t1=$(date +%s)
[[ $code -eq $((128 + 11)) ]] || fail "SIGSEGV: exit $code, want death by SIGSEGV"
check_report "velmora SIGSEGV" "$report" "SIGSEGV (Segmentation fault)" "$log" "$t0" "$t1" \
  x42 ubuntu:GNOME wayland
[[ ! -e "$early" ]] || fail "SIGSEGV: a report was left at the early path"
unset SNAP_REVISION XDG_CURRENT_DESKTOP XDG_SESSION_TYPE

# 2. kill -ABRT without the optional lines (set but empty counts as unset);
#    an older report with a laxer mode is replaced and made private.
chmod 644 "$report"
export XDG_CURRENT_DESKTOP= SNAP_REVISION=
t0=$(date +%s)
start_velmora
kill -ABRT "$vpid"; wait "$vpid"; code=$?
t1=$(date +%s)
[[ $code -eq $((128 + 6)) ]] || fail "SIGABRT: exit $code, want death by SIGABRT"
check_report "velmora SIGABRT" "$report" "SIGABRT (Abort)" "$log" "$t0" "$t1"
unset XDG_CURRENT_DESKTOP SNAP_REVISION

# 3. Real faults and raised signals in the small program, with each signal's name.
names=(
  "segv:11:SIGSEGV (Segmentation fault)"
  "overflow:11:SIGSEGV (Segmentation fault)"
  "abort:6:SIGABRT (Abort)"
  "fpe:8:SIGFPE (Floating point exception)"
  "raise-4:4:SIGILL (Illegal instruction)"
  "raise-5:5:SIGTRAP (Trap - usually a fatal GLib/GTK error)"
  "raise-7:7:SIGBUS (Bus error)"
)
for entry in "${names[@]}"; do
  how=${entry%%:*}; rest=${entry#*:}; sig=${rest%%:*}; name=${rest#*:}
  out="$work/helper-$how.txt"
  t0=$(date +%s)
  "$helper" crash "$how" "$out" "/var/log/some log.txt" >/dev/null 2>&1; code=$?
  t1=$(date +%s)
  [[ $code -eq $((128 + sig)) ]] || fail "$how: exit $code, want $((128 + sig))"
  check_report "helper $how" "$out" "$name" "/var/log/some log.txt" "$t0" "$t1"
done
grep -qE "main|desktop_helper" "$work/helper-segv.txt" || fail "the backtrace names neither the program nor main"
# SIGTERM is no crash: the handler leaves it alone.
"$helper" crash raise-15 "$work/helper-term.txt" >/dev/null 2>&1; code=$?
[[ $code -eq 143 && ! -e "$work/helper-term.txt" ]] || fail "SIGTERM: exit $code, or a report was written"

# 4. A crash before the final path is known lands under XDG_RUNTIME_DIR, names
#    no log, and the next start logs it and moves it into the configuration
#    directory, across file systems where /dev/shm is a tmpfs as on most desktops.
rm -f "$report"
if shm=$(mktemp -d /dev/shm/vlmra-XXXXXX 2>/dev/null); then
  trap 'rm -rf "$shm"; cleanup' EXIT
  export XDG_RUNTIME_DIR=$shm
  early="$shm/Velmora_crash.txt"
fi
t0=$(date +%s)
"$helper" crash segv >/dev/null 2>&1; code=$?
t1=$(date +%s)
[[ $code -eq 139 ]] || fail "early crash: exit $code"
check_report "early crash" "$early" "SIGSEGV (Segmentation fault)" "(unknown)" "$t0" "$t1"
cp "$early" "$work/early-copy.txt"
start_velmora
wait_for 5 grep -qF "WARN  Absturzbericht vom letzten Lauf gefunden: $report" "$log" ||
  fail "early report: next start did not log it"
[[ ! -e "$early" ]] || fail "early report was not moved"
cmp -s "$work/early-copy.txt" "$report" || fail "moved report differs from the early one"
[[ $(stat -c %a "$report") == 600 ]] || fail "moved report is not private"

# 5. SIGTERM ends the program in order, without a report.
rm -f "$report"
kill -TERM "$vpid"; wait "$vpid"; code=$?
[[ $code -eq 0 ]] || fail "SIGTERM: exit $code"
[[ -e "$report" ]] && fail "SIGTERM of the program wrote a report"

# 6. A planted link at the report path is not followed.
ln -s "$work/victim" "$work/link.txt"
echo precious >"$work/victim"
"$helper" crash segv "$work/link.txt" >/dev/null 2>&1
[[ "$(cat "$work/victim")" == precious ]] || fail "the report followed a planted link"

[[ $fails -eq 0 ]] && echo "crash tests passed"
exit $((fails > 0))
