#!/bin/sh
# One Wine session for the Wine tests: a private X display (Xvfb) and a
# throw-away Wine prefix, shared by every test that runs inside it.
#
#   wine-session.sh start DIR [--built] PROGRAM...
#                                     set it up; exits 77 (skipped) without Wine,
#                                     or without a PROGRAM unless --built says
#                                     they were built (then that is a failure)
#   wine-session.sh run DIR CMD...    run CMD inside it; a first word "wine"
#                                     stands for the Wine program
#   wine-session.sh stop DIR          end every Wine process and Xvfb, remove all
#
# Every wait is bounded, and stop cleans up whatever start got to do.
set -u

skipped=77
action=${1:-}
session=${2:-}
[ -n "$action" ] && [ -n "$session" ] || { echo "usage: $0 start|run|stop DIR [CMD...]" >&2; exit 2; }
shift 2
environment="$session/environment"

find_wine() {
    for candidate in "${KORVEL_WINE:-}" "$(command -v wine64 2>/dev/null)" /usr/lib/wine/wine64 \
                     "$(command -v wine 2>/dev/null)"; do
        [ -n "$candidate" ] && [ -x "$candidate" ] && { echo "$candidate"; return 0; }
    done
    return 1
}

find_wineserver() {
    for candidate in "$(command -v wineserver 2>/dev/null)" /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver; do
        [ -n "$candidate" ] && [ -x "$candidate" ] && { echo "$candidate"; return 0; }
    done
    return 1
}

stop_session() {
    [ -f "$environment" ] || { rm -rf "$session"; return 0; }
    . "$environment"
    export WINEPREFIX
    if server=$(find_wineserver); then
        timeout 20 "$server" -k >/dev/null 2>&1
    fi
    if [ -f "$session/xvfb.pid" ]; then
        kill "$(cat "$session/xvfb.pid")" 2>/dev/null
    fi
    case "$WINEPREFIX" in
        */korvel-wine.*)
            # Wine keeps its server folder, named after the prefix's device
            # and inode, in a temporary folder of its own: remove that too.
            if [ -d "$WINEPREFIX" ]; then
                server="server-$(stat -c %D "$WINEPREFIX")-$(printf %x "$(stat -c %i "$WINEPREFIX")")"
                for folder in /tmp/wine-*/"$server"; do
                    [ -d "$folder" ] || continue
                    rm -rf "$folder"
                    rmdir "$(dirname "$folder")" 2>/dev/null
                done
            fi
            rm -rf "$WINEPREFIX"
            ;;
    esac
    rm -rf "$session"
}

start_session() {
    wine=$(find_wine) || { echo "Wine not found: the Wine tests are skipped"; exit $skipped; }
    command -v Xvfb >/dev/null 2>&1 || { echo "Xvfb not found: the Wine tests are skipped"; exit $skipped; }
    built=
    [ "${1:-}" = --built ] && { built=1; shift; }
    for program in "$@"; do
        [ -f "$program" ] && continue
        [ -n "$built" ] && { echo "$program is missing although mingw-w64 is there: build it first"; exit 1; }
        echo "$program was not built (no mingw-w64): the Wine tests are skipped"
        exit $skipped
    done
    stop_session
    mkdir -p "$session"

    display=
    number=90
    while [ $number -lt 190 ]; do
        if [ ! -e "/tmp/.X11-unix/X$number" ] && [ ! -e "/tmp/.X$number-lock" ]; then
            display=$number
            break
        fi
        number=$((number + 1))
    done
    [ -n "$display" ] || { echo "no free X display number"; exit 1; }
    setsid Xvfb ":$display" -nolisten tcp -screen 0 1024x768x24 </dev/null >/dev/null 2>&1 &
    echo $! >"$session/xvfb.pid"
    waited=0
    while [ ! -e "/tmp/.X11-unix/X$display" ]; do
        [ $waited -ge 100 ] && { echo "Xvfb did not start"; exit 1; }
        sleep 0.1
        waited=$((waited + 1))
    done

    prefix=$(mktemp -d "${TMPDIR:-/tmp}/korvel-wine.XXXXXX")
    cat >"$environment" <<ENV
DISPLAY=:$display
WINEPREFIX=$prefix
WINEDEBUG=-all
WINEDLLOVERRIDES=mscoree,mshtml=
KORVEL_WINE=$wine
ENV
    . "$environment"
    export DISPLAY WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
    echo "Wine session: display :$display, prefix $prefix"
    if ! timeout 180 "$wine" wineboot -i </dev/null >"$session/wineboot.log" 2>&1; then
        echo "wineboot failed:"
        tail -20 "$session/wineboot.log"
        exit 1
    fi
}

case "$action" in
    start)
        # A set-up that fails half-way leaves nothing running behind it.
        ( start_session "$@" )
        status=$?
        [ $status -eq 0 ] || [ $status -eq $skipped ] || stop_session
        exit $status
        ;;
    run)
        [ -f "$environment" ] || { echo "no Wine session: skipped"; exit $skipped; }
        . "$environment"
        export DISPLAY WINEPREFIX WINEDEBUG WINEDLLOVERRIDES KORVEL_WINE
        [ "${1:-}" = wine ] && { shift; set -- "$KORVEL_WINE" "$@"; }
        # Output goes through a file: a Wine process left running must not
        # hold the test runner's pipe open.
        log="$session/run.$$.log"
        timeout -k 5 240 "$@" </dev/null >"$log" 2>&1
        status=$?
        cat "$log"
        rm -f "$log"
        exit $status
        ;;
    stop)
        stop_session
        ;;
    *)
        echo "unknown action $action" >&2
        exit 2
        ;;
esac
