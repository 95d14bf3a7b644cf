#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that what the README and docs/ cite exists: each path in backticks
# is tracked; each name in backticks (a test, a function, a widget) stands in
# a tracked file or in CTest's list; each preset, build target, script, label
# and `scripts/deps.sh` task exists. Needs the debug build configured
# (./test.sh runs it after the lint).
set -euo pipefail
cd "$(dirname "$0")/.."
docs=$(git ls-files '*.md')
tests=$(ctest --preset debug -N | sed -n 's/^ *Test *#[0-9]*: //p')
fail() { echo "check-docs: $*" >&2 && exit 1; }
known() { git grep -qF -- "$1" -- ':!*.md' || grep -qF -- "$1" <<<"$tests"; }
grep -ho '`[^`]*`' $docs | tr -d '`' | grep -v ' ' | sort -u | while IFS= read -r t; do
  if [[ "$t" == */* || "$t" == .[a-z]* ]]; then  # build and install folders are not tracked
    [[ "$t" =~ ^(/|(build|bin|share|\.\.)/) ]] || git ls-files -- "${t%/}" | grep -q . ||
      fail "no such path: $t"
  elif [[ "$t" =~ ^(-D)?[A-Za-z_][A-Za-z0-9_.:()+=-]*(\*|…)?$ && "$t" != *NAME* ]]; then
    n=${t#-D} && n=${n%%=*} && n=${n%…} && n=${n%\*}
    [[ "$n" == *'('* || "$n" == *::* ]] && n=${n//()/} && n=${n##*[.:]}  # a member's own name
    # "HausBlau1" may be one of a numbered family, named in the code without its number.
    known "$n" || known "${n%%[0-9]*}" || fail "no such name: $t"
  fi
done
grep -hoE -e '--(preset|target) [a-z0-9_.-]+|-L [a-z]+|\./[a-z-]+\.sh|quivalo-[a-z-]+' \
  -e '(scripts|tests)/[a-z_/-]+\.sh( [a-z]+)?' $docs | sort -u | while read -r kind what; do
  case "$kind" in
    --preset) grep -q "\"name\": \"$what\"" CMakePresets.json || fail "no such preset: $what" ;;
    --target) kind=$what ;&
    quivalo-*) git grep -qE "add_executable\($kind[ )]" -- '*CMakeLists.txt' ||
      fail "no such target: $kind" ;;
    -L) git grep -qE "LABELS $what\b" -- '*CMakeLists.txt' || fail "no such label: $what" ;;
    *) [[ -x "$kind" ]] || fail "no such script: $kind"
      [[ "$kind" != scripts/deps.sh || -z "$what" ]] || grep -qE "^  $what\)" "$kind" ||
        fail "no such task: $kind $what" ;;
  esac
done
