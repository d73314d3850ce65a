#!/bin/sh
# The installed game: installs the build into a temporary prefix, starts the
# launcher twice for a new user (offscreen, closed after 3 seconds each) and
# checks the user's data folder, that a player's files survive a start, that
# the installed tree is never written, and the desktop entry and catalogue
# data against their validators.
#
#   install_test.sh <cmake> <build folder>
set -eu
cmake=$1
build=$2

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

prefix=$tmp/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" ||
    { cat "$tmp/install.log"; fail "cmake --install"; }
content=$prefix/share/deduxa

# Sound and printing are modules beside the game, loaded on first use: the
# game itself does not load their libraries at start-up.
for module in libdeduxa_sound.so libdeduxa_print.so; do
    [ -f "$prefix/libexec/deduxa/$module" ] || fail "$module is not installed beside the game"
done
ldd "$prefix/libexec/deduxa/deduxa" | grep -q 'libasound\|Qt6PrintSupport' &&
    fail "the game links the sound or print libraries itself"
app=org.deduxa.Deduxa

tree_sums() {
    cd "$prefix" && find . -type f -exec sha256sum {} + | sort && find . -printf '%y %m %p %l\n' | sort
}
tree_sums >"$tmp/tree.before"

# Starts the launcher and closes the game after 3 seconds; the game must
# still be running then.
home=$tmp/home
mkdir "$home"
# Under strace, where the system allows it, the files the game opened are
# recorded: its start-up must have read the About box's data and picture
# through the data folder.
trace=
if command -v strace >/dev/null && strace -o /dev/null true 2>/dev/null; then
    trace="strace -f -e trace=openat -o $tmp/opened"
else
    echo "note: strace cannot run here; the content reads are not checked"
fi
play() {
    # A trace left by the start before must not count for this one.
    rm -f "$tmp/opened"
    env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen $trace "$prefix/bin/deduxa" \
        >"$tmp/game.log" 2>&1 &
    pid=$!
    # With the trace, until the game has read its About box's data (at most
    # 60 seconds); then 3 seconds more, in which it must keep running.
    if [ -n "$trace" ]; then
        i=0
        until grep -q 'About.dat", O_RDONLY' "$tmp/opened" 2>/dev/null || [ $i -ge 600 ]; do
            sleep 0.1
            i=$((i + 1))
        done
    fi
    sleep 3
    kill -0 "$pid" 2>/dev/null || { cat "$tmp/game.log"; fail "the game stopped by itself"; }
    # The game itself, then strace when it runs under it.
    pkill -TERM -P "$pid" 2>/dev/null || true
    kill "$pid" 2>/dev/null || true
    wait "$pid" || true
}

play
data=$home/.local/share/deduxa
if [ -n "$trace" ]; then
    # (A read on the icon's thread may be split in two lines of the trace,
    # "<unfinished ...>" and its result.)
    for file in data/About.dat data/Deduxa.bmp icons/deduxa-16.png; do
        grep -q "\"$data/$file\", O_RDONLY" "$tmp/opened" &&
            ! grep -q "\"$data/$file\", O_RDONLY.*= -1 E" "$tmp/opened" ||
            fail "the game did not read $file from its data folder"
    done
fi

# The folders the game writes into are real folders of the user's.
for dir in "$data" "$data/players" "$data/games" "$data/ants" "$data/data" "$data/icons"; do
    [ -d "$dir" ] && [ ! -L "$dir" ] || fail "$dir is not a real folder"
done
[ -z "$(find "$data/players" "$data/games" -type l)" ] || fail "links among the game's own files"
[ ! -e "$data/ants/scores.dat" ] && [ ! -L "$data/ants/scores.dat" ] ||
    fail "ants/scores.dat made before any game was won"

# Every other installed content file is a link leading to it.
(cd "$content" && find . -type f | sed 's|^\./||') >"$tmp/content"
for must in deduxa.hlp data/games.dat data/game01.bgd ants/ants.dat icons/deduxa-16.png; do
    grep -qx "$must" "$tmp/content" || fail "$must is not installed"
