#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Counts the non-blank, non-comment lines of the tracked text files, in every
# language and format.
# - Tests: every line that exists only to check the program, whatever its
#   format: everything under tests/ (C++, every CMakeLists.txt and CMake
#   script, shell, scenario commands, tables, expected outputs, usage texts,
#   the planted faults), the test command test.sh and the CI script that
#   calls it.
# - Code: the program's and the picture generator's C++ and CMake.
# - Benchmarks (bench/) on a line of their own, beside the check that the
#   docs cite what exists (it checks the docs, not the program); binary
#   goldens (screenshots) named beside, by their number.
# Comments are lines of C++ comments (// and /* */) in C++ and '#' lines in
# CMake, shell, scenario and table files; every other non-blank line counts.
#
#   scripts/count-lines.sh            the totals
#   scripts/count-lines.sh -v         also the count of each folder
set -euo pipefail
cd "$(dirname "$0")/.."

# Non-blank lines outside // and /* */ comments (a line with code before a
# comment counts).
count_cpp() {
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
    END { print n + 0 }' /dev/null "$@" </dev/null
}
# Non-blank lines that are not a '#' comment.
count_hash() { cat /dev/null "$@" | grep -cvE '^[[:space:]]*(#|$)' || true; }
# Non-blank lines (expected outputs and texts have no comments).
count_text() { cat /dev/null "$@" | grep -cvE '^[[:space:]]*$' || true; }

# The lines of the files named on stdin, one path a line, each by the rules of
# its format.
count() {
  local files cpp hash text
  files=$(cat)
  cpp=$(grep -E '\.(cpp|h|h\.in)$' <<<"$files" || true)
  hash=$(grep -E '(^|/)CMakeLists\.txt$|\.(cmake|sh|scn|tsv|supp)$|^\.ci/run$' <<<"$files" || true)
  text=$(grep -vE '\.(cpp|h|h\.in|cmake|sh|scn|tsv|supp)$|(^|/)CMakeLists\.txt$|^\.ci/run$' <<<"$files" || true)
  local IFS=$'\n'
  # shellcheck disable=SC2086
  echo $(($(count_cpp $cpp) + $(count_hash $hash) + $(count_text $text)))
}

# Tracked text files (git grep -I leaves binary files out).
text_files() { git grep -I -l '' -- "$@" || true; }
tests_files=$(text_files tests test.sh .ci/run)
bench_files=$(text_files bench)
code_files=$(text_files '*.cpp' '*.h' '*.cmake' '*CMakeLists.txt' |
  grep -vE '^(tests|bench)/' || true)
tests=$(count <<<"$tests_files")
code=$(count <<<"$code_files")
bench=$(count <<<"$bench_files")
screenshots=$(git ls-files 'tests/*.png' | wc -l)

if [[ "${1:-}" == "-v" ]]; then
  all=$(printf '%s\n' "$tests_files" "$code_files" "$bench_files")
  for dir in $(awk '{ sub(/\/[^\/]*$/, "") || $0 = "." } 1' <<<"$all" | sort -u); do
    if [ "$dir" = . ]; then
      printf '%6d  %s\n' "$(grep -E '^[^/]*$' <<<"$all" | count)" "(top)"
    else
      printf '%6d  %s\n' "$(grep "^$dir/[^/]*$" <<<"$all" | count)" "$dir"
    fi
  done
fi
printf 'tests %d, code %d, tests per line of code %s\n' "$tests" "$code" \
  "$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.2f", t / c }')"
printf 'benchmarks %d, docs check %d; binary goldens: %d screenshots\n' "$bench" \
  "$(count_hash scripts/check-docs.sh)" "$screenshots"
