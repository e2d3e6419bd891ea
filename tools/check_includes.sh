#!/usr/bin/env bash
# Checks that includes point down the tree:
#   host/                      includes nothing of el/ or game/
#   el/                        includes nothing of game/
#   game/common/               includes no other game/ folder
#   game/player, enemy, bossfire  include neither game/shell nor game/stage
#   game/enemy and game/bossfire  never include each other
# and that no two units of the game (a name's .h and .cpp) include each other, directly or round a circle.
# Usage: tools/check_includes.sh [source dir]. Prints each fault; exits 1 when there is one.
set -euo pipefail
root=${1:-$(dirname "$0")/..}
cd "$root"

# "file included-path" pairs of every quoted include in the checked folders.
pairs=$(grep -rHoE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^"]+"' host el game 2>/dev/null |
        sed -E 's/:[[:space:]]*#[[:space:]]*include[[:space:]]+"([^"]+)"$/ \1/' | LC_ALL=C sort)

awk '
function folder(p,   n, a) { n = split(p, a, "/"); return (a[1] == "game" && n > 2) ? a[1] "/" a[2] : a[1] }
function unit(p) { sub(/\.(h|cpp)$/, "", p); return p }
function fault(msg) { print msg; bad = 1 }
{
    file = $1; inc = $2
    from = folder(file); to = folder(inc)
    if (from == "host" && (to == "el" || to ~ /^game/)) fault(file ": the platform layer includes " inc)
    if (from == "el" && to ~ /^game/) fault(file ": the library includes " inc)
    if (from == "game/common" && to ~ /^game\// && to != "game/common") fault(file ": the ground floor includes " inc)
    if ((from == "game/player" || from == "game/enemy" || from == "game/bossfire") &&
        (to == "game/shell" || to == "game/stage")) fault(file ": includes upward " inc)
    if ((from == "game/enemy" && to == "game/bossfire") || (from == "game/bossfire" && to == "game/enemy"))
        fault(file ": includes sideways " inc)
    a = unit(file); b = unit(inc)
    if (file ~ /^game\// && inc ~ /^game\// && a != b && !((a, b) in edge)) { edge[a, b] = 1; out[a] = out[a] " " b }
}
# Depth-first walk over the units; a unit met again while still on the walk closes a circle.
function walk(u,   n, i, next_, list) {
    state[u] = 1; path[++depth] = u
    n = split(out[u], list, " ")
    for (i = 1; i <= n; ++i) {
        next_ = list[i]
        if (state[next_] == 1) { circle(next_) }
        else if (state[next_] == 0) walk(next_)
    }
    --depth; state[u] = 2
}
function circle(start,   i, k, text) {
    for (k = depth; k > 0 && path[k] != start; --k) {}
    text = ""
    for (i = k; i <= depth; ++i) text = text path[i] " -> "
    fault("include circle: " text start)
}
END {
    for (u in out) if (state[u] == 0) { depth = 0; walk(u) }
    exit bad
}' <<< "$pairs"
