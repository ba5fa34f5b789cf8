# -*- coding: utf-8 -*-
# Copyright the Keylon2 Utility authors. MIT License (see LICENSE).

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
---
module: reader
short_description: Keep Keylon2 key readers set up as a configuration file says
description:
  - Runs C(keylon2ctl apply --json) on the managed host. It reads each Keylon2 reader attached
    there (USB HID or serial), compares it field by field with I(src), and writes, saves and
    verifies only the readers that differ. A reader that already matches gets no write frame.
  - In check mode it runs C(keylon2ctl apply --check), which reads the readers and sends no
    write frame; C(changed) then says whether a reader would change. When I(src) or
    C(keylon2ctl) is not on the host yet (a task before this one would have put it there
    outside check mode), the task is skipped and says so.
  - In diff mode it returns, per reader that differs, the reader's values before and the
    file's values after.
  - M(keylon2.utility.reader_info) reports the readers without changing them.
version_added: "1.0.0"
options:
  src:
    description:
      - The configuration file (C(.cfg), as the Keylon2 Utility exports it) on the managed host.
        Only the keys its C([KEYLON]) group sets are compared and written.
      - A file that is not there fails the task, naming its whole path.
    type: path
    required: true
  device:
    description:
      - Which readers. C(all), the default, is every reader attached to the host.
      - Otherwise one selector or a list of them, as C(keylon2ctl --device) takes them
        (C(sn:SERIAL), C(usb:PORTPATH), C(hid:PATH), C(serial:PORT)).
    type: list
    elements: str
    default: [all]
  keylon2ctl:
    description:
      - The path of C(keylon2ctl) on the managed host. By default it is looked for on C(PATH).
    type: path
  log:
    description:
      - An audit log on the managed host. C(keylon2ctl) appends one JSON line per reader
        handled (time, host, user, reader, file and its SHA-256, result, fields changed).
        A log that cannot be opened fails the task before anything is sent.
    type: path
  allow_none:
    description:
      - When no reader is attached, succeed without a change instead of failing.
    type: bool
    default: false
  wait:
    description:
      - Seconds to wait for a reader that another process holds (the window, a station,
        another C(keylon2ctl)), as C(keylon2ctl --wait) does. By default such a reader fails
        the task at once as busy, and nothing is sent to it.
    type: int
extends_documentation_fragment:
  - ansible.builtin.action_common_attributes
attributes:
  check_mode:
    support: full
  diff_mode:
    support: full
  platform:
    platforms: posix
notes:
  - The user the task runs as must be allowed to open the readers' device nodes. Over SSH the
    desk's seat rule does not apply; the package's udev rule gives the nodes to group
    C(plugdev), so put that user in C(plugdev) (and replug the readers once after installing
    the rule). Never run the task as root just for access.
seealso:
  - module: keylon2.utility.reader_info
requirements:
  - keylon2ctl (package keylon2-utility) on the managed host
author:
  - Keylon2 Utility authors (@keylon2)
"""

EXAMPLES = r"""
- name: Every reader on the kiosk as the site file says
  keylon2.utility.reader:
    src: /etc/keylon2/site.cfg

- name: Two readers by serial number, with an audit log, fine when none is attached
  keylon2.utility.reader:
    src: /etc/keylon2/site.cfg
    device:
      - sn:KLN2-000104
      - sn:KLN2-000231
    log: /var/log/keylon2-audit.jsonl
    allow_none: true
"""

RETURN = r"""
changed:
  description: Whether a reader was changed (in check mode, whether one would be).
  returned: always
  type: bool
readers:
  description:
    - One entry per reader, as keylon2ctl's JSON document gives it.
    - C(result) is C(unchanged), C(changed), C(failed), C(interrupted) or C(not-started); in
      check mode C(changed) means would change.
  returned: always
  type: list
  elements: dict
  sample:
    - device: hid:/dev/hidraw3
      serialNumber: KLN2-000001
      portPath: 1-2.3
      ok: true
      result: changed
      changed: true
      fields: [Buzzer, Post]
      differences: {Buzzer: {reader: "0", file: "1"}, Post: {reader: "", file: "[CR]"}}
      firmware: "1.20"
summary:
  description: How many readers ended how.
  returned: when keylon2ctl gives it
  type: dict
  sample: {readers: 4, unchanged: 2, changed: 1, failed: 1, interrupted: 0, notStarted: 0}
failed_readers:
  description: The readers that failed, as named in C(msg).
  returned: when a reader failed
  type: list
  elements: str
  sample: ["KLN2-000002 (hid:/dev/hidraw4, port 1-2.4): write failed: broken pipe"]
cmd:
  description: The command that ran.
  returned: always
  type: list
  elements: str
