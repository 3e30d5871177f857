#!/usr/bin/env python3
"""Checks every #include of the program, its tests, tools and benchmarks
against what the including file's target links.

Layers, bottom to top: base, model, report, ui (inside it common, shell,
sections, budget), app. A file may include its own layer or part and those
below it; tests, tools and benchmarks may include what their program links
(the table RULES below). Project headers are written in quotes from the
source root ("model/budget.h"): never with "../", never in angle brackets,
never without their folder. Qt headers must come from the Qt modules the
target links: base and model Qt Core alone, report no Qt Widgets.

Usage: check_layers.py SOURCE_DIR [--qt-include DIR]
DIR is Qt's header folder (the one holding QtCore/, QtGui/, ...); a header's
module is the folder it lies in. Without DIR it is asked of qtpaths6 (or
qmake6); when the headers are not installed, a short list of common classes
stands in.
Prints "file:line: fault" for each fault and exits non-zero when there is one."""

import argparse
import functools
import os
import pathlib
import re
import subprocess
import sys

LAYER_FOLDERS = ("base", "model", "report", "ui", "app")
# Bottom to top; each may include itself and those before it.
LAYERS = ["base", "model", "report", "ui/common", "ui/shell", "ui/sections", "ui/budget", "app"]
# Helpers beside the tests: tests/*.h, tests/model/*.h, tests/report/*.h.
TEST_HELPERS = ["tests", "tests/model", "tests/report"]


def upto(layer):
    return LAYERS[: LAYERS.index(layer) + 1]


CORE = ("QtCore",)
GUI = CORE + ("QtGui",)
WIDGETS = GUI + ("QtWidgets",)
TEST = ("QtTest",)

# What a file may include, read off the CMakeLists: the first pattern that
# matches the file's path from the source root wins (* stays inside a folder,
# ** takes subfolders too).
#   pattern                     project folders it may include     Qt modules
RULES = [
    ("base/**",                  upto("base"),                      CORE),
    ("model/**",                 upto("model"),                     CORE),
    # torvane_writers, a module of its own, links Qt Core alone.
    ("report/biffwriter.cpp",    upto("report"),                    CORE),
    ("report/ooxmlwriter.cpp",   upto("report"),                    CORE),
    ("report/workbook.*",        upto("report"),                    CORE),
    ("report/writermodule.*",    upto("report"),                    CORE),
    ("report/**",                upto("report"),                    GUI),
    # torvane_print alone links Qt PrintSupport.
    ("ui/budget/printpreview.*", upto("ui/budget"),                 WIDGETS + ("QtPrintSupport",)),
    ("ui/common/**",             upto("ui/common"),                 WIDGETS),
    ("ui/shell/**",              upto("ui/shell"),                  WIDGETS),
    ("ui/sections/**",           upto("ui/sections"),               WIDGETS),
    ("ui/budget/**",             upto("ui/budget"),                 WIDGETS),
    ("app/**",                   upto("app"),                       WIDGETS),
    ("tests/model/*",            upto("model") + ["tests/model"],   CORE + TEST),
    ("tests/report/*",           upto("report") + ["tests/report"], GUI + TEST),
    ("tests/ui/*",               LAYERS + TEST_HELPERS + ["tests/ui"], WIDGETS + TEST),
    ("tests/test_pictures.cpp",  [],                                GUI + ("QtSvg",) + TEST),
    ("tests/*.h",                LAYERS + TEST_HELPERS,             WIDGETS + TEST),
    ("tools/assetgen/**",        upto("base"),                      GUI + ("QtSvg",)),
    ("tools/spravgen/**",        upto("report"),                    GUI),
    ("tools/snapshot/**",        LAYERS,                            WIDGETS + TEST),
    ("bench/bare_window.cpp",    [],                                WIDGETS),
    ("bench/widget_floor.cpp",   [],                                WIDGETS),
    ("bench/bench_*.cpp",        LAYERS + TEST_HELPERS + ["bench"], WIDGETS + TEST),
    ("bench/benchsupport.h",     upto("model"),                     CORE),
]

# The include roots the targets are given, from the source root; a quoted
# include is looked up in the including file's own folder first.
INCLUDE_ROOTS = ["", "tests", "tests/model", "tests/report"]
SYSTEM_ROOTS = [pathlib.Path(p) for p in ("/usr/include", "/usr/include/x86_64-linux-gnu", "/usr/local/include")]
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc", ".cxx"}

