#!/usr/bin/env python3
"""check_layers.py on a scratch tree: one faulty include planted in each place
it guards must fail the check and be named by file and line, the allowed
includes around them must not, and the real source tree must pass."""

import os
import pathlib
import subprocess
import sys
import tempfile
import unittest

HERE = pathlib.Path(__file__).resolve().parent
SOURCE_ROOT = HERE.parent
CHECKER = HERE / "check_layers.py"
sys.path.insert(0, str(HERE))
import check_layers  # noqa: E402

# Qt's header folder as the build found it (CTest passes it), else as qtpaths6 tells.
QT_INCLUDE = os.environ.get("TORVANE_QT_INCLUDE") or check_layers.installed_qt_headers()
if QT_INCLUDE and not os.path.isdir(QT_INCLUDE):
    QT_INCLUDE = None

# Includes the check must let through: each layer and ui part reaching down,
# the test helpers by the roots the test programs are given, generated files.
ALLOWED = {
    "base/money.h": ["#pragma once", "#include <QString>", "#include <QtGlobal>"],
    "base/money.cpp": ['#include "base/money.h"', "#include <cmath>"],
    "model/budget.h": ['#include "base/money.h"', "#include <QObject>", "#include <QtCore/QList>"],
    "model/sections/food.h": ['#include "model/budget.h"'],
    "report/workbook.h": ['#include "model/sections/food.h"'],
    "report/chart.cpp": ['#include "report/workbook.h"', "#include <QPainter>", "#include <gsf/gsf-output.h>"],
    "ui/common/widget.h": ['#include "report/workbook.h"', "#include <QWidget>", "#include <QtWidgets/QLabel>"],
    "ui/shell/screen.h": ['#include "ui/common/widget.h"'],
    "ui/sections/screen.h": ['#include "ui/shell/screen.h"'],
    "ui/budget/panel.h": ['#include "ui/sections/screen.h"', '#include "ui/common/widget.h"'],
    "ui/budget/printpreview.cpp": ['#include "ui/budget/panel.h"', "#include <QPrinter>"],
    "app/startup.h": ['#include "ui/budget/panel.h"', "#include <QApplication>"],
    "tests/testsupport.h": ['#include "model/modelsupport.h"', '#include "app/startup.h"', "#include <QTest>"],
    "tests/model/modelsupport.h": ['#include "model/budget.h"', "#include <QTest>"],
    "tests/model/test_budget.cpp": ['#include "modelsupport.h"', '#include "test_budget.moc"'],
    "tests/report/reportsupport.h": ['#include "model/budget.h"'],
    "tests/report/test_chart.cpp": ['#include "reportsupport.h"', '#include "report/workbook.h"', "#include <QImage>"],
    "tests/ui/test_panel.cpp": ['#include "testsupport.h"', '#include "reportsupport.h"', '#include "ui/budget/panel.h"'],
    "tests/test_pictures.cpp": ["#include <QImage>", "#include <QSvgRenderer>"],
    "tools/assetgen/main.cpp": ['#include "base/money.h"', "#include <QImage>"],
    "tools/spravgen/main.cpp": ['#include "report/workbook.h"'],
    "tools/snapshot/main.cpp": ['#include "app/startup.h"', "#include <QTest>"],
    "bench/bench_startup.cpp": ['#include "testsupport.h"', '#include "app/startup.h"'],
    "bench/bare_window.cpp": ["#include <QWidget>"],
}

# One faulty include per file, on line 3; what its message must name.
PLANTED = [
    ("model/upward.cpp", '#include "report/workbook.h"', "report/workbook.h is in report"),
    ("ui/common/upward.cpp", '#include "ui/shell/screen.h"', "ui/shell/screen.h is in ui/shell"),
    ("ui/sections/upward.cpp", '#include "ui/budget/panel.h"', "is in ui/budget"),
    ("tests/model/test_report.cpp", '#include "report/workbook.h"', "is in report"),
    ("tests/model/test_helper.cpp", '#include "reportsupport.h"', "is in tests/report"),
    ("tests/report/test_ui.cpp", '#include "ui/common/widget.h"', "is in ui/common"),
    ("tools/assetgen/draw.cpp", '#include "model/budget.h"', "is in model"),
    ("tools/spravgen/write.cpp", '#include "ui/common/widget.h"', "is in ui/common"),
    ("bench/widget_floor.cpp", '#include "base/money.h"', "may include no project header"),
    ("tests/test_pictures_helper.h", '#include "tools/snapshot/main.cpp"', "is in tools/snapshot"),
    ("ui/shell/relative.cpp", '#include "../common/widget.h"', "relative include"),
    ("tests/ui/test_relative.cpp", '#include "../testsupport.h"', "relative include"),
    ("app/angle.cpp", "#include <model/budget.h>", "in quotes"),
    ("ui/sections/nofolder.cpp", '#include "screen.h"', 'from the source root: "ui/sections/screen.h"'),
    ("model/ownfolder.cpp", '#include "sections/food.h"', 'from the source root: "model/sections/food.h"'),
    ("app/nofolder.cpp", '#include "workbook.h"', 'leaves out its folder; write "report/workbook.h"'),
    ("tools/snapshot/angle.cpp", "#include <startup.h>", 'leaves out its folder; write "app/startup.h"'),
    ("report/widgets.cpp", "#include <QWidget>", "<QWidget> is Qt Widgets"),
    ("report/application.h", "#include <QApplication>", "is Qt Widgets"),
    ("report/module.h", "#include <QtWidgets>", "is Qt Widgets"),
    ("report/workbook.cpp", "#include <QColor>", "<QColor> is Qt Gui"),
    ("model/gui.cpp", "#include <QPainter>", "<QPainter> is Qt Gui"),
    ("base/gui.h", "#include <QtGui/QImage>", "is Qt Gui"),
    ("tests/model/test_gui.cpp", "#include <QImage>", "is Qt Gui"),
    ("ui/budget/print.cpp", "#include <QPrinter>", "is Qt PrintSupport"),
]
# tests/*.h are the shared helpers; a header in a new test folder is not one.
UNRULED = "tests/extra/stray.h"


