#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a program from the root folder under a headless Wayland compositor
# (weston) and checks that its window announces as its application id the
# name of the desktop entry given, by which Wayland desktops find the entry's
# name and icon for the window. The id is read from the Wayland requests the
# program sends (WAYLAND_DEBUG), waiting up to ten seconds.
#   wayland_app_id.sh PROGRAM DESKTOP-ENTRY
set -euo pipefail
program=$1
wanted=$(basename "$2" .desktop)
run=$(mktemp -d) # the compositor's socket folder, which must be private
chmod 700 "$run"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait; rm -rf "$run"' EXIT

# Weston 10 (Debian 12) names its backends by module file, later ones by name.
backend=headless
if weston --help 2>&1 | grep -q headless-backend.so; then backend=headless-backend.so; fi
XDG_RUNTIME_DIR=$run weston --backend="$backend" --socket=quivalo-check --no-config \
  --idle-time=0 >"$run/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  [ -S "$run/quivalo-check" ] && break
  sleep 0.1
done
: >"$run/program.log" # there before the first look below, however quick that is
(cd / && XDG_RUNTIME_DIR=$run WAYLAND_DISPLAY=quivalo-check QT_QPA_PLATFORM=wayland \
  WAYLAND_DEBUG=1 exec "$program") >"$run/program.log" 2>&1 &
pids+=($!)

for _ in $(seq 100); do
  # "xdg_toplevel@15.set_app_id(...)" by libwayland 1.21, "xdg_toplevel#15" by 1.23
  id=$(sed -En 's/.*xdg_toplevel[@#][0-9]+\.set_app_id\("(.*)"\)$/\1/p' "$run/program.log" | head -n 1)
  if [ -n "$id" ]; then
    [ "$id" = "$wanted" ] && exit 0
    echo "the window announces the application id \"$id\", the desktop entry is $wanted" >&2
    exit 1
  fi
  if ! kill -0 "${pids[1]}" 2>/dev/null; then
    grep -v '^\[' "$run/program.log" | tail -n 20 >&2
    break
  fi
  sleep 0.1
done
echo "no application id announced under Wayland" >&2
tail -n 20 "$run/weston.log" >&2
exit 1
