#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UBSan) and runs each
# for a bounded time, starting from its committed seed corpus. Fails on the
# first crash, failed check, leak, out-of-memory or hang; the input that
# caused it is left in build/fuzz/runs/<target>/.
# Usage: scripts/fuzz.sh [seconds per target, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

target_list=build/fuzz/fuzz/fuzz_targets.txt
if [ ! -s "$target_list" ]; then
  echo "no fuzz targets in $target_list" >&2
  exit 1
fi

while read -r target seeds; do
  run_dir=build/fuzz/runs/$target
  # New inputs go to a scratch corpus; the committed seeds stay untouched.
  mkdir -p "$run_dir/corpus"
  log=$run_dir/log
  echo "=== fuzzing $target for ${seconds}s (log: $log) ==="
  if ! "build/fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$run_dir/" \
      "$run_dir/corpus" "$seeds" </dev/null >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    found=$(ls -t "$run_dir"/crash-* "$run_dir"/leak-* "$run_dir"/timeout-* "$run_dir"/oom-* 2>/dev/null | head -n 1 || true)
    echo "FAILED: $target; reproduce with: build/fuzz/fuzz/$target ${found:-$run_dir/<input>}" >&2
    exit 1
  fi
  grep -E '^(Done|stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb))' "$log"
done <"$target_list"
echo "fuzzing passed"
