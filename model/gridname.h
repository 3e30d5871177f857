#pragma once

#include <QString>

#include <cstdio>

namespace torvane::model {

enum class CellKind { Option, Number };

// Every control of a section screen is reached by a composed name; this is
// the one place where those names are made. Grid controls are "ComboBox" or
// "Edit" followed by the decimal digits of tab, row and column run together
// (tab 3, row 10, column 1 is "Edit3101"); with at most 9 tabs and 5 columns
// the digits always read back one way.
struct GridName {
    static qint32 number(int tab, int row, int column)
    {
        return QString(QString::number(tab) + QString::number(row) + QString::number(column)).toInt();
    }
    static QString of(CellKind kind, int tab, int row, int column)
    {
        // Made for every cell of every section at start-up: one allocation each.
        char digits[40];
        const int length = std::snprintf(digits, sizeof digits, "%s%d%d%d", kind == CellKind::Option ? "ComboBox" : "Edit",
                                         tab, row, column);
        return QString::fromLatin1(digits, length);
    }
};

// The design-time controls of a section screen, by tab (and group or label).
struct ControlName {
    static QString tabButton(int tab) { return QStringLiteral("Button") + QString::number(tab); }
    static QString tabBox(int tab) { return QStringLiteral("ScrollBox") + QString::number(tab); }
    static QString groupHeader(int tab, int group)
    {
        return QStringLiteral("Labelzag") + QString::number(tab) + QString::number(group);
    }
    static QString columnHeader(int tab, int label)
    {
        return QStringLiteral("Label") + QString::number(tab) + QString::number(label);
    }
    static QString subtotal(int tab) { return QStringLiteral("SumEdit") + QString::number(tab); }
    static QString total() { return QStringLiteral("Edit1"); }
    static QString totalCaption() { return QStringLiteral("Label1"); }
    static QString saveButton() { return QStringLiteral("Image1"); }
};

} // namespace torvane::model
