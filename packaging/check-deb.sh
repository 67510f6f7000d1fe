#!/usr/bin/env bash
# Builds the Debian package in BUILD_DIR, checks it with lintian, installs it, runs the installed game in Xvfb,
# then removes it again.
set -euo pipefail

if [ $# -ne 1 ] || [ ! -f "$1/CMakeCache.txt" ]; then
    echo "usage: $0 BUILD_DIR (a configured and built tree)" >&2
    exit 2
fi
build_dir=$(readlink -f "$1")
source_dir=$(readlink -f "$(dirname "$0")/..")
apt=(env DEBIAN_FRONTEND=noninteractive apt-get)
[ "$(id -u)" -ne 0 ] && apt=(sudo "${apt[@]}")

log=$(mktemp)
step="checking the machine"
packages_before=""
installed_packages() {
    dpkg-query -W -f='${db:Status-Status} ${Package}\n' | sed -n 's/^installed //p' | sort
}
# Whatever the package pulled in goes again with it, so the machine is left as it was.
finish() {
    local status=$? installed_here=()
    if [ -n "$packages_before" ]; then
        mapfile -t installed_here < <(comm -13 <(echo "$packages_before") <(installed_packages))
    fi
    if [ ${#installed_here[@]} -gt 0 ]; then
        "${apt[@]}" remove -y "${installed_here[@]}" >>"$log" 2>&1 ||
            { echo "check-deb: could not remove ${installed_here[*]}" >&2; status=1; }
    fi
    if [ "$status" -eq 0 ]; then
        echo "check-deb: PASSED: $(basename "$deb") lintian-clean, installed, ran from /usr/games/tessaro, and removed"
    else
        cat "$log" >&2
        echo "check-deb: FAILED while $step"
    fi
    rm -f "$log"
    exit "$status"
}
trap finish EXIT

# Removing the package at the end must not take away an installation that was here before.
if dpkg-query -W -f='${Status}' tessaro 2>/dev/null | grep -q "install ok installed"; then
    echo "a tessaro package is already installed; remove it first" >>"$log"
    exit 1
fi

# The package's library dependencies are worked out by dpkg-shlibdeps, which CPack feeds through file(1).
for tool in cpack dpkg-shlibdeps file lintian Xvfb xdotool xprop strace dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >>"$log"; exit 1; }
done

step="building the package"
rm -f "$build_dir"/tessaro_*.deb
(cd "$build_dir" && cpack -G DEB) >>"$log" 2>&1
debs=("$build_dir"/tessaro_*.deb)
[ -f "${debs[0]}" ] && [ ${#debs[@]} -eq 1 ] || { echo "cpack made no single tessaro_*.deb" >>"$log"; exit 1; }
deb=${debs[0]}

# Debian's own checks: any tag of level warning or error fails the package.
step="checking $(basename "$deb") with lintian"
lintian --fail-on error,warning "$deb" >>"$log" 2>&1

step="installing $(basename "$deb")"
packages_before=$(installed_packages)
(cd "$build_dir" && "${apt[@]}" install -y "./$(basename "$deb")") >>"$log" 2>&1

step="running the installed game"
desktop_entry=$(dpkg -L tessaro | grep '^/usr/share/applications/.*\.desktop$')
x11_close="$build_dir/tests/app/x11_close"
[ -x "$x11_close" ] || { echo "$x11_close is missing: build the tree first" >>"$log"; exit 1; }
TESSARO=/usr/games/tessaro DESKTOP_ENTRY="$desktop_entry" X11_CLOSE="$x11_close" SHOTS="$build_dir/packaging/screenshots" \
    "$source_dir/tests/packaging/installed_game_test.sh" >>"$log" 2>&1

step="removing the package"
mapfile -t package_files < <(dpkg -L tessaro)
"${apt[@]}" remove -y tessaro >>"$log" 2>&1
# Nothing of the package stays behind: no file, no directory of its own, no record in dpkg.
for path in "${package_files[@]}"; do
    if [ -e "$path" ] && { [ ! -d "$path" ] || [ -z "$(dpkg -S "$path" 2>/dev/null)" ]; }; then
        echo "$path is still there after the removal" >>"$log"
        exit 1
    fi
done
if dpkg-query -W -f='${db:Status-Status}' tessaro 2>/dev/null | grep -qv '^not-installed$'; then
    echo "dpkg still knows tessaro: $(dpkg-query -W -f='${Status}' tessaro)" >>"$log"
    exit 1
fi
