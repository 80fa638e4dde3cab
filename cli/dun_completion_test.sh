#!/usr/bin/env bash
# Checks the bash completion of dun in a temporary folder.
# Usage: dun_completion_test.sh COMPLETION_FILE
set -euo pipefail
completion=$(realpath "$1")
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
touch a.txt b.dun C.DUN
mkdir sub

source "$completion"
failed=0
expect() {  # expect "WANTED" WORD...
  local wanted=$1
  shift
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMPREPLY=()
  _dun
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd' ')
  if [[ $got != "$wanted" ]]; then
    echo "FAIL: '$*' completed to '$got', wanted '$wanted'"
    failed=1
  fi
}

expect "C.DUN a.txt b.dun sub" dun ""
expect "C.DUN b.dun sub" dun -d ""
expect "C.DUN b.dun sub" dun -vt a.txt ""
expect "C.DUN a.txt b.dun sub" dun -- -d ""
expect "C.DUN a.txt b.dun sub" dun -d -o ""
expect "C.DUN a.txt b.dun sub" dun -d --output = ""
expect "--decompress" dun --de
expect "--output" dun --ou
exit $failed
