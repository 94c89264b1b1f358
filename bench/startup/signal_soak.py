#!/usr/bin/env python3
"""Starts the game again and again and ends each start with a random exit
signal at a random moment of its first two seconds, then checks what it left:
the exit status and the settings file (whole, the statistics and the saved
game as they were before the start).

Each start runs on the offscreen platform from a folder of its own (which then
holds its settings), for a returning player with Auto Save, whose game the
first start stores.
Usage: signal_soak.py PATH/TO/tandrel [STARTS] [SEED]
"""
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SETTINGS = "[Options]\nPlayer=Soak\n[Soak]\nAutoSave=1\nSound=0\nWin=5\nLoss=7\n"
SIGNALS = [signal.SIGTERM, signal.SIGHUP, signal.SIGINT]


def read_profile(path):
    """The file's sections and keys; None when a line is neither."""
    sections, current = {}, None
    with open(path, encoding="utf-8", errors="strict") as f:
        for line in f.read().splitlines():
            if not line.strip() or line.startswith(";"):
                continue
            if line.startswith("[") and line.endswith("]"):
                current = sections.setdefault(line[1:-1].lower(), {})
            elif "=" in line and current is not None:
                key, value = line.split("=", 1)
                current[key.strip().lower()] = value.strip()
            else:
                return None
    return sections


def stacks(pid):
    """Where a process's threads are, when gdb is there to ask."""
    if not shutil.which("gdb"):
        return "(no gdb)"
    out = subprocess.run(["gdb", "-batch", "-p", str(pid), "-ex", "thread apply all bt 25"],
                         capture_output=True, text=True, timeout=120)
    return "\n".join(line for line in out.stdout.splitlines() if line.startswith(("#", "Thread")))


def main():
    # A shell that starts this in the background makes it ignore SIGINT, and the
    # starts would inherit that: they get the signals' own dispositions instead.
    for sig in SIGNALS:
        signal.signal(sig, signal.SIG_DFL)
    exe = os.path.abspath(sys.argv[1])
    starts = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 1)
    folder = tempfile.mkdtemp(prefix="tandrel-soak-")
    program = os.path.join(folder, "tandrel")
    shutil.copy2(exe, program)
    runtime = os.path.join(folder, "run")
    os.mkdir(runtime, 0o700)
    env = {"HOME": folder, "PATH": "/usr/bin:/bin", "XDG_RUNTIME_DIR": runtime,
           "QT_QPA_PLATFORM": "offscreen", "DISPLAY": ":79", "SDL_AUDIODRIVER": "dummy"}
    ini = os.path.join(folder, "duelpat.ini")
    with open(ini, "w") as f:
        f.write(SETTINGS)

    def start():
        return subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    # The first start deals and, ended, stores the game the others restore.
    p = start()
    while not os.path.exists(os.path.join(folder, "gamesdealt")):
        time.sleep(0.05)
    time.sleep(1)
    p.send_signal(signal.SIGTERM)
    p.wait(timeout=60)
    expected = read_profile(ini)["soak"]
    assert expected.get("save1"), "the first start stored no game"

    statuses, damaged, before_code = {}, 0, 0
    begun = time.monotonic()
    for n in range(starts):
        before = open(ini, "rb").read()
        p = start()
        delay, sig = rng.uniform(0, 2), rng.choice(SIGNALS)
        time.sleep(delay)
        p.send_signal(sig)
        try:
            status = p.wait(timeout=60)
        except subprocess.TimeoutExpired:
            print(f"start {n}: {sig.name} after {delay * 1000:.0f} ms left it running:\n{stacks(p.pid)}", flush=True)
            p.kill()
            status = "hung"
        statuses[status] = statuses.get(status, 0) + 1
        after = read_profile(ini)
        whole = after is not None and all(after.get("soak", {}).get(k) == expected[k]
                                          for k in ("win", "loss", "save1"))
        if status != 0 and isinstance(status, int) and status < 0 and open(ini, "rb").read() == before:
            before_code += 1  # killed while still being loaded: nothing written
        if not whole:
            damaged += 1
            print(f"start {n}: status {status}, the file changed", flush=True)
    seconds = time.monotonic() - begun
    shutil.rmtree(folder, ignore_errors=True)
    print(f"{starts} starts in {seconds:.0f} s; exit statuses: {statuses}; "
          f"ended by the signal before the program's code ran: {before_code}; files damaged: {damaged}")
    return 0 if damaged == 0 and set(statuses) <= {0, -signal.SIGTERM, -signal.SIGHUP, -signal.SIGINT} else 1


if __name__ == "__main__":
    sys.exit(main())
