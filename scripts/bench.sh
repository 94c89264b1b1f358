#!/usr/bin/env bash
# Builds a Release tree and runs every benchmark: table drawing, start-up of the
# real program under Xvfb with sound off and on, the engine's self-play soak and the store fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
WITH_BENCH_TOOLS=1 bash scripts/setup.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTANDREL_GUI=ON >/dev/null
cmake --build build-bench -j"$(nproc)" --target tandrel tandrel-bare-window bench_render bench_sound tandrel-selfplay tandrel-fuzz-store

echo "== Table drawing (640 x 480, offscreen, at art scales 1 and 2)"
build-bench/bench/bench_render

echo "== Sound: the device, an effect, the first start of the tune"
TANDREL_SOUNDS=build-bench build-bench/bench/bench_sound

echo "== Start-up of the real program under Xvfb"
python3 bench/startup/measure_startup.py build-bench/tandrel 7

echo "== Start-up against a bare Qt window with a menu bar, at ratios 1 and 2: the first card, memory, audio libraries"
python3 bench/startup/measure_startup.py build-bench/tandrel 64 --floor build-bench/tandrel-bare-window || echo "(over budget)"

echo "== What sound costs at start-up (medians of 7 runs each)"
python3 bench/startup/measure_sound.py build-bench/tandrel 7

echo "== Self-play soak: a million games, four pairings of levels"
for pair in "2 0" "0 2" "1 1" "2 2"; do
  build-bench/tandrel-selfplay 250000 $pair
done

echo "== Store fuzzer: a million cases"
build-bench/tandrel-fuzz-store 1000000

echo "== Exit signals at random moments of the first two seconds: a thousand starts"
python3 bench/startup/signal_soak.py build-bench/tandrel 1000
