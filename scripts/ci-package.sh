#!/usr/bin/env bash
# CI: the Debian package. Makes it twice from the same sources and compares the
# bytes, lints it (lintian --pedantic: no error, no warning), checks its files
# at their Debian paths and its hardening, validates its desktop entry and
# AppStream data, installs it with apt, and plays it as a player who cannot
# write to the install: the game window from the home folder under Xvfb, and
# the engine. Their scores must reach the player's data folder byte for byte
# as the build folder's engine writes them, while a portable copy keeps its
# score beside its executable. The package is removed again at the end.
# usage: scripts/ci-package.sh [BUILD_DIR]   (as root, after scripts/build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
build=$(realpath "${1:-build}")
app_id=$(sed -n 's/^set(TORVANE_APP_ID \(.*\))$/\1/p' CMakeLists.txt)
player=nobody
player_group=$(id -gn "$player")
winning_game=$'buy 7 -- ok\ntravel 1\nsell 7 -- ok\nquit -- name=abc no\n'

fail() {
    echo "package test: $*" >&2
    exit 1
}

work=$(mktemp -d)
chmod 755 "$work"
xvfb_pid=
installed_here=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    [ -n "$installed_here" ] && apt-get remove -y -qq torvane >/dev/null
    [ -n "${KEEP_WORK:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

# Two builds of the same sources, in scratch folders of their own.
scripts/build-deb.sh "$work/deb1" >/dev/null
scripts/build-deb.sh "$work/deb2" >/dev/null
for made in "$work"/deb1/*.deb; do
    cmp "$made" "$work/deb2/$(basename "$made")" || fail "$(basename "$made") differs between two builds"
done
deb=$(ls "$work"/deb1/torvane_*.deb)
[ -n "$(ls "$work"/deb1/torvane-dbgsym_*.deb)" ] || fail "no debug-symbols package"
lintian --pedantic --fail-on error,warning "$work"/deb1/*.deb 2>&1 | grep -v '^running with root' || true
lintian --pedantic --fail-on error,warning "$work"/deb1/*.deb >/dev/null 2>&1 || fail "lintian"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/games/torvane ./usr/games/torvane-engine \
    ./usr/share/man/man6/torvane.6.gz ./usr/share/man/man6/torvane-engine.6.gz \
    ./usr/share/doc/torvane/copyright ./usr/share/doc/torvane/changelog.gz \
    ./usr/share/doc/torvane/engine-protocol.md ./usr/share/doc/torvane/replay-format.md \
    "./usr/share/applications/$app_id.desktop" "./usr/share/metainfo/$app_id.metainfo.xml" \
    ./usr/share/torvane/helpinfo ./usr/share/torvane/news.txt ./usr/share/torvane/sound/buy.wav \
    ./usr/share/torvane/helpinfo-en ./usr/share/torvane/news-en.txt \
    ./usr/share/locale/en/LC_MESSAGES/torvane.mo \
    "./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/torvane/libtorvane_sound.so"; do
    grep -qxF "$path" <<<"$contents" || fail "the package has no $path"
done
! grep -q '^\./usr/bin/' <<<"$contents" || fail "executables in /usr/bin"
dpkg-deb -f "$deb" Recommends | grep -q xdg-utils || fail "xdg-utils not recommended"
dpkg-query -W -f='${Status}' torvane 2>/dev/null | grep -q "install ok installed" || installed_here=yes
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
echo "installed $(basename "$deb")"

# The sound module the game loads with its first sound: everything it needs is installed.
module=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/torvane/libtorvane_sound.so
! ldd "$module" | grep -q 'not found' || fail "the sound module misses a library"
! ldd /usr/games/torvane | grep -q 'Multimedia' || fail "the game links the multimedia libraries"

desktop_file=/usr/share/applications/$app_id.desktop
desktop-file-validate "$desktop_file"
appstreamcli validate --pedantic --no-net --explain "/usr/share/metainfo/$app_id.metainfo.xml"
grep -q "^StartupWMClass=$app_id\$" "$desktop_file" || fail "the window class is not $app_id"
grep -q '^StartupNotify=true$' "$desktop_file" || fail "no start-up notification"
! grep -rq 'example\.' "$desktop_file" "/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "placeholder addresses in the metadata"
# Each readelf is read whole first: grep -q would end the pipe early and fail it.
for program in /usr/games/torvane /usr/games/torvane-engine; do
    dynamic=$(readelf -d "$program")
    header=$(readelf -h "$program")
    symbols=$(readelf --dyn-syms --wide "$program")
    grep -q 'FLAGS.*BIND_NOW' <<<"$dynamic" || fail "$program is not bound at start"
    grep -q 'DYN' <<<"$header" || fail "$program is not position-independent"
    grep -q '__[a-z_]*_chk' <<<"$symbols" || fail "$program calls no fortified function"
    grep -q '__stack_chk_fail' <<<"$symbols" || fail "$program has no stack protector"
done
[ "$(/usr/games/torvane --version)" = "$(/usr/games/torvane-engine --version | sed 's/-engine//')" ] ||
    fail "versions differ"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM /usr/games/torvane >/dev/null 2>"$work/nodisplay" ||
    status=$?
[ "$status" = 1 ] && grep -q '^torvane: no display: ' "$work/nodisplay" &&
    [ "$(wc -l <"$work/nodisplay")" = 1 ] || fail "without a display: status $status, $(cat "$work/nodisplay")"
for size in 48x48 256x256; do
    [ -f "/usr/share/icons/hicolor/$size/apps/$app_id.png" ] || fail "no $size icon"
done
man -w torvane torvane-engine >/dev/null 2>&1 || [ -f /usr/share/man/man6/torvane.6.gz ] || fail "no manual page"

# The player: a home folder and a runtime folder of their own.
home=$work/home
mkdir -p "$home" "$work/run"
chown "$player:$player_group" "$home" "$work/run"
chmod 700 "$work/run"
Xvfb -displayfd 3 -ac -screen 0 1280x1024x24 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
display=:$(cat "$work/display")
as_player=(setpriv --reuid="$player" --regid="$player_group" --clear-groups
    env -i HOME="$home" LANG=C.UTF-8 PATH=/usr/bin:/bin DISPLAY="$display" XDG_RUNTIME_DIR="$work/run")
play_window() {
    DISPLAY=$display sh "$repo/tests/package/play_winning_game.sh" "$@" 2>"$work/game.log" ||
        { grep -v QSoundEffect "$work/game.log" >&2 || true; fail "the window game in $PWD: $*"; }
}

# The folder choice of a read-only portable copy, which root cannot see.
cp "$build/torvane_tests" "$work/"
"${as_player[@]}" "$work/torvane_tests" --gtest_filter='GameFolders.*' --gtest_brief=1 >/dev/null ||
    fail "the folder tests as the player"

# What the build folder writes, through the engine with --dir.
mkdir "$work/reference"
printf '%s' "$winning_game" | "$build/torvane-engine" --lang zh --seed 268 --dir "$work/reference" >/dev/null
reference=$work/reference/score.txt

# A portable copy keeps score.txt beside its executable.
portable=$work/portable
mkdir "$portable"
cp "$build/torvane" "$build/torvane-engine" "$build/news.txt" "$build/helpinfo" "$portable"
chown -R "$player:$player_group" "$portable"
cd "$portable"
play_window "${as_player[@]}" "$portable/torvane"
cmp "$portable/score.txt" "$reference" || fail "portable window score"
[ ! -e "$home/.local/share/torvane" ] || fail "a portable copy wrote into the data folder"
rm "$portable/score.txt"
printf '%s' "$winning_game" | "${as_player[@]}" "$portable/torvane-engine" --lang zh --seed 268 >/dev/null
cmp "$portable/score.txt" "$reference" || fail "portable engine score"

# The installed game, started from the home folder, writes into the player's folders.
cd "$home"
play_window "${as_player[@]}" XDG_DATA_HOME="$home/data" /usr/games/torvane
cmp "$home/data/torvane/score.txt" "$reference" || fail "installed window score"
printf '%s' "$winning_game" | "${as_player[@]}" /usr/games/torvane-engine --lang zh --seed 268 >/dev/null
cmp "$home/.local/share/torvane/score.txt" "$reference" || fail "installed engine score"
[ "$(stat -c %a "$home/.local/share/torvane")" = 700 ] || fail "the data folder is open to others"

# The loading screen writes the help page into the player's runtime folder.
"${as_player[@]}" /usr/games/torvane >/dev/null 2>&1 &
game_pid=$!
for _ in $(seq 1 100); do
    [ -s "$work/run/torvane/help.html" ] && break
    sleep 0.1
done
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
[ -s "$work/run/torvane/help.html" ] || fail "no help page in the runtime folder"
cd "$repo"
[ -z "$(find /usr/games /usr/share/torvane -name score.txt)" ] || fail "a score inside the install"
echo "package: validators pass; window and engine scores saved as by the build folder"
