#!/bin/sh
# Private X servers for the tests that need a real display: one with a window manager, as on a desktop,
# and a bare one, where nobody carries out what a window asks of a window manager.
#   xserver.sh start DIR   starts Xvfb on a free display with openbox on it (DIR/display holds ":N") and
#                          a second Xvfb alone (DIR/bare)
#   xserver.sh stop DIR    ends them all and removes DIR
# DIR is a folder the script makes itself and marks as its own: a folder that was there before is never
# removed, and nobody is killed but the servers and the window manager the script started.
# An X server normally resets when its last client leaves, and refuses whoever connects meanwhile: the
# window manager while the poll below looks at the root window, or a test that comes right after another.
# These servers never reset. A window manager that does not come even so is tried again, a few times.
# The servers outlive the start, and never the test command: a watchdog, out of the command's reach, stops
# them once the process that started the script is gone (the test command, KESTRALIS_TEST_COMMAND_PID,
# where the script runs through the tests' launcher). A start that is interrupted stops what it started.
# They run with a home, a runtime and a temporary folder below DIR, which lives as long as they do.
set -eu
usage() {
    echo "usage: $0 start|stop DIR" >&2
    exit 2
}
[ $# -ge 2 ] && [ -n "$2" ] || usage
what=$1
dir=$2
mark=made-by-xserver.sh

stop() {
    [ -e "$dir" ] || return 0
    if [ ! -f "$dir/$mark" ]; then
        echo "$dir was not made by $0: left as it is" >&2
        exit 1
    fi
    if [ -f "$dir/pids" ]; then
        for pid in $(cat "$dir/pids"); do
            # A number of a process long gone may name somebody else's by now.
            case "$(cat "/proc/$pid/comm" 2>/dev/null)" in
            Xvfb | openbox) kill "$pid" 2>/dev/null || true ;;
            esac
        done
        for pid in $(cat "$dir/pids"); do
            wait_while ours_still "$pid" 50
        done
        # A server removes its socket (and its lock file, where it made one) as it ends on the signal; one
        # that was killed outright leaves them. Ours are removed where nobody answers on them any more.
        for name in desktop bare; do
            number=$(head -n1 "$dir/$name.number" 2>/dev/null) || continue
            [ -n "$number" ] || continue
            [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] || continue
            DISPLAY=":$number" timeout 3 xprop -root >/dev/null 2>&1 && continue
            rm -f "/tmp/.X11-unix/X$number"
            [ -f "/tmp/.X$number-lock" ] || continue
            owner=$(tr -d ' ' <"/tmp/.X$number-lock") || continue
            if grep -qx "$owner" "$dir/pids" && ! running "$owner"; then
                rm -f "/tmp/.X$number-lock"
            fi
        done
    fi
    rm -rf "$dir"
}

# Waits while the check CHECK holds of the process PID, TENTHS tenths of a second at most
# (wait_while CHECK PID TENTHS).
wait_while() {
    waited=0
    while "$1" "$2" && [ "$waited" -lt "$3" ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
}

# Whether `pid` is a server or window manager that still runs.
ours_still() {
    case "$(cat "/proc/$1/comm" 2>/dev/null)" in
    Xvfb | openbox) running "$1" ;;
    *) return 1 ;;
    esac
}

# The start time of the process `pid` (field 22 of its stat), empty for one that is gone.
started() {
    sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f20
}

# Whether the process `pid` runs (neither gone nor a zombie not yet waited for).
running() {
    state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null) || return 1
    case "$state" in
    "" | Z* | X*) return 1 ;;
    esac
}

# Whether the window manager is up on `display`: it has named its own window on the root window, and that
# window is there and names itself (the name of one that ended may be left behind).
managed() {
    check=$(DISPLAY=$1 timeout 3 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) || return 1
    case "$check" in
    *"window id # "*) window=${check##*# } ;;
    *) return 1 ;;
    esac
    DISPLAY=$1 timeout 3 xprop -id "$window" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -qx ".*window id # $window"
}

# Whether `pid` is a window manager that still runs.
ours() {
    [ "$(cat "/proc/$1/comm" 2>/dev/null)" = openbox ] && running "$1"
}

# Ends the window manager `pid` the script started and gave up on (politely, then not), and drops it from
# DIR/pids; false when it does not end.
end_wm() {
    for signal in TERM KILL; do
        ours "$1" || break
        kill -s "$signal" "$1" 2>/dev/null || true
        wait_while ours "$1" 20
    done
    ! ours "$1" || return 1
    grep -vx "$1" "$dir/pids" >"$dir/pids.left" || true
    mv "$dir/pids.left" "$dir/pids"
}

