#!/usr/bin/env bash
# Checks the game's installed tree (a scratch DESTDIR's usr/) for what a Linux desktop and Debian expect.
# That it runs through its link in games/ is installed_game_test.sh's part.
set -euo pipefail
: "${USR:?installed usr/ tree}" "${SOURCE_DIR:?source tree}" "${APP_ID:?desktop and metainfo id}" "${VERSION:?version}"
fail() { echo "FAIL: $*" >&2; exit 1; }
installed() { cmp -s "$1" "$USR/$2" || fail "$2 differs from $1 or is missing"; }

# The audio device module the game loads from its own directory; the game itself never links Qt Multimedia.
objdump -p "$USR/lib/games/tessaro/libtessaro_audio.so" 2>/dev/null | grep -q 'NEEDED.*libQt6Multimedia' ||
    fail "lib/games/tessaro/libtessaro_audio.so is missing or does not link Qt Multimedia"
! objdump -p "$USR/lib/games/tessaro/tessaro" 2>/dev/null | grep -q 'NEEDED.*libQt6Multimedia' ||
    fail "lib/games/tessaro/tessaro links Qt Multimedia at start-up"

# What the game reads from its own directory, installed unchanged next to it.
data=$SOURCE_DIR/data
for file in "$data"/SOUND/* "$data"/*.txt "$data"/*.html; do
    installed "$file" "lib/games/tessaro/${file#"$data"/}"
done
# Every icon size we draw, in the hicolor theme, in the directory of its own size.
for icon in "$data"/icons/hicolor/*/apps/tessaro.png; do
    size=$(basename "$(dirname "$(dirname "$icon")")")
    installed "$icon" "share/icons/hicolor/$size/apps/tessaro.png"
    [ "$(identify -format '%wx%h' "$icon")" = "$size" ] || fail "$icon is not $size pixels"
done

# The changelog's latest entry is this version (that it and the manual page are there, compressed, is lintian's check).
changelog_version=$(dpkg-parsechangelog -l "$SOURCE_DIR/packaging/changelog" -S Version)
[ "$changelog_version" = "$VERSION" ] || fail "the changelog's latest version is $changelog_version, not $VERSION"

# The metainfo is this release's; the store's own check of the tree ties it to the desktop entry.
grep -q "<release version=\"$VERSION\"" "$USR/share/metainfo/$APP_ID.metainfo.xml" || fail "the metainfo has no release $VERSION"
"$(dirname "$0")/appstream_validate.sh" validate-tree "$USR" || fail "appstreamcli rejects the installed tree"

echo "install layout: all passed"
