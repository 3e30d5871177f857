#!/usr/bin/env bash
# Builds and runs the benchmarks headless; prints their figures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$(nproc)" --target torvane bench_bare_window bench_widget_floor bench_startup bench_recalculation bench_export bench_budget >/dev/null
export QT_QPA_PLATFORM=offscreen
for bench in bench_startup bench_recalculation bench_export bench_budget; do
    echo "== $bench"
    "$root/build/bin/$bench" 2>/dev/null
done
echo "== startup-vs-bare.sh"
"$root/bench/startup-vs-bare.sh" "$root/build"
echo "== startup-vs-bare.sh, the floor: the same widgets and background without the program"
"$root/bench/startup-vs-bare.sh" "$root/build" 15 "$root/build/bin/bench_widget_floor"
