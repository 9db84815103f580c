#!/usr/bin/env bash
# A one-player game of forms of 10 words on the game's own vocabulary and
# lexicon, started from the menu "Formae": the words the lexicon lacks are
# counted in one message, Enter on a wrong analysis hides its box, Enter on
# the right one shows the board in blue, the tenth right answer ends the game
# with the prompt; the wrong strikes leave the missed words' list alone.
. "$(dirname "$0")/lib.sh"
e2e_begin formae "${1:-108}"
cp "$E2E_ASSETS"/lexicon.txt "$RUN"/
settings Giocatori=1 Dafare=10 Suoni=1 Musica=0
start_board
press "$MAIN" alt+f l
w=$(wait_window '^LessiCorsa! Novus ludus$' 10)
sleep 0.3
press "$w" Return
wait_gone "$w" 10
m=$(wait_window '^LessiCorsa! Formae$' 10)
press "$m" Return
wait_gone "$m" 10
main_window 10
flashes=0 shown="" wrong=0
for _ in $(seq 1 600); do
    f=$(shot board "$MAIN")
    s=$(board "$f")
    # The end: no highlight for a while (the form and its headword beneath
    # are as yellow as the prompt, and the highlight only pauses in a game).
    if [[ ${s:0:12} != *y* && $s != *b ]] && over "$f"; then
        sleep 1.5
        s=$(board "$(shot board "$MAIN")")
        [[ ${s:0:12} != *y* && $s != *b ]] && break
        continue
    fi
    [[ $s == *b ]] && { [ "$shown" = b ] || flashes=$((flashes + 1)); shown=b; continue; }
    shown=""
    [[ ${s:0:12} == *p* ]] && wrong=1
    [[ $s =~ $ASKED ]] && press "$MAIN" Return
    alive || fail "the program ended during the game"
done
[ "$flashes" -ge 5 ] || fail "the blue board was seen after $flashes of 10 right answers"
[ "$wrong" = 1 ] || fail "no wrong analysis was ever struck"
wait_prompt 20 >/dev/null
[ ! -e "$RUN/errata.txt" ] || fail "a game of forms wrote the missed words' list"
quit
