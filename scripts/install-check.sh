#!/usr/bin/env bash
# Builds the game as a packager would (Release with the tests, warnings as errors here), installs
# it into a temporary prefix and checks what was installed: the desktop entry and the AppStream
# metadata pass their validators, both programs and the metadata name the project's version, the
# installed kvarnel-maze draws a maze with the installed pictures and with a player's own, the
# installed game started by a player with an empty home starts from the options it comes with,
# keeps his in his config folder and writes nothing under the prefix, and the .deb that CPack
# makes names the Qt 6 libraries in Depends and passes lintian without an error or a warning.
#   scripts/install-check.sh   builds in build-release/
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh desktop-file-utils appstream dpkg-dev file man-db lintian

dir=build-release
app=io.github.kvarnel.Kvarnel
# Everything is built, the tests too, so that a Release build is seen to be warning-free; the
# programs bring the pictures, icons and pages with them, and neither cmake --install nor cpack
# builds anything more.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVARNEL_WERROR=ON
cmake --build "$dir" -j2

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$dir" --prefix "$prefix" >/dev/null

desktop-file-validate "$prefix/share/applications/$app.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml"
for size in 16 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$app.png"
  file -b "$icon" | grep -q "PNG image data, $size x $size" || { echo "bad icon: $icon" >&2; exit 1; }
done
test -f "$prefix/share/icons/hicolor/scalable/apps/$app.svg"
for page in man6/kvarnel.6.gz man1/kvarnel-maze.1.gz; do
  test -z "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/$page" 2>&1 >/dev/null)"
done

# Nothing of the build folder beside the installed tool: it must find share/kvarnel itself.
# The programs run as a player with an empty home and the desktop's default folders.
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
export HOME="$work/home"
mkdir "$HOME"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")"
test "$("$prefix/games/kvarnel" --version)" = "kvarnel $version"
test "$("$prefix/games/kvarnel-maze" --version)" = "kvarnel-maze $version"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$app.metainfo.xml"
test ! -e "$prefix/games/Герои"
"$prefix/games/kvarnel-maze" generate 5 4 --seed-text ' 45296.17' -o "$work/maze.lbr"
"$prefix/games/kvarnel-maze" render "$work/maze.lbr" -o "$work/maze.png" \
  --hero Робот.png --wall Кирпич.png --door Дверь.png
# Five rooms of the 32-pixel hero store and 16-pixel walls across, four down.
file -b "$work/maze.png" | grep -q "PNG image data, $((5 * 48 + 16)) x $((4 * 48 + 16))"

# The installed game, left as a session's end leaves it: a stop signal closes its window as the
# close box does. Its picture folders for the player appear once it can be stopped so.
listing() { (cd "$prefix" && find . -printf '%p %s %T@\n' | sort); }
listing >"$work/prefix-before"
"$prefix/games/kvarnel" &
game=$!
for _ in $(seq 100); do
  [ -d "$HOME/.local/share/kvarnel/Двери" ] && break
  sleep 0.1
done
kill -TERM "$game" || { echo "the installed game did not stay up" >&2; exit 1; }
wait "$game" || { echo "the installed game did not end cleanly on SIGTERM" >&2; exit 1; }
# Without options of his own the player started from the game's: its wall is kept as his.
grep -q "Кирпич.png" "$HOME/.config/kvarnel/Options.ini"
listing | diff "$work/prefix-before" - || { echo "the game wrote under its prefix" >&2; exit 1; }

# A player's own wall of an installed wall's name is drawn instead of it: 24-pixel walls.
cp "$prefix/share/kvarnel/Стенки/Камень.png" "$HOME/.local/share/kvarnel/Стенки/Кирпич.png"
"$prefix/games/kvarnel-maze" render "$work/maze.lbr" -o "$work/own.png" \
  --hero Робот.png --wall Кирпич.png --door Дверь.png
file -b "$work/own.png" | grep -q "PNG image data, $((5 * 56 + 24)) x $((4 * 56 + 24))"

rm -f "$dir"/kvarnel_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb="$(echo "$dir"/kvarnel_"$version"-*_"$(dpkg --print-architecture)".deb)"
echo "$deb: Section $(dpkg-deb -f "$deb" Section), Version $(dpkg-deb -f "$deb" Version)"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
  [[ "$depends" == *"$lib "* ]] || { echo "the package does not depend on $lib" >&2; exit 1; }
done
test "$(dpkg-deb -f "$deb" Section)" = games
dpkg-deb -c "$deb" >"$work/contents"
grep -q "./usr/share/kvarnel/Герои/Робот.png" "$work/contents"
grep -q "./usr/games/kvarnel$" "$work/contents"
[[ "$(dpkg-deb -f "$deb" Version)" == "$version-"* ]]
# A distribution's own check of a package: no error and no warning.
lintian --fail-on error,warning "$deb"
echo "the installed game checks out"
