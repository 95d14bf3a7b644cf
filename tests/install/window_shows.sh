#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a program from the root folder under a virtual X server and waits up
# to ten seconds for a window titled "Quivalo !!!"; then ends the program.
# Given a desktop entry too, checks that the window's class (the second string
# of WM_CLASS) is the entry's StartupWMClass, by which docks match the two.
set -euo pipefail
program=$1
entry=${2:-}
# A virtual X server that is still going away can leave the next one unable to
# start on the display number xvfb-run picked; the program then cannot
# connect, and the check is tried again on a new server.
for attempt in 1 2 3; do
  status=0
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  cd /
  env -u QT_QPA_PLATFORM "$0" >/tmp/quivalo-window-shows.log 2>&1 &
  pid=$!
  for _ in $(seq 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q "\"Quivalo !!!\""; then
      status=0
      if [ -n "$1" ]; then
        class=$(xprop -name "Quivalo !!!" WM_CLASS | sed -n "s/^WM_CLASS(STRING) = \"[^\"]*\", \"\([^\"]*\)\"$/\1/p")
        wanted=$(sed -n "s/^StartupWMClass=//p" "$1")
        if [ -z "$class" ] || [ "$class" != "$wanted" ]; then
          echo "window class \"$class\", desktop entry StartupWMClass \"$wanted\"" >&2
          status=1
        fi
      fi
      kill "$pid"
      wait "$pid" 2>/dev/null || true
      exit "$status"
    fi
    kill -0 "$pid" 2>/dev/null || { cat /tmp/quivalo-window-shows.log >&2; exit 1; }
    sleep 0.1
  done
  kill "$pid"
  exit 1
' "$program" "$entry" || status=$?
  if [ "$status" -eq 0 ] || ! grep -q "could not connect to display" /tmp/quivalo-window-shows.log; then
    exit "$status"
  fi
  echo "no X server on attempt $attempt, trying again" >&2
  sleep 1
done
exit 1
