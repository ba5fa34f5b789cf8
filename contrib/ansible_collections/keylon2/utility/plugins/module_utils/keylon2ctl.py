# -*- coding: utf-8 -*-
# Copyright the Keylon2 Utility authors. MIT License (see LICENSE).
"""What the collection's modules share about running keylon2ctl: its exit codes, their own
options' checks, and the wording of keylon2ctl's failures in the modules' terms."""

from __future__ import absolute_import, division, print_function

__metaclass__ = type

# keylon2ctl's exit codes
NO_READER = 3
PERMISSION_DENIED = 4
DRIFT = 5  # diff, apply --check: a reader differs from the file
BUSY = 6  # another process holds a reader
INTERRUPTED = 130


def device_selectors(module):
    """The option device's readers: "all" when none is named, and never "all" beside others."""
    devices = [d.strip() for d in module.params["device"] if d and d.strip()] or ["all"]
    if "all" in devices and len(devices) > 1:
        module.fail_json(msg="device: 'all' cannot stand beside other selectors: %s" % ", ".join(devices))
    return devices


def checked_wait(module):
    """The option wait, refused when negative."""
    wait = module.params["wait"]
    if wait is not None and wait < 0:
        module.fail_json(msg="wait: a number of seconds, 0 or more, not %d" % wait)
    return wait


def in_module_words(failed, wait):
    """Why keylon2ctl failed (a document or a reader's entry), in the modules' terms: the
    failures whose text names keylon2ctl's own options are told by their code and worded here;
    the others keep keylon2ctl's English."""
    code = failed.get("code")
    if code == "busy":
        if wait:
            return "busy: another process still held the reader after waiting %d s" % wait
        return "busy: another process holds the reader; the option wait: SECONDS waits for it"
    if code == "no-lock":
        return ("no lock can be had for the reader, so nothing was sent; make the lock directory "
                "writable for the user the task runs as")
    if code == "ambiguous":
        return "more than one reader fits; name the one meant with the option device"
    return failed.get("error") or ""
