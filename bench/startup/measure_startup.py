#!/usr/bin/env python3
"""Start-up of the real program in a real window under Xvfb.

For each run: a fresh program folder, the time from starting the process to
the first painted table (the window shows the table picture), and the resident
memory once the picture has settled.
Usage: measure_startup.py PATH/TO/tandrel [RUNS] [--floor PATH/TO/tandrel-bare-window]
Without --floor: a first start (no settings file: Game Settings opens over the
table, as on every start without Auto Save).
With --floor: a returning player with Auto Save (the table, then the first
deal), the first start, and the bare Qt window with a menu bar, each at device
pixel ratio 1 and 2 (QT_SCALE_FACTOR), runs interleaved, medians side by side.
The budgets compare the returning player with the bare window: a first start
adds a second window (Game Settings) that the bare window has no counterpart for.
"""
import ctypes
import ctypes.util
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def free_display():
    for n in range(91, 120):
        if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"):
            return f":{n}"
    raise SystemExit("no free X display number")


class XImageFuncs(ctypes.Structure):
    _fields_ = [("create_image", ctypes.c_void_p),
                ("destroy_image", ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p))]


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int),
                ("red_mask", ctypes.c_ulong), ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong),
                ("obdata", ctypes.c_void_p), ("f", XImageFuncs)]


class Screen:
    """The X server seen through Xlib in this process: asking it for a few rows
    of a window costs a fraction of a millisecond, so the first paint is seen
    within about a millisecond and the probe takes little from the program it
    watches. (Starting xwd for each look cost tens of milliseconds.)"""
    ZPixmap, AllPlanes, IsViewable = 2, 0xFFFFFFFF, 2

    def __init__(self, display):
        x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                 ctypes.POINTER(ctypes.c_uint)]
        x.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long,
                                         ctypes.c_long, ctypes.c_int, ctypes.c_ulong,
                                         ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
                                         ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
                                         ctypes.POINTER(ctypes.c_void_p)]
        x.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong)] + \
            [ctypes.POINTER(ctypes.c_int)] * 2 + [ctypes.POINTER(ctypes.c_uint)] * 4
        x.XGetImage.restype = ctypes.POINTER(XImage)
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x.XFree.argtypes = [ctypes.c_void_p]
        self.x = x
        # A window that goes away between two requests is no reason to stop.
        self._ignore = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
        x.XSetErrorHandler(self._ignore)
        self.dpy = x.XOpenDisplay(display.encode())
        if not self.dpy:
            raise SystemExit(f"cannot open display {display}")
        self.root = x.XDefaultRootWindow(self.dpy)
        self.net_wm_name = x.XInternAtom(self.dpy, b"_NET_WM_NAME", 0)

    def _title(self, window):
        kind, fmt, count, after, data = (ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong(),
                                         ctypes.c_void_p())
        if self.x.XGetWindowProperty(self.dpy, window, self.net_wm_name, 0, 256, 0, 0, ctypes.byref(kind),
                                     ctypes.byref(fmt), ctypes.byref(count), ctypes.byref(after),
                                     ctypes.byref(data)) != 0 or not data:
            return ""
        title = ctypes.string_at(data, count.value).decode("utf-8", "replace")
        self.x.XFree(data)
        return title

    def find_window(self, prefix):
        root, parent, children, n = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.x.XQueryTree(self.dpy, self.root, ctypes.byref(root), ctypes.byref(parent),
                                 ctypes.byref(children), ctypes.byref(n)):
            return None
        found = next((children[i] for i in range(n.value) if self._title(children[i]).startswith(prefix)), None)
        if children:
            self.x.XFree(children)
        return found

    def _size(self, window):
        root, pos, dims = ctypes.c_ulong(), [ctypes.c_int() for _ in range(2)], [ctypes.c_uint() for _ in range(4)]
        if not self.x.XGetGeometry(self.dpy, window, ctypes.byref(root), *map(ctypes.byref, pos),
                                   *map(ctypes.byref, dims)):
            return 0, 0
        return dims[0].value, dims[1].value

    def _rows(self, window, y, height, width):
        image = self.x.XGetImage(self.dpy, window, 0, y, width, height, self.AllPlanes, self.ZPixmap)
        if not image:
            return b""
        img = image.contents
        data = ctypes.string_at(img.data, img.bytes_per_line * img.height)
        img.f.destroy_image(ctypes.cast(image, ctypes.c_void_p))
        return data

    def painted_fraction(self, window):
        """Share of five rows across the window that is not black (Xvfb starts a window black)."""
        width, height = self._size(window)
        if width == 0 or height < 10:
            return 0.0
        pixels = b"".join(self._rows(window, height * k // 10, 1, width) for k in (1, 3, 5, 7, 9))
        words = memoryview(pixels).cast("I") if len(pixels) % 4 == 0 else memoryview(b"")
        if len(words) == 0:
            return 0.0
        black = sum(1 for w in words if w & 0xFFFFFF == 0)
        return 1.0 - black / len(words)

    def picture(self, window):
        width, height = self._size(window)
        return self._rows(window, 0, height, width) if width and height else b""


_screens = {}


def screen_of(display):
    if display not in _screens:
        _screens[display] = Screen(display)
    return _screens[display]


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
        screen = screen_of(display)
        first_paint = None
        window = None
        try:
            while time.monotonic() - start < 20:
                window = window or screen.find_window("Tandrel - ")
                # Most of it: a dialog over the table may show dark parts.
                if window and screen.painted_fraction(window) > 0.7:
                    first_paint = time.monotonic() - start
                    break
                time.sleep(0.001)
            if first_paint is None:
                raise SystemExit("the table was never painted")
            # The deal animates card by card; wait until the picture stays still.
            last, still_since = None, time.monotonic()
            while time.monotonic() - still_since < 0.6 and time.monotonic() - start < 30:
                pixels = screen.picture(window)
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


AUTO_SAVE = "[Options]\nPlayer=Bench\n[Bench]\nAutoSave=1\n"


def compare(exe, floor, runs):
    """The game against the floor at ratios 1 and 2, each configuration once per round."""
    ratio2 = {"QT_SCALE_FACTOR": "2"}
    configs = [("game, ratio 1", exe, {}, AUTO_SAVE), ("game, ratio 2", exe, ratio2, AUTO_SAVE),
               ("first start, ratio 1", exe, {}, None), ("first start, ratio 2", exe, ratio2, None),
               ("bare window, ratio 1", floor, {}, None), ("bare window, ratio 2", floor, ratio2, None)]

    def rounds(display):
        got = {name: [] for name, _, _, _ in configs}
        for _ in range(runs):
            for name, program, env, ini in configs:
                got[name].append(one_run(program, display, ini, env))
        return got

    got = with_xvfb(rounds)
    medians = {}
    for name, _, _, _ in configs:
        t = statistics.median(r[0] * 1000 for r in got[name])
        m = statistics.median(r[1] / 1024 for r in got[name])
        medians[name] = (t, m)
        print(f"{name:22s} first paint {t:5.0f} ms   resident {m:5.1f} MB   (median of {runs})")
    f1 = medians["bare window, ratio 1"]
    for who in ("game", "first start"):
        g1, g2 = medians[f"{who}, ratio 1"], medians[f"{who}, ratio 2"]
        print(f"{who}/floor at ratio 1: {g1[0] / f1[0]:.2f} x the start, {g1[1] - f1[1]:+.1f} MB; "
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
