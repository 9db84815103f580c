#!/usr/bin/env bash
# A one-player game of 10 words on a vocabulary whose words share their class's
# translation, so that a word's eleven other boxes are empty (a wrong answer is
# never right): Enter on an empty box hides it, Enter on the word's own box shows
# the board in blue, the tenth right answer ends the game with the yellow prompt
# on the empty panel; Esc and OK end the program.
. "$(dirname "$0")/lib.sh"
e2e_begin one_player "${1:-102}"
vocabulary idem.txt
settings Giocatori=1 Dafare=10 Suoni=1 Musica=0
start_board
play space
flashes=0 shown=""
for _ in $(seq 1 400); do
    f=$(shot board "$MAIN")
    s=$(board "$f")
    [[ ${s:0:12} != *y* ]] && over "$f" && break
    # each right answer's one-second display counted once
    [[ $s == *b ]] && { [ "$shown" = b ] || flashes=$((flashes + 1)); shown=b; continue; }
    shown=""
    [[ $s =~ $ASKED ]] && press "$MAIN" Return
    alive || fail "the program ended during the game"
done
# The display lasts a second: a screenshot on a loaded machine may miss some.
[ "$flashes" -ge 5 ] || fail "the blue board was seen after $flashes of 10 right answers"
wait_prompt 20 >/dev/null
quit
