#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package the way a distribution and a player would. The test suite already
# checks the package's fields and contents; this adds what needs Debian's own tools or a desktop,
# so it is run by hand before a release.
#
#   bash tools/check-package.sh            build the package (tools/setup.sh package), then run
#                                          lintian, appstreamcli and desktop-file-validate on it
#   bash tools/check-package.sh --install  then also: remove the build's packages, install the
#                                          game with apt, start it under Xvfb from its installed
#                                          path and through its menu entry (gtk-launch), purge it
#                                          and look for anything left behind
#   bash tools/check-package.sh --arm64    the same checks as the first, on the arm64 package
#                                          (tools/setup.sh arm64 builds and tests it)
#
# --install changes the system it runs on: use it in a throw-away Debian 12 root (a container or
# a chroot made with mmdebstrap), as root.
set -euo pipefail

install_check=no
setup_mode=package
packages=build/release/packages
case "${1:-}" in
"") ;;
--install) install_check=yes ;;
--arm64)
    setup_mode=arm64
    packages=build/arm64/packages
    ;;
*)
    echo "usage: bash tools/check-package.sh [--install|--arm64]" >&2
    exit 2
    ;;
esac

cd "$(dirname "$0")/.."

apt_install() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    DEBIAN_FRONTEND=noninteractive apt-get update -q >/dev/null
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
}

apt_install lintian appstream desktop-file-utils
bash tools/setup.sh "$setup_mode"

debs=("$packages"/*.deb)
deb=${debs[0]}
name=$(dpkg-deb --field "$deb" Package)
echo "== $deb"
dpkg-deb --field "$deb"

echo "== the Qt it was built with"
# The crossword window takes queued keys through Qt's private GUI API, which holds only for the
# very Qt version it was built with: dpkg-shlibdeps pins that version, and the pin must stay.
architecture=$(dpkg-deb --field "$deb" Architecture)
qt_version=$(dpkg-query -W -f='${Version}' "qt6-base-dev:$architecture")
qt_abi="qt6-base-abi (= ${qt_version%%[+-]*})"
if ! dpkg-deb --field "$deb" Depends | tr ',' '\n' | sed 's/^ *//' | grep -qxF "$qt_abi"; then
    echo "the package does not depend on $qt_abi, the Qt whose private API it uses" >&2
    exit 1
fi
echo "depends on $qt_abi"

echo "== lintian"
# Lintian warns about running as root but works; errors and warnings fail the check.
lintian --fail-on error,warning --display-info "$deb" 2> >(grep -v "root privileges" >&2)
echo "lintian: no errors, no warnings"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"
desktop=$(echo "$unpacked"/usr/share/applications/*.desktop)
app_id=$(basename "$desktop" .desktop)

echo "== appstreamcli and desktop-file-validate"
appstreamcli validate --pedantic --no-net "$unpacked/usr/share/metainfo/$app_id.metainfo.xml"
desktop-file-validate "$desktop"
echo "desktop entry: valid"
echo "icons: $(cat "$unpacked"/usr/share/icons/hicolor/*/apps/*.png | wc -c) bytes in all"

[ "$install_check" = yes ] || exit 0

echo "== install on a system without the build's packages"
apt_install xvfb xauth x11-utils libgtk-3-bin
DEBIAN_FRONTEND=noninteractive apt-get purge -y -q --autoremove cmake g++ make qt6-base-dev dpkg-dev \
    file lintian appstream desktop-file-utils >/dev/null
snapshot() {
    find / -xdev \( -path /proc -o -path /sys -o -path /dev -o -path /run -o -path /tmp \
        -o -path /work -o -path /root -o -path /var/cache -o -path /var/log -o -path /var/lib/apt \
        -o -path "$PWD" \) -prune -o -print | sort
}
snapshot >"$unpacked.before"
cp "$deb" /tmp/
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "/tmp/$(basename "$deb")" | tail -n 3
program=$(sed -n 's/^Exec=//p' "$desktop")
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
ls -l "$program"

echo "== start under Xvfb"
export XDG_RUNTIME_DIR=$unpacked/runtime QT_QPA_PLATFORM=xcb
mkdir -m 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -euo pipefail -c '
    program=$1 app_id=$2 wm_class=$3
    # Waits for the crossword window, checks its class, then closes the game.
    window_up() {
        local title="TELMARONDA # 2 EL INTERNADO"
        for _ in $(seq 100); do
            if xwininfo -root -tree | grep -q "\"$title\""; then
                local class pid
                class=$(xprop -name "$title" WM_CLASS | sed "s/.*, \"\(.*\)\"$/\1/")
                pid=$(xprop -name "$title" _NET_WM_PID | sed "s/.* = //")
                echo "$4: window \"$title\" is up, class $class, process $pid"
                kill "$pid"
                while xwininfo -root -tree | grep -q "\"$title\""; do sleep 0.2; done
                [ "$class" = "$wm_class" ] || { echo "class $class, desktop entry says $wm_class" >&2; exit 1; }
                return
            fi
            sleep 0.2
        done
        echo "$4: no crossword window after 20 s" >&2
        exit 1
    }
    "$program" 2>/dev/null &
    window_up "$@" "$program"
    gtk-launch "$app_id" 2>/dev/null
    window_up "$@" "gtk-launch $app_id"
' check "$program" "$app_id" "$wm_class"

echo "== purge"
files=$(dpkg-query --listfiles "$name")
DEBIAN_FRONTEND=noninteractive apt-get purge -y -q --autoremove "$name" | tail -n 2
snapshot >"$unpacked.after"
left=$(comm -13 "$unpacked.before" "$unpacked.after")
rm -f "$unpacked.before" "$unpacked.after" "/tmp/$(basename "$deb")"
# Purging with --autoremove also removes the libraries apt brought in for the game; what those
# leave is shown, but only the game's own files fail the check.
if [ -n "$left" ]; then
    echo "present after the purge that was not there before the install:"
    echo "$left"
fi
while read -r file; do
    if [ -f "$file" ] || [ -L "$file" ]; then
        left+=$'\n'"$file"
    fi
done <<<"$files"
if grep -q -e "$name" -e "$app_id" <<<"$left"; then
    echo "the game left files behind" >&2
    exit 1
fi
echo "purge: nothing of $name left behind"
