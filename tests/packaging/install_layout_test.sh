#!/usr/bin/env bash
# Installs the game's package contents into a scratch DESTDIR and checks the tree a Linux desktop expects.
set -euo pipefail
: "${BUILD_DIR:?build tree to install from}"
: "${SOURCE_DIR:?source tree the data comes from}"
: "${APP_ID:?desktop and metainfo id}"
: "${VERSION:?version text the metainfo must carry}"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

DESTDIR="$root" cmake --install "$BUILD_DIR" --prefix /usr --component game >/dev/null
usr="$root/usr"
program_dir="$usr/lib/games/tessaro"

# Debian's games policy: the program is reached as games/tessaro, through a relative link (an absolute
# one would point out of DESTDIR and out of a relocated tree).
link=$(readlink "$usr/games/tessaro" || true)
[ -n "$link" ] || fail "games/tessaro is not a symbolic link"
case "$link" in /*) fail "games/tessaro links to the absolute path $link" ;; esac
[ "$(readlink -f "$usr/games/tessaro")" = "$(readlink -f "$program_dir/tessaro")" ] ||
    fail "games/tessaro does not resolve to lib/games/tessaro/tessaro"
[ -f "$program_dir/tessaro" ] && [ -x "$program_dir/tessaro" ] || fail "lib/games/tessaro/tessaro is not an executable file"

# The audio device module the game loads from its own directory; the game itself never links Qt Multimedia.
module=libtessaro_audio.so
[ -f "$program_dir/$module" ] || fail "lib/games/tessaro/$module is missing"
objdump -p "$program_dir/$module" 2>/dev/null | grep -q 'NEEDED.*libQt6Multimedia' ||
    fail "lib/games/tessaro/$module does not link Qt Multimedia"
! objdump -p "$program_dir/tessaro" 2>/dev/null | grep -q 'NEEDED.*libQt6Multimedia' ||
    fail "lib/games/tessaro/tessaro links Qt Multimedia at start-up"

# What the game reads from its own directory, installed unchanged next to it.
expected=(games/tessaro lib/games/tessaro/tessaro "lib/games/tessaro/$module")
for file in SOUND/8MUSC28.WAV SOUND/APPLAUS.WAV SOUND/CHEERS.WAV SOUND/tessaro.ico \
            default.txt orvane.txt orvane.html; do
    expected+=("lib/games/tessaro/$file")
    cmp -s "$SOURCE_DIR/data/$file" "$program_dir/$file" || fail "lib/games/tessaro/$file differs from data/$file or is missing"
done

# Every icon size we draw, in the hicolor theme, in the directory of its own size.
sizes=0
for source in "$SOURCE_DIR"/data/icons/hicolor/*/apps/tessaro.png; do
    size=$(basename "$(dirname "$(dirname "$source")")")
    installed="share/icons/hicolor/$size/apps/tessaro.png"
    expected+=("$installed")
    sizes=$((sizes + 1))
    cmp -s "$source" "$usr/$installed" || fail "$installed differs from the drawn icon or is missing"
    [ "$(identify -format '%wx%h' "$usr/$installed" 2>/dev/null)" = "$size" ] || fail "$installed is not $size pixels"
done
[ "$sizes" -gt 0 ] || fail "no icons found in data/icons/hicolor"

desktop="share/applications/$APP_ID.desktop"
metainfo="share/metainfo/$APP_ID.metainfo.xml"
expected+=("$desktop" "$metainfo" share/doc/tessaro/copyright share/doc/tessaro/changelog.gz share/man/man6/tessaro.6.gz)
cmp -s "$SOURCE_DIR/packaging/copyright" "$usr/share/doc/tessaro/copyright" || fail "share/doc/tessaro/copyright differs from packaging/copyright or is missing"

# The manual page and the changelog, compressed as Debian expects; the changelog's latest entry is this version.
zcmp -s "$SOURCE_DIR/packaging/tessaro.6" "$usr/share/man/man6/tessaro.6.gz" ||
    fail "share/man/man6/tessaro.6.gz is not the compressed manual page"
zcmp -s "$SOURCE_DIR/packaging/changelog" "$usr/share/doc/tessaro/changelog.gz" ||
    fail "share/doc/tessaro/changelog.gz is not the compressed changelog"
zcat "$usr/share/doc/tessaro/changelog.gz" >"$root/changelog" 2>/dev/null || true
changelog_version=$(dpkg-parsechangelog -l "$root/changelog" -S Version 2>/dev/null || true)
[ "$changelog_version" = "$VERSION" ] || fail "the changelog's latest version is \"$changelog_version\", not $VERSION"

# The desktop entry starts what games/ holds and shows the icon installed above.
grep -qx "Exec=tessaro" "$usr/$desktop" || fail "$desktop does not start tessaro"
grep -qx "Icon=tessaro" "$usr/$desktop" || fail "$desktop does not show the tessaro icon"
grep -q "<release version=\"$VERSION\"" "$usr/$metainfo" || fail "$metainfo has no release $VERSION"
grep -q "<id>$APP_ID</id>" "$usr/$metainfo" || fail "$metainfo is not about $APP_ID"
# The store's own check of the installed tree, which also ties the metainfo to the desktop entry.
appstreamcli validate-tree --no-net --strict "$usr" >/dev/null || fail "appstreamcli rejects the installed tree"

# Nothing else slips into the package.
unexpected=$(comm -13 <(printf '%s\n' "${expected[@]}" | sort) <(cd "$usr" && find . ! -type d | sed 's|^\./||' | sort))
[ -z "$unexpected" ] || fail "unexpected installed files: $unexpected"

[ "$failures" -eq 0 ] || exit 1
echo "install layout: all passed"
