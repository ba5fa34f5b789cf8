# -*- coding: utf-8 -*-
# Copyright the Keylon2 Utility authors. MIT License (see LICENSE).

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
---
module: reader_info
short_description: The Keylon2 key readers attached to a host, and whether they match a file
description:
  - Runs C(keylon2ctl list --json) and C(keylon2ctl read --json) on the managed host and returns
    every Keylon2 reader attached there (USB HID or serial) with its device, USB serial number,
    USB port path, transport, firmware version and settings. It reads the readers and never
    writes to them.
  - With I(src) it also runs C(keylon2ctl diff --json) and tells, per reader, whether it matches
    the file and, where it does not, each differing key's value on the reader and in the file.
  - No reader attached is not a failure; I(readers) is then empty.
  - A reader that could not be read (busy with another process, refused, silent) is reported
    with C(ok) false and why, and the others are reported as they are. The task fails only when
    none of the readers could be read, or with I(require_all) when one could not.
  - In check mode on a host where C(keylon2ctl) is not installed yet (a task before this one
    would have installed it), the task is skipped and says so.
version_added: "1.0.0"
options:
  src:
    description:
      - A configuration file (C(.cfg)) on the managed host to compare every reader with; only
        the keys its C([KEYLON]) group sets count.
      - A file that is not there fails the task, naming its whole path; in check mode it is a
        warning, and the readers are reported without C(matches).
    type: path
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
  wait:
    description:
      - Seconds to wait for a reader that another process holds (the window, a station,
        another C(keylon2ctl)), as C(keylon2ctl --wait) does. By default such a reader is
        reported at once as busy.
    type: int
  require_all:
    description:
      - Fail the task when any reader could not be read, not only when none could.
    type: bool
    default: false
extends_documentation_fragment:
  - ansible.builtin.action_common_attributes
attributes:
  check_mode:
    support: full
    details: It only reads, in check mode as outside it.
  diff_mode:
    support: none
  platform:
    platforms: posix
notes:
  - The user the task runs as must be allowed to open the readers' device nodes (group
    C(plugdev) over SSH, see M(keylon2.utility.reader)).
seealso:
  - module: keylon2.utility.reader
requirements:
  - keylon2ctl (package keylon2-utility) on the managed host
author:
  - Keylon2 Utility authors (@keylon2)
"""

EXAMPLES = r"""
- name: The readers of the kiosk, against the site file
  keylon2.utility.reader_info:
    src: /etc/keylon2/site.cfg
  register: keylon2

- name: The readers that differ from it
  ansible.builtin.debug:
    msg: "{{ keylon2.readers | rejectattr('matches') | map(attribute='serialNumber') | list }}"

- name: The firmware of one reader, found by its USB socket
  keylon2.utility.reader_info:
    device: usb:1-2.3
  register: one
"""

RETURN = r"""
readers:
  description:
    - One entry per reader attached (or named by I(device)), in keylon2ctl's names.
    - A reader that could not be read has C(ok) false and C(error), and neither C(firmware) nor
      C(settings).
  returned: always
  type: list
  elements: dict
  contains:
    device:
      description: What C(keylon2ctl --device) and the I(device) option take for this reader.
      type: str
      sample: hid:/dev/hidraw3
    serialNumber:
      description: The USB serial number; empty when the reader gives none.
      type: str
      sample: KLN2-000104
    portPath:
      description: The USB socket as sysfs names it, which stays when the reader is plugged in there again.
      type: str
      sample: 1-2.3
    transport:
      description: C(hid) or C(serial).
      type: str
      sample: hid
    ok:
      description: Whether the reader was read.
      type: bool
    error:
      description: Why it could not be read.
      type: str
      returned: when C(ok) is false
    code:
      description:
        - keylon2ctl's word for the kind of failure (C(busy), C(denied), C(no-answer), ...), which
          stays the same in every release; C(man keylon2ctl) lists them under ERROR CODES.
      type: str
      returned: when C(ok) is false
    busy:
      description: Another process held the reader (it was not read).
      type: bool
      returned: when C(ok) is false
    firmware:
      description: The firmware version the reader reports.
      type: str
      sample: "1.20"
      returned: when C(ok) is true
    settings:
      description: The reader's settings, keyed as a configuration file's C([KEYLON]) group.
      type: dict
      sample: {Interface: 0, PreEnable: 1, Pre: "ID", PostEnable: 1, Post: "[CR]", Buzzer: 0}
      returned: when C(ok) is true
    matches:
      description: Whether the reader holds every value I(src) sets.
      type: bool
      returned: with I(src), when the reader could be compared
    differences:
      description: Per key that differs, the reader's and the file's value as a configuration file spells them.
      type: dict
      sample: {Buzzer: {reader: "1", file: "0"}}
      returned: with I(src), when the reader could be compared
cmd:
  description: The commands that ran.
  returned: always
  type: list
  elements: list
