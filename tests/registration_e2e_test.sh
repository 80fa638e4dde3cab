#!/usr/bin/env bash
# End to end: after one start of the real program, a ".dun" file is known
# to the desktop as Dunra's type and the desktop opens it with Dunra, which
# extracts it. Everything happens in a home and XDG folders of the test's
# own; the program runs offscreen.
# Usage: registration_e2e_test.sh path/to/dunra
set -euo pipefail
dunra=$(readlink -f "$1")
for tool in gio xdg-mime update-mime-database update-desktop-database; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (scripts/install-deps.sh)"; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -m 0700 "$work/home" "$work/runtime" "$work/config" "$work/cache" "$work/files"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config \
  XDG_CACHE_HOME=$work/cache XDG_DATA_HOME=$work/home/.local/share \
  XDG_DATA_DIRS=/usr/local/share:/usr/share XDG_CONFIG_DIRS=/etc/xdg \
  QT_QPA_PLATFORM=offscreen GIO_USE_VFS=local
unset DBUS_SESSION_BUS_ADDRESS XDG_CURRENT_DESKTOP DESKTOP_SESSION WAYLAND_DISPLAY DISPLAY
data=$XDG_DATA_HOME

source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
fail() { echo "registration e2e: $*"; cat "$work/dunra.log" 2>/dev/null || true; exit 1; }

# One start, with a file to compress: the registration comes first.
printf 'ABBBBC' >"$work/files/Report 1998.txt"
"$dunra" "$work/files/Report 1998.txt" >"$work/dunra.log" 2>&1 &
pids+=($!)
wait_for 300 test -s "$work/files/Report 1998.dun" || fail "the start compressed nothing"
kill "${pids[0]}"

registry=$data/dunra/registry.reg
folder=$(dirname "$dunra")
grep -qxF '@="DUN_auto_file"' "$registry" || fail "no .dun class in $registry"
grep -qxF "@=\"\\\"$dunra\\\" \\\"%1\\\"\"" "$registry" || fail "no open command for $dunra"
grep -qxF "@=\"$folder/dun.ico,0\"" "$registry" || fail "no icon location"
[ -s "$folder/dun.ico" ] || fail "no dun.ico beside the program"

type=$(gio info -a standard::content-type "$work/files/Report 1998.dun" |
  sed -n 's/^ *standard::content-type: //p')
[ "$type" = application/x-dunra-compressed ] || fail "content type is '$type'"
[ "$(xdg-mime query default "$type")" = dunra.desktop ] || fail "xdg-mime names another default"
default=$(gio mime "$type")  # whole, before grep: grep -q may close the pipe early
grep -qF ": dunra.desktop" <<<"$default" || fail "gio names another default: $default"

# The desktop opens it: Dunra starts with the file and extracts it.
rm "$work/files/Report 1998.txt"
gio open "$work/files/Report 1998.dun"
wait_for 300 test -s "$work/files/Report 1998.txt" || fail "opening the .dun file extracted nothing"
[ "$(cat "$work/files/Report 1998.txt")" = ABBBBC ] || fail "the extracted file differs"
# The instance the desktop started is ours to end: the one holding our file.
for pid in $(pgrep -f -- "$work/files/Report 1998.dun" || true); do pids+=("$pid"); done
echo "registration e2e: .dun is Dunra's type and opens with Dunra"
