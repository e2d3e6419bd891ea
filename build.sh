#!/usr/bin/env bash
# Sets up a Debian machine for KESTRALIS, builds it, and then plays the game or runs the tests.
#   ./build.sh play   install what is missing, build, start the game
#   ./build.sh test   install what is missing, build with the sanitizers, run every test
set -euo pipefail
cd "$(dirname "$0")"

what=${1:-play}
packages=(g++ cmake ninja-build pkg-config libsdl2-dev libfluidsynth-dev timgm6mb-soundfont
          libfreetype-dev libfontconfig-dev fonts-ipafont-gothic fonts-ipafont-mincho
          libgtest-dev libbenchmark-dev clang libx11-dev libxfixes-dev libxtst-dev xvfb xauth openbox x11-utils)

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
    exec build/bin/kestralis
    ;;
  test)
    cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTRALIS_SANITIZE=ON
    cmake --build build-test -j "$jobs"
    ctest --test-dir build-test -j "$jobs" --output-on-failure
    ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