done
grep -q '^players/\|^games/\|scores\.dat\|\.keep$' "$tmp/content" &&
    fail "a file the game writes is installed as content"
while IFS= read -r file; do
    [ "$file" = data/Sound.dat ] && continue
    [ -L "$data/$file" ] || fail "$file is not a link"
    [ "$data/$file" -ef "$content/$file" ] || fail "$file does not lead to the installed file"
done <"$tmp/content"

# The settings are a writable copy.
settings=$data/data/Sound.dat
[ -f "$settings" ] && [ ! -L "$settings" ] || fail "data/Sound.dat is not a real file"
cmp -s "$settings" "$content/data/Sound.dat" || fail "data/Sound.dat is not the installed one"
[ "$(stat -c %A "$settings" | cut -c3)" = w ] || fail "data/Sound.dat is read-only"

# A player's files stay as they are; links are made again; links to content
# that is gone are dropped.
printf 'Jane Doe\r\n2\r\n\r\n' >"$data/players/Jane0.ply"
cp "$data/players/Jane0.ply" "$tmp/player"
printf 'FALSE\n1\n2\n3\n4\n5\n6\n7\n8\n9\n' >"$settings"
cp "$settings" "$tmp/settings"
# A game made with New Random Game: its list and files in the user's data/.
printf 'Random 3x4 Easy: The Farm (00000-0000Z)\r\nmade000000000z\r\n' >"$data/data/madegames.dat"
printf 'made\r\n' >"$data/data/made000000000z.bgd"
cp "$data/data/madegames.dat" "$tmp/madelist"
rm "$data/icons/deduxa-16.png"
ln -s "$content/data/gone.htf" "$data/data/gone.htf"
play
cmp -s "$data/players/Jane0.ply" "$tmp/player" || fail "the player file was changed"
cmp -s "$settings" "$tmp/settings" || fail "the player's settings were replaced"
for made in madegames.dat made000000000z.bgd; do
    [ -f "$data/data/$made" ] && [ ! -L "$data/data/$made" ] || fail "the made game's $made is gone"
done
cmp -s "$data/data/madegames.dat" "$tmp/madelist" || fail "the made-games list was changed"
[ "$data/icons/deduxa-16.png" -ef "$content/icons/deduxa-16.png" ] ||
    fail "a missing link was not made again"
[ ! -L "$data/data/gone.htf" ] || fail "a link to removed content was kept"

# A data folder that cannot be made: one message, status 1.
touch "$tmp/file"
status=0
XDG_DATA_HOME=$tmp/file/x timeout 20 "$prefix/bin/deduxa" >"$tmp/out" 2>"$tmp/err" || status=$?
[ "$status" -eq 1 ] || fail "status $status for a data folder that cannot be made"
[ "$(wc -l <"$tmp/err")" -eq 1 ] && grep -q "cannot make the data folder $tmp/file/x" "$tmp/err" ||
    fail "message for a data folder that cannot be made: $(cat "$tmp/err")"

tree_sums >"$tmp/tree.after"
cmp -s "$tmp/tree.before" "$tmp/tree.after" ||
    { diff "$tmp/tree.before" "$tmp/tree.after" | head; fail "the installed tree was written"; }

# The desktop entry, its icon at every size, the catalogue data.
desktop=$prefix/share/applications/$app.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" >"$tmp/as.log" ||
    { cat "$tmp/as.log"; fail "appstreamcli validate"; }
[ -x "$prefix/bin/$(sed -n 's/^Exec=//p' "$desktop")" ] || fail "Exec= is not the launcher"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$icon.png
    [ -f "$png" ] || fail "no $size pixel icon"
    # The PNG header's width and height, big-endian at byte 16.
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dims" = "${size}x$size" ] || fail "the $size pixel icon is $dims"
done
echo "install test passed"
