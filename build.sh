#!/usr/bin/env bash
# Sets up a Debian machine for KESTRALIS, builds it, and then plays the game or runs the tests.
#   ./build.sh play   install what is missing, build, start the game
#   ./build.sh test   install what is missing, build with the sanitizers, run every test
set -euo pipefail
cd "$(dirname "$0")"

what=${1:-play}
case "$what" in play | test) ;; *)
  echo "usage: $0 play|test" >&2
  exit 2
  ;;
esac

# The tests run the game from folders below the checkout, and the game plays its music only where the
# sequencer's open command (256 bytes, with the folder's whole path) has room for it: from a deeper
# checkout the tests that listen for the music cannot pass, so they are not started.
deepest=180
if [ "$what" = test ]; then
  length=$(pwd -P | wc -c)
  length=$((length - 1))
  if [ "$length" -gt "$deepest" ]; then
    echo "$0: the checkout's path is $length bytes long, and the tests run from a checkout of at most $deepest: move it to a shorter path" >&2
    exit 1
  fi
fi
packages=(g++ cmake ninja-build pkg-config libsdl2-dev libfluidsynth-dev timgm6mb-soundfont
          libfreetype-dev libfontconfig-dev fonts-ipafont-gothic fonts-ipafont-mincho
          libgtest-dev libbenchmark-dev clang libx11-dev libxfixes-dev libxtst-dev libxres-dev xvfb xauth openbox x11-utils)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)
case "$what" in
  play)
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTRALIS_TESTS=OFF -DKESTRALIS_BENCH=OFF
    cmake --build build -j "$jobs"
    # Started from its own folder, the game finds its data beside it even where that folder's path is too
    # long for the game to name it (it then looks in the current folder).
    cd build/bin
    exec ./kestralis
    ;;
  test)
    cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTRALIS_SANITIZE=ON
    cmake --build build-test -j "$jobs"
    # The run's temporary folder is one of its own, removed however the run ends: each test program
    # removes what it makes there (and a run's dead leftovers), this only backs that up. It is named and
    # locked as a test program's own folders are, so that a later run sweeps it where this script was
    # killed outright. A build that found no tests fails.
    # The traps come first, so that no interruption falls between the folder and its removal.
    run_tmp=
    trap '[ -z "$run_tmp" ] || rm -rf "$run_tmp"' EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    trap 'exit 129' HUP
    run_tmp=$(mktemp -d "${TMPDIR:-/tmp}/kestralis-test-XXXXXX")
    # The lock is this shell's alone, held from here until the shell ends: ctest gets the descriptor
    # closed, so no test program, game, X server or watchdog it starts holds the lock, nor keeps the
    # folder from being swept once this script is gone.
    exec 9>"$run_tmp/lock"
    flock 9
    status=0
    TMPDIR=$run_tmp ctest --test-dir build-test -j "$jobs" --output-on-failure --no-tests=error 9>&- || status=$?
    left=$(ls -A "$run_tmp" | grep -vx lock || true)
    if [ "$status" -eq 0 ] && [ -n "$left" ]; then
      echo "$0: the tests left this in their temporary folder:" >&2
      ls -lA "$run_tmp" >&2
      status=1
    fi
    exit "$status"
    ;;
esac
