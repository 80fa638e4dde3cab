#!/usr/bin/env bash
# Installs what is needed, builds a release and runs the codec benchmark.
# Extra arguments go to the benchmark (e.g. --benchmark_filter=text/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target codec_bench codec_sweep
build/release/bench/codec_bench --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true "$@"
