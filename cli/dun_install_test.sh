#!/usr/bin/env bash
# Installs the dun component of a build into a temporary prefix and checks
# what lands there. Usage: dun_install_test.sh BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --component dun --prefix "$prefix" >/dev/null
for file in bin/dun share/man/man1/dun.1 share/bash-completion/completions/dun; do
  [[ -f $prefix/$file ]] || { echo "not installed: $file"; exit 1; }
done
HOME=$prefix "$prefix/bin/dun" --version | grep -q '^dun (Dunra) '
