#!/usr/bin/env bash
# Checks that the soak still plays the same games: runs `tandrel-selfplay 2000
# L1 L2 F` for every pairing of levels and F in 1, 3, and compares each output
# with DIR/soak-<L1><L2><F>.txt saved from an earlier build: wins, stalls,
# failures and average turns, not the speed or the number of checks (a count of
# the position's looks, which differs with where they are taken).
# Usage: same-results.sh DIR [PROGRAM] [--threads N]
set -euo pipefail
dir=$1
program=${2:-build/tandrel-selfplay}
shift $(($# > 1 ? 2 : 1))
results() { grep -v '^games per second' | sed 's/, checks [0-9]*$//'; }
differ=0
for l1 in 0 1 2; do
  for l2 in 0 1 2; do
    for f in 1 3; do
      expected=$dir/soak-$l1$l2$f.txt
      if ! diff <(results < "$expected") <("$program" 2000 $l1 $l2 $f "$@" | results); then
        echo "differs: $l1 $l2 $f"
        differ=1
      fi
    done
  done
done
[ "$differ" = 0 ] && echo "all 18 soaks as before"
exit "$differ"
