#!/usr/bin/env bash
# A wrong answer, on a vocabulary where every word has its own translation:
# Enter on a wrong box hides it for the rest of the word while the highlight
# goes round the others.
. "$(dirname "$0")/lib.sh"
e2e_begin wrong_answer "${1:-104}"
vocabulary varia.txt
settings Giocatori=1 Dafare=10 Suoni=1 Musica=0
start_board
play Return
hidden=""
for _ in 1 2 3 4 5; do
    wait_board '^w*yw*p$' 20 >/dev/null
    press "$MAIN" Return
    sleep 0.6
    states=$(board "$(shot after "$MAIN")")
    if [[ $states =~ ^[wy]*p[wy]*p$ ]]; then
        hidden=${states%%p*}
        hidden=${#hidden}
        break
    fi
done
[ -n "$hidden" ] || fail "five Enters never met a wrong box"
for _ in 1 2 3 4; do
    sleep 0.4
    states=$(board "$(shot round "$MAIN")")
    [ "${states:$hidden:1}" = p ] || fail "box $hidden came back: $states"
    [[ $states =~ ^[wp]*y[wp]*p$ ]] || fail "the highlight stopped: $states"
done
quit
