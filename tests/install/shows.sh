#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts PROGRAM from the root folder, as a desktop would, and checks that,
# under a virtual X server, its window shows with its TITLE and the desktop
# ENTRY's StartupWMClass as its window class and F1 opens the help on the
# first topic of the HELP-FILE installed with it; and that, under a headless
# Wayland compositor (weston 10 or 14), its window announces the entry's name
# as its application id. Each waits up to ten seconds.
#   shows.sh PROGRAM ENTRY HELP-FILE TITLE
set -euo pipefail
program=$1 entry=$2 help=$3 title=$4
log=$(mktemp -d) && chmod 700 "$log" # also the compositor's socket folder
trap 'kill $(jobs -p) 2>/dev/null || true; wait; rm -rf "$log"' EXIT
fail() { echo "$*" >&2 && exit 1; }
until10() { for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return; sleep 0.1; done; false; }

if [ "${5:-}" = x11 ]; then # the X11 part, run inside xvfb-run below
  (cd / && exec env -u QT_QPA_PLATFORM "$program") >"$log/x11.log" 2>&1 &
  until10 xdotool search --name "^$title\$" || fail "no window: $(cat "$log/x11.log")"
  window=$(xdotool search --name "^$title\$")
  class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
  [ "$class" = "$(sed -n 's/^StartupWMClass=//p' "$entry")" ] || fail "window class \"$class\""
  topic=$(sed -n 's/^# //p' "$(dirname "$program")/../share/quivalo/$help" | head -n 1)
  xdotool windowfocus --sync "$window" key F1
  until10 xdotool search --name "^$topic – Hilfe zu Quivalo\$" || fail "F1 opens no help on $topic"
  exit 0
fi
# A virtual X server that is still going away can leave the next one unable
# to start on the display xvfb-run picked; the check then runs on a new one.
for attempt in 1 2 3; do
  status=0
  xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program" "$entry" "$help" "$title" x11 \
    2>"$log/x11.err" || status=$?
  grep -q "could not connect to display" "$log/x11.err" || break
done
[ "$status" -eq 0 ] || fail "under X11: $(cat "$log/x11.err")"

backend=headless # weston 10 names its backends by module file
if weston --help 2>&1 | grep -q headless-backend.so; then backend=headless-backend.so; fi
XDG_RUNTIME_DIR=$log weston --backend="$backend" --socket=check --no-config --idle-time=0 \
  >"$log/weston.log" 2>&1 &
until10 test -S "$log/check" || fail "no Wayland compositor: $(tail -n 20 "$log/weston.log")"
(cd / && XDG_RUNTIME_DIR=$log WAYLAND_DISPLAY=check QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
  exec "$program") >"$log/wayland.log" 2>&1 &
# "xdg_toplevel@15.set_app_id(...)" by libwayland 1.21, "xdg_toplevel#15" by 1.23
appId() { sed -En 's/.*xdg_toplevel[@#][0-9]+\.set_app_id\("(.*)"\)$/\1/p' "$log/wayland.log" | head -n 1; }
until10 grep -q set_app_id "$log/wayland.log" || fail "no Wayland application id: $(tail -n 20 "$log/wayland.log")"
[ "$(appId)" = "$(basename "$entry" .desktop)" ] || fail "under Wayland the window announces \"$(appId)\""
