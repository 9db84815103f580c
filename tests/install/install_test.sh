#!/usr/bin/env bash
# Installs the built game into a temporary prefix and checks it as a desktop
# would see it: the installed tree, the validators, then the launcher started
# from the entry's Exec line under Xvfb with a temporary home, which must give
# the game its per-user folder without touching the user's own vocabulary,
# also when the game is installed into and updated in that user's ~/.local.
#
# usage: install_test.sh BUILD_DIR SOURCE_DIR
# The X display is the first free one of 120, 140, ... (the first one may be
# set with $LESSICORSA_INSTALL_TEST_DISPLAY).
set -uo pipefail

build=$1
source=$2
first_display=${LESSICORSA_INSTALL_TEST_DISPLAY:-120}
display=

passed=0 failed=0
fail() { failed=$((failed + 1)) && echo "FAIL: $*"; }
check() { # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then passed=$((passed + 1)); else fail "$what" && return 1; fi
}
finish() { echo "$passed passed, $failed failed" && [ "$failed" -eq 0 ]; exit; }

tmp=$(mktemp -d /tmp/lessicorsa-install-test.XXXXXX)
xvfb_pid=
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

prefix=$tmp/prefix
echo "== cmake --install into $prefix"
if ! cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1; then
    cat "$tmp/install.log"
    fail "cmake --install"
    finish
fi
installed_data=$prefix/share/games/lessicorsa # as the install was told it
prefix=$(cd "$prefix" && pwd -P)
data=$prefix/share/games/lessicorsa

