#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plants the faults of plants.tsv one at a time, runs the test suite on each,
# and prints what caught it, so that a change of the tests can be checked:
# every fault caught before it must be caught after it.
#
#   tests/plants/run.sh [-j JOBS] [ID ...]      every plant, or those named
#
# A plant is one line: ID, file, text, the text put in its place, and a '#'
# note of the mistake, separated by tabs; in the two texts \n stands for a
# line break and \\ for a backslash. The text must occur in the file exactly
# once. For each plant the file is changed, the tests are built in
# build/plants (the debug build, warnings not fatal) and every test but the
# layer probes is run; then the file is put back. One line a plant:
#   ID  caught by: TEST ...    the tests that failed (and the Qt Test
#                              functions among them, in brackets)
#   ID  NOT CAUGHT             every test passed
#   ID  STALE                  the text is not in the file exactly once
#   ID  NO BUILD               the planted tree does not build
# Run it on a clean tree: it changes tracked files while it runs.
set -uo pipefail
cd "$(dirname "$0")/../.."
jobs=2
if [ "${1:-}" = -j ]; then jobs=$2 && shift 2; fi
list=tests/plants/plants.tsv build=build/plants
mkdir -p build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUIVALO_BUILD_TESTS=ON \
  -DQUIVALO_WERROR=OFF >"$build.log" 2>&1 || { echo "cannot configure (see $build.log)"; exit 2; }
cmake --build "$build" -j "$jobs" >>"$build.log" 2>&1 || { echo "the tree does not build"; exit 2; }

# Reads the two texts from the environment into $t and $n, escapes undone.
unescape='my ($t, $n) = map { s/\\(n|\\)/$1 eq "n" ? "\n" : "\\"/ger } @ENV{qw(TEXT NEW)};'
backup=$(mktemp) planted=
trap '[ -n "$planted" ] && cp "$backup" "$planted"; rm -f "$backup"' EXIT
# Tabs are whitespace to read, which would merge the empty field of a plant
# that deletes its text with the next; the fields are split at a separator
# that is not.
while IFS= read -r line; do
  IFS=$'\x1f' read -r id file text replacement _ <<<"${line//$'\t'/$'\x1f'}"
  [[ -z "$id" || "$id" == \#* ]] && continue
  [ $# -gt 0 ] && [[ " $* " != *" $id "* ]] && continue
  if [ "$(TEXT=$text perl -0ne "$unescape"'print scalar(() = /\Q$t\E/g)' "$file")" != 1 ]; then
    echo "$id  STALE" && continue
  fi
  cp "$file" "$backup" && planted=$file
  TEXT=$text NEW=$replacement perl -0pi -e "$unescape"'s/\Q$t\E/$n/' "$file"
  if ! cmake --build "$build" -j "$jobs" >"$build.log" 2>&1; then
    result="NO BUILD"
  else
    out=$(cd "$build" && QT_QPA_PLATFORM=offscreen ctest -E '^layers\.' -j "$jobs" \
      --timeout 300 --output-on-failure 2>&1)
    failed=$(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) .*/\1/p' <<<"$out" | tr '\n' ' ')
    # The Qt Test functions that failed, by name.
    functions=$(grep -oE 'FAIL!  : [A-Za-z]+::[A-Za-z_]+' <<<"$out" | sed 's/.*:://' | sort -u |
      tr '\n' ' ')
    result=${failed:+caught by: $failed${functions:+(in $functions)}}
  fi
  cp "$backup" "$planted" && planted=
  touch "$file"
  echo "$id  ${result:-NOT CAUGHT}"
done <"$list"
