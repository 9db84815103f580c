#!/usr/bin/env bash
# A tournament on a vocabulary whose words share their class's translation. A knockout of four:
# set up through its window and the settings window, the table between the
# matches, the program killed after the first match and the tournament taken
# up again at the second, the champion at the end and the results printed to
# a PDF. Then a league of three: three matches and a table with one first.
. "$(dirname "$0")/lib.sh"
e2e_begin certamen "${1:-107}"
vocabulary idem.txt
settings Giocatori=2 Dafare=10 Suoni=0 Musica=0
STATE=$HOME/.local/share/Lessicorsa/Lessicorsa/certamen.txt
results() { grep -c '^eventus ' "$STATE" || true; }

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
# text_box FILE: the index of the one box with a text (idem.txt's other boxes
# are empty), or nothing.
text_box() {
    local i x y w h
    for i in "${!BOXES[@]}"; do
        read -r x y w h <<<"${BOXES[i]}"
        [ "$(convert "$1" -crop "$((w - 4))x$((h - 4))+$((x + 2))+$((y + 2))" +repage -colorspace gray \
            -threshold 50% -negate -format '%[fx:round(mean*w*h)]' info:)" -gt 10 ] && echo "$i" && return
    done
}
# match KEY: a key on the table starts the match, whose player of KEY wins it.
# The highlight walks the visible boxes in order, one a tick (300 ms at the
# speed of 3): seen on the box before the translation's, KEY is struck a tick
# after the screenshot, while the translation is highlighted. Struck too late,
# its box hides and its player is locked out; the other player then strikes
# an empty box whose next two in the walk are empty too (so never the
# translation), which frees the first. Then the table (or the end) comes up.
match() {
    local t f s n i j="" h walk taken locked=0 other=$((1 - $1))
    t=$(wait_window '^LessiCorsa! Tabula$' 20)
    press "$t" space
    wait_gone "$t" 10
    for _ in $(seq 1 1500); do
        taken=${EPOCHREALTIME/./}
        f=$(shot board "$MAIN")
        s=$(board "$f")
        # the names under the panel are yellow too, so the end is told by the table
        [[ ${s:0:12} == *y* || -z $(windows '^LessiCorsa! Tabula$') ]] || break
        alive || fail "the program ended during a match"
        [[ $s =~ $ASKED ]] || continue
        [ -n "$j" ] || j=$(text_box "$f")
        [ -n "$j" ] || continue
        h=${s%%y*}
        h=${#h}
        walk=()
        for n in $(seq 1 12); do
            i=$(((h + n) % 12))
            [ "${s:i:1}" = p ] || walk+=("$i")
        done
        if [ "$locked" = 1 ]; then
            [ "$h" != "$j" ] && [ "${#walk[@]}" -ge 3 ] && [ "${walk[0]}" != "$j" ] && [ "${walk[1]}" != "$j" ] || continue
            xdotool key "$other"
            locked=0
            sleep 0.3
            continue
        fi
        [ "${walk[0]}" = "$j" ] || continue
        sleep "$(awk -v d=$((taken + 270000 - ${EPOCHREALTIME/./})) 'BEGIN { print (d > 0 ? d : 0) / 1e6 }')"
        xdotool key "$1"
        sleep 0.3
        if [[ $(board "$(shot board "$MAIN")") == *[rb] ]]; then j=""; else locked=1; fi
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
kill -9 "$APP"
wait "$APP" 2>/dev/null || true
start resumed
main_window 30
sleep 1
menu p
match 0
[ "$(results)" = 2 ] || fail "$(results) results after the second match"
match 1
[ "$(results)" = 3 ] || fail "$(results) results after the final"
shot champion "$TABULA" >/dev/null
print knockout
grep -q 'Victor certaminis' "$SHOTS/knockout.txt" || fail "no champion in the PDF"
[ "$(grep -c 'Gradus' "$SHOTS/knockout.txt")" -ge 4 ] || fail "the PDF lacks the results"
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
