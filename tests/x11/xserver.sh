#!/bin/sh
# Private X servers for the tests that need a real display: one with a window manager, as on a desktop,
# and a bare one, where nobody carries out what a window asks of a window manager.
#   xserver.sh start DIR   starts Xvfb on a free display with openbox on it (DIR/display holds ":N") and
#                          a second Xvfb alone (DIR/bare)
#   xserver.sh stop DIR    ends them all and removes DIR
# DIR is a folder the script makes itself and marks as its own: a folder that was there before is never
# removed, and nobody is killed but the servers and the window manager the script started.
set -eu
usage() {
    echo "usage: $0 start|stop DIR" >&2
    exit 2
}
[ $# -eq 2 ] && [ -n "$2" ] || usage
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
    fi
    rm -rf "$dir"
}

case "$what" in
start)
    stop
    mkdir -p "$(dirname "$dir")"
    mkdir "$dir"
    : >"$dir/$mark"
    # Xvfb picks a free display itself and writes its number to descriptor 3. Its output and the window
    # manager's go to files: ctest waits for whatever holds the test's own output open.
    server() {
        setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/$1.number" >"$dir/$1.log" 2>&1 </dev/null &
        echo $! >>"$dir/pids"
        tries=0
        until [ -s "$dir/$1.number" ]; do
            tries=$((tries + 1))
            if [ "$tries" -gt 100 ]; then cat "$dir/$1.log"; echo "Xvfb did not start"; stop; exit 1; fi
            sleep 0.1
        done
    }
    server desktop
    server bare
    echo ":$(head -n1 "$dir/bare.number")" >"$dir/bare"
    display=":$(head -n1 "$dir/desktop.number")"
    DISPLAY=$display setsid openbox --sm-disable >"$dir/openbox.log" 2>&1 </dev/null &
    echo $! >>"$dir/pids"
    # The window manager is up once it has named itself on the root window.
    tries=0
    until DISPLAY=$display xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ]; then cat "$dir/openbox.log"; echo "openbox did not start"; stop; exit 1; fi
        sleep 0.1
    done
    echo "$display" >"$dir/display"
    echo "X server $display with openbox, $(cat "$dir/bare") bare"
    ;;
stop)
    stop
    ;;
*)
    usage
    ;;
esac
