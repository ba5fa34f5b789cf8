#!/usr/bin/env python3
"""The station, end to end: keylon2ctl-demo apply FILE --watch on virtual readers plugged in
through the plug directory (KEYLON2_VIRTUAL_PLUG_DIR), as an operator plugs them, with its
metrics file on (--metrics), as the systemd unit runs it.

    bench_station.py KEYLON2CTL_DEMO [RUNS]

Pick-up: 2 * RUNS readers (at least 10) are plugged in one after another, each at a random
moment once the one before is done; the time from the file's creation to the station's
"DEVICE: applying" line on standard error (goals: median 0.5 s, worst 1 s). Idle: with those
readers attached and done, the process's CPU time (all its threads, from /proc/PID/task/*/schedstat) over the wall
time in spells of 4 s: the share of one core that waiting costs (goal: 0.2 %). At once: in a station of its
own, 1 reader and then 16 readers plugged in together (at a random moment of the cycle), each
differing from the file (read, write, save, read back); the time from the first file's creation
to the last reader's result line on standard output, RUNS times each.

Prints "figure KEY UNIT MEDIAN LIMIT RUNS MIN MAX WHAT" lines, as scripts/bench.sh reads them,
and "note ..." lines.
"""
import os
import queue
import random
import signal
import subprocess
import sys
import tempfile
import threading
import time

SITE = "[KEYLON]\nBuzzer=0\nPostEnable=1\nPost=[CR]\nOutputLength=10\n"
TIMEOUT = 30


class Station:
    """keylon2ctl-demo apply --watch on the plug directory; its lines with the time they came."""

    def __init__(self, ctl, site, plug_dir):
        env = dict(os.environ, KEYLON2_VIRTUAL_PLUG_DIR=plug_dir)
        metrics = os.path.join(os.path.dirname(plug_dir), os.path.basename(plug_dir) + ".prom")
        self.process = subprocess.Popen([ctl, "apply", site, "--watch", "--metrics", metrics],
                                        stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env)
        self.out = queue.Queue()
        self.err = queue.Queue()
        for stream, lines in ((self.process.stdout, self.out), (self.process.stderr, self.err)):
            threading.Thread(target=self._read, args=(stream, lines), daemon=True).start()
        self.how = "?"

        def waiting(line):
            if line.startswith("waiting for readers"):
                # "waiting for readers to be plugged in (changes in /dev, DIR); Ctrl-C ends"
                self.how = line[line.find("(") + 1:line.rfind(")")].replace(plug_dir, "the plug directory")
                return True
            return False
        self.wait_for(self.err, waiting)

    @staticmethod
    def _read(stream, lines):
        for raw in stream:
            lines.put((time.monotonic(), raw.decode(errors="replace").rstrip("\n")))

    @staticmethod
    def wait_for(lines, wanted):
        """The time of the next line that `wanted` takes."""
        end = time.monotonic() + TIMEOUT
        while True:
            try:
                when, line = lines.get(timeout=max(0.01, end - time.monotonic()))
            except queue.Empty:
                raise SystemExit("bench_station: no line came in time")
            if wanted(line):
                return when

    def cpu_seconds(self):
        total = 0
        task_dir = f"/proc/{self.process.pid}/task"
        for task in os.listdir(task_dir):
            try:
                with open(f"{task_dir}/{task}/schedstat") as f:
                    total += int(f.read().split()[0])
            except (OSError, ValueError, IndexError):
                pass  # a thread that ended meanwhile
        return total / 1e9

    def end(self):
        self.process.send_signal(signal.SIGINT)
        try:
            code = self.process.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            self.process.kill()
            raise SystemExit("bench_station: the station did not end at SIGINT")
        if code not in (0, 1):
            raise SystemExit(f"bench_station: the station ended with {code}")


def plug(plug_dir, number):
    with open(os.path.join(plug_dir, f"hid-{number}"), "w"):
        pass


def device(number):
    return f"hid:/dev/virtual-hidraw{number}"


def figure(key, unit, values, limit, what):
    values = sorted(values)
    median = values[(len(values) - 1) // 2]
    print(f"figure {key} {unit} {median:.3f} {limit:g} {len(values)} {values[0]:.3f} {values[-1]:.3f} {what}",
          flush=True)


def at_once(ctl, site, work, count, runs):
    """Plug to the last result line, `count` readers plugged in together, in RUNS fresh stations."""
    times = []
    for run in range(runs):
        plug_dir = tempfile.mkdtemp(dir=work)
        station = Station(ctl, site, plug_dir)
        time.sleep(random.uniform(0, 1))
        start = time.monotonic()
        for number in range(1, count + 1):
            plug(plug_dir, number)
        last = start
        for _ in range(count):
            last = station.wait_for(station.out, lambda line: line.startswith("hid:"))
        times.append((last - start) * 1000)
        station.end()
    return times


def main():
    ctl = sys.argv[1]
    runs = max(1, int(sys.argv[2])) if len(sys.argv) > 2 else 5
    with tempfile.TemporaryDirectory() as work:
        site = os.path.join(work, "site.cfg")
        with open(site, "w") as f:
            f.write(SITE)

        plug_dir = os.path.join(work, "plug")
        os.mkdir(plug_dir)
        station = Station(ctl, site, plug_dir)
        pickups = []
        for number in range(1, max(10, 2 * runs) + 1):
            time.sleep(random.uniform(0, 1))
            start = time.monotonic()
            plug(plug_dir, number)
            picked = station.wait_for(station.err, lambda line: line == device(number) + ": applying")
            pickups.append((picked - start) * 1000)
            station.wait_for(station.out, lambda line: line.startswith(device(number) + " "))
        how = station.how
        figure("station.pickup", "ms", pickups, 500,
               f"apply --watch: reader plugged in to taken up (median; {how})")
        print(f"figure station.pickup.worst ms {max(pickups):.3f} 1000 1 {max(pickups):.3f} {max(pickups):.3f} "
              f"apply --watch: reader plugged in to taken up (worst of {len(pickups)}; {how})", flush=True)

        time.sleep(1)
        shares = []
        for _ in range(runs):
            wall = time.monotonic()
            cpu = station.cpu_seconds()
            time.sleep(4)
            shares.append((station.cpu_seconds() - cpu) / (time.monotonic() - wall) * 100)
        figure("station.idle", "%", shares, 0.2,
               f"apply --watch waiting, {len(pickups)} readers attached: CPU (% of one core; {how})")
        station.end()

        one = at_once(ctl, site, work, 1, runs)
        figure("station.all.1", "ms", one, 2700, "apply --watch: 1 reader plugged in, to its result line")
        sixteen = at_once(ctl, site, work, 16, runs)
        figure("station.all.16", "ms", sixteen, sorted(one)[(len(one) - 1) // 2],
               "apply --watch: 16 readers plugged in at once, to the last result line")
    if not os.path.exists("/run/udev/control"):
        print("note station: udev does not run here (no /run/udev/control): the station watches /dev and the "
              "plug directory (inotify), and virtual readers raise no udev events anyway", flush=True)


if __name__ == "__main__":
    main()
