#!/bin/sh
# Runs one fuzz harness for a while: run.sh HARNESS CORPUS SECONDS [SEED_FOLDER...]
# New inputs go to CORPUS; seed folders that do not exist are left out.
set -eu
if [ $# -lt 3 ] || [ -z "$1" ] || [ -z "$2" ] || [ -z "$3" ]; then
  echo "usage: $0 HARNESS CORPUS SECONDS [SEED_FOLDER...]" >&2
  exit 2
fi
harness=$1
corpus=$2
seconds=$3
shift 3
mkdir -p "$corpus"
# Whole paths: a harness may change its working folder.
corpus=$(cd "$corpus" && pwd)
for d in "$@"; do
  if [ -d "$d" ]; then set -- "$@" "$(cd "$d" && pwd)"; fi
  shift
done
# The leak check passes over what the font library keeps for the life of the process. The file's path is
# quoted: the sanitizers end an unquoted value at a space, a colon or a comma.
LSAN_OPTIONS="suppressions=\"$(cd "$(dirname "$0")/.." && pwd)/lsan.supp\"${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export LSAN_OPTIONS
# The harness's scratch files go to a folder of this run, removed however the run ends: on time, on a
# finding (the harness then ends at once, skipping its own clean-up) or on an interrupt. The test command
# runs this through the tests' launcher, whose TMPDIR its guard removes, so a run killed outright (at its
# time-out) leaves nothing either.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/kestralis-fuzz-run-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
# The tests run from a fixed seed (KESTRALIS_FUZZ_SEED, 0 for a fresh one each run) so that a test run
# gives the same verdict every time; set another seed to explore further.
TMPDIR=$scratch "$harness" -seed="${KESTRALIS_FUZZ_SEED:-1}" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2560 -max_len=262144 \
     -print_final_stats=1 "$corpus" "$@"
