#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The rules are three layers: game/ (state and turn cycle), board/ (moves) on
# top of it, computer/ (computer players, the whole game) on top of those. None
# of them uses Qt. Fails, naming the line, if a file of a layer includes a
# header of a layer above it, of the window or tools, or of Qt.
# Usage: check_layers.sh SOURCE_DIR
set -u
root=${1:?source folder}
status=0
check() {
  folder=$1
  forbidden=$2
  if found=$(grep -EnH "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]((\.\./)*($forbidden)/|Q[A-Za-z]*[>/]|qt)" \
    "$root/$folder"/*.h "$root/$folder"/*.cpp); then
    echo "$found"
    echo "$folder/ includes a header it must not use"
    status=1
  fi
}
check game 'board|computer|ui|tools|assets|tests'
check board 'computer|ui|tools|assets|tests'
check computer 'ui|tools|assets|tests'
[ "$status" -eq 0 ] && echo "layers: game/ < board/ < computer/, no Qt"
exit "$status"