# Only for a header not found in Qt's header folder (not installed, or no
# folder given): classes a layer could reach for by habit, by module.
KNOWN_QT_CLASSES = {
    "QtGui": "QAction QActionGroup QBrush QClipboard QColor QCursor QDesktopServices QDoubleValidator QFont "
             "QFontDatabase QFontMetrics QFontMetricsF QGuiApplication QIcon QImage QImageReader QImageWriter "
             "QIntValidator QKeyEvent QKeySequence QLinearGradient QMouseEvent QPaintEvent QPainter QPainterPath "
             "QPalette QPdfWriter QPen QPixmap QRadialGradient QScreen QShortcut QStandardItemModel QTextDocument "
             "QUndoStack QValidator QWindow",
    "QtWidgets": "QAbstractButton QAbstractSpinBox QApplication QBoxLayout QComboBox QDialog QDialogButtonBox "
                 "QDoubleSpinBox QFileDialog QFrame QGridLayout QHBoxLayout QHeaderView QLabel QLayout QLineEdit "
                 "QMainWindow QMenu QMenuBar QMessageBox QPushButton QScrollArea QSpinBox QStackedWidget QStyle "
                 "QStyledItemDelegate QTableView QToolButton QVBoxLayout QWidget",
    "QtPrintSupport": "QPageSetupDialog QPrintDialog QPrintPreviewDialog QPrintPreviewWidget QPrinter",
}
WHOLE_MODULES = {"QtCore", "QtGui", "QtWidgets", "QtPrintSupport", "QtSvg", "QtTest"}
KNOWN_QT_HEADERS = {name: module for module, names in KNOWN_QT_CLASSES.items() for name in names.split()}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]*)[>"]')
QT_MODULE = re.compile(r"Qt[A-Z]\w*")


def shown_modules(modules):
    return ", ".join("Qt " + module[2:] for module in sorted(modules))


class QtHeaders:
    """Tells the Qt modules a header belongs to."""

    def __init__(self, root):
        self.modules = []
        if root and pathlib.Path(root).is_dir():
            self.modules = sorted(p for p in pathlib.Path(root).iterdir() if p.is_dir() and QT_MODULE.fullmatch(p.name))

    @functools.lru_cache(maxsize=None)
    def modules_of(self, header):
        first, slash, _ = header.partition("/")
        if slash:
            return {first} if QT_MODULE.fullmatch(first) else set()
        if header[:1] not in ("Q", "q"):
            return set()
        found = {module.name for module in self.modules if (module / header).is_file()}
        if found:
            return found
        if header in WHOLE_MODULES:  # <QtWidgets>; <QtGlobal> and the like are Core headers
            return {header}
        return {KNOWN_QT_HEADERS[header]} if header in KNOWN_QT_HEADERS else set()


def installed_qt_headers():
    for tool in ("qtpaths6", "qmake6"):
        try:
            result = subprocess.run([tool, "-query", "QT_INSTALL_HEADERS"], capture_output=True, text=True, timeout=20)
        except (OSError, subprocess.SubprocessError):
            continue
        if result.returncode == 0 and result.stdout.strip():
            return result.stdout.strip()
    return None


def pattern_regex(pattern):
    parts = re.split(r"(\*\*|\*)", pattern)
    return re.compile("".join({"**": ".*", "*": "[^/]*"}.get(part, re.escape(part)) for part in parts))


COMPILED_RULES = [(pattern_regex(rule[0]), rule) for rule in RULES]


def rule_of(relative):
    for regex, rule in COMPILED_RULES:
        if regex.fullmatch(relative):
            return rule
    return None


def folder_of(relative):
    """The entry of LAYERS or the test folder a file belongs to."""
    parts = relative.split("/")
    if parts[0] == "ui" and len(parts) > 2:
        return "ui/" + parts[1]
    if parts[0] in LAYER_FOLDERS:
        return parts[0]
    return "/".join(parts[:-1]) or "."


def is_build_tree(folder):
    return (folder / "CMakeCache.txt").exists()


def source_files(root):
    for folder, subfolders, files in os.walk(root):
        here = pathlib.Path(folder)
        subfolders[:] = sorted(s for s in subfolders if not s.startswith(".") and not is_build_tree(here / s))
        for name in sorted(files):
            if pathlib.PurePath(name).suffix in SOURCE_SUFFIXES:
                yield here / name


class Checker:
    def __init__(self, root, qt):
        self.root = pathlib.Path(os.path.abspath(root))
        self.qt = qt
        self.by_name = {}  # file name -> layer headers of that name
        for path in source_files(self.root):
            relative = path.relative_to(self.root).as_posix()
            if relative.split("/")[0] in LAYER_FOLDERS:
                self.by_name.setdefault(path.name, []).append(relative)

    def relative(self, path):
        """Path from the source root, or None when outside it."""
        path = pathlib.Path(os.path.normpath(path))
        try:
            return path.relative_to(self.root).as_posix()
        except ValueError:
            return None

    def resolve(self, folder, written, quoted):
        bases = ([folder] if quoted else []) + [self.root / r for r in INCLUDE_ROOTS]
        for base in bases:
            candidate = base / written
            if candidate.is_file():
                return self.relative(candidate)  # None when it lies outside the source
        return None

    def faults(self):
        for path in source_files(self.root):
            relative = path.relative_to(self.root).as_posix()
            rule = rule_of(relative)
            if rule is None:
                yield f"{relative}: no rule says what this file may include; add one to RULES in tests/check_layers.py"
                continue
            lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
            for number, line in enumerate(lines, start=1):
                match = INCLUDE.match(line)
                if match:
                    for fault in self.include_faults(path, rule, match.group(1) == '"', match.group(2).strip()):
                        yield f"{relative}:{number}: {fault}"

    def include_faults(self, path, rule, quoted, written):
        pattern, folders, modules = rule
        shown = f'"{written}"' if quoted else f"<{written}>"
        target = self.resolve(path.parent, written, quoted)
        relative_spelling = any(part in (".", "..") for part in pathlib.PurePosixPath(written).parts)
        layer_header = target is not None and target.split("/")[0] in LAYER_FOLDERS

        if target is None and not relative_spelling and "/" not in written and written in self.by_name \
                and (quoted or not self.is_system_header(written)):
            # No include root holds it, but a layer header has its name.
            yield f'{shown} leaves out its folder; write "{" or ".join(self.by_name[written])}"'
            return
        if target is None and written.split("/")[0] in LAYER_FOLDERS and not relative_spelling:
            target = written  # a missing header: its folder still tells its layer
            layer_header = True

        if target is not None:
            if relative_spelling:
                yield f'{shown} is a relative include; write "{self.spelling(target, layer_header)}"'
            elif not quoted:
                yield f'{shown} is a project header; write it in quotes: "{written}"'
            elif layer_header and written != target:
                yield f'{shown} is {target}; write it from the source root: "{target}"'
            where = folder_of(target)
            if where not in folders:
                allowed = ", ".join(folders) if folders else "no project header"
                yield f"{target} is in {where}; {pattern} may include {allowed}"
            return
        if relative_spelling:
            yield f"{shown} is a relative include; write it from the source root"
            return

        found = self.qt.modules_of(written)
        if found and not found & set(modules):
            yield f"{shown} is {shown_modules(found)}; {pattern} may use {shown_modules(modules)} only"

    @staticmethod
    def spelling(target, layer_header):
        """How a found file is written: a layer header from the source root,
        a test helper from the deepest include root holding it."""
        if layer_header:
            return target
        roots = sorted((r for r in INCLUDE_ROOTS if r and target.startswith(r + "/")), key=len, reverse=True)
        return target[len(roots[0]) + 1:] if roots else target

    @staticmethod
    def is_system_header(name):
        return any((root / name).is_file() for root in SYSTEM_ROOTS)


def faults(root, qt_include):
    return list(Checker(root, QtHeaders(qt_include)).faults())


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("source_dir")
    parser.add_argument("--qt-include", help="Qt's header folder (holding QtCore/, QtGui/, ...)")
    args = parser.parse_args(argv[1:])
    root = pathlib.Path(args.source_dir)
    if not all((root / folder).is_dir() for folder in LAYER_FOLDERS):
        sys.exit(f"{root}: not the source folder (needs {', '.join(LAYER_FOLDERS)})")
    qt_include = args.qt_include if args.qt_include is not None else installed_qt_headers()
    found = faults(root, qt_include)
    for fault in found:
        print(fault)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
