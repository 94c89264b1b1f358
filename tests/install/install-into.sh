#!/usr/bin/env bash
# Installs the built tree into a prefix of its own, afresh, as a player's
# `cmake --install` would: the fixture of the tests of the installed game.
#   install-into.sh BUILD_DIR PREFIX
set -euo pipefail
build=$1 prefix=$2
rm -rf "$prefix"
log=$(cmake --install "$build" --prefix "$prefix" 2>&1) || { echo "$log"; exit 1; }
for f in games/tandrel bin/tandrel share/tandrel/back7.bmp share/tandrel/handbook/index.html; do
  [ -e "$prefix/$f" ] || { echo "FAIL: the install lacks $f" >&2; exit 1; }
done
echo "installed into $prefix"
