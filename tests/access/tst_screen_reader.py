#!/usr/bin/env python3
"""The window as a screen reader meets it, through AT-SPI (the interface Orca reads): the demo
build starts on an X display and a D-Bus session of their own, the accessibility bus after it,
and the test walks the window's tree, connects to the virtual reader, and presses Tab (xdotool)
on each page. It prints what it met (name, role and label of each control, the Tab sequence)
and checks that every control that takes focus is named and told apart from its kind, and that
a round of Tab visits every enabled control once, in reading order.

    tst_screen_reader.py DEMO           print and check
    tst_screen_reader.py DEMO --view    print only

Runs inside on_xvfb.sh and dbus-run-session (CTest starts it so).
"""
import atexit
import os
import shutil
import subprocess
import sys
import tempfile
import time

DEMO = os.path.abspath(sys.argv[1])
VIEW_ONLY = "--view" in sys.argv[2:]
failures = []


def check(ok, what):
    print(("PASS   : " if ok else "FAIL!  : ") + what)
    if not ok:
        failures.append(what)


def wait_for(what, timeout=20.0, step=0.1):
    end = time.monotonic() + timeout
    while True:
        try:
            value = what()
        except Exception:  # the tree changes under a walk; ask again
            value = None
        if value or time.monotonic() > end:
            return value
        time.sleep(step)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=30).stdout.strip()


work = tempfile.mkdtemp(prefix="keylon2-at-spi-")
log = open(os.path.join(work, "demo.log"), "w")
# A runtime directory of its own, so the accessibility bus's socket never meets a desktop's.
env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
           KEYLON2_DEMO_KEYS="0", XDG_RUNTIME_DIR=work)
env.pop("WAYLAND_DISPLAY", None)
demo = subprocess.Popen([DEMO], cwd=work, env=env, stdout=log, stderr=subprocess.STDOUT)
bus = None


def clean_up():
    for process in (demo, bus):
        if process and process.poll() is None:
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
    log.close()
    shutil.rmtree(work, ignore_errors=True)


# Whatever ends the test, nothing it started stays behind.
atexit.register(clean_up)


def finish(code):
    if code:
        log.flush()
        with open(os.path.join(work, "demo.log")) as f:
            sys.stdout.write("--- the demo's output ---\n" + f.read())
    sys.exit(code)


# The window first, the accessibility bus after it: Qt 5 takes up a bus that comes while it
# runs, and misses one that is there already when it starts.
window_id = wait_for(lambda: xdotool("search", "--onlyvisible", "--name", "^Keylon2 Utility").split("\n")[0], 30)
if not window_id:
    print("FAIL!  : the window did not come up")
    finish(1)
bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

import pyatspi  # noqa: E402  (after the bus: it asks for its address once)

APP_NAME = os.path.basename(DEMO)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == APP_NAME:
            return app
    return None


app = wait_for(lambda: application() if application() and application().childCount else None, 30)
if not app:
    print("FAIL!  : " + APP_NAME + " is not on the accessibility bus")
    finish(1)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def fresh_tree():
    app.clear_cache()
    return list(walk(app))


def is_ancestor(candidate, node):
    node = node.parent
    while node is not None:
        if node == candidate:
            return True
        node = node.parent
    return False


def labels_of(node):
    """The names of the labels a screen reader reads for node (its enclosing group left out)."""
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() != pyatspi.RELATION_LABELLED_BY:
            continue
        for i in range(relation.getNTargets()):
            target = relation.getTarget(i)
            if target is not None and not is_ancestor(target, node):
                names.append(target.name)
    return names


class Control:
    def __init__(self, node):
        states = node.getState()
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self.role = node.getRoleName()
        self.name = node.name
        self.labels = labels_of(node)
        self.enabled = states.contains(pyatspi.STATE_ENABLED)
        # Tab enters a group of radio buttons at the one checked; arrow keys choose another.
        self.stop = self.enabled and (self.role != "radio button" or states.contains(pyatspi.STATE_CHECKED))
        self.focused = states.contains(pyatspi.STATE_FOCUSED)
        self.top, self.bottom, self.left = box.y, box.y + box.height, box.x
        self.key = (self.role, self.name, box.x, box.y, box.width, box.height)
        self.node = node

    def heard(self):
        """What names it: on Linux Qt names a combo box by its current text; its label says what it is."""
        if self.role == "combo box":
            return " ".join(self.labels)
        return self.name

    def line(self):
        labels = ", ".join('"%s"' % label for label in self.labels) or "-"
        return '  %-14s %-30s labelled by %s%s' % (self.role, '"%s"' % self.name, labels,
                                                  "" if self.enabled else "  (disabled)")


# Not stops of their own: the page tabs (arrow keys move between them once Tab is on the tab
# bar, which is named after the page shown), the entries of a combo box's list, and the frame
# around the pages, which hands its focus to the tab bar.
def is_stop(node):
    role = node.getRoleName()
    if role in ("page tab", "filler"):
        return False
    return pyatspi.findAncestor(node, lambda a: a is not None and a.getRoleName() == "combo box") is None


def controls():
    """The controls on screen that take focus, in tree order."""
    found = []
    for node in fresh_tree():
        states = node.getState()
        if states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_SHOWING) and is_stop(node):
            found.append(Control(node))
    return found


def focused():
    for node in fresh_tree():
        states = node.getState()
        if states.contains(pyatspi.STATE_FOCUSED) and states.contains(pyatspi.STATE_FOCUSABLE) and is_stop(node):
            return Control(node)
    return None


def tab_round():
    """Presses Tab until the focus comes back to a control it had; the cycle, in order."""
    seen = []
    now = wait_for(focused, 5)
    for _ in range(60):
        if now is None:
            break
        if now.key in [c.key for c in seen]:
            first = [c.key for c in seen].index(now.key)
            return seen[first:]
        seen.append(now)
        xdotool("key", "Tab")
        before = now.key
        now = wait_for(lambda: (lambda f: f if f and f.key != before else None)(focused()), 5) or focused()
    return seen


