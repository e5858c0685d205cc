#!/usr/bin/env bash
# Installs what Tarvel needs on Debian 12 / Ubuntu 24.04, builds it, then starts it ("run", the
# default) or runs every test ("test").
#
#   ./setup.sh run      install, build, start tarvel
#   ./setup.sh test     install, build, run every test
#
# TARVEL_BUILD_DIR, TARVEL_BUILD_TYPE and TARVEL_CMAKE_ARGS choose another build (CI uses them for
# its Release and sanitizer builds).
set -euo pipefail

mode=${1:-run}
here=$(cd "$(dirname "$0")" && pwd)
build=${TARVEL_BUILD_DIR:-$here/build}
type=${TARVEL_BUILD_TYPE:-RelWithDebInfo}

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-connectivity-dev libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
)
# The end-to-end tests drive the real program on a virtual X display.
[ "$mode" = test ] && packages+=(xvfb xdotool x11-utils)
# The screen-reader walk: an accessibility bus on a session bus, read with the system's pyatspi; the
# German and Japanese locales it runs in are compiled from the locales package's sources.
[ "$mode" = test ] && packages+=(at-spi2-core dbus-x11 python3-pyatspi locales)
# The installation test validates the desktop files and the man pages; CI packs the .deb with cpack,
# whose dependency scan needs dpkg-shlibdeps and file.
[ "$mode" = test ] && packages+=(desktop-file-utils appstream man-db dpkg-dev file)
# The Bluetooth scale tests talk to a fake BlueZ (python3-dbusmock) on a private D-Bus.
[ "$mode" = test ] && packages+=(python3-dbusmock dbus-daemon)
# The Japanese window font (text 160 in Japanese) for looking at the program in Japanese.
[ "$mode" = run ] && packages+=(fonts-noto-cjk)
# The print tests render the printed PDF page to an image with pdftoppm.
[ "$mode" = test ] && packages+=(poppler-utils)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# shellcheck disable=SC2086
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="$type" ${TARVEL_CMAKE_ARGS:-}
cmake --build "$build"

case "$mode" in
run)
    exec "$build/src/tarvel"
    ;;
test)
    cd "$build"
    ctest --output-on-failure --timeout 300
    ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 1
    ;;
esac
