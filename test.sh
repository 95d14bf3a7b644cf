#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks formatting and lint, builds, and runs every
# test: the debug build (GCC), then the same tests built by clang under the
# address and undefined-behaviour sanitizers.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh test
jobs=$(nproc)

# Fast checks first. Formatting: every tracked C++ file as .clang-format says,
# by clang-format 19 on every Debian release (each version formats a few
# things its own way).
echo "== format"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-19 --dry-run -Werror
# Lint: the rules libraries and the window with the checks of .clang-tidy,
# any finding fails. clang-tidy is the release's own: it reads the release's
# C++ library, which clang-tidy 19 does not read cleanly on Debian 12.
echo "== lint"
cmake --preset debug >/dev/null
# (clang-tidy counts the warnings it suppressed in system headers on stderr;
# those count lines are dropped.)
git ls-files -z 'game/*.cpp' 'board/*.cpp' 'computer/*.cpp' 'ui/*.cpp' |
  xargs -0 -n 1 -P "$jobs" clang-tidy -p build/debug --quiet --warnings-as-errors='*' \
    --extra-arg=-Wno-unknown-warning-option 2> >(grep -v '^[0-9]* warnings\? generated\.$' >&2)
echo "== docs" && scripts/check-docs.sh  # what the README and docs/ cite exists

for preset in debug asan; do
  echo "== $preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "== $preset: test"
  ctest --preset "$preset" -j "$jobs"
done

