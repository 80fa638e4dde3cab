#!/usr/bin/env bash
# Installs what is needed, then builds and runs every test: the normal
# build, the sanitizer build and bounded fuzz runs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

for preset in debug asan; do
  echo "=== $preset build ==="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j2
done

echo "=== fuzz runs ==="
bash scripts/fuzz.sh "${DUNRA_FUZZ_SECONDS:-60}"
echo "All tests passed."
