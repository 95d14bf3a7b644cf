#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures builds of a games benchmark side by side in one run. The binaries
# take turns, each pinned to the same core, for a number of rounds, and the
# best CPU time per game of each is kept (on a shared machine single runs
# vary). Then callgrind counts the instructions of one batch of games, which
# stays the same however busy the machine is. Ratios are to the first binary
# that runs the same benchmark.
#   bench/compare.sh [-r ROUNDS] [-c CORE] BINARY...
#   bench/compare.sh build/old/bench/quivalo-bench-rules build/bench/bench/quivalo-bench-rules
set -euo pipefail

usage() {
  echo "usage: $0 [-r ROUNDS] [-c CORE] BINARY..." >&2
  exit 2
}
rounds=7
core=1
while getopts r:c: o; do
  case $o in
    r) rounds=$OPTARG ;;
    c) core=$OPTARG ;;
    *) usage ;;
  esac
done
shift $((OPTIND - 1))
[ $# -gt 0 ] || usage
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# One line per binary and benchmark: binary, index, name, µs per game.
for ((r = 0; r < rounds; r++)); do
  i=0
  for b in "$@"; do
    taskset -c "$core" "$b" --benchmark_format=csv 2>/dev/null |
      awk -F, -v b="$b" -v i=$i '/^"/ { gsub(/"/, "", $1); print b, i, $1, 1e6 / $7 }' >>"$tmp/times"
    i=$((i + 1))
  done
done

# One batch (the "games:N" of the name) under callgrind: instructions per game.
while read -r b i name; do
  valgrind --tool=callgrind --callgrind-out-file="$tmp/cg" --toggle-collect='*BM_*' \
    "$b" --benchmark_min_time=0 --benchmark_filter="^$name\$" </dev/null >/dev/null 2>&1
  games=${name##*games:}
  echo "$b $i $name $(awk -v n="$games" '/^summary:/ { print $2 / n }' "$tmp/cg")" >>"$tmp/counts"
done < <(awk '{ print $1, $2, $3 }' "$tmp/times" | sort -u)

awk -v rounds="$rounds" '
  FNR == NR {
    k = $2 SUBSEP $3
    if (!(k in best) || $4 < best[k]) best[k] = $4
    if (!($3 in seen)) { seen[$3] = 1; names[++count] = $3 }
    next
  }
  { k = $2 SUBSEP $3; ins[k] = $4; bin[$2] = $1; if ($2 > last) last = $2 }
  END {
    printf "%-30s %-40s %12s %7s %16s %7s\n", "benchmark", "binary", "us/game", "ratio", "instructions", "ratio"
    for (j = 1; j <= count; j++) {
      n = names[j]; f = ""
      for (i = 0; i <= last; i++) {
        k = i SUBSEP n
        if (!(k in best)) continue
        if (f == "") f = k
        printf "%-30s %-40s %12.1f %7.3f %16.0f %7.3f\n", n, bin[i], best[k], best[k] / best[f], ins[k], ins[k] / ins[f]
      }
    }
    printf "(best of %d rounds on one core; instructions per game from callgrind)\n", rounds
  }' "$tmp/times" "$tmp/counts"
