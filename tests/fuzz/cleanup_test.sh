#!/bin/sh
# A fuzz run leaves nothing in the temporary folder: neither when it ends on time nor when it is
# interrupted. cleanup_test.sh RUN_SH HARNESS (a harness that writes its inputs to scratch files)
set -eu
run=$1
harness=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/tmp"
left() { ls -A "$work/tmp"; }

TMPDIR=$work/tmp "$run" "$harness" "$work/corpus" 1 >"$work/log" 2>&1 || { cat "$work/log"; exit 1; }
[ -z "$(left)" ] || { echo "left behind by a run that ended on time: $(left)"; exit 1; }

# Stopped from outside: the whole process group gets the signal, as from a terminal or a service manager.
TMPDIR=$work/tmp setsid "$run" "$harness" "$work/corpus" 60 >"$work/log" 2>&1 &
group=$!
# Wait until the harness has made its scratch folder, so that the check below is not vacuous.
tries=0
until [ -n "$(find "$work/tmp" -name 'kestralis-fuzz-*' ! -name 'kestralis-fuzz-run-*')" ]; do
  tries=$((tries + 1))
  if [ "$tries" -gt 200 ]; then
    kill -TERM "-$group"
    echo "the harness made no scratch folder in TMPDIR"
    exit 1
  fi
  sleep 0.1
done
kill -TERM "-$group"
wait "$group" || true
[ -z "$(left)" ] || { echo "left behind by an interrupted run: $(left)"; exit 1; }
