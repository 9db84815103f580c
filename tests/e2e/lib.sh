# shellcheck shell=bash disable=SC2034 # constants and results are used by the scripts
# Shared helpers of the end-to-end tests, sourced by each test script.
#
# Every test runs the built program on its own Xvfb display, in a temporary
# working folder that holds the shipped sounds and a vocabulary, with a
# temporary HOME and XDG_CONFIG_HOME so that the user's settings store is never
# touched. It drives the program with real key presses and clicks (xdotool)
# and looks at it through screenshots (ImageMagick) and the window list.
#
# Environment, set by tests/e2e/CMakeLists.txt:
#   LESSICORSA    the built program
#   E2E_ASSETS    the shipped assets folder (sounds, vocabularies)
#   E2E_DATA      the test vocabularies
#   E2E_FAILURES  where the screenshots of a failed run are kept
#   E2E_KEEP      (optional) where to keep the screenshots of every run

set -euo pipefail

: "${LESSICORSA:?set LESSICORSA to the built program}"
: "${E2E_ASSETS:?set E2E_ASSETS to the assets folder}"
: "${E2E_DATA:?set E2E_DATA to the test vocabularies}"
: "${E2E_FAILURES:=${TMPDIR:-/tmp}/lessicorsa-e2e-failures}"

# Colours of the board, as ImageMagick's hex form prints them.
PANEL=400000  # the board panel, dark red
YELLOW=FFFF00 # the highlight
WHITE=FFFFFF  # a box that is not highlighted
BLUE=0000FF   # player 1 (and the single player)
RED=FF0000    # player 2

APP=""      # process id of the running program
XVFB=""     # process id of our Xvfb
MAIN=""     # window id of the main window "LessiCorsa!"
BOXES=()    # the twelve candidate boxes, "x y w h" relative to the main window

# Messages go to stderr, so that helpers whose output is captured can log.
log() { printf '%s [%s] %s\n' "$(date +%T)" "$E2E_NAME" "$*" >&2; }

