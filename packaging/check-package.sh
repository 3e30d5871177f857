#!/usr/bin/env bash
# Builds the Debian package from a finished build and checks that it holds a
# working installation: the command on the path leads to the real program with
# its pictures and workbook beside it, the desktop files and icons are where
# a desktop looks, and dpkg-shlibdeps found the Qt libraries.
#
#   check-package.sh CPackConfig.cmake SCRATCH-DIR
set -euo pipefail
config=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"

fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$config" -B "$scratch" >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
debs=("$scratch"/torvane_*_amd64.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one torvane_<version>_amd64.deb in $scratch"
deb=${debs[0]}
echo "package: $(basename "$deb")"

# The program's own folder is wherever the link on the path leads.
dpkg-deb -x "$deb" "$scratch/root"
link=$(readlink "$scratch/root/usr/bin/torvane") || fail "usr/bin/torvane is not a link"
case "$link" in /*) fail "usr/bin/torvane points to an absolute path ($link)";; esac
program=$(readlink -f "$scratch/root/usr/bin/torvane")
[ -x "$program" ] && [ ! -L "$program" ] || fail "usr/bin/torvane does not lead to an executable"
file -b "$program" | grep -q '^ELF 64-bit.*x86-64' || fail "$program is not an x86-64 program"
home=${program#"$scratch/root/"}
home=${home%/torvane}
echo "program folder: /$home"

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||' >"$scratch/contents"
for path in \
    usr/bin/torvane \
    "$home/torvane" \
    "$home/torvane_writers.so" \
    "$home/torvane_print.so" \
    "$home/sprav.xlsx" \
    "$home/img/gen/background.jpg" \
    "$home/img/gen/background@2x.jpg" \
    "$home/img/en/menu1.png" \
    "$home/img/ru/calcmenu8c@2x.png" \
    usr/share/applications/com.example.Torvane.desktop \
    usr/share/metainfo/com.example.Torvane.metainfo.xml \
    usr/share/mime/packages/com.example.Torvane.xml \
    usr/share/icons/hicolor/48x48/apps/com.example.Torvane.png \
    usr/share/icons/hicolor/128x128/apps/com.example.Torvane.png \
    usr/share/icons/hicolor/256x256/apps/com.example.Torvane.png \
    usr/share/icons/hicolor/scalable/apps/com.example.Torvane.svg; do
    grep -qxF "$path" "$scratch/contents" || fail "package lacks $path"
done
# Developer programs stay out of the package.
if grep -E '/(test_|bench_|torvane-)[^/]*$' "$scratch/contents"; then
    fail "package holds tests, benchmarks or tools"
fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = torvane ] || fail "Package is '$(field Package)'"
[ "$(field Architecture)" = amd64 ] || fail "Architecture is '$(field Architecture)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Section)" ] || fail "no Section"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libgsf-1-114 libc6; do
    grep -qE "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends does not name $lib"
done

echo "package contents: ok"
