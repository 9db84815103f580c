#!/usr/bin/env bash
# A tournament on a vocabulary whose words share their class's translation. A knockout of four:
# set up through its window and the settings window, the table between the
# matches, the program killed after the first match and the tournament taken
# up again at the second. The teacher's hand, the program killed after each
# step: the second match given away (a pupil absent), that walkover annulled,
# the match then played, its result corrected. The champion at the end and
# the results printed to a PDF. Then a league of three: three matches and a
# table with one first.
. "$(dirname "$0")/lib.sh"
e2e_begin certamen "${1:-107}"
vocabulary idem.txt
settings Giocatori=2 Dafare=10 Suoni=0 Musica=0
STATE=$HOME/.local/share/Lessicorsa/Lessicorsa/certamen.txt
results() { grep -c '^eventus ' "$STATE" || true; }
# killed PART: the program killed at once, started again, the tournament taken up.
killed() {
    kill -9 "$APP"
    wait "$APP" 2>/dev/null || true
    start "$1"
    main_window 30
    sleep 1
    menu p
    TABULA=$(wait_window '^LessiCorsa! Tabula$' 20)
}
# teacher KEY TITLE: a key of the table, its list's first choice, then O.K. on the confirmation.
teacher() {
    press "$TABULA" "$1"
    press "$(wait_window "^LessiCorsa! $2\$" 10)" Return
    press "$(wait_window '^LessiCorsa! Certamen$' 10)" Return
    sleep 0.5
}

# names NAME...: typed into the set-up window, one a line.
names() {
    local w=$1 n
    shift
    for n in "$@"; do timeout 10 xdotool windowfocus --sync "$w" type --delay 40 "$n" && press "$w" Return; done
}
# menu KEY: an item of the menu "Certamen" by its access key.
menu() {
    press "$MAIN" alt+c
    sleep 0.4
    press "$MAIN" "$1"
}
# The names under the panel are yellow too, so the end of a match is told by the table.
tabula() { [ -n "$(windows '^LessiCorsa! Tabula$')" ]; }
# match KEY: a key on the table starts the match, whose player of KEY wins it:
# KEY is struck on the translation's box (see strike); struck too late, its
# player is locked out, and the other strikes an empty box whose next two in
# the walk are empty too (never the translation), which frees the first. Then
# the table (or the end) comes up.
match() {
    local t f s j r other=$((1 - $1))
    t=$(wait_window '^LessiCorsa! Tabula$' 20)
    press "$t" space
    wait_gone "$t" 10
    for _ in $(seq 1 200); do
        r=0
        strike "$1" tabula || r=$?
        [ "$r" = 2 ] && break
        [ "$r" = 0 ] && continue
        for _ in $(seq 1 100); do
            f=$(shot board "$MAIN")
            s=$(board "$f")
            [[ $s =~ $ASKED ]] || continue
            j=$(text_box "$f")
            walk "$s"
            [ "$HIGHLIGHT" != "$j" ] && [ "${#WALK[@]}" -ge 3 ] && [ "${WALK[0]}" != "$j" ] && [ "${WALK[1]}" != "$j" ] || continue
            xdotool key "$other"
            sleep 0.3
            break
        done
    done
    TABULA=$(wait_window '^LessiCorsa! Tabula$' 20)
}
# print NAME: Imprime on the end's table, its dialog's OK; the PDF's text in NAME.txt.
print() {
    rm -f "$HOME"/certamen-*.pdf
    press "$TABULA" alt+i
    press "$(wait_window '^LessiCorsa! Imprime$' 20)" Return
    local i
    for i in $(seq 1 40); do
        ls "$HOME"/certamen-*.pdf >/dev/null 2>&1 && sleep 0.5 && break
        sleep 0.25
    done
    local pdf
    pdf=$(ls "$HOME"/certamen-*.pdf 2>/dev/null) || fail "no PDF written"
    pdftotext -layout "$pdf" "$SHOTS/$1.txt"
    pdftoppm -r 50 -png -singlefile "$pdf" "$SHOTS/$1"
}

start_board
menu n
w=$(wait_window '^LessiCorsa! Certamen$' 10)
sleep 0.3
names "$w" Anna Beppe Carla Dario
shot setup "$w" >/dev/null
press "$w" alt+o
press "$(wait_window '^LessiCorsa! Novus ludus$' 10)" Return
match 1
[ "$(results)" = 1 ] || fail "$(results) results written after the first match"
shot between "$TABULA" >/dev/null

# Killed between two matches, the program takes the tournament up again.
killed resumed
# A key other than Enter or Space starts nothing.
press "$TABULA" x
sleep 0.5
[ -n "$(windows '^LessiCorsa! Tabula$')" ] || fail "a stray key started a match"
# The left-hand pupil of the second match is absent: a walkover, kept.
teacher a Absens
grep -q '^absens ' "$STATE" || fail "the walkover is not in the state file"
killed walkover
shot walkover "$TABULA" >/dev/null
# The walkover was a mistake: annulled, kept, and the match played.
teacher i Iterum
grep -q '^iterum absens ' "$STATE" || fail "the annulled walkover is not in the state file"
grep -q '^absens ' "$STATE" && fail "the walkover still counts"
killed replay
match 0
[ "$(results)" = 2 ] || fail "$(results) results after the second match"
killed corrected
match 1
[ "$(results)" = 3 ] || fail "$(results) results after the final"
shot champion "$TABULA" >/dev/null
print knockout
grep -q 'Victor certaminis' "$SHOTS/knockout.txt" || fail "no champion in the PDF"
[ "$(grep -c 'Gradus' "$SHOTS/knockout.txt")" -ge 4 ] || fail "the PDF lacks the results"
grep -q 'irritum' "$SHOTS/knockout.txt" || fail "the PDF does not show the annulled walkover"
press "$TABULA" Escape
wait_gone "$TABULA" 10

# A league of three: the match choices are the last tournament's.
menu n
w=$(wait_window '^LessiCorsa! Certamen$' 10)
sleep 0.3
names "$w" Livia Marcus Nero
press "$w" alt+r alt+o
match 1
match 0
match 0
[ "$(results)" = 3 ] || fail "$(results) results in the league"
shot league "$TABULA" >/dev/null
print league
# Two wins, one and none: one first, one second, one third.
grep -q 'Victor certaminis' "$SHOTS/league.txt" || fail "the league has no single first"
for place in 1 2 3; do grep -Eq "^ *$place\. " "$SHOTS/league.txt" || fail "no place $place in the league's table"; done
press "$TABULA" Escape
quit
