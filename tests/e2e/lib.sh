# shellcheck shell=bash disable=SC2034,SC2119,SC2120 # constants and results are used by the scripts
# The end-to-end tests' driver: the program in a temporary folder (its own HOME
# and settings store) on our own Xvfb display; keys with xdotool, screenshots
# and pixels with ImageMagick, the window list. tests/e2e/CMakeLists.txt sets
# LESSICORSA, E2E_ASSETS, E2E_DATA and E2E_FAILURES (a failed run's evidence).
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
: "${LESSICORSA:?set LESSICORSA to the built program}" "${E2E_ASSETS:?}" "${E2E_DATA:?}"
: "${E2E_FAILURES:=${TMPDIR:-/tmp}/lessicorsa-e2e-failures}"

PANEL=400000 YELLOW=FFFF00 WHITE=FFFFFF BLUE=0000FF RED=FF0000 # as ImageMagick's hex form prints them
APP="" XVFB="" MAIN="" BOXES=()

fail() {
    echo "FAIL: $*" >&2
    shot failure >/dev/null 2>&1 || true
    exit 1
}

# e2e_begin NAME DISPLAY: a fresh folder, home and display (the first free one
# from DISPLAY on, in steps of 20).
e2e_begin() {
    E2E_NAME=$1
    T=$(mktemp -d "${TMPDIR:-/tmp}/lessicorsa-e2e-$E2E_NAME.XXXXXX")
    RUN=$T/run SHOTS=$T/shots
    mkdir -p "$RUN" "$SHOTS" "$T/home/.config" "$T/xdg"
    chmod 700 "$T/xdg"
    export HOME=$T/home XDG_CONFIG_HOME=$T/home/.config XDG_RUNTIME_DIR=$T/xdg
    export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
    unset QT_LOGGING_RULES SESSION_MANAGER
    trap e2e_end EXIT
    trap 'exit 130' INT TERM
    cp "$E2E_ASSETS"/*.wav "$E2E_ASSETS"/*.mid "$E2E_ASSETS"/vocabula.txt "$E2E_ASSETS"/vocpers.txt "$RUN"/
    start_xvfb "$2" 1024x768x24 "$T/xvfb.log" || fail "could not start Xvfb"
}

e2e_end() {
    local rc=$?
    alive && { kill "$APP" 2>/dev/null; sleep 0.5; kill -9 "$APP" 2>/dev/null || true; }
    [ -n "$XVFB" ] && { kill "$XVFB" 2>/dev/null || true; wait "$XVFB" 2>/dev/null || true; }
    # E2E_KEEP=1 keeps a passing run's evidence too, to look at.
    if [ "$rc" -ne 0 ] || [ -n "${E2E_KEEP:-}" ]; then
        local dest=$E2E_FAILURES/$E2E_NAME
        rm -rf "$dest" && mkdir -p "$dest"
        cp "$SHOTS"/* "$T"/app*.err "$dest"/ 2>/dev/null || true
        [ "$rc" -ne 0 ] && echo "---- $E2E_NAME failed; screenshots and stderr kept in $dest"
        tail -n 20 "$T"/app*.err 2>/dev/null || true
    fi
    rm -rf "$T"
    exit "$rc"
}

# settings KEY=VALUE...: the settings store the program reads first.
settings() {
    mkdir -p "$XDG_CONFIG_HOME/Lessicorsa"
    printf '%s\n' "[Impostazioni]" "$@" >"$XDG_CONFIG_HOME/Lessicorsa/Lessicorsa.conf"
}
vocabulary() { cp "$E2E_DATA/$1" "$RUN/vocabula.txt"; }

# start [TAG]: the program in its folder, output in app[TAG].err.
start() {
    (cd "$RUN" && exec "$LESSICORSA") >"$T/app${1:-}.out" 2>"$T/app${1:-}.err" &
    APP=$!
}
alive() { [ -n "$APP" ] && kill -0 "$APP" 2>/dev/null; }
# wait_exit SECONDS: the program must end; its exit code must be 0, and its
# stderr must hold nothing from the sanitizers nor a crash.
wait_exit() {
    local i rc=0
    for i in $(seq 1 $(($1 * 4))); do
        alive || break
        sleep 0.25
    done
    alive && fail "the program still runs after $1 s"
    wait "$APP" || rc=$?
    APP=""
    [ "$rc" = 0 ] || fail "exit code $rc"
    ! grep -E -n 'Sanitizer|runtime error:|==[0-9]+==ERROR|Segmentation|Aborted' "$T"/app*.err || fail "crash or sanitizer report"
}

# windows REGEX: the visible windows of that name, one id a line.
windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }
# wait_window REGEX SECONDS [EXCEPT_ID]: the id of the first such window.
wait_window() {
    local i w
    for i in $(seq 1 $(($2 * 3))); do
        for w in $(windows "$1"); do [ "$w" != "${3:-}" ] && echo "$w" && return 0; done
        alive || fail "the program ended while waiting for '$1'"
        sleep 0.33
    done
    fail "no window '$1' after $2 s"
}
wait_gone() {
    local i
    for i in $(seq 1 $(($2 * 3))); do
        windows '' | grep -qx "$1" || return 0
        sleep 0.33
    done
    fail "window $1 still shown after $2 s"
}
main_window() { MAIN=$(wait_window '^LessiCorsa!$' "$1"); }

# press ID KEY...: the keys, one by one, on the focused window.
press() {
    local id=$1
    shift
    timeout 10 xdotool windowfocus --sync "$id" key --delay 80 "$@"
}

# shot NAME [ID]: a screenshot of the window ID (or the screen); prints its path.
shot() {
    local f
    f=$SHOTS/$(printf '%03d' "$(find "$SHOTS" -name '*.png' | wc -l)")-$1.png
    import -window "${2:-root}" "$f"
    echo "$f"
}
# pixels FILE X,Y...: the hex colours at those points.
pixels() {
    local f=$1 fmt="" p
    shift
    for p in "$@"; do fmt="$fmt%[hex:p{$p}] "; done
    convert "$f" -format "${fmt% }" info:
}
# count FILE HEX [GEOMETRY [FUZZ%]]: how many pixels of that colour.
count() {
    local a=("$1")
    [ -n "${3:-}" ] && a+=(-crop "$3" +repage)
    convert "${a[@]}" -fuzz "${4:-0}%" -fill black +opaque "#$2" -fill white -opaque "#$2" -format '%[fx:round(mean*w*h)]' info:
}
# same FILE1 FILE2: whether two screenshots are alike.
same() { [ "$(convert "$1" "$2" -metric AE -compare -format '%[distortion]' info: 2>/dev/null)" = 0 ]; }

# find_boxes FILE: the twelve white candidate boxes of the idle board ("x y w
# h", index order) and a point of the panel between them.
find_boxes() {
    mapfile -t BOXES < <(convert "$1" -fill black +opaque "#$WHITE" -define connected-components:verbose=true \
        -define connected-components:area-threshold=800 -connected-components 4 null: |
        awk '$NF == "srgb(255,255,255)" { split($2, g, /[x+]/); if (g[1] > 40 && g[1] < 200 && g[2] > 15 && g[2] < 60) print g[3], g[4], g[1], g[2] }' |
        sort -k2,2n -k1,1n)
    [ "${#BOXES[@]}" = 12 ] || fail "${#BOXES[@]} candidate boxes on the idle board, not 12"
    local x y w
    read -r x y w _ <<<"${BOXES[0]}"
    PANEL_AT="$((x + w / 2)),$((y - 8))"
    # the panel about the boxes, and down to the word's place under them
    PANEL_AREA=$(printf '%s\n' "${BOXES[@]}" | awk 'NR == 1 { x0 = $1; y0 = $2 }
        { if ($1 < x0) x0 = $1; if ($2 < y0) y0 = $2; if ($1 + $3 > x1) x1 = $1 + $3; if ($2 + $4 > y1) y1 = $2 + $4 }
        END { printf "%dx%d+%d+%d", x1 - x0, y1 - y0 + 100, x0, y0 }')
}
# start_board: the program started with the idle board shown and its boxes found.
start_board() {
    start
    main_window 30
    sleep 1
    find_boxes "$(shot idle "$MAIN")"
}
# board FILE: one letter per box (w white, y highlighted, p hidden, b blue, r
# red, ? other) and then the panel's letter.
board() {
    local pts=() b x y w h
    for b in "${BOXES[@]}"; do
        read -r x y w h <<<"$b"
        pts+=("$((x + 2)),$((y + h - 3))")
    done
    pixels "$1" "${pts[@]}" "$PANEL_AT" | tr ' ' '\n' | awk '
        { s = s ($1 == "FFFFFF" ? "w" : $1 == "FFFF00" ? "y" : $1 == "400000" ? "p" : $1 == "0000FF" ? "b" : $1 == "FF0000" ? "r" : "?") }
        END { print s }'
}
# wait_for WHAT SECONDS TEST...: screenshots of the board until TEST SHOT holds; prints the shot.
wait_for() {
    local what=$1 seconds=$2 start=$SECONDS f
    shift 2
    while :; do
        f=$(shot board "$MAIN")
        "$@" "$f" && echo "$f" && return 0
        alive || fail "the program ended while waiting for $what"
        [ $((SECONDS - start)) -lt "$seconds" ] || fail "no $what after $seconds s (last $(board "$f"))"
        sleep 0.3
    done
}
matches() { [[ $(board "$2") =~ $1 ]]; }
# wait_board REGEX SECONDS: until the board's letters match.
wait_board() { wait_for "board $1" "$2" matches "$1"; }
# A word asked: one box highlighted, the rest white or hidden, the panel dark red.
ASKED='^[wp]*y[wp]*p$'
# wait_prompt SECONDS: the end of a game: no box highlighted, the panel not in
# a player's colour, and the yellow prompt on it.
prompt_shown() {
    local s
    s=$(board "$1")
    [[ ${s:0:12} != *y* && $s != *[br] ]] && [ "$(count "$1" "$YELLOW" "$PANEL_AREA" 20)" -gt 100 ]
}
wait_prompt() { wait_for prompt "$1" prompt_shown; }
# over FILE: the end of a game. A box just struck wrong hides and leaves no
# highlight for a moment too, but then the panel's yellow is the word asked
# (idem.txt's have nine letters at most), less than the prompt's 22.
over() { prompt_shown "$1" && [ "$(count "$1" "$YELLOW" "$PANEL_AREA" 20)" -gt 350 ]; }
# text_box FILE: the index of the one box with a text, or nothing (the words
# of idem.txt share their class's translation, so a word's other boxes are empty).
text_box() {
    local i x y w h s
    s=$(board "$1")
    for i in "${!BOXES[@]}"; do
        [ "${s:i:1}" != p ] || continue # a hidden box shows the dark panel
        read -r x y w h <<<"${BOXES[i]}"
        [ "$(convert "$1" -crop "$((w - 4))x$((h - 4))+$((x + 2))+$((y + 2))" +repage -colorspace gray \
            -threshold 50% -negate -format '%[fx:round(mean*w*h)]' info:)" -gt 10 ] && echo "$i" && return
    done
}
# walk STATES: the highlighted box in HIGHLIGHT, the visible boxes after it in
# the highlight's order in WALK.
walk() {
    local n i
    HIGHLIGHT=${1%%y*}
    HIGHLIGHT=${#HIGHLIGHT}
    WALK=()
    for n in $(seq 1 12); do
        i=$(((HIGHLIGHT + n) % 12))
        [ "${1:i:1}" = p ] || WALK+=("$i")
    done
}
# strike KEY [ENDED]: KEY struck once on idem.txt's translation. The highlight
# walks the visible boxes in order, one a tick (300 ms at the speed of 3): seen
# on the box before the translation's, KEY is struck a tick after the
# screenshot, while the translation is highlighted. Returns 0 when the right
# answer's display (the panel in a player's colour) follows, 1 when struck too
# late (the box hides), 2 when the game is over (ENDED SHOT, by default over).
strike() {
    local f s j="" taken
    for _ in $(seq 1 300); do
        taken=${EPOCHREALTIME/./}
        f=$(shot board "$MAIN")
        s=$(board "$f")
        alive || fail "the program ended during a game"
        [[ ${s:0:12} != *y* && $s != *[rb] ]] && "${2:-over}" "$f" && return 2
        [[ $s =~ $ASKED ]] || continue
        [ -n "$j" ] || j=$(text_box "$f")
        [ -n "$j" ] || continue
        walk "$s"
        [ "${WALK[0]}" = "$j" ] || continue
        sleep "$(awk -v d=$((taken + 270000 - ${EPOCHREALTIME/./})) 'BEGIN { print (d > 0 ? d : 0) / 1e6 }')"
        xdotool key "$1"
        sleep 0.3
        [[ $(board "$(shot board "$MAIN")") == *[rb] ]] && return 0
        return 1
    done
    fail "the translation's box was never struck"
}
# play KEY: a key on the board opens the settings window, whose O.K. (Enter) starts a game.
play() {
    press "$MAIN" "$1"
    local w
    w=$(wait_window '^LessiCorsa! Novus ludus$' 10)
    sleep 0.3
    press "$w" Return
    wait_gone "$w" 10
    main_window 10
}
# quit: Esc and OK in the exit confirmation end the program cleanly.
quit() {
    press "$MAIN" Escape
    press "$(wait_window '^Fabula acta est$' 10)" Return
    wait_exit 10
}