case "$what" in
start)
    stop
    # An interruption stops what the start made so far; the traps come before the folder, and one that
    # comes between the folder and its mark removes the folder still empty (DIR was not there before: the
    # stop above removed ours or refused another).
    making=
    trap 'interrupted; exit 130' INT
    trap 'interrupted; exit 143' TERM
    trap 'interrupted; exit 129' HUP
    interrupted() {
        if [ -n "$making" ] && [ ! -e "$dir/$mark" ]; then rmdir "$dir" 2>/dev/null || true; fi
        stop
    }
    mkdir -p "$(dirname "$dir")"
    making=1
    mkdir "$dir"
    : >"$dir/$mark"
    # The watchdog: started twice over, so that it is out of the start's tree (a kill of the tree at a
    # time-out misses it) and of its session.
    # DIR names the start it belongs to: a later start in the same DIR (the next test command's, right
    # after this one's stop) is not this watchdog's to stop.
    owner=${KESTRALIS_TEST_COMMAND_PID:-$PPID}
    echo "$owner $(started "$owner")" >"$dir/owner"
    (setsid "$0" watch "$dir" "$owner" "$(started "$owner")" </dev/null >/dev/null 2>&1 &)
    # The servers' own folders.
    mkdir "$dir/home" "$dir/tmp"
    mkdir -m 700 "$dir/run"
    export HOME="$dir/home" TMPDIR="$dir/tmp" XDG_RUNTIME_DIR="$dir/run"
    # Xvfb picks a free display itself and writes its number to descriptor 3 once it takes connections.
    # Its output and the window manager's go to files: ctest waits for whatever holds the test's own output
    # open.
    server() {
        setsid Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/$1.number" >"$dir/$1.log" 2>&1 </dev/null &
        echo $! >>"$dir/pids"
    }
    # Waits up to 10 s for the server NAME that the process PID is (await NAME PID).
    await() {
        tries=0
        until [ -s "$dir/$1.number" ]; do
            tries=$((tries + 1))
            if [ "$tries" -gt 100 ] || ! running "$2"; then
                cat "$dir/$1.log"
                echo "Xvfb did not start"
                stop
                exit 1
            fi
            sleep 0.1
        done
    }
    server desktop
    desktop=$!
    server bare
    bare=$!
    await desktop "$desktop"
    await bare "$bare"
    echo ":$(head -n1 "$dir/bare.number")" >"$dir/bare"
    display=":$(head -n1 "$dir/desktop.number")"
    # Each try of the window manager has 10 s to name itself; one that ends or does not name itself in time
    # is ended and started again. Without it after the last try, the start fails: the tests of a desktop
    # never run without a window manager.
    wm_tries=3
    try=1
    # The window manager runs with the system's settings, in the home of its own below the folder: the
    # user's own (a theme, other keys or another focus rule) would change what the tests see, and its log
    # and cache stay out of the user's home.
    while :; do
        echo "-- try $try" >>"$dir/openbox.log"
        env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME -u XDG_CONFIG_DIRS \
            -u XDG_DATA_DIRS DISPLAY="$display" setsid openbox --sm-disable >>"$dir/openbox.log" 2>&1 </dev/null &
        wm=$!
        echo "$wm" >>"$dir/pids"
        deadline=$(($(date +%s) + 10))
        until managed "$display"; do
            if ! running "$wm" || [ "$(date +%s)" -ge "$deadline" ]; then
                break
            fi
            sleep 0.1
        done
        running "$wm" && managed "$display" && break
        if ! end_wm "$wm" || [ "$try" -ge "$wm_tries" ]; then
            cat "$dir/openbox.log"
            echo "openbox did not start ($try tries)"
            stop
            exit 1
        fi
        echo "openbox did not start on $display (try $try of $wm_tries): trying again" >&2
        try=$((try + 1))
    done
    echo "$display" >"$dir/display"
    echo "X server $display with openbox, $(cat "$dir/bare") bare"
    ;;
stop)
    stop
    ;;
watch)
    # xserver.sh watch DIR OWNER START: until DIR is gone or another start's, stops the servers once the
    # process OWNER that started at START is gone.
    [ $# -eq 4 ] || usage
    while [ -f "$dir/$mark" ] && [ "$(cat "$dir/owner" 2>/dev/null)" = "$3 $4" ]; do
        if [ "$(started "$3")" != "$4" ] || ! running "$3"; then
            stop
            exit 0
        fi
        sleep 0.5
    done
    ;;
*)
    usage
    ;;
esac
