#!/usr/bin/env python3
"""Every keylon2ctl command's --json output, in success and in failure, against its schema.

Usage: ctl_json_schemas.py KEYLON2CTL_DEMO VIRTUAL_READER_PROGRAM SCHEMA_DIR
"""
import json
import os
import signal
import subprocess
import sys
import tempfile
import time

import jsonschema

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from json_lines_valid import validator_for  # noqa: E402

ctl, reader_program, schema_dir = sys.argv[1:4]


def schema(name):
    with open(os.path.join(schema_dir, name)) as f:
        return json.load(f)


every = jsonschema.Draft202012Validator(schema("keylon2ctl.schema.json"))
failures = []
commands_seen = set()


def check(arguments, exit_code, readers=2, environment=None, interrupt_after=None, expect=None):
    env = dict(os.environ, KEYLON2_VIRTUAL_HID_READERS=str(readers), **(environment or {}))
    process = subprocess.Popen([ctl] + arguments, stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env, cwd=work)
    first = b""
    if interrupt_after is not None:
        if "--verbose" in arguments:
            first = process.stderr.readline()  # the program is under way, its handlers set
        time.sleep(interrupt_after)
        process.send_signal(signal.SIGINT)
    out, err = process.communicate(timeout=60)
    err = first + err
    label = " ".join(arguments)
    try:
        document = json.loads(out)
    except ValueError as error:
        failures.append(f"{label}: not one JSON document ({error}): {out[:200]!r}")
        return None
    problems = [f"every document: {e.message}" for e in every.iter_errors(document)]
    command = document.get("command", "")
    path = os.path.join(schema_dir, f"keylon2ctl-{command}.schema.json")
    if os.path.exists(path):
        commands_seen.add(command)
        problems += [f"{command}: {e.message} at {list(e.absolute_path)}"
                     for e in validator_for(path).iter_errors(document)]
    if process.returncode != exit_code or document.get("exitCode") != process.returncode:
        problems.append(f"exit {process.returncode}, document says {document.get('exitCode')}, wanted {exit_code}")
    if expect and not expect(document):
        problems.append(f"not what was expected: {json.dumps(document)[:400]}")
    failures.extend(f"{label}: {p} (stderr: {err.decode(errors='replace').strip()[:200]})" for p in problems)
    return document


def settings_of(document):
    return document["readers"][0].get("settings", {})


