#!/usr/bin/env bash
# Installs what is needed, builds a release and starts Dunra, optionally
# with one file to compress (or, for a ".dun" file, to extract) at start.
# Usage: bash scripts/run.sh [file]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# The program starts in the caller's folder, so a relative file name works.
cd "$root"
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target dunra
program=$root/build/release/app/dunra
cd "$OLDPWD"

no_display() {
  echo "Dunra is a window program and needs a graphical display: $1" >&2
  echo "Run this from a desktop session, or over ssh -X." >&2
  exit 1
}
# Dunra draws through X11 (XWayland on a Wayland desktop); QT_QPA_PLATFORM
# chooses another way.
if [ -z "${QT_QPA_PLATFORM:-}" ]; then
  if [ -z "${DISPLAY:-}" ]; then
    no_display "DISPLAY is not set."
  elif ! xdpyinfo >/dev/null 2>&1; then
    no_display "the X display '$DISPLAY' cannot be reached."
  fi
fi
exec "$program" "$@"
