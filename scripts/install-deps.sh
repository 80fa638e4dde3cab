#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Dunra
# needs. Idempotent: returns at once when everything is present.
set -euo pipefail

packages=(
  # build
  g++ cmake ninja-build pkg-config
  # tests, fuzzing, benchmarks
  libgtest-dev libgmock-dev clang-14 libclang-rt-14-dev libbenchmark-dev
  liblz4-dev libzstd-dev
  # window
  qt6-base-dev libxkbcommon-dev fonts-dejavu-core fonts-ipafont-gothic
  # end-to-end tests under a virtual X server
  xvfb xdotool x11-utils
  # desktop integration checks
  libglib2.0-bin shared-mime-info desktop-file-utils xdg-utils
  # the manual page check
  groff-base
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
