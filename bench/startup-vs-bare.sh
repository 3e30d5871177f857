#!/usr/bin/env bash
# Start-up of the whole program against a bare Qt window, as separate
# processes: main() to the first paint of the start screen, plus everything
# the process does before main() and after quitting. Both run headless on a
# 1366 x 768 screen, alternately, so drift on the machine hits both alike.
#
#   bench/startup-vs-bare.sh [BUILD-DIR] [RUNS] [PROGRAM]   (defaults: build, 15, torvane)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-15}
program=${3:-$build/bin/torvane} # or another program to weigh against the bare window
bare=$build/bin/bench_bare_window
for exe in "$program" "$bare"; do
    [ -x "$exe" ] || { echo "missing $exe; build first (cmake --build $build)" >&2; exit 1; }
done
[ -x /usr/bin/time ] || { echo "needs GNU time (apt-get install time)" >&2; exit 1; }
[ "$runs" -ge 10 ] || { echo "use at least 10 runs" >&2; exit 2; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cat >"$scratch/screen.json" <<'JSON'
{"screens":[{"name":"s","x":0,"y":0,"width":1366,"height":768,"logicalDpi":96,"dpr":1}]}
JSON
export QT_QPA_PLATFORM="offscreen:configfile=$scratch/screen.json"
export TORVANE_QUIT_AFTER_FIRST_PAINT=1
export XDG_RUNTIME_DIR=$scratch

# One run: prints "milliseconds peak-KiB". GNU time gives the peak resident
# set; the wall time is taken around it in microseconds, because time's own
# %e has only 10 ms steps, coarse next to a bare window.
measure() {
    local start end
    start=$EPOCHREALTIME
    timeout 120 /usr/bin/time -f '%M' -o "$scratch/rss" "$1" >/dev/null 2>"$scratch/stderr" \
        || { cat "$scratch/stderr" >&2; echo "$1 failed" >&2; exit 1; }
    end=$EPOCHREALTIME
    echo "$(( (${end/./} - ${start/./}) / 1000 )).$(( (${end/./} - ${start/./}) % 1000 / 100 )) $(tail -n 1 "$scratch/rss")"
}

# A first run of each warms the page cache; it is not counted.
measure "$program" >/dev/null
measure "$bare" >/dev/null
for ((i = 0; i < runs; i++)); do
    measure "$program" >>"$scratch/program"
    measure "$bare" >>"$scratch/bare"
done

median() { # file column
    sort -n -k"$2,$2" "$1" | awk -v c="$2" '{v[NR] = $c} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
pt=$(median "$scratch/program" 1); pm=$(median "$scratch/program" 2)
bt=$(median "$scratch/bare" 1); bm=$(median "$scratch/bare" 2)
awk -v pt="$pt" -v pm="$pm" -v bt="$bt" -v bm="$bm" -v n="$runs" -v name="$(basename "$program")" 'BEGIN {
    printf "start-up to first paint, median of %d whole-process runs, 1366x768 offscreen\n", n
    printf "  %-12s: %7.1f ms  %6.1f MiB peak\n", name, pt, pm / 1024
    printf "  bare window : %7.1f ms  %6.1f MiB peak\n", bt, bm / 1024
    printf "  time ratio  : %7.2f    (target <= 2.0)\n", pt / bt
    printf "  memory ratio: %7.2f\n", pm / bm
    printf "  peak        : %7.1f MiB (target <= 45)\n", pm / 1024
}'
