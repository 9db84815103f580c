#!/usr/bin/env bash
# vocabula.txt missing: the message "File vocabula.txt assente o difettoso"
# (with the stop icon) is the program's only window, and OK ends the program.
. "$(dirname "$0")/lib.sh"
e2e_begin missing_vocabula "${1:-106}"
rm "$RUN/vocabula.txt"
start
box=$(wait_window '^LessiCorsa!$' 30)
sleep 1.5
[ "$(windows . | wc -l)" = 1 ] || fail "more windows than the message: $(windows . | xargs -n1 xdotool getwindowname)"
[ "$(xdotool getwindowgeometry --shell "$box" | sed -n 's/^WIDTH=//p')" -lt 440 ] || fail "the window is not a message box"
[ "$(count "$(shot message "$box")" "$RED" "" 30)" -gt 200 ] || fail "the message has no stop icon"
press "$box" Return
wait_exit 10