rc:
  description: keylon2ctl's exit code.
  returned: always, but when no reader was found and I(allow_none) lets that pass, and in check
    mode when a reader differs (keylon2ctl's exit code 5, which Ansible would take for a failure)
  type: int
"""

import json
import os

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.keylon2.utility.plugins.module_utils.keylon2ctl import (
    BUSY, DRIFT, INTERRUPTED, NO_READER, checked_wait, device_selectors, in_module_words)


def reader_name(reader):
    """KLN2-000002 (hid:/dev/hidraw4, port 1-2.4): the serial number first, as people know it."""
    device = reader.get("device") or "?"
    where = device + (", port " + reader["portPath"] if reader.get("portPath") else "")
    serial = reader.get("serialNumber")
    return "%s (%s)" % (serial, where) if serial else where


def reader_failed(reader):
    return reader.get("ok") is False or reader.get("result") in ("failed", "interrupted")


def reader_changed(reader):
    return reader.get("result") == "changed" or reader.get("changed") is True


def diff_of(reader, src):
    """Before and after for one reader, as .cfg lines of the keys that differ."""
    differences = reader.get("differences") or {}
    if not isinstance(differences, dict) or not differences:
        return None
    before = after = ""
    for key in sorted(differences):
        values = differences[key] if isinstance(differences[key], dict) else {}
        before += "%s=%s\n" % (key, values.get("reader", ""))
        after += "%s=%s\n" % (key, values.get("file", ""))
    name = reader_name(reader)
    return {
        "before_header": "%s: the reader" % name,
        "after_header": "%s: %s" % (name, src),
        "before": before,
        "after": after,
    }


def not_there(module, what, result):
    """What a task meets on a host that an earlier task was to prepare: in check mode that task
    made nothing, so this one is skipped and says why; otherwise it fails."""
    if module.check_mode:
        module.exit_json(skipped=True, msg="check mode: %s, so the readers were not compared "
                         "(a task before this one would have put it there)" % what, **result)
    module.fail_json(msg=what, **result)


def main():
    module = AnsibleModule(
        argument_spec=dict(
            src=dict(type="path", required=True),
            device=dict(type="list", elements="str", default=["all"]),
            keylon2ctl=dict(type="path"),
            log=dict(type="path"),
            allow_none=dict(type="bool", default=False),
            wait=dict(type="int"),
        ),
        supports_check_mode=True,
    )
    params = module.params
    devices = device_selectors(module)

    src = os.path.abspath(params["src"])
    if not os.path.isfile(src):
        not_there(module, "src %s is not on this host" % src, dict(changed=False, readers=[]))
    keylon2ctl = params["keylon2ctl"] or module.get_bin_path("keylon2ctl")
    if not keylon2ctl or not os.path.isfile(keylon2ctl):
        not_there(module, "keylon2ctl is not installed on this host (%s)"
                  % (keylon2ctl or "not on PATH"), dict(changed=False, readers=[]))
    cmd = [keylon2ctl, "apply", src, "--json"]
    if devices == ["all"]:
        cmd.append("--all")
    else:
        for device in devices:
            cmd += ["--device", device]
    if module.check_mode:
        cmd.append("--check")
    if params["log"]:
        cmd += ["--log", params["log"]]
    if checked_wait(module) is not None:
        cmd += ["--wait", str(params["wait"])]

    rc, out, err = module.run_command(cmd)
    result = dict(changed=False, readers=[], cmd=cmd, rc=rc, stderr=err)
    try:
        document = json.loads(out)
    except ValueError:
        document = None
    if not isinstance(document, dict):
        module.fail_json(
            msg="keylon2ctl gave no JSON document (exit %d): %s" % (rc, (err or out).strip() or "no output"),
            stdout=out, **result)

    readers = [r for r in document.get("readers") or [] if isinstance(r, dict)]
    for reader in readers:
        if reader.get("error"):
            reader["error"] = in_module_words(reader, params["wait"])
    result["readers"] = readers
    result["changed"] = any(reader_changed(r) for r in readers)
    if isinstance(document.get("summary"), dict):
        result["summary"] = document["summary"]
    for warning in document.get("warnings") or []:
        module.warn("keylon2ctl: %s" % warning)
    if module._diff:
        result["diff"] = [d for d in (diff_of(r, src) for r in readers) if d]
    exit_code = document.get("exitCode", rc)
    error = in_module_words(document, params["wait"]) or err.strip()

    if exit_code == NO_READER and not readers:
        if params["allow_none"]:
            del result["rc"]  # Ansible takes any rc but 0 for a failure
            module.exit_json(msg=error or "no reader found", **result)
        module.fail_json(msg=error or "no reader found", **result)

    failed = [r for r in readers if reader_failed(r)]
    if failed:
        result["failed_readers"] = [
            "%s: %s" % (reader_name(r), r.get("error") or r.get("result") or "failed") for r in failed]
        hint = ""
        if exit_code == BUSY and params["wait"] and any(r.get("code") == "busy" for r in failed):
            hint = "; a longer wait waits longer for a reader that another process holds"
        module.fail_json(msg="keylon2ctl apply failed on %d of %d readers: %s%s"
                         % (len(failed), len(readers), "; ".join(result["failed_readers"]), hint), **result)
    if module.check_mode and exit_code == DRIFT and rc == DRIFT:
        # A reader differs: told by changed, not a failure (Ansible fails a task whose rc is not 0).
        del result["rc"]
    elif exit_code != 0 or rc != 0 or document.get("ok") is False:
        if exit_code == INTERRUPTED:
            error = error or "interrupted"
        module.fail_json(msg=error or "keylon2ctl apply failed (exit %d)" % exit_code, **result)

    counts = {}
    for r in readers:
        counts[r.get("result", "?")] = counts.get(r.get("result", "?"), 0) + 1
    module.exit_json(msg=", ".join("%d %s" % (n, what) for what, n in sorted(counts.items())), **result)


if __name__ == "__main__":
    main()
