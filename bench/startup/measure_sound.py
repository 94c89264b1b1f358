#!/usr/bin/env python3
"""What sound costs at start-up: the same program started with sound off, with
sound on and music off, and with music playing, runs interleaved.

For each: the time from starting the process to the first painted table and
the resident memory once the deal has settled, and the difference from sound
off. "dummy" is SDL's silent audio device, which always opens; "own" is
whatever audio this machine has (none at all on a headless one).
Usage: measure_sound.py PATH/TO/tandrel [RUNS]
"""
import os
import statistics
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from measure_startup import one_run, with_xvfb  # noqa: E402

SETTINGS = "[Options]\nPlayer=Bench\n[Bench]\nAutoSave=1\nSound={sound}\nPlayMIDI={music}\n"
CONFIGS = [
    ("sound off", SETTINGS.format(sound=0, music=0), {}),
    ("sound on, music off (dummy device)", SETTINGS.format(sound=1, music=0), {"SDL_AUDIODRIVER": "dummy"}),
    ("sound on, music off (own audio)", SETTINGS.format(sound=1, music=0), {}),
    ("sound on, music playing (dummy device)", SETTINGS.format(sound=1, music=1), {"SDL_AUDIODRIVER": "dummy"}),
]


def main():
    exe = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7

    def measure(display):
        results = {name: [] for name, _, _ in CONFIGS}
        for _ in range(runs):
            for name, ini, env in CONFIGS:
                try:
                    results[name].append(one_run(exe, display, ini, env))
                except SystemExit as why:
                    print(f"{name}: {why}")
        return results

    results = with_xvfb(measure)
    base_t = base_m = None
    for name, _, _ in CONFIGS:
        t = statistics.median(r[0] for r in results[name]) * 1000
        m = statistics.median(r[1] for r in results[name]) / 1024
        if base_t is None:
            base_t, base_m = t, m
        print(f"{name:40s} first painted table {t:6.0f} ms ({t - base_t:+4.0f}), "
              f"resident after the deal {m:6.1f} MB ({m - base_m:+5.1f})")


if __name__ == "__main__":
    main()
