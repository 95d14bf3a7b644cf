#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Counts the non-blank, non-comment lines of the tracked sources, in every
# language. Tests are every line that exists only to check the program: the
# C++ under tests/ (the window, help and rules tests, the scenario tool, the
# support library), the CMake and shell scripts under tests/ that run checks
# (not the CMakeLists.txt that only register tests), and the test command
# test.sh with the CI script that calls it. Code is the program and its
# picture generator. The benchmarks (bench/) measure and are counted on their
# own line, with the check that the docs cite what exists (it checks the
# docs, not the program). Beside them, the data the tests read: the golden
# scenarios and the golden screenshots.
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
    END { print n + 0 }' "$@" </dev/null
}
# Non-blank lines that are not a '#' comment (shell and CMake).
count_script() { cat /dev/null "$@" | grep -cvE '^[[:space:]]*(#|$)' || true; }

# The count of the tracked files among "$@" (one path a line on stdin picks
# them): C++ by its own rules, scripts by theirs.
count() {
  local files cpp scripts
  files=$(cat)
  cpp=$(grep -E '\.(cpp|h)$' <<<"$files" || true)
  scripts=$(grep -E '\.(sh|cmake)$|^\.ci/run$' <<<"$files" || true)
  # shellcheck disable=SC2086
  echo $(($(count_cpp $cpp) + $(count_script $scripts)))
}

files=$(git ls-files '*.cpp' '*.h' 'tests/*.sh' 'tests/*.cmake' 'bench/*.sh' test.sh .ci/run)
tests=$(grep -E '^tests/|^test\.sh$|^\.ci/run$' <<<"$files" | count)
bench=$(grep -E '^bench/' <<<"$files" | count)
code=$(grep -Ev '^tests/|^test\.sh$|^\.ci/run$|^bench/' <<<"$files" | count)
# Lines of data files that are neither blank nor a '#' comment.
data() { git ls-files -z "$@" | xargs -0 -r cat | grep -cvE '^[[:space:]]*(#|$)' || true; }
scenarios=$(data '*.scn')
outputs=$(data '*.out' '*.err')
screenshots=$(git ls-files 'tests/*.png' | wc -l)

if [[ "${1:-}" == "-v" ]]; then
  for dir in $(awk '{ sub(/\/[^\/]*$/, "") || $0 = "." } 1' <<<"$files" | sort -u); do
    if [ "$dir" = . ]; then
      printf '%6d  %s\n' "$(grep -E '^[^/]*$' <<<"$files" | count)" "(top)"
    else
      printf '%6d  %s\n' "$(grep "^$dir/[^/]*$" <<<"$files" | count)" "$dir"
    fi
  done
fi
printf 'tests %d, code %d, tests per line of code %s\n' "$tests" "$code" \
  "$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.2f", t / c }')"
printf 'benchmarks %d, docs check %d\n' "$bench" "$(count_script scripts/check-docs.sh)"
printf 'data: golden scenarios %d lines of commands and %d of expected output, %d golden screenshots\n' \
  "$scenarios" "$outputs" "$screenshots"
