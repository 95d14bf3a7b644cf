#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and running need if it is missing, builds the game
# (no tests, no benchmarks) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh run
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/ui/quivalo "$@"
