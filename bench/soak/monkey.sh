#!/usr/bin/env bash
# A monkey on the real window: random keys and clicks, at a player's pace, on
# whichever window of the program is in front (the board, the settings window,
# a message, the about window), for SECONDS (default 120). The program must
# neither crash nor stop answering:
#   - it may end only through the exit confirmation (exit code 0); then it is
#     started again and the monkey goes on;
#   - every 20 seconds, when the board is in front, Esc must bring up the exit
#     confirmation within 10 seconds (which the monkey then cancels);
#   - the screen must keep changing;
#   - at the end Esc, Enter must end it with exit code 0, and stderr must hold
#     nothing from the sanitizers.
# Usage: bench/soak/monkey.sh [SECONDS [SEED [DISPLAY]]]   (the program of build/)
root=$(cd "$(dirname "$0")/../.." && pwd)
: "${LESSICORSA:=$root/build/lessicorsa}" "${E2E_ASSETS:=$root/assets}" "${E2E_DATA:=$root/tests/e2e/data}"
export LESSICORSA E2E_ASSETS E2E_DATA
. "$root/tests/e2e/lib.sh"
duration=${1:-120}
seed=${2:-$(date +%s)}
e2e_begin monkey "${3:-112}"
RANDOM=$seed
log "monkey for ${duration}s, seed $seed"

settings Giocatori=2 Dafare=10 Suoni=1 Musica=0
runs=1
start $runs
main_window 30

# Keys a player might press, the answer keys more often than the others; Esc
# rarely, since it leads to the exit confirmation.
keys=(Return Return Return space space 0 0 0 1 1 1 Tab Tab Up Down Left Right Home End Page_Up
    F1 alt+1 alt+2 alt+s alt+m alt+e alt+o alt+i alt+f a z q x BackSpace Delete 5 9 Escape)

restart_after_exit() {
    wait_exit 5
    log "the program ended through the exit confirmation; starting it again"
    runs=$((runs + 1))
    start $runs
    main_window 30
}

# All visible windows of the program, named or not (an open menu is a window
# without a name).
app_windows() { xdotool search --onlyvisible --pid "$APP" 2>/dev/null || true; }

# Esc on the board must bring up the exit confirmation; Cancel it. A second
# Esc is allowed, for a menu the monkey left open may take the first one.
probe() {
    local box="" esc
    [ "$(app_windows)" = "$MAIN" ] || return 0 # another window is in front: no probe now
    for esc in 1 2; do
        timeout 10 xdotool windowfocus --sync "$MAIN" key Escape 2>/dev/null || return 0
        for _ in $(seq 1 30); do
            box=$(windows '^Fabula acta est$')
            [ -n "$box" ] && break 2
            alive || return 0
            sleep 0.33
        done
        shot "probe-$esc" >/dev/null
    done
    [ -n "$box" ] || fail "the program stopped answering: two Escs on the board brought no exit confirmation in 20s"
    sleep 0.3
    timeout 10 xdotool windowfocus --sync "$box" key Escape 2>/dev/null || true
    PROBES=$((PROBES + 1))
}

PROBES=0
front=()
actions=0
changes=0
checkpoints=0
last_shot=$(shot start)
end=$((SECONDS + duration))
next_check=$((SECONDS + 20))
while [ "$SECONDS" -lt "$end" ]; do
    if ! alive; then
        restart_after_exit
        continue
    fi
    # The window list is read every other action: the display is never polled
    # more than a few times a second.
    if [ $((actions % 2)) = 0 ] || [ "${#front[@]}" = 0 ]; then
        mapfile -t front < <(app_windows)
    fi
    [ "${#front[@]}" -gt 0 ] || {
        sleep 0.5
        continue
    }
    # A window other than the board is modal over it: it is the one in front.
    target=${front[0]}
    for w in "${front[@]}"; do [ "$w" != "$MAIN" ] && target=$w; done
    if [ $((RANDOM % 10)) -lt 7 ]; then
        key=${keys[$((RANDOM % ${#keys[@]}))]}
        timeout 3 xdotool windowfocus --sync "$target" key "$key" 2>/dev/null || timeout 3 xdotool key "$key" 2>/dev/null || true
    else
        eval "$(xdotool getwindowgeometry --shell "$target" 2>/dev/null | grep -E '^(WIDTH|HEIGHT)=')" || true
        [ -n "${WIDTH:-}" ] && timeout 3 xdotool mousemove --window "$target" $((RANDOM % WIDTH)) $((RANDOM % HEIGHT)) click 1 2>/dev/null || true
    fi
    actions=$((actions + 1))
    sleep "0.$((15 + RANDOM % 30))"

    if [ "$SECONDS" -ge "$next_check" ]; then
        next_check=$((SECONDS + 20))
        alive || continue
        f=$(shot check)
        checkpoints=$((checkpoints + 1))
        same "$f" "$last_shot" || changes=$((changes + 1))
        last_shot=$f
        probe
        log "$actions actions, $PROBES probes answered, screen changed at $changes of $checkpoints checks, run $runs"
    fi
done
log "$actions random actions in ${duration}s over $runs run(s); $PROBES probes answered"
[ "$checkpoints" -eq 0 ] || [ $((changes * 2)) -ge "$checkpoints" ] ||
    fail "the screen changed at only $changes of $checkpoints checks"

# The end: close whatever is in front with Esc, then Esc and Enter on the board.
alive || restart_after_exit
for _ in $(seq 1 10); do
    shown=$(app_windows)
    [ "$shown" = "$MAIN" ] && break
    for w in $shown; do
        [ "$w" = "$MAIN" ] && continue
        # An open menu holds the keyboard: its Esc needs no focus.
        timeout 3 xdotool windowfocus --sync "$w" key Escape 2>/dev/null || timeout 3 xdotool key Escape || true
    done
    sleep 1
    alive || restart_after_exit
done
shot final >/dev/null
press "$MAIN" Escape
box=$(wait_window '^Fabula acta est$' 10)
sleep 0.3
press "$box" Return
wait_exit 10
log "passed"
