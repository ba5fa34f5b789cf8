#!/usr/bin/env python3
"""Orca with its debug log written line by line, so that a test can follow what it says.

    orca_logged.py LOG [ORCA OPTIONS...]

Orca writes every utterance into its debug log as a "SPEECH OUTPUT: '...'" line, whether or not a
speech synthesizer runs; it opens that log fully buffered, and a test that waits for a line would
wait for a buffer to fill. No speech server is started: the log is what is heard.
"""
import builtins
import runpy
import sys

log = sys.argv[1]
real_open = builtins.open


def open_log_line_buffered(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        kwargs.pop("buffering", None)
        return real_open(file, mode, 1, *args[1:], **kwargs)
    return real_open(file, mode, *args, **kwargs)


builtins.open = open_log_line_buffered
# Without the speech-dispatcher binding Orca finds no speech server, and says so in the log.
sys.modules["speechd"] = None
sys.argv = ["orca", "--debug-file", log] + sys.argv[2:]
runpy.run_path("/usr/bin/orca", run_name="__main__")