# e2e_begin NAME DISPLAY: a fresh folder, home and display for the test NAME.
e2e_begin() {
    E2E_NAME=$1
    local display=$2
    for tool in Xvfb xdotool import convert; do
        command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/install-deps installs it)"; exit 1; }
    done
    [ -x "$LESSICORSA" ] || { echo "no program at $LESSICORSA"; exit 1; }
    rm -rf "${E2E_FAILURES:?}/$E2E_NAME" # evidence of an earlier failure would mislead
    T=$(mktemp -d "${TMPDIR:-/tmp}/lessicorsa-e2e-$E2E_NAME.XXXXXX")
    RUN=$T/run
    SHOTS=$T/shots
    mkdir -p "$RUN" "$SHOTS" "$T/home/.config" "$T/xdg"
    chmod 700 "$T/xdg"
    export HOME=$T/home XDG_CONFIG_HOME=$T/home/.config XDG_RUNTIME_DIR=$T/xdg
    export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
    unset QT_LOGGING_RULES SESSION_MANAGER
    trap e2e_end EXIT
    trap 'exit 130' INT TERM
    cp "$E2E_ASSETS"/*.wav "$E2E_ASSETS"/*.mid "$E2E_ASSETS"/vocabula.txt "$E2E_ASSETS"/vocpers.txt "$RUN"/
    start_xvfb "$display"
}

# Our own X server on the first free display from $1 on, in steps of 20 so that
# tests with different base numbers never compete for one.
start_xvfb() {
    local n=$1 _
    for _ in 1 2 3 4 5; do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >"$T/xvfb.log" 2>&1 &
            XVFB=$!
            export DISPLAY=":$n"
            local i
            for i in $(seq 1 40); do
                sleep 0.25
                kill -0 "$XVFB" 2>/dev/null || break
                if xdotool getdisplaygeometry >/dev/null 2>&1; then
                    # Still ours? A server started at the same moment by
                    # another run would have made ours give up.
                    sleep 0.3
                    kill -0 "$XVFB" 2>/dev/null || break
                    log "Xvfb on $DISPLAY"
                    return 0
                fi
            done
            kill "$XVFB" 2>/dev/null || true
            wait "$XVFB" 2>/dev/null || true
            XVFB=""
        fi
        n=$((n + 20))
    done
    echo "could not start Xvfb"
    cat "$T/xvfb.log" 2>/dev/null || true
    exit 1
}

e2e_end() {
    local rc=$?
    if [ -n "$APP" ] && kill -0 "$APP" 2>/dev/null; then
        kill "$APP" 2>/dev/null || true
        sleep 0.5
        kill -9 "$APP" 2>/dev/null || true
    fi
    if [ -n "$XVFB" ]; then
        kill "$XVFB" 2>/dev/null || true
        wait "$XVFB" 2>/dev/null || true
    fi
    if [ "$rc" -ne 0 ]; then
        keep_evidence
    else
        # E2E_KEEP=folder keeps the screenshots of a passing run too.
        if [ -n "${E2E_KEEP:-}" ]; then
            mkdir -p "$E2E_KEEP/$E2E_NAME"
            cp "$SHOTS"/*.png "$E2E_KEEP/$E2E_NAME"/ 2>/dev/null || true
        fi
        rm -rf "$T"
    fi
    exit "$rc"
}

# On failure: the screenshots and the program's output go under the build
# folder, and their paths into the log.
keep_evidence() {
    local dest=$E2E_FAILURES/$E2E_NAME
    rm -rf "$dest"
    mkdir -p "$dest"
    cp "$SHOTS"/*.png "$dest"/ 2>/dev/null || true
    cp "$T"/app*.out "$T"/app*.err "$dest"/ 2>/dev/null || true
    echo "---- $E2E_NAME failed; kept for inspection:"
    ls -1 "$dest"/* 2>/dev/null | sed 's/^/  /' || true
    local f
    for f in "$T"/app*.err; do
        [ -s "$f" ] || continue
        echo "---- last lines of the program's stderr ($(basename "$f")):"
        tail -n 20 "$f"
    done
    rm -rf "$T"
}

fail() {
    echo "FAIL: $*" >&2
    shot "failure" >/dev/null 2>&1 || true
    exit 1
}

# settings KEY=VALUE...: the settings store the program reads at its first
# settings window (section [Impostazioni] of Lessicorsa.conf).
settings() {
    mkdir -p "$XDG_CONFIG_HOME/Lessicorsa"
    {
        echo "[Impostazioni]"
        printf '%s\n' "$@"
    } >"$XDG_CONFIG_HOME/Lessicorsa/Lessicorsa.conf"
}

# vocabulary FILE: a test vocabulary from tests/e2e/data becomes vocabula.txt.
vocabulary() { cp "$E2E_DATA/$1" "$RUN/vocabula.txt"; }

# start_program [TAG]: the program in the working folder; its output goes to
# app[TAG].out and app[TAG].err.
start_program() {
    local tag=${1:-}
    APP_ERR=$T/app$tag.err
    (cd "$RUN" && exec "$LESSICORSA") >"$T/app$tag.out" 2>"$APP_ERR" &
    APP=$!
    log "program started (pid $APP)"
}

alive() { [ -n "$APP" ] && kill -0 "$APP" 2>/dev/null; }

# wait_exit SECONDS: waits for the program to end; sets EXIT_CODE.
wait_exit() {
    local limit=$1 i
    for i in $(seq 1 $((limit * 4))); do
        alive || break
        sleep 0.25
    done
    alive && fail "the program is still running after ${limit}s"
    EXIT_CODE=0
    wait "$APP" || EXIT_CODE=$?
    APP=""
}

# Visible windows whose name matches the regular expression $1, one id a line.
# One xdotool call: the display is never polled faster than a few times a second.
windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }

# wait_window REGEX SECONDS [EXCEPT_ID]: the id of the first visible window
# whose name matches (other than EXCEPT_ID); fails after SECONDS.
wait_window() {
    local re=$1 limit=$2 except=${3:-} i w
    for i in $(seq 1 $((limit * 3))); do
        for w in $(windows "$re"); do
            [ "$w" = "$except" ] && continue
            echo "$w"
            return 0
        done
        alive || fail "the program ended while waiting for the window '$re'"
        sleep 0.33
    done
    fail "no window '$re' after ${limit}s"
}

# wait_gone ID SECONDS: waits until the window ID is no longer shown.
wait_gone() {
    local id=$1 limit=$2 i
    for i in $(seq 1 $((limit * 3))); do
        windows '' | grep -qx "$id" || return 0
        sleep 0.33
    done
    fail "window $id still shown after ${limit}s"
}

# geometry ID: sets WX, WY, WW, WH (without a window manager the position is
# that of the client area).
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^X=/WX=/p;s/^Y=/WY=/p;s/^WIDTH=/WW=/p;s/^HEIGHT=/WH=/p')"
}

# press ID KEY...: focuses the window and presses the keys, one by one, at
# xdotool's typing speed.
press() {
    local id=$1
    shift
    timeout 10 xdotool windowfocus --sync "$id" key --delay 80 "$@"
}

# click ID X Y: a left click at X,Y relative to the window's client area.
click() {
    timeout 10 xdotool mousemove --window "$1" "$2" "$3" click 1
}

# shot NAME [ID]: a screenshot of the window ID (default: the whole screen),
# kept with the test's other screenshots; prints its path.
shot() {
    # Numbered by the count of earlier screenshots: shot often runs in a
    # subshell, where a counter would not survive.
    local f n
    n=$(find "$SHOTS" -name '*.png' | wc -l)
    f=$SHOTS/$(printf '%03d' $((n + 1)))-$1.png
    if [ -n "${2:-}" ]; then
        import -window "$2" "$f"
    else
        import -window root "$f"
    fi
    echo "$f"
}

# colours FILE X,Y...: the hex colours of the given pixels, space-separated.
colours() {
    local f=$1 fmt="" p
    shift
    for p in "$@"; do fmt="$fmt%[hex:p{$p}] "; done
    convert "$f" -format "${fmt% }" info:
}

# count_colour FILE HEX [GEOMETRY [FUZZ]]: how many pixels of that colour
# (within FUZZ percent, default exactly) the picture or its part WxH+X+Y holds.
# Text is smoothed at its edges: count it with some fuzz.
count_colour() {
    local f=$1 hex=$2 crop=${3:-} fuzz=${4:-0}
    local args=("$f")
    [ -n "$crop" ] && args+=(-crop "$crop" +repage)
    convert "${args[@]}" -fuzz "$fuzz%" -fill black +opaque "#$hex" -fill white -opaque "#$hex" \
        -format '%[fx:round(mean*w*h)]' info:
}

# same FILE1 FILE2 GEOMETRY: whether two screenshots agree in that part.
same() {
    [ "$(convert "$1" "$2" -crop "$3" +repage -metric AE -compare -format '%[distortion]' info:)" = 0 ]
}

# find_boxes FILE: the twelve candidate boxes from a screenshot of the main
# window where all of them are white (the idle board), in index order (left to
# right, then top to bottom). Each box is "x y w h" of its inside.
find_boxes() {
    mapfile -t BOXES < <(convert "$1" -fill black +opaque "#$WHITE" \
        -define connected-components:verbose=true -define connected-components:area-threshold=800 \
        -connected-components 4 null: |
        awk '$NF == "srgb(255,255,255)" { split($2, g, /[x+]/); if (g[1] > 40 && g[1] < 200 && g[2] > 15 && g[2] < 60) print g[3], g[4], g[1], g[2] }' |
        sort -k2,2n -k1,1n)
    [ "${#BOXES[@]}" -eq 12 ] || fail "found ${#BOXES[@]} candidate boxes on the idle board, not 12"
    # The panel: sample points in the dark red between and above the boxes.
    local x0 y0 w0 h0 x1 y1 y3
    read -r x0 y0 w0 h0 <<<"${BOXES[0]}"
    read -r x1 y1 _ _ <<<"${BOXES[2]}"
    read -r _ y3 _ _ <<<"${BOXES[3]}"
    PANEL_POINTS=("$((x0 + w0 / 2)),$((y0 - 8))" "$((x1 + w0 / 2)),$((y1 - 8))"
        "$((x0 + w0 / 2)),$(((y0 + h0 + y3) / 2))" "$((x0 - 3)),$((y0 + h0 / 2))")
    # Its edges: the run of dark red through the margin left of the boxes, and
    # the one through the strip above them.
    read -r PANEL_TOP PANEL_BOTTOM < <(panel_run "$1" "1x10000+$((x0 - 3))+0" "$y0")
    read -r PANEL_LEFT PANEL_RIGHT < <(panel_run "$1" "10000x1+0+$((y0 - 8))" "$x0")
}

# panel_run FILE GEOMETRY AT: the first and last pixel of the run of the panel
# colour through AT in a one-pixel line of the picture.
panel_run() {
    convert "$1" -crop "$2" +repage txt:- | awk -v at="$3" -v c="#$PANEL" '
        NR > 1 { split($1, p, /[,:]/); col[p[1] + p[2]] = ($0 ~ c) }
        END { a = at; while (a > 0 && col[a - 1]) a--; b = at; while (col[b + 1]) b++; print a, b }'
}

# box_states FILE: one letter per box, in index order, from the colour at the
# bottom left corner inside each box: w white, y yellow (highlighted), p panel
# colour (hidden), b blue, r red, ? anything else.
box_states() {
    local pts=() b x y w h
    for b in "${BOXES[@]}"; do
        read -r x y w h <<<"$b"
        pts+=("$((x + 2)),$((y + h - 3))")
    done
    colours "$1" "${pts[@]}" | tr ' ' '\n' | awk '
        $1 == "FFFFFF" { s = s "w"; next }
        $1 == "FFFF00" { s = s "y"; next }
        $1 == "400000" { s = s "p"; next }
        $1 == "0000FF" { s = s "b"; next }
        $1 == "FF0000" { s = s "r"; next }
        { s = s "?" }
        END { print s }'
}

# panel_colour FILE: the colour of the board panel when all its sample points
# agree, else "mixed".
panel_colour() {
    colours "$1" "${PANEL_POINTS[@]}" | tr ' ' '\n' | sort -u | awk 'NR == 1 { c = $1 } END { print (NR == 1 ? c : "mixed") }'
}

# main_window SECONDS: waits for the main window and remembers its id.
main_window() {
    MAIN=$(wait_window '^LessiCorsa!$' "$1")
}

# check_stderr_clean: nothing from the sanitizers, no crash report.
check_stderr_clean() {
    local f
    for f in "$T"/app*.err; do
        if grep -E -q 'Sanitizer|runtime error:|==[0-9]+==ERROR|Segmentation|Aborted|core dumped' "$f"; then
            grep -E -n 'Sanitizer|runtime error:|==[0-9]+==ERROR|Segmentation|Aborted|core dumped' "$f" | head -20
            fail "sanitizer or crash output on stderr ($(basename "$f"))"
        fi
    done
}

# wait_board REGEX SECONDS [NAME]: takes screenshots of the main window until
# the box states (see box_states) match REGEX; prints the last screenshot.
wait_board() {
    local re=$1 limit=$2 name=${3:-board} start f states
    start=$SECONDS
    while :; do
        f=$(shot "$name" "$MAIN")
        states=$(box_states "$f")
        if [[ $states =~ $re ]]; then
            echo "$f"
            return 0
        fi
        alive || fail "the program ended while waiting for boxes $re (last $states)"
        [ $((SECONDS - start)) -lt "$limit" ] || fail "boxes never matched $re in ${limit}s (last $states)"
        sleep 0.3
    done
}

# A word is being asked: one box highlighted, the others white or hidden.
ASKED='^[wp]*y[wp]*$'

# answer KEY HEX: presses KEY on the main window and looks for the board panel
# in the colour HEX during the one-second display of a right answer. Succeeds
# when the flash was seen (with only the answered box left on the board).
answer() {
    local key=$1 hex=$2 f i
    press "$MAIN" "$key"
    for i in 1 2; do
        f=$(shot "flash-$key" "$MAIN")
        if [ "$(panel_colour "$f")" = "$hex" ]; then
            local states
            states=$(box_states "$f")
            [ "$(tr -cd wy <<<"$states" | wc -c)" = 1 ] ||
                fail "during the right-answer display only the answered box should stay: $states"
            return 0
        fi
    done
    return 1
}

# text_lines FILE GEOMETRY: the rows of text in an orange area of the picture,
# one "first last" pair a line, top to bottom. A row belongs to a text line
# when some but not nearly all of its pixels are not orange (a row of nothing
# but border is no text, nor is a line of less than five rows).
text_lines() {
    convert "$1" -crop "$2" +repage -fuzz 10% -fill white -opaque '#FF8000' -fill black +opaque white \
        -scale "1x$(cut -dx -f2 <<<"${2%%+*}")!" txt:- | awk '
        NR > 1 { split($1, p, /[,:]/); y = p[2]; split($2, v, /[(,)]/); ink = v[2] < 250 && v[2] > 25
                 if (ink && !inl) { first = y; inl = 1 }
                 if (!ink && inl) { print first, y - 1; inl = 0 } }
        END { if (inl) print first, y }' | awk '$2 - $1 >= 4'
}

# wait_prompt SECONDS: waits for the end of a game: no box on the dark red
# panel and the yellow prompt "Quamlibet clavem tange" on it. Prints the
# screenshot. (The word of a right answer is yellow as well, but it stands
# with the answered box on a blue or red panel.)
wait_prompt() {
    local limit=$1 start f yellow area pc
    area="$((PANEL_RIGHT - PANEL_LEFT - 10))x$((PANEL_BOTTOM - PANEL_TOP - 10))+$((PANEL_LEFT + 5))+$((PANEL_TOP + 5))"
    start=$SECONDS
    while :; do
        f=$(shot prompt "$MAIN")
        # The speech bubbles cover part of the panel: some of it is dark red
        # and none is in a player's colour.
        pc=" $(colours "$f" "${PANEL_POINTS[@]}") "
        if [[ $pc == *" $PANEL "* ]] && [[ $pc != *" $BLUE "* ]] && [[ $pc != *" $RED "* ]] &&
            ! [[ $(box_states "$f") =~ [wy] ]]; then
            yellow=$(count_colour "$f" "$YELLOW" "$area" 20)
            if [ "$yellow" -gt 100 ]; then
                log "prompt shown ($yellow yellow pixels)"
                echo "$f"
                return 0
            fi
        fi
        alive || fail "the program ended while waiting for the prompt"
        [ $((SECONDS - start)) -lt "$limit" ] || fail "no prompt on the board after ${limit}s"
        sleep 0.5
    done
}
