#!/usr/bin/env python3
"""Reads a metrics file in a loop, as node exporter's textfile collector does at each scrape,
and parses each read with Prometheus' own client parser, until STOP exists.

    metrics_reader.py FILE STOP

Exit 0 when every read parsed, with "reads N versions M" on standard output; 1 at the first
read that did not, with the text read."""
import os
import sys

from prometheus_client.parser import text_string_to_metric_families


def main():
    path, stop = sys.argv[1], sys.argv[2]
    reads = 0
    versions = set()
    while not os.path.exists(stop):
        try:
            with open(path, encoding="utf-8") as f:
                text = f.read()
        except FileNotFoundError:
            continue
        reads += 1
        versions.add(text)
        try:
            families = list(text_string_to_metric_families(text))
        except Exception as error:  # the parser raises ValueError and others on a cut text
            print(f"read {reads} did not parse ({error}):\n{text}")
            return 1
        # A file cut at a line's end still parses: it must end with a line break, hold every
        # family a station writes, and name as many readers attached as it gives.
        samples = {f.name: len(f.samples) for f in families}
        if (not text.endswith("\n") or "keylon2_drifted_readers" not in samples
                or samples.get("keylon2_reader_info") != samples.get("keylon2_reader_attached")):
            print(f"read {reads} is cut short:\n{text}")
            return 1
    print(f"reads {reads} versions {len(versions)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
