#!/bin/sh
# A fuzz run leaves nothing in the temporary folder: neither when it ends on time nor when it is
# interrupted, whether the harness runs by itself (its own clean-up) or through run.sh (which removes its
# own scratch folder too). cleanup_test.sh RUN_SH HARNESS (a harness that writes its inputs to scratch
# files)
set -eu
run=$1
harness=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/tmp" "$work/corpus" "$work/own"
left() { ls -A "$work/tmp"; }

# Waits until the harness (process PID) has made its scratch folder in TMPDIR, so that the check after it
# is not vacuous; stops PID (and, for run.sh, its group) when it never does.
await_scratch() {
  tries=0
  until [ -n "$(find "$work/tmp" -name 'kestralis-fuzz-*' ! -name 'kestralis-fuzz-run-*')" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ]; then
      kill -TERM "$1" 2>/dev/null || true
      cat "$work/log"
      echo "$2: the harness made no scratch folder in TMPDIR"
      exit 1
    fi
    sleep 0.1
  done
}

# The harness by itself: its own clean-up removes its scratch folder, at the end of the run and at a stop.
# The leak check passes over what the font library keeps for the life of the process, as in run.sh.
lsan="suppressions=\"$(cd "$(dirname "$run")/.." && pwd)/lsan.supp\"${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
TMPDIR=$work/tmp LSAN_OPTIONS=$lsan "$harness" -seed=1 -max_total_time=2 "$work/own" >"$work/log" 2>&1 &
pid=$!
await_scratch "$pid" "the harness ending on time"
wait "$pid" || { cat "$work/log"; echo "the harness by itself failed"; exit 1; }
[ -z "$(left)" ] || { echo "left behind by the harness ending on time by itself: $(left)"; exit 1; }

TMPDIR=$work/tmp LSAN_OPTIONS=$lsan "$harness" -seed=1 -max_total_time=60 "$work/own" >"$work/log" 2>&1 &
pid=$!
await_scratch "$pid" "the harness stopped by SIGTERM"
kill -TERM "$pid"
wait "$pid" || true
[ -z "$(left)" ] || { echo "left behind by the harness stopped by SIGTERM by itself: $(left)"; exit 1; }

# Through run.sh.
TMPDIR=$work/tmp "$run" "$harness" "$work/corpus" 1 >"$work/log" 2>&1 || { cat "$work/log"; exit 1; }
[ -z "$(left)" ] || { echo "left behind by a run that ended on time: $(left)"; exit 1; }

# Stopped from outside: the whole process group gets the signal, as from a terminal or a service manager.
TMPDIR=$work/tmp setsid "$run" "$harness" "$work/corpus" 60 >"$work/log" 2>&1 &
group=$!
await_scratch "-$group" "an interrupted run"
kill -TERM "-$group"
wait "$group" || true
[ -z "$(left)" ] || { echo "left behind by an interrupted run: $(left)"; exit 1; }
