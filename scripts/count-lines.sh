#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Counts the non-blank, non-comment lines of C++ (.cpp, .h) tracked in the
# repository. Tests are everything that exists to check the program, all of
# tests/: unit and window tests, the soak, the scenario tool that runs the
# golden scenarios, and their support library with the consistency check.
# Benchmarks (bench/) measure and are
# counted on their own line. Code is everything else: the program and its
# picture generator. Prints tests, code and tests per line of code, then the
# benchmarks, and beside the C++ the lines of the golden scenarios and the
# tables of worked examples, which are data.
#
#   scripts/count-lines.sh            the totals
#   scripts/count-lines.sh -v         also the count of each folder
set -euo pipefail
cd "$(dirname "$0")/.."

# Non-blank lines outside // and /* */ comments (a line with code before a
# comment counts).
count() {
  awk '
    {
      line = $0; code = 0
      while (length(line) > 0) {
        if (inblock) {
          end = index(line, "*/")
          if (end == 0) { line = ""; break }
          line = substr(line, end + 2); inblock = 0; continue
        }
        sub(/^[ \t\r]+/, "", line)
        if (line == "" || substr(line, 1, 2) == "//") break
        if (substr(line, 1, 2) == "/*") { inblock = 1; line = substr(line, 3); continue }
        code = 1; break
      }
      n += code
    }
    END { print n + 0 }' "$@" </dev/null
}

files=$(git ls-files '*.cpp' '*.h')
is_test='^tests/'
test_files=$(grep -E "$is_test" <<<"$files" || true)
bench_files=$(grep '^bench/' <<<"$files" || true)
code_files=$(grep -Ev "$is_test|^bench/" <<<"$files" || true)
tests=$(count $test_files)
code=$(count $code_files)
bench=$(count $bench_files)
# Lines of data files that are neither blank nor a '#' comment.
data() { git ls-files -z "$@" | xargs -0 -r cat | grep -cvE '^[[:space:]]*(#|$)' || true; }
scenarios=$(data '*.scn')
outputs=$(data '*.out' '*.err')
tables=$(data 'tests/*.txt' ':!:*CMakeLists.txt')

if [[ "${1:-}" == "-v" ]]; then
  for dir in $(sed 's|/[^/]*$||' <<<"$files" | sort -u); do
    printf '%6d  %s\n' "$(count $(grep "^$dir/[^/]*$" <<<"$files"))" "$dir"
  done
fi
printf 'tests %d, code %d, tests per line of code %s\n' "$tests" "$code" \
  "$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.2f", t / c }')"
printf 'benchmarks %d\n' "$bench"
printf 'data: golden scenarios %d lines of commands and %d of expected output, tables %d rows\n' \
  "$scenarios" "$outputs" "$tables"
