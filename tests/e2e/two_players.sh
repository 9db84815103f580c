#!/usr/bin/env bash
# A two-player game of 10 words on a vocabulary whose words share their class's
# translation, so that a word's eleven other boxes are empty: Enter is nobody's
# key; the players' keys in turn (a wrong key hides its box and locks its player
# out, which frees the other) until one has won, the board turning red (key 1)
# or blue (key 0) at their right answers; the winner's bar has climbed the track.
. "$(dirname "$0")/lib.sh"
e2e_begin two_players "${1:-103}"
vocabulary idem.txt
settings Giocatori=2 Dafare=10 Suoni=1 Musica=0 Giocatore1=1 Giocatore2=2
start_board
read -r left _ _ _ <<<"${BOXES[0]}"
read -r x _ w _ <<<"${BOXES[11]}"
right=$((x + w + 10))
play Return
f=$(wait_board "$ASKED" 20)
red=$(count "$f" "$RED" "$((left - 10))x2000+0+0")
blue=$(count "$f" "$BLUE" "2000x2000+$right+0")
press "$MAIN" Return
[[ $(board "$(shot enter "$MAIN")") == *p ]] || fail "Enter was taken as an answer with two players"
flashes=0 shown="" keys=(1 0) n=0
for _ in $(seq 1 600); do
    f=$(shot board "$MAIN")
    s=$(board "$f")
    [[ ${s:0:12} != *y* ]] && over "$f" && break
    # each right answer's one-second display counted once
    if [[ $s == *[rb] ]]; then
        [ "$shown" = "${s: -1}" ] || flashes=$((flashes + 1))
        shown=${s: -1}
        continue
    fi
    shown=""
    [[ $s =~ $ASKED ]] && press "$MAIN" "${keys[n++ % 2]}"
    alive || fail "the program ended during the game"
done
[ "$flashes" -ge 3 ] || fail "a player's colour was seen after $flashes right answers only"
f=$(wait_prompt 20)
grown=$(($(count "$f" "$RED" "$((left - 10))x2000+0+0") - red))
bluer=$(($(count "$f" "$BLUE" "2000x2000+$right+0") - blue))
[ "$bluer" -gt "$grown" ] && grown=$bluer
[ "$grown" -gt 2000 ] || fail "the winner's bar grew by $grown pixels only"
quit
