#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Counts the non-blank, non-comment lines of C++ (.cpp, .h) tracked in the
# repository. Tests are everything that exists to check the program: all of
# tests/ (unit and window tests, soak, fuzz targets, monkey and their support
# library with the consistency check). Code is everything else (game, board,
# computer, ui, tools, benchmarks). Prints both and tests per line of code.
#
#   scripts/count-lines.sh            totals and the ratio
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
test_files=$(grep '^tests/' <<<"$files" || true)
code_files=$(grep -v '^tests/' <<<"$files" || true)
tests=$(count $test_files)
code=$(count $code_files)

if [[ "${1:-}" == "-v" ]]; then
  for dir in $(sed 's|/[^/]*$||' <<<"$files" | sort -u); do
    printf '%6d  %s\n' "$(count $(grep "^$dir/[^/]*$" <<<"$files"))" "$dir"
  done
fi
printf 'tests %d, code %d, tests per line of code %s\n' "$tests" "$code" \
  "$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.2f", t / c }')"
