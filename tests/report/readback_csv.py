#!/usr/bin/python3
"""Print a CSV file's records as a JSON array of arrays of strings, read the
way RFC 4180 says with Python's csv module, from strict UTF-8."""

import csv
import json
import sys


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: readback_csv.py FILE.csv")
    with open(sys.argv[1], newline="", encoding="utf-8", errors="strict") as f:
        records = list(csv.reader(f, strict=True))
    json.dump(records, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main()
