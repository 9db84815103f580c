# shellcheck shell=bash
# start_xvfb FIRST SCREEN LOG: our own X server on the first free display from
# FIRST on, in steps of 20 (the end-to-end tests start at 101, the install test
# at 120, so they never meet); sets XVFB to its pid and exports DISPLAY.
start_xvfb() {
    local n=$1 _
    for _ in 1 2 3 4 5; do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            Xvfb ":$n" -screen 0 "$2" -nolisten tcp -noreset >"$3" 2>&1 &
            XVFB=$!
            export DISPLAY=:$n
            for _ in $(seq 1 40); do # ready, and still ours a moment later
                sleep 0.25
                xdpyinfo >/dev/null 2>&1 && sleep 0.3 && kill -0 "$XVFB" 2>/dev/null && return 0
                kill -0 "$XVFB" 2>/dev/null || break
            done
            kill "$XVFB" 2>/dev/null
            wait "$XVFB" 2>/dev/null
            XVFB=""
        fi
        n=$((n + 20))
    done
    return 1
}
