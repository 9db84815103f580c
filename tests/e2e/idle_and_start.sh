#!/usr/bin/env bash
# Start-up with no stored settings: the window "LessiCorsa!" shows the idle
# board; F1 opens the narrow about window; a key opens "LessiCorsa! Novus
# ludus", where 0 changes player 1's character, Alt+1 and Alt+2 the number of
# players, and Enter (O.K.) refuses two players on one character; then Enter
# starts a game (two players) and the yellow highlight runs from box to box.
. "$(dirname "$0")/lib.sh"
e2e_begin idle_and_start "${1:-101}"

start_program
main_window 30
geometry "$MAIN"
log "main window ${WW}x${WH} at $WX,$WY"
[ "$WW" -gt 300 ] && [ "$WH" -gt 300 ] || fail "main window too small: ${WW}x${WH}"

# The idle board: the dark red panel, twelve white boxes, the yellow invitation.
sleep 1
idle=$(shot idle "$MAIN")
find_boxes "$idle"
[ "$(panel_colour "$idle")" = "$PANEL" ] || fail "idle panel is not dark red: $(colours "$idle" "${PANEL_POINTS[@]}")"
[ "$(box_states "$idle")" = wwwwwwwwwwww ] || fail "idle boxes: $(box_states "$idle")"
read -r _ by bw bh <<<"${BOXES[11]}"
read -r px _ _ _ <<<"${BOXES[9]}"
below="$((3 * bw))x$((WH - by - bh - 60))+$px+$((by + bh + 5))"
text=$(count_colour "$idle" "$YELLOW" "$below" 20)
[ "$text" -gt 100 ] || fail "no yellow invitation under the boxes ($text pixels in $below)"

# The two portraits are drawn anew every second: within a few seconds the
# picture changes (two random draws of six repeat both with odds 1/36).
changed=0
for _ in 1 2 3 4; do
    sleep 1.2
    later=$(shot idle-later "$MAIN")
    if ! same "$idle" "$later" "${WW}x${WH}+0+0"; then
        changed=1
        break
    fi
done
[ "$changed" = 1 ] || fail "the idle portraits did not change in 5 seconds"

# F1: the about window, narrow before any game, orange; Enter closes it.
press "$MAIN" F1
about=$(wait_window '^LessiCorsa!$' 10 "$MAIN")
geometry "$about"
log "about window ${WW}x${WH}"
[ "$WW" -lt 300 ] || fail "about window before a game should show only its credits part, width $WW"
sleep 0.5
f=$(shot about "$about")
orange=$(count_colour "$f" FF8000)
[ "$orange" -gt $((WW * WH / 3)) ] || fail "about window not orange ($orange pixels)"
press "$about" Return
wait_gone "$about" 10
alive || fail "the program ended after closing the about window"

# Any key: the settings window, and the board hides meanwhile.
press "$MAIN" a
settings_win=$(wait_window '^LessiCorsa! Novus ludus$' 10)
sleep 0.5
windows '^LessiCorsa!$' | grep -qx "$MAIN" && fail "the main window stays visible behind the settings window"
s0=$(shot settings "$settings_win")

# The players' portraits, 1050 twips square at 3180 twips from the top: player
# 2 (Caesar) on the left, player 1 (Cicero) on the right.
left="70x70+8+212"
right="70x70+384+212"
# "0" moves player 1 on to the next character, Caesar.
press "$settings_win" 0
sleep 0.5
s1=$(shot settings-0 "$settings_win")
same "$s0" "$s1" "$right" && fail "key 0 did not change the right-hand portrait"
same "$s0" "$s1" "$left" || fail "key 0 changed the left-hand portrait"
# Alt+1 selects one player: player 2's portrait goes; Alt+2 brings it back.
press "$settings_win" alt+1
sleep 0.5
s2=$(shot settings-alt1 "$settings_win")
[ "$(count_colour "$s2" FFE0C0 "$left" 5)" -gt 4500 ] || fail "Alt+1 left player 2's portrait on the window"
press "$settings_win" alt+2
sleep 0.5
s3=$(shot settings-alt2 "$settings_win")
same "$s1" "$s3" "$left" || fail "Alt+2 did not bring player 2's portrait back"

# Enter = O.K.; with both players on Caesar it is refused.
press "$settings_win" Return
msg=$(wait_window '^Persona mutanda est$' 10)
sleep 0.3
shot refused >/dev/null
press "$msg" Return
wait_gone "$msg" 10
windows '^LessiCorsa! Novus ludus$' | grep -qx "$settings_win" || fail "the settings window closed after the refusal"

# "0" again: Catullus against Caesar; Enter starts the game, two players at speed 3.
press "$settings_win" 0
sleep 0.3
press "$settings_win" Return
wait_gone "$settings_win" 10
main_window 10
seen=""
last=""
for _ in $(seq 1 8); do
    sleep 0.4
    f=$(shot game "$MAIN")
    states=$(box_states "$f")
    log "boxes $states"
    [ "$(tr -cd y <<<"$states" | wc -c)" = 1 ] || fail "not exactly one highlighted box: $states"
    [ "$(tr -cd w <<<"$states" | wc -c)" = 11 ] || fail "the other eleven boxes should be white: $states"
    pos=${states%%y*}
    pos=${#pos}
    [ "$pos" != "$last" ] && seen="$seen $pos"
    last=$pos
done
moves=$(wc -w <<<"$seen")
[ "$moves" -ge 3 ] || fail "the highlight was seen on only $moves boxes:$seen"
log "highlight seen on boxes:$seen"
check_stderr_clean
log "passed"
