#!/usr/bin/env python3
"""Start-up of the real program in a real window under Xvfb.

For each run: a fresh program folder (so the first preset deal is dealt), the
time from starting the process to the first painted table (the window shows
the table picture), and the resident memory once the deal has settled.
Usage: measure_startup.py PATH/TO/tandrel [RUNS] [--floor PATH/TO/tandrel-bare-window]
With --floor: the game and the bare Qt window with a menu bar, each at device
pixel ratio 1 and 2 (QT_SCALE_FACTOR), runs interleaved, medians side by side.
"""
import os
import shutil
import statistics
import struct
import subprocess
import sys
import tempfile
import time


def free_display():
    for n in range(91, 120):
        if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"):
            return f":{n}"
    raise SystemExit("no free X display number")


def find_window(display):
    out = subprocess.run(["xwininfo", "-root", "-tree"], env={**os.environ, "DISPLAY": display},
                         capture_output=True, text=True).stdout
    for line in out.splitlines():
        if '"Tandrel - ' in line:
            return line.split()[0]
    return None


def painted_fraction(display, window):
    """Share of the window's pixels that are not black (Xvfb starts a window black)."""
    raw = subprocess.run(["xwd", "-silent", "-id", window], env={**os.environ, "DISPLAY": display},
                         capture_output=True).stdout
    if len(raw) < 100:
        return 0.0, b""
    fields = struct.unpack(">25I", raw[:100])
    header_size, ncolors, bits_per_pixel = fields[0], fields[19], fields[11]
    pixels = raw[header_size + 12 * ncolors:]
    step = max(1, bits_per_pixel // 8)
    total = len(pixels) // step
    if total == 0:
        return 0.0, b""
    black = pixels.count(b"\x00" * step) if step == 1 else sum(
        1 for i in range(0, len(pixels) - step + 1, step * 16) if pixels[i:i + 3] == b"\x00\x00\x00") * 16
    return 1.0 - min(black, total) / total, pixels


def resident_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def one_run(exe, display, ini=None, extra_env=None):
    """ini: the settings file to start with (none: a first start);
    extra_env: variables added to the program's environment."""
    folder = tempfile.mkdtemp(prefix="tandrel-start-")
    try:
        shutil.copy(exe, folder)
        for name in os.listdir(os.path.dirname(exe)):
            if name.startswith("back7") or name.endswith((".wav", ".mid")):
                shutil.copy(os.path.join(os.path.dirname(exe), name), folder)
        if ini is not None:
            with open(os.path.join(folder, "duelpat.ini"), "w") as f:
                f.write(ini)
        env = {**os.environ, "DISPLAY": display, "QT_QPA_PLATFORM": "xcb", **(extra_env or {})}
        start = time.monotonic()
        proc = subprocess.Popen([os.path.join(folder, os.path.basename(exe))], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        first_paint = None
        window = None
        try:
            while time.monotonic() - start < 20:
                window = window or find_window(display)
                if window:
                    share, _ = painted_fraction(display, window)
                    # Most of it: a dialog over the table may show dark parts.
                    if share > 0.7:
                        first_paint = time.monotonic() - start
                        break
            if first_paint is None:
                raise SystemExit("the table was never painted")
            # The deal animates card by card; wait until the picture stays still.
            last, still_since = None, time.monotonic()
            while time.monotonic() - still_since < 0.6 and time.monotonic() - start < 30:
                _, pixels = painted_fraction(display, window)
                if pixels != last:
                    last, still_since = pixels, time.monotonic()
                time.sleep(0.05)
            rss = resident_kb(proc.pid)
        finally:
            proc.terminate()
            proc.wait(timeout=10)
        return first_paint, rss
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def with_xvfb(work):
    """Runs work(display) with a fresh Xvfb on a free display."""
    display = free_display()
    # Room for the window at ratio 2 too.
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "2048x1536x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        # Wait for the server itself, however loaded the machine is.
        for _ in range(100):
            if subprocess.run(["xdpyinfo"], env={**os.environ, "DISPLAY": display},
                              capture_output=True).returncode == 0:
                break
            time.sleep(0.1)
        return work(display)
    finally:
        xvfb.terminate()
        xvfb.wait()


def compare(exe, floor, runs):
    """The game against the floor at ratios 1 and 2, each configuration once per round."""
    configs = [("game, ratio 1", exe, {}), ("game, ratio 2", exe, {"QT_SCALE_FACTOR": "2"}),
               ("bare window, ratio 1", floor, {}), ("bare window, ratio 2", floor, {"QT_SCALE_FACTOR": "2"})]

    def rounds(display):
        got = {name: [] for name, _, _ in configs}
        for _ in range(runs):
            for name, program, env in configs:
                got[name].append(one_run(program, display, extra_env=env))
        return got

    got = with_xvfb(rounds)
    medians = {}
    for name, _, _ in configs:
        t = statistics.median(r[0] * 1000 for r in got[name])
        m = statistics.median(r[1] / 1024 for r in got[name])
        medians[name] = (t, m)
        print(f"{name:22s} first paint {t:5.0f} ms   resident {m:5.1f} MB   (median of {runs})")
    g1, g2, f1 = medians["game, ratio 1"], medians["game, ratio 2"], medians["bare window, ratio 1"]
    print(f"game/floor at ratio 1: {g1[0] / f1[0]:.2f} x the start, {g1[1] - f1[1]:+.1f} MB; "
          f"ratio 2 over ratio 1: {g2[0] - g1[0]:+.0f} ms, {g2[1] - g1[1]:+.1f} MB")


def main():
    exe = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    if "--floor" in sys.argv:
        compare(exe, os.path.abspath(sys.argv[sys.argv.index("--floor") + 1]), runs)
        return
    results = with_xvfb(lambda display: [one_run(exe, display) for _ in range(runs)])
    times = [t * 1000 for t, _ in results]
    rss = [r / 1024 for _, r in results]
    for i, (t, r) in enumerate(zip(times, rss), 1):
        print(f"run {i}: first painted table {t:.0f} ms, resident after the deal {r:.1f} MB")
    print(f"start to first painted table: median {statistics.median(times):.0f} ms "
          f"(min {min(times):.0f}, max {max(times):.0f}); resident memory after the deal: "
          f"median {statistics.median(rss):.1f} MB")


if __name__ == "__main__":
    main()