"""

import json
import os
from concurrent.futures import ThreadPoolExecutor

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.keylon2.utility.plugins.module_utils.keylon2ctl import (
    BUSY, DRIFT, NO_READER, PERMISSION_DENIED, checked_wait, device_selectors, in_module_words)

# Readers read at once: each read waits out the reader's pauses, not the processor.
MAX_AT_ONCE = 8


def run_json(module, cmd, accepted, wait=0):
    """keylon2ctl's JSON document; fails the task when there is none or the exit code is not accepted."""
    rc, out, err = module.run_command(cmd)
    try:
        document = json.loads(out)
    except ValueError:
        document = None
    if not isinstance(document, dict):
        module.fail_json(msg="keylon2ctl gave no JSON document (exit %d): %s"
                         % (rc, (err or out).strip() or "no output"), cmd=cmd, stderr=err)
    for warning in document.get("warnings") or []:
        module.warn("keylon2ctl: %s" % warning)
    exit_code = document.get("exitCode", rc)
    if exit_code not in accepted:
        module.fail_json(msg=in_module_words(document, wait) or err.strip()
                         or "keylon2ctl failed (exit %d)" % exit_code,
                         cmd=cmd, stderr=err, rc=rc)
    return document


def main():
    module = AnsibleModule(
        argument_spec=dict(
            src=dict(type="path"),
            device=dict(type="list", elements="str", default=["all"]),
            keylon2ctl=dict(type="path"),
            wait=dict(type="int"),
            require_all=dict(type="bool", default=False),
        ),
        supports_check_mode=True,
    )
    params = module.params
    wait = ["--wait", str(params["wait"])] if checked_wait(module) else []
    devices = device_selectors(module)

    src = os.path.abspath(params["src"]) if params["src"] else None
    if src and not os.path.isfile(src):
        if not module.check_mode:
            module.fail_json(msg="src %s is not on this host" % src, readers=[])
        module.warn("check mode: src %s is not on this host yet; the readers are not compared" % src)
        src = None
    keylon2ctl = params["keylon2ctl"] or module.get_bin_path("keylon2ctl")
    if not keylon2ctl or not os.path.isfile(keylon2ctl):
        what = "keylon2ctl is not installed on this host (%s)" % (keylon2ctl or "not on PATH")
        if module.check_mode:
            # A host being set up: the task that installs it made nothing in check mode.
            module.exit_json(skipped=True, changed=False, readers=[], cmd=[],
                             msg="check mode: %s (a task before this one would have installed it)" % what)
        module.fail_json(msg=what, readers=[])

    # keylon2ctl reads one reader per run: the readers named, or every one listed, each read in
    # a run of its own, side by side. A reader that fails to be read is reported as such; only a
    # failure of the command is the task's.
    commands = []
    if devices == ["all"]:
        list_cmd = [keylon2ctl, "list", "--json"]
        listed = run_json(module, list_cmd, (0, NO_READER))
        commands.append(list_cmd)
        devices = [r["device"] for r in listed.get("readers") or [] if isinstance(r, dict) and r.get("device")]
    read_cmds = [[keylon2ctl, "read", "--json", "--device", device] + wait for device in devices]
    commands += read_cmds
    readers = []
    if read_cmds:
        accepted = (0, 1, NO_READER, PERMISSION_DENIED, BUSY)
        with ThreadPoolExecutor(max_workers=min(MAX_AT_ONCE, len(read_cmds))) as pool:
            documents = list(pool.map(lambda cmd: run_json(module, cmd, accepted, params["wait"]), read_cmds))
        for device, document in zip(devices, documents):
            found = [r for r in document.get("readers") or [] if isinstance(r, dict)]
            if not found:
                module.warn("%s: %s" % (device, in_module_words(document, params["wait"]) or "no reader found"))
            for reader in found:
                if reader.get("ok") is False:
                    reader["error"] = in_module_words(reader, params["wait"])
                    reader["busy"] = reader.get("code") == "busy"
            readers += found

    unread = [r for r in readers if r.get("ok") is False]
    if unread and (len(unread) == len(readers) or params["require_all"]):
        module.fail_json(msg="%d of %d readers could not be read: %s" % (
            len(unread), len(readers), "; ".join(r.get("error") or r.get("device", "?") for r in unread)),
            readers=readers, cmd=commands)
    read = [r for r in readers if r.get("ok") is not False]
    if src and read:
        diff_cmd = [keylon2ctl, "diff", src, "--json"] + wait + [arg for r in read for arg in ("--device", r["device"])]
        compared = run_json(module, diff_cmd, (0, 1, NO_READER, PERMISSION_DENIED, DRIFT, BUSY), params["wait"])
        commands.append(diff_cmd)
        by_device = dict((r.get("device"), r) for r in compared.get("readers") or [] if isinstance(r, dict))
        for reader in readers:
            other = by_device.get(reader.get("device"))
            if other and other.get("ok") is not False and other.get("result") in ("unchanged", "changed"):
                reader["matches"] = other["result"] == "unchanged"
                reader["differences"] = other.get("differences") or {}

    module.exit_json(changed=False, readers=readers, cmd=commands)


if __name__ == "__main__":
    main()
