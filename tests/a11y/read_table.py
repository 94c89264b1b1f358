#!/usr/bin/env python3
"""Reads the table of the real program through the AT-SPI bus, as a screen
reader would: the program in its own X server and session bus, its window
found on the bus, the table's places read by name.

read_table.py PROGRAM   (run inside dbus-run-session; exit 77: skipped)
"""
import os
import select
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


def start_x():
    """An X server of our own on a display it picks; returns (process, ':N')."""
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-nolisten", "tcp", "-noreset"],
                              pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    number = b""
    deadline = time.monotonic() + 60
    while not number.endswith(b"\n") and time.monotonic() < deadline:
        if select.select([read], [], [], 1)[0]:
            chunk = os.read(read, 16)
            if not chunk:
                break
            number += chunk
    os.close(read)
    if not number.strip():
        server.kill()
        sys.exit("no X server came up")
    return server, ":" + number.decode().strip()


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


def main():
    program = sys.argv[1]
    home = tempfile.mkdtemp(prefix="tandrel-a11y-")
    runtime = os.path.join(home, "run")
    os.mkdir(runtime, 0o700)
    with open(os.path.join(home, "duelpat.ini"), "w") as f:
        f.write("[Options]\nPlayer=Ann\n[Ann]\nAutoSave=1\nSound=0\nAnimate=0\n")
    shutil.copy(program, os.path.join(home, "tandrel"))  # its settings beside it
    server, display = start_x()
    env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime, DISPLAY=display, QT_QPA_PLATFORM="xcb",
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
    finally:
        game.send_signal(signal.SIGTERM)
        try:
            game.wait(30)
        except subprocess.TimeoutExpired:
            game.kill()
        server.kill()
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    main()