def plant(root, files):
    for relative, lines in files.items():
        path = root / relative
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text("\n".join(lines) + "\n", encoding="utf-8")


def planted_files():
    files = dict(ALLOWED)
    for relative, include, _ in PLANTED:
        files[relative] = ["#pragma once", "#include <vector>", include]
    files[UNRULED] = ['#include "base/money.h"']
    return files


def run_checker(root, *options):
    return subprocess.run([sys.executable, str(CHECKER), str(root), *options], capture_output=True, text=True)


class PlantedFaults(unittest.TestCase):
    def check_planted(self, qt_include):
        with tempfile.TemporaryDirectory() as scratch:
            root = pathlib.Path(scratch) / "src"
            plant(root, planted_files())
            (root / "build").mkdir()
            (root / "build" / "CMakeCache.txt").touch()
            plant(root, {"build/layers/model/upward.cpp": ['#include "app/startup.h"']})  # a build tree: skipped
            result = run_checker(root, "--qt-include", qt_include)
        self.assertEqual(result.returncode, 1, result.stdout + result.stderr)
        by_place = {}
        for line in result.stdout.splitlines():
            place, _, message = line.partition(": ")
            by_place.setdefault(place, []).append(message)
        expected = {f"{relative}:3": fragment for relative, _, fragment in PLANTED}
        expected[UNRULED] = "no rule"
        self.assertEqual(sorted(by_place), sorted(expected), result.stdout)
        for place, fragment in expected.items():
            self.assertEqual(len(by_place[place]), 1, f"{place}: {by_place[place]}")
            self.assertIn(fragment, by_place[place][0], place)

    def test_hand_list_without_qt_headers(self):
        with tempfile.TemporaryDirectory() as empty:
            self.check_planted(empty)

    @unittest.skipUnless(QT_INCLUDE, "Qt headers not installed")
    def test_installed_qt_headers(self):
        self.check_planted(QT_INCLUDE)


class QtModuleOfHeader(unittest.TestCase):
    def test_module_is_the_folder_the_header_lies_in(self):
        """Headers no hand list knows: their folder alone tells the module."""
        with tempfile.TemporaryDirectory() as scratch:
            scratch = pathlib.Path(scratch)
            plant(scratch / "qt", {"QtWidgets/QFancyView": [], "QtGui/QShade": [], "QtCore/QTally": []})
            plant(scratch / "src", {
                "base/a.h": ["#include <QTally>"],
                "model/b.h": ["#include <QTally>", "#include <QShade>"],
                "report/c.h": ["#include <QShade>", "#include <QFancyView>"],
                "ui/common/d.h": ["#include <QFancyView>"],
                "app/e.cpp": ["#include <QFancyView>"],
            })
            found = check_layers.faults(scratch / "src", str(scratch / "qt"))
        self.assertEqual(found, [
            "model/b.h:2: <QShade> is Qt Gui; model/** may use Qt Core only",
            "report/c.h:2: <QFancyView> is Qt Widgets; report/** may use Qt Core, Qt Gui only",
        ])

    @unittest.skipUnless(QT_INCLUDE, "Qt headers not installed")
    def test_hand_list_matches_installed_qt(self):
        qt = pathlib.Path(QT_INCLUDE)
        for header, module in check_layers.KNOWN_QT_HEADERS.items():
            if (qt / module).is_dir():
                self.assertTrue((qt / module / header).is_file(), f"{header} is not in {module}")


class SourceTree(unittest.TestCase):
    def test_real_tree_passes(self):
        result = run_checker(SOURCE_ROOT, *(["--qt-include", QT_INCLUDE] if QT_INCLUDE else []))
        self.assertEqual((result.returncode, result.stdout), (0, ""), result.stderr)


if __name__ == "__main__":
    unittest.main()
