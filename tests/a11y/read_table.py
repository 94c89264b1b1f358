#!/usr/bin/env python3
"""Reads the table of the real program through the AT-SPI bus, as a screen
reader would: the program in its own X server and session bus, its window
found on the bus, the table's places read by name; then plays by keys sent
through the bus (flip, end the turn) and hears the focus move, the flip and
the computer's moves said.

read_table.py PROGRAM   (run by read-table.sh, inside dbus-run-session with
DISPLAY set; exit 77: skipped)
"""
import ctypes
import ctypes.util
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

try:
    import pyatspi
except ImportError:
    print("skipped: python3-pyatspi is not installed")
    sys.exit(77)


def find(node, test, depth=0):
    """The first accessible below node (itself included) that test accepts."""
    if node is None or depth > 12:
        return None
    try:
        if test(node):
            return node
        for i in range(node.childCount):
            found = find(node.getChildAtIndex(i), test, depth + 1)
            if found is not None:
                return found
    except Exception:  # an object gone while walked
        return None
    return None


SPACE, TAB, SHIFT = 65, 23, 50  # X key codes


def give_focus(title, seconds=60):
    """The keyboard's focus to the window so titled, as a window manager would
    give it to a new window; this X server has none. Tried until X says it has it."""
    x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                             ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                             ctypes.POINTER(ctypes.c_uint)]
    x.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
    x.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]
    x.XGetInputFocus.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int)]
    x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    # A window not yet mapped refuses the focus with an error, which must not end this process.
    global ignore_errors  # kept as long as X may call it
    ignore_errors = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
    x.XSetErrorHandler(ignore_errors)
    dpy = x.XOpenDisplay(None)
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        x.XQueryTree(dpy, x.XDefaultRootWindow(dpy), ctypes.byref(root), ctypes.byref(parent),
                     ctypes.byref(children), ctypes.byref(count))
        for i in range(count.value):
            name = ctypes.c_char_p()
            if x.XFetchName(dpy, children[i], ctypes.byref(name)) and name.value and name.value.startswith(title):
                x.XSetInputFocus(dpy, children[i], 2, 0)  # RevertToParent, CurrentTime
                x.XSync(dpy, 0)
                focus, revert = ctypes.c_ulong(), ctypes.c_int()
                x.XGetInputFocus(dpy, ctypes.byref(focus), ctypes.byref(revert))
                if focus.value == children[i]:
                    return
        time.sleep(0.2)
    sys.exit("the window never took the keyboard's focus")


def play_and_listen(table):
    """Keys to the table: show the focus, flip, back to the score board, end
    the turn; returns what the bus carried meanwhile."""
    heard = []

    def on_event(event):
        source = event.source
        if event.type.startswith("object:state-changed:focused") and event.detail1:
            heard.append("focused: " + (source.name or ""))
        elif event.type.startswith("object:property-change:accessible-name") and source.getRole() == pyatspi.ROLE_NOTIFICATION:
            heard.append(source.name)

    give_focus(b"Tandrel - ")
    pyatspi.Registry.registerEventListener(on_event, "object:state-changed:focused",
                                           "object:property-change:accessible-name")
    box = table.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height - 5, "abs")

    def key(code, kind=pyatspi.KEY_PRESSRELEASE):
        pyatspi.Registry.generateKeyboardEvent(code, None, kind)

    steps = [lambda: key(SPACE), lambda: key(SPACE),
             lambda: (key(SHIFT, pyatspi.KEY_PRESS), key(TAB), key(SHIFT, pyatspi.KEY_RELEASE)),
             lambda: key(SPACE)]
    from gi.repository import GLib
    started = time.monotonic()

    def next_step():
        if steps:
            steps.pop(0)()
            return True
        if "Your turn." in heard or time.monotonic() - started > 120:
            pyatspi.Registry.stop()
            return False
        return True

    GLib.timeout_add(700, next_step)
    pyatspi.Registry.start()
    return heard


def main():
    program = sys.argv[1]
    home = tempfile.mkdtemp(prefix="tandrel-a11y-")
    runtime = os.path.join(home, "run")
    os.mkdir(runtime, 0o700)
    with open(os.path.join(home, "duelpat.ini"), "w") as f:
        f.write("[Options]\nPlayer=Ann\n[Ann]\nAutoSave=1\nSound=0\nAnimate=0\n")
    shutil.copy(program, os.path.join(home, "tandrel"))  # its settings beside it
    env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", SDL_AUDIODRIVER="dummy", LANGUAGE="", LC_ALL="C.UTF-8")
    game = subprocess.Popen([os.path.join(home, "tandrel")], env=env, stderr=subprocess.DEVNULL)
    try:
        names = []
        deadline = time.monotonic() + 120
        while time.monotonic() < deadline:
            desktop = pyatspi.Registry.getDesktop(0)
            table = find(desktop, lambda a: a.name == "Card table")
            if table is not None and table.childCount >= 12:
                names = [table.getChildAtIndex(i).name for i in range(table.childCount)]
                if names[0].startswith("Your stock"):
                    break
            time.sleep(0.5)
        print("\n".join(names))
        wanted = ["Your stock", "Your waste", "Pile 1:", "Pile 4:", "Foundation 1:", "Computer's waste", "Score board:"]
        missing = [w for w in wanted if not any(n.startswith(w) for n in names)]
        if missing:
            sys.exit("not read through the bus: " + ", ".join(missing))
        heard = play_and_listen(table)
        print("\n".join(heard))
        for words in ["You flip a card.", "The computer's turn.", "Your turn."]:
            if words not in heard:
                sys.exit("not heard through the bus: " + words)
        if not any(h.startswith("The computer ") and h != "The computer's turn." for h in heard):
            sys.exit("no move of the computer heard")
        if "focused: Score board" not in " | ".join(heard):
            sys.exit("the focus was not followed to the score board")
    finally:
        game.send_signal(signal.SIGTERM)
        try:
            game.wait(30)
        except subprocess.TimeoutExpired:
            game.kill()
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    main()
