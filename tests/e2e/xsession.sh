# A private X server with a window manager, for end-to-end checks and the headless demo.
# shellcheck shell=bash

have_x_tools() {
    command -v Xvfb >/dev/null && command -v openbox >/dev/null && command -v xdotool >/dev/null &&
        command -v xwininfo >/dev/null && command -v xprop >/dev/null && command -v xwd >/dev/null &&
        command -v convert >/dev/null
}

# Polls a command until it succeeds or the deadline (seconds) passes.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# Starts Xvfb on a free display and openbox on it; sets DISPLAY.
start_x() {
    X_DIR=$(mktemp -d)
    mkdir -m 700 "$X_DIR/runtime"
    export XDG_RUNTIME_DIR="$X_DIR/runtime"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$X_DIR/display" 2>"$X_DIR/xvfb.log" &
    XVFB_PID=$!
    wait_until 20 test -s "$X_DIR/display" || { cat "$X_DIR/xvfb.log" >&2; return 1; }
    export DISPLAY=":$(cat "$X_DIR/display")"
    openbox >"$X_DIR/openbox.log" 2>&1 &
    WM_PID=$!
    wait_until 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}

stop_x() {
    [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
    [ -n "${XVFB_PID:-}" ] && wait "$XVFB_PID" 2>/dev/null || true
    [ -n "${X_DIR:-}" ] && rm -rf "$X_DIR"
    WM_PID= XVFB_PID= X_DIR=
}

# Waits for a visible top-level window whose title matches; prints its id.
find_window() {
    timeout "${2:-20}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

# Outer (frame-included) geometry of a client window: "WIDTHxHEIGHT+X+Y".
outer_geometry() {
    local wid=$1 x y w h l r t b
    eval "$(xwininfo -id "$wid" | awk '/Absolute upper-left X/{print "x="$4} /Absolute upper-left Y/{print "y="$4}
                                    /  Width:/{print "w="$2} /  Height:/{print "h="$2}')"
    read -r l r t b < <(xprop -id "$wid" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo "$((w + l + r))x$((h + t + b))+$((x - l))+$((y - t))"
}

outer_width_is() {
    local geometry
    geometry=$(outer_geometry "$1")
    [ "${geometry%%x*}" = "$2" ]
}

geometry_is() {
    [ "$(outer_geometry "$1")" = "$2" ]
}

# Colour of one screen pixel as "#RRGGBB".
screen_pixel() {
    xwd -root -silent | convert xwd:- -crop "1x1+$1+$2" -depth 8 txt:- | awk 'NR==2{print $3}'
}

screenshot() {
    xwd -root -silent | convert xwd:- "$1"
}
