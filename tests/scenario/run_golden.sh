#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the scenario tool TOOL on NAME.scn. Its standard output must be NAME.out
# exactly (nothing, where there is no NAME.out: a table whose cases all hold
# prints nothing); if NAME.err exists, its standard error must be that file and its
# exit status 2, else nothing and 0. A difference is shown as a diff.
set -u
tool=$1 scenario=$2
golden=${scenario%.scn}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
"$tool" "$scenario" >"$work/out" 2>"$work/err" || status=$?
output=$golden.out errors=/dev/null wanted=0
[ -e "$output" ] || output=/dev/null
if [ -e "$golden.err" ]; then errors=$golden.err wanted=2; fi
diff -u "$output" "$work/out" && diff -u "$errors" "$work/err" &&
  { [ "$status" -eq "$wanted" ] || { echo "exit status $status, expected $wanted"; exit 1; }; }
