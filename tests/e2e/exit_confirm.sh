#!/usr/bin/env bash
# The exit confirmation "Fabula acta est", with sounds and music on. On the
# idle board Esc and the menu item Incipit ludus > Finis (Alt+I, F) ask, and
# Esc there (Cancel) keeps the program; during a game Esc and a click on the
# status line ask, and Cancel lets the game go on; Esc and then Enter (OK) end
# the program with exit code 0 and nothing from the sanitizers.
. "$(dirname "$0")/lib.sh"
e2e_begin exit_confirm "${1:-105}"

vocabulary idem.txt
settings Giocatori=2 Dafare=10 Suoni=1 Musica=1
start_program
main_window 30
sleep 1
find_boxes "$(shot idle "$MAIN")"
geometry "$MAIN"

# ask HOW...: HOW opens the confirmation; cancel closes it, and the
# program goes on.
ask() {
    "$@"
    box=$(wait_window '^Fabula acta est$' 10)
    sleep 0.3
    shot confirmation >/dev/null
}
cancel() {
    press "$box" Escape
    wait_gone "$box" 10
    alive || fail "Cancel in the exit confirmation ended the program"
}

ask press "$MAIN" Escape
cancel
log "Esc on the idle board asked; Cancel kept the program"
# The menu "Incipit ludus", item "Finis", from the keyboard.
ask press "$MAIN" alt+i f
cancel
log "the menu item Finis asked; Cancel kept the program"

press "$MAIN" Return
win=$(wait_window '^LessiCorsa! Novus ludus$' 10)
sleep 0.3
press "$win" Return
wait_gone "$win" 10
main_window 10
wait_board "$ASKED" 20 game >/dev/null

ask press "$MAIN" Escape
cancel
# The status line under the board acts as Esc.
ask click "$MAIN" 60 $((WH - 6))
cancel
# The game goes on: the highlight still moves.
a=$(box_states "$(wait_board "$ASKED" 10 after-cancel)")
sleep 0.7
b=$(box_states "$(wait_board "$ASKED" 10 after-cancel)")
[ "$a" != "$b" ] || fail "the highlight stopped after Cancel: $a"
log "during the game Esc and the status line asked; Cancel let the game go on"

ask press "$MAIN" Escape
press "$box" Return
wait_exit 10
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after OK in the exit confirmation"
check_stderr_clean
log "program ended with exit code 0"
log "passed"
