#!/usr/bin/env python3
"""Start-up of the real program in a real window under Xvfb.

For each run: a fresh program folder, the time from starting the process to
the first painted table (the window shows the table picture), for a deal the
time to its first card on the screen (the card flying in at the table's top
left corner), the resident memory once the picture has settled, and which
audio libraries the process then has mapped.
Usage: measure_startup.py PATH/TO/tandrel [RUNS] [--floor PATH/TO/tandrel-bare-window]
Without --floor: a first start (no settings file: Game Settings opens over the
table, as on every start without Auto Save).
With --floor: a returning player with Auto Save and default settings (sound
on; the table, then the first deal) on this machine's own audio (none on a
headless one) and on SDL's dummy device, the first start, and the bare Qt
window with a menu bar, each at device pixel ratio 1 and 2 (QT_SCALE_FACTOR),
runs interleaved in a balanced order (each configuration comes right after
each other one equally often: in a fixed order a start always measured right
after the same other one came out a few milliseconds off),
medians side by side, and the budgets checked: the first
card at most 1.15 x the bare window's first paint at ratio 1 and 1.3 x at
ratio 2; resident memory at most the bare window's + 3 MB at ratio 1 and
+ 8 MB at ratio 2; no audio library mapped on a machine without audio. A first
start adds a second window (Game Settings) that the bare window has no
counterpart for, so it is shown, not budgeted. Also told: the load average,
the probe's own cost, whether the machine has audio, and how often the first
look at the painted table already showed the first card (which follows the
table by a millisecond or two: when both are drawn before the probe gets to
look, the run is the probe's, not a late table).
The probe looks at the window only when the X server reports a change (a
window made or mapped, drawing in it, through the DAMAGE extension), and
sleeps in between: polling every millisecond took about half of one of the
machine's two cores from the start it was timing.
"""
import ctypes
import ctypes.util
import glob
import os
import resource
import select
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


# The probe's arithmetic runs over whole rows at once (bytes and big integers),
# not pixel by pixel in Python: a look then costs the machine little more than
# the requests to the X server, which matters while the program it watches is
# starting on the same cores.
# Rows come as 32-bit pixels, blue, green, red and a spare byte.
BRIGHT = bytes.maketrans(bytes(range(256)), bytes(1 if b >= 0xF0 else 0 for b in range(256)))


def colour_planes(pixels):
    """The blue, green and red bytes of the pixels, a plane each."""
    end = len(pixels) // 4 * 4
    return [pixels[k:end:4] for k in range(3)]


def any_set(planes):
    """A byte per pixel: zero where every plane's byte is zero."""
    merged = 0
    for plane in planes:
        merged |= int.from_bytes(plane, "little")
    return merged.to_bytes(len(planes[0]), "little")


