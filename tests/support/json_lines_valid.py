#!/usr/bin/env python3
"""Checks a JSON Lines file against a JSON Schema (draft 2020-12): every line one valid object.

    json_lines_valid.py SCHEMA FILE

The schemas beside SCHEMA are known by their $id, for its $refs. Prints one line per fault (line
number and what is wrong) and exits 1 when there is any, or when the file holds no line at all;
exits 0 when every line is valid.
"""
import json
import os
import sys

import jsonschema


def validator_for(schema_path):
    """A draft 2020-12 validator for the schema, which may $ref the schemas in its folder."""
    folder = os.path.dirname(os.path.abspath(schema_path))
    known = {}
    for name in sorted(os.listdir(folder)):
        if name.endswith(".schema.json"):
            with open(os.path.join(folder, name), encoding="utf-8") as f:
                other = json.load(f)
            known[other.get("$id", name)] = other
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    jsonschema.Draft202012Validator.check_schema(schema)
    try:
        from referencing import Registry, Resource
    except ImportError:  # Debian 12's jsonschema resolves through RefResolver
        resolver = jsonschema.RefResolver.from_schema(schema, store=known)
        return jsonschema.Draft202012Validator(schema, resolver=resolver)
    registry = Registry().with_resources((uri, Resource.from_contents(s)) for uri, s in known.items())
    return jsonschema.Draft202012Validator(schema, registry=registry)


def main(schema_path, lines_path):
    validator = validator_for(schema_path)
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
