#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a short while,
# starting from the seed corpus in fuzz/corpus (left untouched).
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
bash scripts/deps.sh build fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for target in fuzz_text_to_number fuzz_number_to_text fuzz_clicks fuzz_batch_lines; do
  work=build/fuzz/corpus/$target
  mkdir -p "$work"
  cp -n fuzz/corpus/$target/* "$work"/ 2>/dev/null || true
  echo "== $target (${seconds} s)"
  ./build/fuzz/fuzz/$target -max_total_time="$seconds" -print_final_stats=1 \
      -max_len=4096 -artifact_prefix=build/fuzz/ "$work" 2>build/fuzz/$target.log || { tail -40 build/fuzz/$target.log; exit 1; }
  grep -E '^stat::(number_of_executed_units|new_units_added|peak_rss_mb)|^Done' build/fuzz/$target.log || true
  echo "corpus: $(ls "$work" | wc -l) inputs"
done
