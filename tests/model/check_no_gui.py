#!/usr/bin/env python3
"""Fails when a model test program loads Qt Gui or Qt Widgets, directly or
through another library: the model must stay usable without a display."""

import re
import subprocess
import sys

FORBIDDEN = re.compile(r"\blibQt6(Gui|Widgets)\.so")


def main(binaries):
    if not binaries:
        sys.exit("usage: check_no_gui.py BINARY...")
    failed = False
    for binary in binaries:
        result = subprocess.run(["ldd", binary], capture_output=True, text=True)
        if result.returncode != 0:
            print(f"{binary}: ldd failed: {result.stderr.strip()}")
            failed = True
            continue
        if "libQt6Core.so" not in result.stdout:
            print(f"{binary}: ldd shows no Qt Core, so its output cannot be trusted")
            failed = True
        for line in result.stdout.splitlines():
            if FORBIDDEN.search(line):
                print(f"{binary}: loads {line.split()[0]}")
                failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
