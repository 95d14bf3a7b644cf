#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages a task needs, if any of them are missing. Needs
# root (or sudo) only when it installs. Every name here exists on Debian 12
# and 13 alike. Formatting uses clang-format 19, which both releases have, so
# both format alike; clang-tidy is the release's own (14 or 19).
#   scripts/deps.sh run     building and playing the game (./run.sh)
#   scripts/deps.sh bench   the above, and the benchmarks
#   scripts/deps.sh test    everything: the above, tests, sanitizers,
#                           formatting and lint (./test.sh)
set -euo pipefail

run=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n
  fonts-liberation fonts-liberation2 fonts-dejavu-core
)
# The window's figures are measured on an X server (Xvfb, through xvfb-run);
# instructions are counted by valgrind.
bench=(libbenchmark-dev valgrind xvfb xauth)
# (file: CPack's scan of the program's libraries; weston and qt6-wayland: the
# install check's Wayland window.)
test=(
  libgtest-dev libgmock-dev
  xvfb xauth x11-utils xdotool weston qt6-wayland
  clang libclang-rt-dev valgrind clang-format-19 clang-tidy
  desktop-file-utils appstream file
)

case "${1:-}" in
  run) packages=("${run[@]}") ;;
  bench) packages=("${run[@]}" "${bench[@]}") ;;
  test) packages=("${run[@]}" "${bench[@]}" "${test[@]}") ;;
  *)
    echo "usage: $0 run|bench|test" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
