#!/usr/bin/env bash
# Start-up with no stored settings (sounds and music on): the idle board
# (twelve white boxes on the dark red panel, portraits that change); Esc asks
# "Fabula acta est" and Cancel keeps the program; F1 opens the about window,
# Enter closes it; a key opens the settings window; O.K.
# starts a game, whose yellow highlight on one of eleven white boxes runs on
# from box to box after Esc and Cancel; Esc and OK end the program cleanly.
. "$(dirname "$0")/lib.sh"
e2e_begin start "${1:-101}"
start_board
idle=$(shot idle "$MAIN")
[ "$(board "$idle")" = wwwwwwwwwwwwp ] || fail "idle board: $(board "$idle")"
changed=0
for _ in 1 2 3 4; do
    sleep 1.2
    same "$idle" "$(shot idle "$MAIN")" || { changed=1; break; }
done
[ "$changed" = 1 ] || fail "the idle portraits did not change in 5 s"
cancel() {
    press "$MAIN" Escape
    box=$(wait_window '^Fabula acta est$' 10)
    sleep 0.3
    press "$box" Escape
    wait_gone "$box" 10
    alive || fail "Cancel in the exit confirmation ended the program"
}
cancel

press "$MAIN" F1
about=$(wait_window '^LessiCorsa!$' 10 "$MAIN")
sleep 0.5
shot about "$about" >/dev/null
press "$about" Return
wait_gone "$about" 10

play a
cancel
before=$(board "$(wait_board '^w*yw*p$' 10)")
sleep 0.7
[ "$before" != "$(board "$(wait_board '^w*yw*p$' 10)")" ] || fail "the highlight does not run on after Cancel"
quit
