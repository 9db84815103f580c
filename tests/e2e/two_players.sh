#!/usr/bin/env bash
# Two two-player games of 10 words, on a vocabulary where any answer is right.
# In the first the left-hand player (player 2, key 1) answers six times and
# wins, the board turning red at each right answer; the prompt follows and a
# key starts the second game, which the right-hand player (player 1, key 0)
# wins in blue. Enter is no answer key for two players.
. "$(dirname "$0")/lib.sh"
e2e_begin two_players "${1:-103}"

vocabulary idem.txt
settings Giocatori=2 Dafare=10 Suoni=1 Musica=0 Escludisimili=0 Giocatore1=1 Giocatore2=2
start_program
main_window 30
sleep 1
find_boxes "$(shot idle "$MAIN")"
geometry "$MAIN"
read -r px _ _ _ <<<"${BOXES[0]}"
read -r qx _ qw _ <<<"${BOXES[2]}"
# The two tracks, left and right of the board panel.
left_track="$((px - 10))x$WH+0+0"
right_track="$((WW - qx - qw - 10))x$WH+$((qx + qw + 10))+0"

# bars FILE: the red pixels on the left track and the blue ones on the right:
# each player's bar grows with every right answer.
bars() { echo "$(count_colour "$1" "$RED" "$left_track") $(count_colour "$1" "$BLUE" "$right_track")"; }

# play WINNER_KEY COLOUR NAME: one game from the settings window to the prompt.
play() {
    local key=$1 colour=$2 name=$3 f flashes=0 n red blue red0 blue0
    win=$(wait_window '^LessiCorsa! Novus ludus$' 10)
    sleep 0.3
    press "$win" Return
    wait_gone "$win" 10
    main_window 10
    f=$(wait_board "$ASKED" 20 "$name-start")
    read -r red0 blue0 <<<"$(bars "$f")"
    log "$name: bars at the start: red $red0, blue $blue0"

    # Enter is the single player's key: nothing happens.
    press "$MAIN" Return
    f=$(shot "$name-enter" "$MAIN")
    [ "$(panel_colour "$f")" = "$PANEL" ] || fail "$name: Enter was taken as an answer in a two-player game"

    for n in 1 2 3 4 5 6; do
        if answer "$key" "$colour"; then
            flashes=$((flashes + 1))
        else
            log "$name: answer $n: the display in $colour was not caught on a screenshot"
        fi
        # Five right answers of ten are not more than half: the game goes on.
        [ "$n" -lt 6 ] && wait_board '^w*yw*$' 20 "$name-word$((n + 1))" >/dev/null
    done
    log "$name: display in $colour seen after $flashes of 6 right answers"
    [ "$flashes" -ge 3 ] || fail "$name: the display in $colour was seen after only $flashes of 6 right answers"

    # The sixth right answer wins: the prompt follows the end scene.
    f=$(wait_prompt 20)
    read -r red blue <<<"$(bars "$f")"
    log "$name: bars at the end: red $red, blue $blue"
    # The winner's bar has climbed the track; the loser's side changes little
    # (its bust gives way to the empty pedestal).
    local won lost
    if [ "$colour" = "$RED" ]; then
        won=$((red - red0)) lost=$((blue - blue0))
    else
        won=$((blue - blue0)) lost=$((red - red0))
    fi
    [ "$won" -gt 2000 ] && [ $((lost * 4)) -lt "$won" ] ||
        fail "$name: the winner's bar should have grown: red $red0 -> $red, blue $blue0 -> $blue"
}

press "$MAIN" Return
play 1 "$RED" player2
press "$MAIN" z
play 0 "$BLUE" player1

press "$MAIN" Escape
box=$(wait_window '^Fabula acta est$' 10)
press "$box" Return
wait_exit 10
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after the exit confirmation"
check_stderr_clean
log "passed"
