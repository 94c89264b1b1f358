#!/usr/bin/env bash
# Regenerates the default sounds and tune beside the program (assets/beside)
# with tools/make_sounds; with --check, only compares fresh output with them.
# The output is the same byte for byte on every run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
WITH_ASSET_TOOLS=1 bash "$root/scripts/setup.sh"

fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
bash "$root/tools/make_sounds/make_effects.sh" "$fresh"
python3 "$root/tools/make_sounds/make_rag.py" "$fresh/rag.mid"

if [ "${1:-}" = --check ]; then
  status=0
  for f in "$fresh"/*; do
    cmp -s "$f" "$root/assets/beside/$(basename "$f")" || { echo "differs: $(basename "$f")"; status=1; }
  done
  [ $status -eq 0 ] && echo "sounds: all $(ls "$fresh" | wc -l) files match"
  exit $status
fi
cp "$fresh"/* "$root/assets/beside/"
