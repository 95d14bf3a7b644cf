#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a program from the root folder under a virtual X server and waits up
# to ten seconds for a window titled "Quivalo !!!"; then ends the program.
set -euo pipefail
program=$1
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  cd /
  env -u QT_QPA_PLATFORM "$0" >/tmp/quivalo-window-shows.log 2>&1 &
  pid=$!
  for _ in $(seq 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q "\"Quivalo !!!\""; then
      kill "$pid"
      wait "$pid" 2>/dev/null || true
      exit 0
    fi
    kill -0 "$pid" 2>/dev/null || { cat /tmp/quivalo-window-shows.log >&2; exit 1; }
    sleep 0.1
  done
  kill "$pid"
  exit 1
' "$program"