with tempfile.TemporaryDirectory() as work:
    keys = ("[KEYLON]\nInterface=0\nPreEnable=1\nPre=ID\nPostEnable=1\nPost=[CR]\nRemoveEnable=0\nRemove=\n"
            "RemoveIDCode=0\nAutoReport=1\nBuzzer=0\nOutputStart=0\nOutputLength=8\nKBCountry=1\n")
    with open(os.path.join(work, "full.cfg"), "w") as f:
        f.write(keys)
    with open(os.path.join(work, "part.cfg"), "w") as f:
        f.write("[KEYLON]\nBuzzer=0\nPost=[CR]\n")
    # The readers' locks of this run alone: two test programs' virtual readers are not one reader.
    locks = os.path.join(work, "locks")
    os.mkdir(locks)
    os.environ["KEYLON2_LOCK_DIR"] = locks

    check(["list", "--json"], 0, expect=lambda d: len(d["readers"]) == 2)
    check(["list", "--json"], 3, readers=0)
    check(["list", "--json"], 0, environment={"KEYLON2_VIRTUAL_HID_SERIALS": "2=KLN2-000001"},
          expect=lambda d: len(d.get("warnings", [])) == 1)
    check(["read", "--json", "--device", "hid:/dev/virtual-hidraw1"], 0,
          expect=lambda d: "KBCountry" in settings_of(d))
    check(["read", "--json"], 2)
    check(["write", "full.cfg", "--all", "--no-verify", "--json"], 0)
    check(["write", "part.cfg", "--all", "--json"], 2)
    check(["write", "part.cfg", "--partial", "--device", "sn:KLN2-000002", "--json"], 0)
    check(["apply", "part.cfg", "--all", "--json"], 0, expect=lambda d: d["summary"]["changed"] == 2)
    check(["apply", "part.cfg", "--all", "--json"], 1, environment={"KEYLON2_VIRTUAL_HID_FAILING": "2"})
    check(["apply", "part.cfg", "--all", "--check", "--json"], 5, expect=lambda d: d.get("check") is True)
    check(["apply", "part.cfg", "--all", "--jobs", "1", "--json", "--verbose"], 130, readers=3, interrupt_after=0.5)
    check(["diff", "part.cfg", "--device", "usb:1-1.2", "--json"], 5, expect=lambda d: d.get("check") is True)

    # A reader that another process holds: busy (exit 6), and doctor names the holder.
    lock_file = os.path.join(locks, "keylon2-virtual-hidraw1.lock")
    holder = subprocess.Popen(["flock", "-o", lock_file, "sh", "-c", "read line"], stdin=subprocess.PIPE)
    for _ in range(200):
        if os.path.exists(lock_file) and any(line.split()[5].endswith(":%d" % os.stat(lock_file).st_ino)
                                             for line in open("/proc/locks") if "->" not in line):
            break
        time.sleep(0.05)
    check(["read", "--json", "--device", "hid:/dev/virtual-hidraw1"], 6)
    check(["apply", "part.cfg", "--all", "--json"], 6, expect=lambda d: d["summary"]["failed"] == 1)
    check(["doctor", "--json"], 0,
          expect=lambda d: d["readers"][0].get("heldBy", {}).get("pid") == holder.pid and "heldBy" not in d["readers"][1])
    holder.stdin.close()
    holder.wait()

    # apply --watch --json: a line per reader as it is done; at Ctrl-C, apply's document as the last.
    station = subprocess.Popen([ctl, "apply", "part.cfg", "--watch", "--json"], stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE, env=dict(os.environ, KEYLON2_VIRTUAL_HID_READERS="2"), cwd=work)
    lines = [station.stdout.readline(), station.stdout.readline()]
    station.send_signal(signal.SIGINT)
    rest, _ = station.communicate(timeout=60)
    lines += rest.splitlines(keepends=True)
    watch = validator_for(os.path.join(schema_dir, "keylon2ctl-apply-watch.schema.json"))
    problems = [f"line {n}: {e.message}" for n, line in enumerate(lines, 1)
                for e in watch.iter_errors(json.loads(line or b"null"))]
    last = json.loads(lines[-1] or b"null")
    if len(lines) != 3 or station.returncode != 0 or not isinstance(last, dict) \
            or last.get("summary", {}).get("changed") != 2:
        problems.append(f"exit {station.returncode}, {len(lines)} lines, the last: {lines[-1][:300]!r}")
    failures.extend(f"apply --watch --json: {p}" for p in problems)
    check(["set-interface", "usb", "--all", "--json"], 0)
    check(["set-interface", "serial", "--device", "sn:KLN2-000001", "--json"], 0)
    check(["monitor", "--json", "--device", "hid:/dev/virtual-hidraw1"], 2)
    check(["firmware-update", "--json", "--device", "hid:/dev/virtual-hidraw1"], 2)
    # With the stand-in writer beside it: an update, and a fleet in which one reader fails.
    flashmate = os.path.join(os.path.dirname(os.path.abspath(ctl)), "tools", "demo", "flashmate")
    os.symlink(flashmate, os.path.join(work, "flashmate"))
    updates = {"XDG_STATE_HOME": os.path.join(work, "state"), "KEYLON2_FLASHMATE_MS": "0"}
    check(["firmware-update", "--json", "--device", "sn:KLN2-000001"], 0, environment=updates,
          expect=lambda d: d["readers"][0]["firmwareAfter"] == "1.21")
    check(["firmware-update", "--json", "--all", "--wait-back", "1"], 1,
          environment=dict(updates, KEYLON2_FLASHMATE_FAULT="another:KLN2-000001"),
          expect=lambda d: [r.get("code") for r in d["readers"]] == ["another-reader", None])
    os.remove(os.path.join(work, "flashmate"))
    check(["list", "--all", "--json"], 2)
    check(["frobnicate", "--json"], 2)
    check(["doctor", "--json"], 0)
    check(["doctor", "--json"], 3, readers=0)

    # A reader on its serial interface, behind a pseudo-terminal of the virtual reader's program.
    serial = subprocess.Popen([reader_program, "--keys", "1"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    try:
        port = serial.stdout.readline().decode().strip()
        check(["read", "--json", "--device", "serial:" + port], 0,
              expect=lambda d: "KBCountry" not in settings_of(d))
        check(["monitor", "--json", "--device", "serial:" + port], 0, interrupt_after=2.5,
              expect=lambda d: len(d["readers"][0]["codes"]) >= 1)
    finally:
        serial.terminate()
        serial.wait()

missing = {"list", "read", "write", "apply", "diff", "set-interface", "monitor", "firmware-update",
           "doctor"} - commands_seen
if missing:
    failures.append(f"no document checked for: {', '.join(sorted(missing))}")
for failure in failures:
    print("FAIL:", failure)
print(f"{'FAILED' if failures else 'PASSED'}: keylon2ctl --json documents against data/schema")
sys.exit(1 if failures else 0)
