#include "ui/budget/budgetlook.h"

namespace torvane::ui::budget::look {

using namespace Qt::StringLiterals;

QString cardSheet(const QString &cardName)
{
    // One sheet on the card styles everything in it: a sheet per control
    // would give each a style of its own.
    QString sheet = uR"(
#@ { background: #ffffff; border: 1px solid #cfdbe7; border-left: 4px solid #13a89e; border-radius: 10px; }
#@ QLabel { color: #0b2545; background: transparent; border: none; }
#@ QLabel[figure="true"] { font-weight: bold; }
#@ QToolButton, #@ QPushButton {
    color: #ffffff; font-weight: bold; padding: 4px 10px; border-radius: 7px;
    border: 1px solid #0b2545;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #225284, stop:1 #13365c); }
#@ QToolButton:hover, #@ QPushButton:hover {
    border: 1px solid #f2a541;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1fbeb2, stop:1 #0d7c75); }
#@ QToolButton:pressed, #@ QPushButton:pressed { background: #0d7c75; }
#@ QToolButton:focus, #@ QPushButton:focus { border: 2px solid #ff9f1c; }
#@ QToolButton:disabled, #@ QPushButton:disabled { color: #eef2f6; background: #aebccb; border: 1px solid #aebccb; }
#@ QToolButton[popupMode="1"] { padding-right: 20px; }
#@ QToolButton::menu-button { width: 16px; border: none; border-left: 1px solid rgba(255, 255, 255, 90); }
#@ QPushButton[accent="true"], #@ QToolButton[accent="true"] {
    border: 1px solid #0d7c75;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1fbeb2, stop:1 #0d7c75); }
#@ QPushButton[accent="true"]:hover, #@ QToolButton[accent="true"]:hover { border: 1px solid #f2a541; }
#@ QLineEdit {
    color: #0b2545; background: #ffffff; border: 1px solid #cfdbe7; border-radius: 5px; padding: 2px 6px;
    selection-background-color: #13a89e; selection-color: #ffffff; }
#@ QLineEdit:focus { border: 2px solid #13a89e; padding: 1px 5px; }
#@ QLineEdit[readOnly="true"] { background: #eef7f5; border: 1px solid #b9d9d3; }
#@ QAbstractSpinBox QLineEdit, #@ QComboBox QLineEdit { border: none; padding: 0; background: transparent; }
#@ QCheckBox { color: #0b2545; spacing: 6px; }
)"_s;
    return sheet.replace(u'@', cardName);
}

} // namespace torvane::ui::budget::look
