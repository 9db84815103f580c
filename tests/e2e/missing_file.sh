#!/usr/bin/env bash
# One of the program's files missing from its working folder:
#   a sound (Vittoria.wav, Right.wav, Wrong.wav, musica.mid): the program starts
#     without any message and plays silent; wrong and right answers work and
#     Esc, Enter end it cleanly;
#   vocabula.txt: the message "File vocabula.txt assente o difettoso" is all
#     that appears, and the program ends after OK;
#   vocpers.txt: ticking "Repertorio meo utor" in the settings window shows
#     the message "Manca il vocabolario personale"; after OK the box is gone and
#     a game starts on the standard vocabulary.
# Usage: missing_file.sh DISPLAY FILE
. "$(dirname "$0")/lib.sh"
file=${2:?which file to leave out}
e2e_begin "missing_${file%.*}" "${1:-106}"

# exactly_one_window REGEX: after a while, the only visible window of the
# program is the one named REGEX (no message box besides it). Prints its id.
exactly_one_window() {
    local id all
    id=$(wait_window "$1" 30)
    sleep 1.5
    all=$(windows '.')
    [ "$(wc -w <<<"$all")" = 1 ] || {
        for w in $all; do log "window $w: $(xdotool getwindowname "$w")"; done
        fail "expected only the window '$1'"
    }
    echo "$id"
}

case $file in
vocabula.txt)
    rm "$RUN/vocabula.txt"
    start_program
    box=$(exactly_one_window '^LessiCorsa!$')
    geometry "$box"
    log "message window ${WW}x${WH}"
    # A message box, not the board.
    [ "$WW" -lt 440 ] && [ "$WH" -lt 300 ] || fail "the window is not a message box: ${WW}x${WH}"
    f=$(shot message "$box")
    # The stop icon of a message after which the program ends: red.
    [ "$(count_colour "$f" "$RED" "" 30)" -gt 200 ] || fail "the message has no stop icon"
    press "$box" Return
    wait_exit 10
    [ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after the message"
    ;;

vocpers.txt)
    rm "$RUN/vocpers.txt"
    start_program
    main_window 30
    sleep 1
    find_boxes "$(shot idle "$MAIN")"
    press "$MAIN" Return
    win=$(wait_window '^LessiCorsa! Novus ludus$' 10)
    sleep 0.5
    before=$(shot settings "$win")
    # "Repertorio meo utor": the check box under "Excipio simillima", at
    # 2160, 2720 twips (15 twips a pixel), two lines high.
    box_area="300x24+146+186"
    ink=$(count_colour "$before" FFE0C0 "$box_area" 5)
    [ "$ink" -lt 6800 ] || fail "no check box where \"Repertorio meo utor\" should be"
    click "$win" 152 201
    msg=$(wait_window '^Manca il vocabolario personale$' 10)
    sleep 0.3
    f=$(shot message "$msg")
    # The exclamation icon of a warning: yellow.
    [ "$(count_colour "$f" "$YELLOW" "" 30)" -gt 150 ] || fail "the message has no exclamation icon"
    press "$msg" Return
    wait_gone "$msg" 10
    sleep 0.5
    after=$(shot settings-after "$win")
    plain=$(count_colour "$after" FFE0C0 "$box_area" 5)
    [ "$plain" -gt 7150 ] || fail "the check box is still shown after the message ($plain of 7200 pixels plain)"
    press "$win" Return
    wait_gone "$win" 10
    main_window 10
    wait_board "$ASKED" 20 game >/dev/null
    ;;

Vittoria.wav | Right.wav | Wrong.wav | musica.mid)
    rm "$RUN/$file"
    vocabulary varia.txt
    settings Giocatori=1 Dafare=10 Suoni=1 Musica=1 Escludisimili=0
    start_program
    MAIN=$(exactly_one_window '^LessiCorsa!$')
    find_boxes "$(shot idle "$MAIN")"
    press "$MAIN" Return
    win=$(wait_window '^LessiCorsa! Novus ludus$' 10)
    sleep 0.3
    press "$win" Return
    wait_gone "$win" 10
    main_window 10
    # Enter until a right answer: wrong ones hide boxes (and would sound
    # "Wrong"), the right one shows the blue board (and would sound "Right").
    right=0
    wait_board "$ASKED" 10 asked >/dev/null
    for _ in $(seq 1 14); do
        if answer Return "$BLUE"; then
            right=1
            break
        fi
    done
    [ "$right" = 1 ] || fail "no right answer seen in 14 Enters"
    wait_board '^w*yw*$' 20 next >/dev/null
    [ "$(wc -w <<<"$(windows '.')")" = 1 ] || fail "a message appeared during the game"
    press "$MAIN" Escape
    box=$(wait_window '^Fabula acta est$' 10)
    press "$box" Return
    wait_exit 10
    [ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after the exit confirmation"
    ;;

*) fail "unknown file $file" ;;
esac
check_stderr_clean
log "passed"