def all_set(planes):
    """A byte per pixel, 1 where every plane (bytes of 0 and 1) has 1."""
    merged = -1
    for plane in planes:
        merged &= int.from_bytes(plane, "little")
    return merged.to_bytes(len(planes[0]), "little")


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
    of a window costs a fraction of a millisecond, so a change is seen within
    a fraction of a millisecond of the report that it was drawn. (Starting xwd
    for each look cost tens of milliseconds.)"""
    ZPixmap, AllPlanes, IsViewable = 2, 0xFFFFFFFF, 2
    CreateNotify, PropertyChangeMask = 16, 1 << 22

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
        x.XTranslateCoordinates.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int,
                                            ctypes.c_int, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int),
                                            ctypes.POINTER(ctypes.c_ulong)]
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
        self.looks = 0  # pixel reads, counted for the probe's own cost
        self._events(x)

    def _events(self, x):
        """Between looks the probe sleeps until the X server tells it something
        changed: windows made or mapped on the root, and, with the DAMAGE
        extension, drawing in the watched window. No look is spent on a
        picture that cannot have changed."""
        x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        x.XPending.argtypes = [ctypes.c_void_p]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.fd = x.XConnectionNumber(self.dpy)
        self.event = ctypes.create_string_buffer(192)  # an XEvent
        substructure_notify = 1 << 19
        x.XSelectInput(self.dpy, self.root, substructure_notify)
        self.damage_lib = None
        try:
            d = ctypes.CDLL(ctypes.util.find_library("Xdamage") or "libXdamage.so.1")
        except OSError:
            return
        d.XDamageQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
        d.XDamageCreate.restype = ctypes.c_ulong
        d.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]
        d.XDamageSubtract.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong]
        d.XDamageDestroy.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        base, error = ctypes.c_int(), ctypes.c_int()
        if d.XDamageQueryExtension(self.dpy, ctypes.byref(base), ctypes.byref(error)):
            self.damage_lib = d

    def wait(self, timeout):
        """Until the server sends an event or timeout seconds pass; True when
        one came. Every event waiting is taken."""
        if not self.x.XPending(self.dpy):
            if not select.select([self.fd], [], [], timeout)[0]:
                return False
        came = False
        while self.x.XPending(self.dpy):
            self.x.XNextEvent(self.dpy, self.event)
            came = True
            if ctypes.c_int.from_buffer(self.event).value == self.CreateNotify:
                # Its title may come after it: that wakes the probe too.
                made = ctypes.c_ulong.from_buffer(self.event, 40).value  # XCreateWindowEvent.window
                self.x.XSelectInput(self.dpy, made, self.PropertyChangeMask)
        return came

    def watch(self, window):
        """Drawing in window from now on ends a wait; None without DAMAGE."""
        if not self.damage_lib:
            return None
        report_non_empty = 3  # one event, then none until the damage is taken
        return self.damage_lib.XDamageCreate(self.dpy, window, report_non_empty)

    def wait_for_drawing(self, damage, timeout):
        """Until window drawing is reported (or timeout), then takes the damage so
        the next drawing is reported again. Without DAMAGE: a short sleep."""
        if damage is None:
            time.sleep(min(timeout, 0.001))
            return
        self.wait(timeout)
        self.damage_lib.XDamageSubtract(self.dpy, damage, 0, 0)

    def unwatch(self, damage):
        if damage is not None:
            self.damage_lib.XDamageDestroy(self.dpy, damage)
            self.x.XSync(self.dpy, 0)

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

    def _area(self, window):
        """The window's place on the screen: left, top, width, height (zeros when it is gone)."""
        width, height = self._size(window)
        left, top, child = ctypes.c_int(), ctypes.c_int(), ctypes.c_ulong()
        if not width or not self.x.XTranslateCoordinates(self.dpy, window, self.root, 0, 0, ctypes.byref(left),
                                                         ctypes.byref(top), ctypes.byref(child)):
            return 0, 0, 0, 0
        return left.value, top.value, width, height

    def _rows(self, area, y, height, width, x=0):
        """Rows of the window as the screen shows them. Read from the root: a
        dialog over the window is what the player sees there, while the
        window's own hidden parts may read black."""
        image = self.x.XGetImage(self.dpy, self.root, area[0] + x, area[1] + y, width, height, self.AllPlanes,
                                 self.ZPixmap)
        if not image:
            return b""
        img = image.contents
        data = ctypes.string_at(img.data, img.bytes_per_line * img.height)
        img.f.destroy_image(ctypes.cast(image, ctypes.c_void_p))
        return data

    def painted_fraction(self, window):
        """Share of five rows across the window that is not black (Xvfb starts a window black)."""
        self.looks += 1
        area = self._area(window)
        width, height = area[2:]
        if width == 0 or height < 10:
            return 0.0
        pixels = b"".join(self._rows(area, height * k // 10, 1, width) for k in (1, 3, 5, 7, 9))
        count = len(pixels) // 4
        if count == 0:
            return 0.0
        return 1.0 - any_set(colour_planes(pixels)).count(0) / count

    def white_share(self, window, ratio, rows=(128, 136, 144, 152), x0=8, x1=76):
        """Share of near-white pixels in a few rows of the table where the deal's
        first card passes (table pixels; the table is the window's bottom 480
        rows, the menu bar above it): the wooden table there has none, a
        card's face is mostly white."""
        self.looks += 1
        area = self._area(window)
        if not area[2]:
            return 0.0
        top = area[3] - 480 * ratio
        pixels = b"".join(self._rows(area, top + y * ratio, 1, (x1 - x0) * ratio, x0 * ratio) for y in rows)
        count = len(pixels) // 4
        if count == 0:
            return 0.0
        return all_set([plane.translate(BRIGHT) for plane in colour_planes(pixels)]).count(1) / count

    def picture(self, window):
        area = self._area(window)
        return self._rows(area, 0, area[3], area[2]) if area[2] and area[3] else b""


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


AUDIO_LIBRARIES = ("libSDL2", "libpulse", "libasound", "libfluidsynth", "libsndfile", "libFLAC", "libvorbis",
                   "libopus", "libmpg123", "libmp3lame", "libjack", "libmodplug", "libinstpatch")


def audio_libraries(pid):
    """The audio libraries the process has mapped."""
    found = set()
    with open(f"/proc/{pid}/maps") as f:
        for line in f:
            name = os.path.basename(line.split()[-1]) if "/" in line else ""
            if name.startswith(AUDIO_LIBRARIES):
                found.add(name)
    return sorted(found)


class Run:
    """One start: first paint, resident kB, first card (None without a deal), audio libraries."""

    def __init__(self, first_paint, rss, first_card=None, audio=(), together=False, looks=0):
        self.first_paint, self.rss, self.first_card, self.audio = first_paint, rss, first_card, list(audio)
        self.together = together  # the first paint seen already showed the first card
        self.looks = looks  # the probe's looks at the window until what was timed was seen

    def __getitem__(self, i):  # (first paint, resident) as before
        return (self.first_paint, self.rss)[i]


def one_run(exe, display, ini=None, extra_env=None, ratio=1, card=False):
    """ini: the settings file to start with (none: a first start);
    extra_env: variables added to the program's environment; ratio: the
    device pixel ratio it runs at; card: watch for the deal's first card."""
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
        screen = screen_of(display)
        start = time.monotonic()
        proc = subprocess.Popen([os.path.join(folder, os.path.basename(exe))], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        first_paint = first_card = None
        window = damage = None
        looks_before = screen.looks
        try:
            # Looks only when the server says something changed: a window made
            # or mapped, then drawing in the game's window. A timeout keeps the
            # probe going should an event not come.
            while time.monotonic() - start < 20:
                window = screen.find_window("Tandrel - ")
                if window:
                    break
                screen.wait(0.02)
            if window:
                damage = screen.watch(window)
                screen.x.XSync(screen.dpy, 0)  # drawing before the watch began is seen by the first look
            while window and time.monotonic() - start < 20:
                # Most of it: a dialog over the table may show dark parts.
                if screen.painted_fraction(window) > 0.7:
                    first_paint = time.monotonic() - start
                    break
                screen.wait_for_drawing(damage, 0.02)
            if first_paint is None:
                seen = f"{screen.painted_fraction(window):.2f} of it painted" if window else "no window"
                alive = "running" if proc.poll() is None else f"ended with {proc.returncode}"
                raise SystemExit(f"the table was never painted ({seen}; the program {alive})")
            together = False
            if card:
                first_look = True
                while time.monotonic() - start < 20:
                    if screen.white_share(window, ratio) > 0.15:
                        first_card = time.monotonic() - start
                        # The table should reach the screen before the deal, not with its first card.
                        together = first_look
                        break
                    first_look = False
                    screen.wait_for_drawing(damage, 0.02)
                if first_card is None:
                    raise SystemExit("the deal's first card was never seen")
            looks = screen.looks - looks_before
            # The deal animates card by card; wait until the picture stays still.
            last, still_since = None, time.monotonic()
            while time.monotonic() - still_since < 0.6 and time.monotonic() - start < 30:
                pixels = screen.picture(window)
                if pixels != last:
                    last, still_since = pixels, time.monotonic()
                time.sleep(0.05)
            rss = resident_kb(proc.pid)
            audio = audio_libraries(proc.pid)
        finally:
            screen.unwatch(damage)
            proc.terminate()
            proc.wait(timeout=10)
            # The server drops the window a moment after the process: the next
            # run must not take it for its own.
            gone_by = time.monotonic() + 5
            while screen.find_window("Tandrel - ") and time.monotonic() < gone_by:
                time.sleep(0.005)
        return Run(first_paint, rss, first_card, audio, together, looks)
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


def machine_has_audio():
    runtime = os.environ.get("XDG_RUNTIME_DIR", f"/run/user/{os.getuid()}")
    sockets = [p for p in (f"{runtime}/pulse/native", f"{runtime}/pipewire-0", "/run/pulse/native") if os.path.exists(p)]
    return bool(glob.glob("/dev/snd/pcmC*p") or sockets or os.environ.get("PULSE_SERVER"))


def probe_cost(display, window_title="Tandrel - "):
    """What one look of the probe costs in this process, in CPU microseconds."""
    screen = screen_of(display)
    window = screen.find_window(window_title)
    if not window:
        return None
    before = resource.getrusage(resource.RUSAGE_SELF)
    for _ in range(200):
        screen.painted_fraction(window)
    after = resource.getrusage(resource.RUSAGE_SELF)
    return (after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime) / 200 * 1e6


def balanced_order(n, k):
    """Round k of a balanced Latin square (n even): over n rounds each
    configuration takes each place once and comes right after each other one
    once, so what a start leaves behind weighs on all the others alike."""
    first = [0]
    for i in range(1, n):
        first.append((i + 1) // 2 if i % 2 else n - i // 2)
    return [(x + k) % n for x in first]


def compare(exe, floor, runs):
    """The game against the floor at ratios 1 and 2, each configuration once per round."""
    dummy = {"SDL_AUDIODRIVER": "dummy"}
    no_driver = {k: v for k, v in os.environ.items() if k != "SDL_AUDIODRIVER"}
    os.environ.clear()
    os.environ.update(no_driver)  # the machine's own audio, whatever the shell had chosen
    configs = []
    for ratio in (1, 2):
        scale = {"QT_SCALE_FACTOR": str(ratio)}
        configs += [(f"game, own audio, ratio {ratio}", exe, scale, AUTO_SAVE, ratio, True),
                    (f"game, dummy device, ratio {ratio}", exe, {**scale, **dummy}, AUTO_SAVE, ratio, True),
                    (f"first start, ratio {ratio}", exe, scale, None, ratio, False),
                    (f"bare window, ratio {ratio}", floor, scale, None, ratio, False)]
    load_before = os.getloadavg()
    cpu_before = resource.getrusage(resource.RUSAGE_SELF)
    wall_before = time.monotonic()
    look = []
    by_damage = []
    failed = []

    def rounds(display):
        got = {c[0]: [] for c in configs}
        for k in range(runs):
            for name, program, env, ini, ratio, card in (configs[i] for i in balanced_order(len(configs), k)):
                try:
                    got[name].append(one_run(program, display, ini, env, ratio, card))
                except SystemExit as why:
                    print(f"{name}, round {k + 1}: {why}")
                    failed.append(name)
        # One look of the probe, timed on a window left standing.
        proc = subprocess.Popen([floor], env={**os.environ, "DISPLAY": display, "QT_QPA_PLATFORM": "xcb"},
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            for _ in range(2000):
                if screen_of(display).find_window("Tandrel - "):
                    break
                time.sleep(0.01)
            look.append(probe_cost(display))
            by_damage.append(screen_of(display).damage_lib is not None)
        finally:
            proc.terminate()
            proc.wait(timeout=10)
        return got

    got = with_xvfb(rounds)
    cpu_after = resource.getrusage(resource.RUSAGE_SELF)
    wall = time.monotonic() - wall_before
    probe_cpu = cpu_after.ru_utime + cpu_after.ru_stime - cpu_before.ru_utime - cpu_before.ru_stime
    load_after = os.getloadavg()

    medians = {}
    for name, _, _, _, _, card in configs:
        runs_ = got[name]
        t = statistics.median(r.first_paint * 1000 for r in runs_)
        c = statistics.median(r.first_card * 1000 for r in runs_) if card else None
        m = statistics.median(r.rss / 1024 for r in runs_)
        audio = sorted({lib for r in runs_ for lib in r.audio})
        medians[name] = (t, c, m, audio)
        card_text = f"first card {c:5.0f} ms" if c is not None else " " * 18
        late = sum(r.together for r in runs_)
        print(f"{name:28s} first paint {t:5.0f} ms   {card_text}   resident {m:5.1f} MB   "
              f"audio libraries {len(audio)}   (median of {runs})" +
              (f"   first look showed the card too: {late} of {runs}" if card else ""))
    has_audio = machine_has_audio()
    print(f"this machine has {'an' if has_audio else 'no'} audio server or sound card; "
          f"load average {load_before[0]:.2f} before, {load_after[0]:.2f} after ({os.cpu_count()} CPUs)")
    if look and look[0] is not None:
        looks = statistics.median(r.looks for name in got for r in got[name])
        when = ("it looks when the window is drawn, not on a clock" if by_damage[0] else
                "every millisecond: this X server has no DAMAGE")
        print(f"the probe: {look[0]:.0f} us of CPU per look at the window, {looks:.0f} looks per start (median; "
              f"{when}); the measuring process used "
              f"{probe_cpu / wall * 100:.0f}% of a CPU over the {wall:.0f} s")
    failures = []
    for ratio, time_budget, memory_budget in ((1, 1.15, 3), (2, 1.3, 8)):
        floor_paint, _, floor_rss, _ = medians[f"bare window, ratio {ratio}"]
        for audio in ("own audio", "dummy device"):
            name = f"game, {audio}, ratio {ratio}"
            t, c, m, libs = medians[name]
            print(f"{name}: first paint {t / floor_paint:.2f} x the floor, first card {c / floor_paint:.2f} x "
                  f"(budget {time_budget}), resident {m - floor_rss:+.1f} MB (budget +{memory_budget})")
            if c > time_budget * floor_paint:
                failures.append(f"{name}: first card over budget")
            if m - floor_rss > memory_budget:
                failures.append(f"{name}: memory over budget")
            if audio == "own audio" and not has_audio and libs:
                failures.append(f"{name}: audio libraries mapped without audio: {', '.join(libs)}")
        first = medians[f"first start, ratio {ratio}"]
        print(f"first start, ratio {ratio}: first paint {first[0] / floor_paint:.2f} x the floor, "
              f"resident {first[2] - floor_rss:+.1f} MB")
    failures += [f"{name}: a start not seen through" for name in failed]
    print("within every budget" if not failures else "OVER BUDGET: " + "; ".join(failures))
    return not failures


def main():
    exe = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    if "--floor" in sys.argv:
        ok = compare(exe, os.path.abspath(sys.argv[sys.argv.index("--floor") + 1]), runs)
        sys.exit(0 if ok else 1)
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
