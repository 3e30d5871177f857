#!/usr/bin/env python3
"""Include direction between the program's layers, bottom to top: base,
model, report, ui, then app. A file may include its own layer and the layers
below it; base and model also include no Qt Gui or Widgets header, so that
they build and run without a display.

Usage: check_layers.py SOURCE_DIR
Prints "file:line: <layer> must not include <other layer>" for each fault
and exits non-zero when there is one."""

import pathlib
import re
import sys

ORDER = ["base", "model", "report", "ui", "app"]

# Headers of Qt Gui and Qt Widgets classes a widget-free layer could reach
# for by habit; the module includes catch the rest.
GUI_HEADERS = {
    "QAction", "QApplication", "QBrush", "QClipboard", "QColor", "QComboBox", "QCursor", "QDesktopServices",
    "QDialog", "QFont", "QFontDatabase", "QFontMetrics", "QGuiApplication", "QIcon", "QImage", "QKeyEvent",
    "QLabel", "QLineEdit", "QMessageBox", "QMouseEvent", "QPainter", "QPalette", "QPdfWriter", "QPen",
    "QPixmap", "QPushButton", "QScreen", "QScrollArea", "QTextDocument", "QTimerEvent", "QValidator",
    "QWidget", "QWindow",
}
GUI_MODULES = ("QtGui/", "QtWidgets/", "QtPrintSupport/")
WIDGET_FREE = {"base", "model"}

PROJECT_INCLUDE = re.compile(r'^\s*#\s*include\s*"([A-Za-z_]\w*)/')
SYSTEM_INCLUDE = re.compile(r"^\s*#\s*include\s*<([^>]+)>")


def faults(root: pathlib.Path):
    for layer in ORDER:
        folder = root / layer
        if not folder.is_dir():
            continue
        allowed = set(ORDER[: ORDER.index(layer) + 1])
        for path in sorted(folder.rglob("*")):
            if path.suffix not in (".h", ".cpp") or not path.is_file():
                continue
            shown = path.relative_to(root)
            lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
            for number, line in enumerate(lines, start=1):
                match = PROJECT_INCLUDE.match(line)
                if match:
                    other = match.group(1)
                    if other in ORDER and other not in allowed:
                        yield f"{shown}:{number}: {layer} must not include {other}"
                    continue
                match = SYSTEM_INCLUDE.match(line)
                if match and layer in WIDGET_FREE:
                    header = match.group(1).strip()
                    if header in GUI_HEADERS or header.startswith(GUI_MODULES) or header in ("QtGui", "QtWidgets"):
                        yield f"{shown}:{number}: {layer} must not include the Gui header <{header}>"


def main(argv):
    if len(argv) != 2:
        sys.exit(__doc__)
    root = pathlib.Path(argv[1])
    if not all((root / layer).is_dir() for layer in ORDER):
        sys.exit(f"{root}: not the source folder (needs {', '.join(ORDER)})")
    found = list(faults(root))
    for fault in found:
        print(fault)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
