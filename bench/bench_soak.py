#!/usr/bin/env python3
"""A station's long run: keylon2ctl-demo apply FILE --watch while virtual readers are plugged in
and pulled out, cycle after cycle, through the plug directory (KEYLON2_VIRTUAL_PLUG_DIR).

    bench_soak.py KEYLON2CTL_DEMO [--cycles N] [--at-once K] [--sample-every S] [--figures]

A cycle plugs a reader in factory state (an empty file hid-N: it differs from the site file, so
it is read, written, saved and read back), waits for its result line, and pulls it out; K cycles
run at once. Every S cycles (and at the end) the plugging pauses until every reader under way is
done and pulled out and the station has seen it go, and the station's open descriptors
(/proc/PID/fd), threads and resident memory (VmRSS) are taken.

It holds when every plug gave exactly one result line, "changed", and the figures at the first
sample and at the end are equal: the same descriptors and threads, resident memory within 1 MiB.
Exit status 0 when it holds, 1 when not (the reason on standard error), 2 on a usage error.
With --figures it prints "figure ..." and "note ..." lines as scripts/bench.sh reads them.
"""
import argparse
import collections
import os
import queue
import signal
import subprocess
import sys
import tempfile
import threading
import time

SITE = "[KEYLON]\nBuzzer=0\nPostEnable=1\nPost=[CR]\nOutputLength=10\n"
TIMEOUT = 60          # for any one line the station owes
RSS_SLACK_KIB = 1024  # resident memory may move this much between the samples
# A number pulled out is plugged in again only after this long: the stand-in notices a pulled
# reader at its next look (the listing that the removal causes), and a file removed and made
# again between two looks is no replug.
REUSE_AFTER = 1.0


class Station:
    def __init__(self, ctl, site, plug_dir):
        env = dict(os.environ, KEYLON2_VIRTUAL_PLUG_DIR=plug_dir)
        env.pop("KEYLON2_VIRTUAL_HID_READERS", None)
        self.process = subprocess.Popen([ctl, "apply", site, "--watch"], stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, env=env)
        self.out = queue.Queue()
        self.err = []
        threading.Thread(target=self._read, args=(self.process.stdout, self.out.put), daemon=True).start()
        waiting = threading.Event()

        def note_err(line):
            self.err.append(line)
            if line.startswith("waiting for readers"):
                waiting.set()
        threading.Thread(target=self._read, args=(self.process.stderr, note_err), daemon=True).start()
        if not waiting.wait(TIMEOUT):
            self.fail("the station did not start waiting")

    @staticmethod
    def _read(stream, put):
        for raw in stream:
            put(raw.decode(errors="replace").rstrip("\n"))

    def fail(self, why):
        self.process.kill()
        sys.stderr.write("bench_soak: %s\n%s\n" % (why, "\n".join(self.err[-10:])))
        raise SystemExit(1)

    def sample(self):
        pid = self.process.pid
        fds = len(os.listdir("/proc/%d/fd" % pid))
        status = {}
        with open("/proc/%d/status" % pid) as f:
            for line in f:
                key, _, value = line.partition(":")
                status[key] = value.split()
        return {"fds": fds, "threads": int(status["Threads"][0]), "rss": int(status["VmRSS"][0])}

    def end(self):
        self.process.send_signal(signal.SIGTERM)
        try:
            code = self.process.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            self.fail("the station did not end at SIGTERM")
        return code


def device_number(line):
    """hid:/dev/virtual-hidraw7 KLN2-000007 1-1.7 changed: ... -> 7"""
    head = line.split(" ", 1)[0]
    prefix = "hid:/dev/virtual-hidraw"
    return int(head[len(prefix):]) if head.startswith(prefix) and head[len(prefix):].isdigit() else None


