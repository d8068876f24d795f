#!/usr/bin/env bash
# Start-up time: the calculator against a bare Qt 6 window of the same size
# (and against the same window showing one line of text, which loads the font
# database as every window with words does), each started under Xvfb and
# timed until its window is mapped. Several runs, alternating, median of each.
# Usage: bench/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
bash scripts/deps.sh build app bench
cmake --preset bench >/dev/null
cmake --build --preset bench --target trelvani bare_window time_to_map >/dev/null

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
unset QT_QPA_PLATFORM

map=./build/bench/bench/time_to_map
calculator=./build/bench/src/programs/desktop/trelvani
bare=./build/bench/bench/bare_window
# One warm-up each: font and plugin caches.
"$map" "$calculator" >/dev/null
"$map" "$bare" >/dev/null

calc_times=()
bare_times=()
text_times=()
for _ in $(seq "$runs"); do
  calc_times+=("$("$map" "$calculator" 2>/dev/null)")
  bare_times+=("$("$map" "$bare" 2>/dev/null)")
  text_times+=("$("$map" "$bare" --text 2>/dev/null)")
done
median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
calc=$(median "${calc_times[@]}")
bare_median=$(median "${bare_times[@]}")
text_median=$(median "${text_times[@]}")
echo "calculadora:               mediana ${calc} s en ${runs} arranques"
echo "ventana vacía:             mediana ${bare_median} s"
echo "ventana con una etiqueta:  mediana ${text_median} s"
awk -v a="$calc" -v b="$bare_median" -v c="$text_median" \
  'BEGIN {printf "cociente frente a la vacía: %.3f; frente a la de una etiqueta: %.3f\n", a / b, a / c}'
