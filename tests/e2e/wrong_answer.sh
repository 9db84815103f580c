#!/usr/bin/env bash
# A wrong answer in a one-player game, on a vocabulary where every word has its
# own translation (eleven boxes of twelve are wrong): Enter on a wrong box
# hides that box for the rest of the word, the highlight passes it by, and the
# error counter under the board changes from "Errores: 0" to "Errores: 1" and
# stays so; a second wrong answer changes it again.
. "$(dirname "$0")/lib.sh"
e2e_begin wrong_answer "${1:-104}"

vocabulary varia.txt
settings Giocatori=1 Dafare=10 Suoni=1 Musica=0 Escludisimili=0
start_program
main_window 30
sleep 1
find_boxes "$(shot idle "$MAIN")"
geometry "$MAIN"

press "$MAIN" Return
win=$(wait_window '^LessiCorsa! Novus ludus$' 10)
sleep 0.3
press "$win" Return
wait_gone "$win" 10
main_window 10
f=$(wait_board '^w*yw*$' 20 asked)

# The status box under the board: words, time and errors, one line each.
status="$((PANEL_RIGHT - PANEL_LEFT - 80))x$((WH - PANEL_BOTTOM - 32))+$((PANEL_LEFT + 77))+$((PANEL_BOTTOM + 6))"
mapfile -t lines < <(text_lines "$f" "$status")
[ "${#lines[@]}" = 3 ] || fail "the status box should hold three lines (words, time, errors): ${lines[*]}"
read -r e1 e2 <<<"${lines[2]}"
errors="$((PANEL_RIGHT - PANEL_LEFT - 80))x$((e2 - e1 + 3))+$((PANEL_LEFT + 77))+$((PANEL_BOTTOM + 6 + e1 - 1))"
read -r t1 t2 <<<"${lines[1]}"
timeline="$((PANEL_RIGHT - PANEL_LEFT - 80))x$((t2 - t1 + 3))+$((PANEL_LEFT + 77))+$((PANEL_BOTTOM + 6 + t1 - 1))"

read -r w1 w2 <<<"${lines[0]}"
line_x=$((PANEL_LEFT + 77))
line_w=$((PANEL_RIGHT - PANEL_LEFT - 80))

# ink_runs FILE Y1 Y2: the columns of ink of a status line, one "first last"
# pair a glyph (or group of touching glyphs), left to right.
ink_runs() {
    convert "$1" -crop "${line_w}x$(($3 - $2 + 1))+$line_x+$((PANEL_BOTTOM + 6 + $2))" +repage \
        -fuzz 10% -fill white -opaque '#FF8000' -fill black +opaque white -scale "${line_w}x1!" txt:- | awk '
        NR > 1 { split($1, p, /[,:]/); x = p[1]; split($2, v, /[(,)]/); ink = v[2] < 250
                 if (ink && !inl) { first = x; inl = 1 }
                 if (!ink && inl) { print first, x - 1; inl = 0 } }'
}

# error_digit FILE: which the last glyph of the error line resembles more,
# the "1" or the "0" of "10" in the words line "Vocabula 0 ex 10" above it
# (the same font on the same background, so no reference pictures are needed).
# Prints 1 or 0.
error_digit() {
    local f=$1 runs one zero digit
    mapfile -t runs < <(ink_runs "$f" "$w1" "$w2")
    one=${runs[-2]} zero=${runs[-1]}
    mapfile -t runs < <(ink_runs "$f" "$e1" "$e2")
    digit=${runs[-1]}
    # Each glyph cut out to its ink, then set on the same small orange field.
    glyph() {
        local a b
        read -r a b <<<"$1"
        convert "$f" -crop "$((b - a + 3))x$(($3 - $2 + 3))+$((line_x + a - 1))+$((PANEL_BOTTOM + 5 + $2))" +repage \
            -fuzz 15% -trim +repage -background '#FF8000' -gravity northwest -extent 14x16 "$T/$4.png"
    }
    glyph "$one" "$w1" "$w2" one
    glyph "$zero" "$w1" "$w2" zero
    glyph "$digit" "$e1" "$e2" digit
    local d1 d0
    d1=$(convert "$T/digit.png" "$T/one.png" -metric RMSE -compare -format '%[distortion]' info:)
    d0=$(convert "$T/digit.png" "$T/zero.png" -metric RMSE -compare -format '%[distortion]' info:)
    log "error digit: distance $d1 from the 1, $d0 from the 0"
    awk -v a="$d1" -v b="$d0" 'BEGIN { print (a < b ? 1 : 0) }'
}

# Before any error: the time runs, the error line stays.
sleep 1.5
f2=$(shot asked-later "$MAIN")
same "$f" "$f2" "$timeline" && fail "the time line did not change in 1.5s: the status lines are not where expected"
same "$f" "$f2" "$errors" || fail "the error line changed without an error"
zero=$f2
[ "$(error_digit "$zero")" = 0 ] || fail "before any error the error line should end in 0"

# Enter until it meets a wrong box (11 chances in 12 each time). A right
# answer shows blue and a new word; then try again.
hidden=""
for try in 1 2 3 4 5; do
    wait_board '^w*yw*$' 20 "try$try" >/dev/null
    press "$MAIN" Return
    sleep 0.6
    f=$(shot "after$try" "$MAIN")
    states=$(box_states "$f")
    log "after Enter: boxes $states, panel $(panel_colour "$f")"
    if [[ $states =~ ^[wy]*p[wy]*$ ]] && [ "$(panel_colour "$f")" = "$PANEL" ]; then
        hidden=${states%%p*}
        hidden=${#hidden}
        break
    fi
    [ "$(panel_colour "$f")" = "$BLUE" ] || [[ $states =~ ^w*yw*$ ]] || [[ $states =~ ^[bp]*y[bp]*$ ]] ||
        fail "Enter gave neither a hidden box nor a right answer: $states"
    log "a right answer; next word"
done
[ -n "$hidden" ] || fail "five Enters never met a wrong box"
log "box $hidden hidden"

# The box stays hidden while the highlight goes round the other eleven.
for i in 1 2 3 4; do
    sleep 0.4
    f=$(shot "round$i" "$MAIN")
    states=$(box_states "$f")
    [ "${states:$hidden:1}" = p ] || fail "box $hidden came back: $states"
    [[ $states =~ ^[wp]*y[wp]*$ ]] || fail "the highlight should go on over the visible boxes: $states"
done
one=$f
same "$zero" "$one" "$errors" && fail "the error line did not change after a wrong answer"
[ "$(error_digit "$one")" = 1 ] || fail "after one wrong answer the error line should read Errores: 1"

# A second wrong answer on the same word: another box goes, the counter moves on.
for try in 1 2 3 4 5; do
    f=$(wait_board "$ASKED" 10 "second$try")
    press "$MAIN" Return
    sleep 0.6
    f=$(shot "second-after$try" "$MAIN")
    states=$(box_states "$f")
    log "after Enter: boxes $states"
    if [ "$(tr -cd p <<<"$states" | wc -c)" = 2 ] && [ "$(panel_colour "$f")" = "$PANEL" ]; then
        same "$one" "$f" "$errors" && fail "the error line did not change after the second wrong answer"
        same "$zero" "$f" "$errors" && fail "after two errors the error line reads as before any"
        log "passed"
        exit 0
    fi
    [ "$(tr -cd p <<<"$states" | wc -c)" = 1 ] || break # a right answer: a new word
done
log "no second wrong answer on the same word (a right answer came first); the first one was checked"
log "passed"