def soak(ctl, cycles, at_once, sample_every, work, quiet=False):
    site = os.path.join(work, "site.cfg")
    with open(site, "w") as f:
        f.write(SITE)
    plug_dir = os.path.join(work, "plug")
    os.mkdir(plug_dir)
    station = Station(ctl, site, plug_dir)

    numbers = collections.deque((n, 0.0) for n in range(1, 2 * at_once + 1))  # (number, free since)
    plugged = {}    # number -> cycle
    results = collections.Counter()
    samples = [(0, None)]  # (cycle, figures); none taken before the first cycle
    started = done = 0
    began = time.monotonic()

    def plug():
        nonlocal started
        number, since = numbers.popleft()
        time.sleep(max(0.0, since + REUSE_AFTER - time.monotonic()))
        started += 1
        plugged[number] = started
        with open(os.path.join(plug_dir, "hid-%d" % number), "w"):
            pass

    def take_result():
        nonlocal done
        try:
            line = station.out.get(timeout=TIMEOUT)
        except queue.Empty:
            station.fail("no result line within %d s; plugged: %s" % (TIMEOUT, sorted(plugged)))
        number = device_number(line)
        if number is None or number not in plugged:
            station.fail("a result line for no reader plugged in: %r" % line)
        if " changed: " not in line:
            station.fail("a reader in factory state was not changed: %r" % line)
        results[plugged.pop(number)] += 1
        os.remove(os.path.join(plug_dir, "hid-%d" % number))
        numbers.append((number, time.monotonic()))
        done += 1

    while done < cycles:
        # Room for another reader, unless a sample is due: then the readers under way finish first.
        while started < cycles and len(plugged) < at_once and (started % sample_every or samples_at(samples) == started):
            plug()
        take_result()
        if done == started and (done % sample_every == 0 or done == cycles) and samples_at(samples) != done:
            time.sleep(REUSE_AFTER + 0.5)  # the last reader's removal listed
            samples.append((done, station.sample()))
            if not quiet:
                s = samples[-1][1]
                sys.stderr.write("cycle %d: %d descriptors, %d threads, %d KiB resident (%.0f s)\n"
                                 % (done, s["fds"], s["threads"], s["rss"], time.monotonic() - began))
    code = station.end()
    if code not in (0, 1):
        station.fail("the station ended with %d" % code)
    twice = [cycle for cycle, count in results.items() if count != 1]
    if len(results) != cycles or twice:
        station.fail("%d plugs, %d handled; handled more than once: %s" % (cycles, len(results), twice))
    return samples[1:], time.monotonic() - began


def samples_at(samples):
    return samples[-1][0] if samples else -1


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("ctl")
    parser.add_argument("--cycles", type=int, default=1000)
    parser.add_argument("--at-once", type=int, default=10)
    parser.add_argument("--sample-every", type=int, default=100)
    parser.add_argument("--figures", action="store_true")
    parser.add_argument("--quiet", action="store_true")
    parser.add_argument("--no-rss", action="store_true",
                        help="leave resident memory out of the comparison (under the sanitizers)")
    args = parser.parse_args()
    if args.cycles < 1 or not 1 <= args.at_once <= 32 or args.sample_every < 1:
        parser.error("--cycles at least 1, --at-once 1 to 32, --sample-every at least 1")

    with tempfile.TemporaryDirectory() as work:
        samples, seconds = soak(args.ctl, args.cycles, args.at_once, args.sample_every, work, args.quiet)
    (first_cycle, first), (last_cycle, last) = samples[0], samples[-1]
    held = first["fds"] == last["fds"] and first["threads"] == last["threads"] \
        and (args.no_rss or abs(last["rss"] - first["rss"]) <= RSS_SLACK_KIB)
    if args.figures:
        for key, unit, what in (("fds", "descriptors", "open descriptors"), ("threads", "threads", "threads"),
                                ("rss", "KiB", "resident memory")):
            limit = first[key] + (RSS_SLACK_KIB if key == "rss" else 0)
            print("figure soak.%s %s %d %d 1 %d %d apply --watch: %s at cycle %d (cycle %d: %d)"
                  % (key, unit, last[key], limit, last[key], last[key], what, last_cycle, first_cycle, first[key]),
                  flush=True)
        print("note soak: %d plug and unplug cycles, %d at once, every plug handled once, in %.0f s; at cycles %s"
              % (args.cycles, args.at_once, seconds,
                 ", ".join("%d: %d descriptors, %d threads, %d KiB" % (c, s["fds"], s["threads"], s["rss"])
                           for c, s in samples)), flush=True)
    if not held:
        sys.stderr.write("bench_soak: cycle %d %s against cycle %d %s\n" % (last_cycle, last, first_cycle, first))
        raise SystemExit(1)


if __name__ == "__main__":
    main()
