#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks formatting and lint, builds, and runs every
# test: the debug build, then the same tests under the address and
# undefined-behaviour sanitizers, then a short fuzzing run.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh test
jobs=$(nproc)

# Fast checks first. Formatting: every tracked C++ file as .clang-format says.
echo "== format"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
# Lint: the rules libraries and the window with the checks of .clang-tidy,
# any finding fails.
echo "== lint"
cmake --preset debug >/dev/null
# (clang-tidy counts the warnings it suppressed in system headers on stderr;
# those count lines are dropped.)
git ls-files -z 'game/*.cpp' 'board/*.cpp' 'computer/*.cpp' 'ui/*.cpp' |
  xargs -0 -n 1 -P "$jobs" clang-tidy -p build/debug --quiet --warnings-as-errors='*' \
    --extra-arg=-Wno-unknown-warning-option 2> >(grep -v '^[0-9]* warnings\? generated\.$' >&2)

for preset in debug asan; do
  echo "== $preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "== $preset: test"
  ctest --preset "$preset" -j "$jobs"
done

# A short fuzzing run of the libFuzzer target under the sanitizers, after the
# tests above: the committed seeds are replayed, then the target fuzzes for a
# bounded time. New inputs go to a scratch folder, never into the seeds; a
# crash, a violation, a time-out or too much memory fails the script.
echo "== fuzz: build"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
echo "== fuzz: seeds"
ctest --preset fuzz
fuzz_dir=build/fuzz/run
rm -rf "$fuzz_dir"
for target in events; do
  echo "== fuzz: $target for ${QUIVALO_FUZZ_SECONDS:-30} s"
  mkdir -p "$fuzz_dir/$target" "$fuzz_dir/artifacts"
  "build/fuzz/tests/fuzz/quivalo-fuzz-$target" -max_total_time="${QUIVALO_FUZZ_SECONDS:-30}" \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$fuzz_dir/artifacts/$target-" \
    "$fuzz_dir/$target" "tests/fuzz/corpus/$target" 2>"$fuzz_dir/$target.log" ||
    { tail -n 60 "$fuzz_dir/$target.log"; echo "fuzz: $target failed"; exit 1; }
  grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units)' "$fuzz_dir/$target.log" || true
done
echo "fuzz: 1 passed, 0 failed"