def show_view(title, found):
    print("%s: %d controls that take focus" % (title, len(found)))
    for control in found:
        print(control.line())


def show_round(cycle):
    print("  Tab: " + " > ".join('"%s"' % c.heard() if c.heard() else "[%s %s]" % (c.role, c.name) for c in cycle))


def check_view(title, found):
    missing = [c.line().strip() for c in found if not c.heard()]
    check(not missing, title + ": every control that takes focus has a name" + (": " + "; ".join(missing) if missing else ""))
    by_kind = {}
    for c in found:
        by_kind.setdefault((c.role, c.heard()), []).append(c)
    shared = ['%s "%s" x%d' % (role, name, len(cs)) for (role, name), cs in by_kind.items() if len(cs) > 1]
    check(not shared, title + ": no two controls of a kind share a name" + (": " + ", ".join(shared) if shared else ""))


def check_round(title, found, cycle, expected):
    enabled = {c.key for c in found if c.stop}
    keys = [c.key for c in cycle]
    check(len(keys) == len(set(keys)) and set(keys) == enabled,
          title + ": a round of Tab visits each of the %d enabled controls once (%d visited)" % (len(enabled), len(keys)))
    # The round as read from the first control on; the one jump up is the wrap to it.
    if cycle:
        start = min(range(len(cycle)), key=lambda i: (cycle[i].top, cycle[i].left))
        cycle = cycle[start:] + cycle[:start]
    ups = ['"%s" > "%s"' % (a.heard(), b.heard()) for a, b in zip(cycle, cycle[1:]) if b.bottom <= a.top]
    check(not ups, title + ": Tab never goes to a control wholly above the last" + (": " + ", ".join(ups) if ups else ""))
    check([c.heard() for c in cycle] == expected, title + ": the Tab sequence reads the page in order")


def find(found, role, name):
    return next((c for c in found if c.role == role and c.name == name), None)


xdotool("windowfocus", "--sync", window_id)

# Before connecting: the page is out of reach.
found = controls()
show_view("Not connected", found)
cycle = tab_round()
show_round(cycle)
check_view("Not connected", found)
check_round("Not connected", found, cycle, ["USB KB", "Connect"])

# Connect as a screen reader user does: the button's action, then the box's answer.
connect = find(found, "push button", "Connect") or (find(found, "push button", "") if VIEW_ONLY else None)
check(connect is not None, 'the connect button is called "Connect"')
if connect is None:
    finish(1)
connect.node.queryAction().doAction(0)


def read_box():
    for node in walk(app):
        if node.getRoleName() in ("alert", "dialog") and node.name == "Read Status":
            return node
    return None


box = wait_for(read_box, 20)
check(box is not None, 'connecting reads the settings and says so in a box called "Read Status"')
if box is None:
    finish(1)
texts = [n.name for n in walk(box) if n.getRoleName() == "label"]
check("Successfully obtained Keylon the set value" in texts, "the box's text is read out: %s" % texts)
yes = next((n for n in walk(box) if n.getRoleName() == "push button" and n.name == "Yes"), None)
yes.queryAction().doAction(0)

connected = wait_for(lambda: find(controls(), "push button", "Disconnect"), 10)
check(connected is not None, 'once connected the connect button is called "Disconnect"')
time.sleep(0.5 if connected else 3)

SETTINGS_ROUND = ["USB KB", "Disconnect", "Setting",
                  "PreAmble Enable", "Preamble", "Preamble ASCII code",
                  # The virtual reader's postamble and remove data switches are off: their
                  # fields are out of reach, after the connect as after a read.
                  "PostAmble Enable", "Postamble ASCII code",
                  "Remove Data Enable", "Remove ID Code Enable", "Remove data ASCII code",
                  "ID Code Auto Report", "Buzzer Enable", "Output start", "Output length", "Keyboard country",
                  "FW Update", "to Serial", "Import", "Export", "Default", "Get Status", "Set Status"]
STATUS_ROUND = ["USB KB", "Disconnect", "Status", "Output", "Clear"]

xdotool("windowfocus", "--sync", window_id)
found = controls()
show_view("Connected, the Setting page", found)
cycle = tab_round()
show_round(cycle)
check_view("Setting page", found)
check_round("Setting page", found, cycle, SETTINGS_ROUND)
combos = ['"%s": %s' % (c.name, c.labels) for c in found if c.role == "combo box"]
check(all(len(c.labels) == 1 for c in found if c.role == "combo box"),
      "each combo box is labelled by a label of its own: %s" % ", ".join(combos))

# The Status page, chosen as the screen reader chooses a page.
tab = next((n for n in walk(app) if n.getRoleName() == "page tab" and n.name == "Status"), None)
check(tab is not None, 'the page tab "Status" is there')
if tab is not None:
    tab.queryAction().doAction(0)
    wait_for(lambda: find(controls(), "push button", "Clear"), 10)
    found = controls()
    show_view("Connected, the Status page", found)
    cycle = tab_round()
    show_round(cycle)
    check_view("Status page", found)
    check_round("Status page", found, cycle, STATUS_ROUND)

# Nothing that lies under another control is announced.
hidden = [n.name for n in fresh_tree() if n.name in ("PushButton", "&Scan", "Scan", "TextLabel")
          and n.getState().contains(pyatspi.STATE_SHOWING)]
check(not hidden, "the widgets under others are not on screen for a screen reader: %s" % hidden)

if failures:
    print("FAILED: %d check(s)" % len(failures))
finish(1 if failures and not VIEW_ONLY else 0)
