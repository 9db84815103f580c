#!/usr/bin/env bash
# A two-player game of 10 words on a vocabulary where any answer is right:
# Enter is nobody's key; the left-hand player (key 1) answers six times, the
# board turning red each time, and wins: his red bar has climbed the track.
. "$(dirname "$0")/lib.sh"
e2e_begin two_players "${1:-103}"
vocabulary idem.txt
settings Giocatori=2 Dafare=10 Suoni=1 Musica=0 Giocatore1=1 Giocatore2=2
start_board
read -r left _ _ _ <<<"${BOXES[0]}"
play Return
f=$(wait_board "$ASKED" 20)
bar=$(count "$f" "$RED" "$((left - 10))x2000+0+0")
press "$MAIN" Return
[[ $(board "$(shot enter "$MAIN")") == *p ]] || fail "Enter was taken as an answer with two players"
flashes=0
for _ in 1 2 3 4 5 6; do
    wait_board "$ASKED" 20 >/dev/null
    right 1 r && flashes=$((flashes + 1))
done
[ "$flashes" -ge 3 ] || fail "the red board was seen after $flashes of 6 right answers"
f=$(wait_prompt 20)
grown=$(($(count "$f" "$RED" "$((left - 10))x2000+0+0") - bar))
[ "$grown" -gt 2000 ] || fail "the winner's red bar grew by $grown pixels only"
quit
