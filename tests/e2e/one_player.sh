#!/usr/bin/env bash
# A one-player game of 10 words on a vocabulary where any answer is right:
# each Enter shows the board in blue, the tenth ends the game with the yellow
# prompt on the empty panel; Esc and OK end the program.
. "$(dirname "$0")/lib.sh"
e2e_begin one_player "${1:-102}"
vocabulary idem.txt
settings Giocatori=1 Dafare=10 Suoni=1 Musica=0
start_board
play space
flashes=0
for _ in $(seq 1 10); do
    wait_board "$ASKED" 20 >/dev/null
    right Return b && flashes=$((flashes + 1))
done
# The display lasts a second: a screenshot on a loaded machine may miss some.
[ "$flashes" -ge 5 ] || fail "the blue board was seen after $flashes of 10 right answers"
wait_prompt 20 >/dev/null
quit
