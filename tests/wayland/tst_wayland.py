#!/usr/bin/env python3
"""The window on Wayland: the demo build runs natively (QT_QPA_PLATFORM=wayland) on a headless
weston of its own, connects to the virtual reader and reads its settings; the compositor's
screenshot must show the window whole, exactly as the window drew itself, wherever the
compositor put it, and the window must name itself org.keylon2.Utility (its app id).

    tst_wayland.py DEMO [SCREENSHOT]    SCREENSHOT: where to keep the compositor's picture
"""
import atexit
import glob
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image

DEMO = os.path.abspath(sys.argv[1])
KEEP = sys.argv[2] if len(sys.argv) > 2 else None
APP_ID = "org.keylon2.Utility"
failures = []


def check(ok, what):
    print(("PASS   : " if ok else "FAIL!  : ") + what)
    if not ok:
        failures.append(what)


def wait_for(what, timeout):
    end = time.monotonic() + timeout
    while not what():
        if time.monotonic() > end:
            return False
        time.sleep(0.1)
    return True


runtime = tempfile.mkdtemp(prefix="keylon2-wayland-")
os.chmod(runtime, 0o700)
socket = "keylon2-test"
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET")}
env.update(XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY=socket)
weston_log = os.path.join(runtime, "weston.log")
# --debug opens the screenshot protocol; the proto scope logs each request a client makes, so
# the compositor's own record says what the window called itself.
weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--use-pixman", "--debug",
                           "--socket=" + socket, "--width=1024", "--height=768", "--idle-time=0",
                           "--log=" + weston_log, "--logger-scopes=log,proto"],
                          env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
demo = None


def clean_up():
    for process in (demo, weston):
        if process and process.poll() is None:
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
    shutil.rmtree(runtime, ignore_errors=True)


# Whatever ends the test, nothing it started stays behind.
atexit.register(clean_up)


def finish():
    if failures:
        with open(weston_log, errors="replace") as f:
            lines = [line for line in f if "[proto]" not in line]
        sys.stdout.write("--- weston's log ---\n" + "".join(lines[-30:]))
    sys.exit(1 if failures else 0)


if not wait_for(lambda: os.path.exists(os.path.join(runtime, socket)), 30):
    check(False, "weston started")
    finish()

drawn = os.path.join(runtime, "drawn.png")
demo = subprocess.Popen([DEMO], cwd=runtime, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                        env=dict(env, QT_QPA_PLATFORM="wayland", KEYLON2_DEMO_KEYS="0",
                                 KEYLON2_DEMO_SCREENSHOT=drawn, KEYLON2_DEMO_STAY="1"))
said = b""
saved = ("saved %s\n" % drawn).encode()
deadline = time.monotonic() + 60
while saved not in said and time.monotonic() < deadline:
    if select.select([demo.stdout], [], [], 0.5)[0]:
        chunk = os.read(demo.stdout.fileno(), 4096)
        if not chunk:
            break
        said += chunk
check(saved in said, "the demo connected to the virtual reader on Wayland and drew its window")
if failures:
    sys.stdout.write("--- the demo's output ---\n" + said.decode(errors="replace"))
    finish()

# Let the compositor show the last frame the window committed.
time.sleep(1)
subprocess.run(["weston-screenshooter"], cwd=runtime, env=env, timeout=60,
               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
shots = glob.glob(os.path.join(runtime, "wayland-screenshot-*.png"))
check(len(shots) == 1, "weston-screenshooter took the screen")
if not shots:
    finish()
if KEEP:
    shutil.copyfile(shots[0], KEEP)


def find_window(screen, window):
    """Where window's picture lies whole in screen's, or None. Any place will do: a row of the
    window with many colours is looked for in each row of the screen, and each place where it
    is found is compared whole."""
    sw, sh = screen.size
    ww, wh = window.size
    spix, wpix = screen.tobytes(), window.tobytes()
    rows = [wpix[y * ww * 3:(y + 1) * ww * 3] for y in range(wh)]
    key = max(range(wh), key=lambda y: len(set(rows[y][i:i + 3] for i in range(0, len(rows[y]), 3))))
    for sy in range(key, sh - (wh - key) + 1):
        line = spix[sy * sw * 3:(sy + 1) * sw * 3]
        at = line.find(rows[key])
        while at != -1:
            if at % 3 == 0 and at // 3 + ww <= sw:
                x, top = at // 3, sy - key
                if all(spix[((top + y) * sw + x) * 3:((top + y) * sw + x + ww) * 3] == rows[y] for y in range(wh)):
                    return x, top
            at = line.find(rows[key], at + 1)
    return None


screen = Image.open(shots[0]).convert("RGB")
window = Image.open(drawn).convert("RGB")
check(window.size == (591, 451), "the window is 591 x 451 (%d x %d)" % window.size)
place = find_window(screen, window)
check(place is not None, "the compositor shows the whole window, pixel for pixel as it drew itself"
      + (" (at %d, %d on the %d x %d screen)" % (place + screen.size) if place else ""))

with open(weston_log, errors="replace") as f:
    log = f.read()
check('set_app_id("%s")' % APP_ID in log, "the window names itself %s" % APP_ID)
check('set_title("Keylon2 Utility V1.0.0")' in log, "its title is the window's")
finish()
