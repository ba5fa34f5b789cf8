#!/usr/bin/env python3
"""Checks a JSON Lines file against a JSON Schema (draft 2020-12): every line one valid object.

    json_lines_valid.py SCHEMA FILE

Prints one line per fault (line number and what is wrong) and exits 1 when there is any, or
when the file holds no line at all; exits 0 when every line is valid.
"""
import json
import sys

import jsonschema


def main(schema_path, lines_path):
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    faults = 0
    count = 0
    with open(lines_path, "rb") as f:
        for number, raw in enumerate(f, 1):
            count += 1
            if not raw.endswith(b"\n"):
                print(f"line {number}: no line break at its end")
                faults += 1
            try:
                document = json.loads(raw.decode("utf-8"))
            except (UnicodeDecodeError, ValueError) as e:
                print(f"line {number}: not JSON: {e}")
                faults += 1
                continue
            for error in validator.iter_errors(document):
                where = "/".join(str(p) for p in error.absolute_path) or "(line)"
                print(f"line {number}: {where}: {error.message}")
                faults += 1
    if count == 0:
        print("no line at all")
        faults += 1
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