echo "== the installed tree"
desktop=$(ls "$prefix"/share/applications/*.desktop 2>/dev/null)
metainfo=$(ls "$prefix"/share/metainfo/*.metainfo.xml 2>/dev/null)
app_id=$(basename "$desktop" .desktop)
check "one desktop entry and its metainfo" [ "$metainfo" = "$prefix/share/metainfo/$app_id.metainfo.xml" ]

program=$prefix/libexec/lessicorsa/lessicorsa
for f in vocabula.txt vocpers.txt lexicon.txt musica.mid Vittoria.wav Right.wav Wrong.wav; do
    check "data file $f is the shipped one" cmp -s "$source/assets/$f" "$data/$f"
done
check "the manual page names the installed data folder" \
    bash -c 'zcat "$1" | grep -qxF ".I $2/"' _ "$prefix/share/man/man6/lessicorsa.6.gz" "$installed_data"
check "no game file is writable by others" \
    [ -z "$(find "$prefix" -perm /022 ! -type l)" ]
doc=$prefix/share/doc/lessicorsa
for f in "$source"/LICENSES/*; do
    check "licence text $(basename "$f") is installed" cmp -s "$f" "$doc/LICENSES/$(basename "$f")"
done

icons=$prefix/share/icons/hicolor
check "scalable icon is icon.svg" cmp -s "$source/assets/pictures/icon.svg" "$icons/scalable/apps/$app_id.svg"
for size in 16 22 24 32 48 64 128 256; do
    png=$icons/${size}x${size}/apps/$app_id.png
    check "${size}x${size} icon is a ${size} x ${size} PNG" \
        bash -c 'file -b "$1" | grep -q "^PNG image data, $2 x $2,"' _ "$png" "$size"
done
# The PNGs are rendered, not blank: the 256 one has many colours.
check "256 icon has a picture in it" \
    [ "$(identify -format '%k' "$icons/256x256/apps/$app_id.png" 2>/dev/null || echo 0)" -gt 100 ]

echo "== desktop entry and metainfo"
# Not even a hint: a second main category, for one, puts the game twice in a menu.
check "desktop-file-validate says nothing" [ -z "$(desktop-file-validate "$desktop" 2>&1)" ]
check "appstreamcli validate --pedantic" appstreamcli validate --pedantic --no-net --no-color "$metainfo"
entry() { sed -n "s/^$1=//p" "$desktop"; }
check "Icon names the installed icon" [ "$(entry Icon)" = "$app_id" ]

. "$source/tests/e2e/xvfb.sh"
if ! start_xvfb "$first_display" 1280x1024x24 "$tmp/xvfb.log"; then
    cat "$tmp/xvfb.log"
    fail "Xvfb did not start"
    finish
fi
xvfb_pid=$XVFB display=$DISPLAY
echo "== the launcher under Xvfb $display"

exec_line=$(entry Exec)
launcher_dir=$prefix/bin
# Starts the desktop entry's Exec line as a desktop would, with the installed
# launcher's folder first on PATH and the given home, waits for the window and leaves the
# program's pid in game_pid. Extra arguments are environment settings.
start_game() {
    local home=$1
    shift
    # shellcheck disable=SC2086 # the Exec line is split into words, as desktops do
    (cd / && exec env -u XDG_DATA_HOME -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR \
        DISPLAY="$display" HOME="$home" PATH="$launcher_dir:$PATH" SDL_AUDIODRIVER=dummy "$@" \
        $exec_line >"$tmp/game.log" 2>&1) &
    game_pid=$!
    if timeout 60 env DISPLAY="$display" xdotool search --sync --name '^LessiCorsa!$' >/dev/null; then
        return 0
    fi
    cat "$tmp/game.log"
    return 1
}
stop_game() {
    kill "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
    game_pid=
}
link_is() { [ -L "$1" ] && [ "$(readlink "$1")" = "$2" ]; }

# A returning player: their folder has their own vocabulary, a link left by an
# installation elsewhere, and a sound of their own in place of a shipped one.
home=$tmp/home-returning
folder=$home/.local/share/lessicorsa
mkdir -p "$folder"
printf 'Ordo;Classis;Verbum latinum;Traduzione;Translation\r\n0;1;atrium, -ii n.;atrio;hall\r\n' >"$folder/vocpers.txt"
cp "$folder/vocpers.txt" "$tmp/vocpers.mine"
ln -s /nonexistent/old/share/lessicorsa/vocabula.txt "$folder/vocabula.txt"
printf 'my own sound' >"$folder/Right.wav"
if check "window appears (returning player)" start_game "$home"; then
    check "the game runs the installed program" [ "$(readlink "/proc/$game_pid/exe")" = "$program" ]
    check "the game runs in the per-user folder" [ "$(readlink "/proc/$game_pid/cwd")" = "$folder" ]
    check "the user's vocpers.txt survives" cmp -s "$tmp/vocpers.mine" "$folder/vocpers.txt"
    check "a stale vocabula.txt link is pointed at the installed one" \
        link_is "$folder/vocabula.txt" "$data/vocabula.txt"
    check "the user's own Right.wav stays" [ "$(cat "$folder/Right.wav")" = "my own sound" ]
    for f in musica.mid Vittoria.wav Wrong.wav; do
        check "$f is linked to the installed one" link_is "$folder/$f" "$data/$f"
    done
fi
stop_game

# A first start with XDG_DATA_HOME set, through a link to the launcher (as a
# distribution's /usr/games link would be).
home=$tmp/home-first
xdg=$tmp/xdg-data
mkdir -p "$home" "$tmp/elsewhere"
ln -s "$prefix/bin/lessicorsa" "$tmp/elsewhere/lessicorsa"
launcher_dir=$tmp/elsewhere
if check "window appears (first start, XDG_DATA_HOME)" start_game "$home" XDG_DATA_HOME="$xdg"; then
    folder=$xdg/lessicorsa
    check "the game runs in \$XDG_DATA_HOME/lessicorsa" [ "$(readlink "/proc/$game_pid/cwd")" = "$folder" ]
    check "the sample vocpers.txt is copied" cmp -s "$data/vocpers.txt" "$folder/vocpers.txt"
    check "the copied vocpers.txt is a file the user can edit" \
        bash -c '[ -f "$1" ] && [ ! -L "$1" ] && [ -w "$1" ]' _ "$folder/vocpers.txt"
    for f in vocabula.txt lexicon.txt musica.mid Vittoria.wav Right.wav Wrong.wav; do
        check "$f is linked to the installed one" link_is "$folder/$f" "$data/$f"
    done
    check "nothing made under ~/.local/share" [ ! -e "$home/.local/share/lessicorsa" ]
fi
stop_game
launcher_dir=$prefix/bin

# A relative XDG_DATA_HOME is invalid and must be ignored.
home=$tmp/home-relative
mkdir -p "$home"
if check "window appears (relative XDG_DATA_HOME)" start_game "$home" XDG_DATA_HOME=relative/data; then
    check "a relative XDG_DATA_HOME falls back to ~/.local/share" \
        [ "$(readlink "/proc/$game_pid/cwd")" = "$home/.local/share/lessicorsa" ]
    check "nothing made under the relative folder" [ ! -e /relative/data ]
fi
stop_game

# A data home that is the installed data's parent makes the player's folder the
# installed one: the launcher refuses to start there, and the install refuses
# to write there for the user who installs.
# (On the display, so that a game that starts there runs into the time-out.)
check "the launcher refuses a game folder that is the installed one" \
    bash -c 'env -u QT_QPA_PLATFORM DISPLAY="$3" SDL_AUDIODRIVER=dummy HOME="$2" XDG_DATA_HOME="$1/share/games" \
        timeout 20 "$1/bin/lessicorsa" 2>/dev/null
        [ $? -eq 1 ]' _ "$prefix" "$tmp/home-relative" "$display"
mkdir -p "$tmp/guarded/share/games/lessicorsa"
printf 'mine\r\n' >"$tmp/guarded/share/games/lessicorsa/vocpers.txt"
check "an install into the installer's own game folder is refused" \
    bash -c '! env HOME="$1" XDG_DATA_HOME="$1/share/games" cmake --install "$2" --prefix "$1" >/dev/null 2>&1' \
    _ "$tmp/guarded" "$build"
check "the refused install leaves the player's vocpers.txt" \
    [ "$(cat "$tmp/guarded/share/games/lessicorsa/vocpers.txt")" = $'mine\r' ]

# The package-less install the README offers, into the player's own ~/.local,
# then an update by the same command and an uninstall by the install manifest:
# the player's vocpers.txt outlives all three.
home=$tmp/home-local
local_prefix=$home/.local
install_local() { env -u XDG_DATA_HOME HOME="$home" cmake --install "$build" --prefix "$local_prefix" >"$tmp/install.log" 2>&1; }
folder=$home/.local/share/lessicorsa
launcher_dir=$local_prefix/bin
if check "install into ~/.local" install_local &&
    check "window appears (installed in ~/.local)" start_game "$home"; then
    stop_game
    printf '0;1;impluvium, -ii n.;impluvio;rain basin\r\n' >>"$folder/vocpers.txt"
    cp "$folder/vocpers.txt" "$tmp/vocpers.mine"
    check "the update into ~/.local" install_local
    check "the update keeps the player's vocpers.txt" cmp -s "$tmp/vocpers.mine" "$folder/vocpers.txt"
    if check "window appears (after the update)" start_game "$home"; then
        check "the game still runs in the player's folder" [ "$(readlink "/proc/$game_pid/cwd")" = "$folder" ]
        check "the player's vocpers.txt survives the next start" cmp -s "$tmp/vocpers.mine" "$folder/vocpers.txt"
    fi
    stop_game
    xargs -d '\n' rm -f -- <"$build/install_manifest.txt"
    check "the uninstall removes the installed vocabulary" [ ! -e "$local_prefix/share/games/lessicorsa/vocabula.txt" ]
    check "the uninstall leaves the player's vocpers.txt" cmp -s "$tmp/vocpers.mine" "$folder/vocpers.txt"
fi
stop_game

finish
