#!/usr/bin/env bash
# End to end: starts the real program under a virtual X server with one file
# name, relative to its current folder, as its argument (behind one of the
# toolkit's own options, which must not count), waits for the compressed
# file, closes the window the way a person would by clicking its Exit
# button, and checks the output's bytes and the exit status. A virtual X
# server has no window manager, so the window keeps its own position and
# nothing honours Alt+F4.
# Usage: e2e_test.sh path/to/dunra
set -euo pipefail
dunra=$1
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (scripts/install-deps.sh)"; exit 1; }
done

work=$(mktemp -d)
xvfb_pid= dunra_pid=
cleanup() {
  [ -n "$dunra_pid" ] && kill "$dunra_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A home and XDG folders of the test's own.
mkdir -m 0700 "$work/home" "$work/runtime" "$work/config" "$work/data"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
# The program registers its file type under the data folder at every start.
export XDG_DATA_HOME=$work/home/.local/share XDG_CACHE_HOME=$work/home/.cache
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" \
  2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 100 test -s "$work/display" || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")

printf 'ABBBBC' >"$work/data/x.txt"
# A name relative to the current folder, as a person types it.
(cd "$work/data" && exec "$dunra" -style Fusion x.txt) >"$work/dunra.log" 2>&1 &
dunra_pid=$!

wait_for 600 test -s "$work/data/x.dun" || { echo "no x.dun appeared"; cat "$work/dunra.log"; exit 1; }
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Dunra$' | head -n1)
[ -n "$window" ] || { echo "no window titled Dunra"; exit 1; }

# The Exit button spans client pixels 168..241 x 8..33. A click that comes
# before the program handles its first events is clicked again.
closed=
for attempt in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove --window "$window" 204 20 click 1 2>/dev/null || true
  if wait_for 30 eval '! kill -0 "$dunra_pid" 2>/dev/null'; then closed=1; break; fi
done
[ -n "$closed" ] || { echo "the window did not close on Exit"; exit 1; }
status=0
wait "$dunra_pid" || status=$?
dunra_pid=
[ "$status" -eq 0 ] || { echo "exit status $status"; cat "$work/dunra.log"; exit 1; }

expected=$(printf '\x06\x00\x00\x0a\x00txt\x82\x1fABC' | od -An -tx1)
actual=$(od -An -tx1 "$work/data/x.dun")
[ "$actual" = "$expected" ] || { echo "x.dun holds$actual, expected$expected"; exit 1; }
echo "e2e: compressed at start, closed by its Exit button, status 0"
