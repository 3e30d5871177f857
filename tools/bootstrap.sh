#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds, and then either starts the program
# or runs the whole test suite (plain build, then AddressSanitizer and
# UndefinedBehaviorSanitizer build).
#
#   tools/bootstrap.sh run    install what is missing, build, start Torvane
#   tools/bootstrap.sh test   install what is missing, build, run every test
set -euo pipefail

mode=${1:-run}
case "$mode" in run|test) ;; *) echo "usage: $0 run|test" >&2; exit 2 ;; esac

root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n
    libgsf-1-dev libxlsxwriter-dev libjpeg-dev
    fonts-dejavu-core
    python3 python3-xlrd python3-openpyxl python3-olefile poppler-utils
    desktop-file-utils appstream
    dpkg-dev file libxml2-utils shared-mime-info
    time
)
[ "$mode" = run ] && packages+=(xvfb xauth xdg-utils)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build() { # build-dir extra-cmake-args...
    local dir=$1; shift
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

if [ "$mode" = run ]; then
    build "$root/build"
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "Torvane is built, but there is no display to show it on (neither DISPLAY nor WAYLAND_DISPLAY is set)."
        echo "Start it in a virtual X server instead:"
        echo "    xvfb-run -a -s '-screen 0 1366x768x24' $root/build/bin/torvane"
        exit 1
    fi
    exec "$root/build/bin/torvane"
fi

export QT_QPA_PLATFORM=offscreen
build "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"
build "$root/build-sanitize" -DTORVANE_SANITIZE=ON -DTORVANE_BUILD_BENCH=OFF
ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs"
