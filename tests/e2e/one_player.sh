#!/usr/bin/env bash
# A whole one-player game of 10 words on a vocabulary where every word of a
# class has the same translation, so that any Enter is right: each right answer
# shows the board in blue with only the answered box; the game goes on to the
# next word nine times and ends at the tenth, with the prompt "Quamlibet clavem
# tange", at which a key opens the settings window again. F1 then shows the
# about window in its one-player arrangement; Esc and Enter end the program.
. "$(dirname "$0")/lib.sh"
e2e_begin one_player "${1:-102}"

vocabulary idem.txt
settings Giocatori=1 Dafare=10 Suoni=1 Musica=0 Escludisimili=0
start_program
main_window 30
sleep 1
find_boxes "$(shot idle "$MAIN")"

press "$MAIN" space
win=$(wait_window '^LessiCorsa! Novus ludus$' 10)
sleep 0.3
press "$win" Return
wait_gone "$win" 10
main_window 10

flashes=0
wait_board "$ASKED" 20 word1 >/dev/null
for word in $(seq 1 10); do
    if answer Return "$BLUE"; then
        flashes=$((flashes + 1))
    else
        log "word $word: the blue display was not caught on a screenshot"
    fi
    if [ "$word" -lt 10 ]; then
        # The game goes on: a new word with twelve boxes, the panel dark red again.
        f=$(wait_board '^w*yw*$' 20 "word$((word + 1))")
        [ "$(panel_colour "$f")" = "$PANEL" ] || fail "panel not dark red again after word $word"
    fi
done
log "blue display seen after $flashes of 10 right answers"
# The display lasts a second; a screenshot under a heavily loaded machine may
# miss some, but never most of them.
[ "$flashes" -ge 5 ] || fail "the blue display was seen after only $flashes of 10 right answers"

# The tenth right answer ends the game: no box is left, and after the end
# scene the prompt stands in yellow on the dark red panel.
wait_prompt 20 >/dev/null

# At the prompt any key starts a new game; leave its settings with Esc.
press "$MAIN" x
win=$(wait_window '^LessiCorsa! Novus ludus$' 10)
sleep 0.3
press "$win" Escape
wait_gone "$win" 10
main_window 10

# The about window after a one-player game is wider than before any game.
press "$MAIN" F1
about=$(wait_window '^LessiCorsa!$' 10 "$MAIN")
geometry "$about"
log "about window ${WW}x${WH}"
[ "$WW" -gt 400 ] || fail "about window after a game should show the keys, width $WW"
sleep 0.5
shot about "$about" >/dev/null
press "$about" Escape
wait_gone "$about" 10

press "$MAIN" Escape
box=$(wait_window '^Fabula acta est$' 10)
press "$box" Return
wait_exit 10
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after the exit confirmation"
check_stderr_clean
log "passed"
