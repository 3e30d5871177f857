#pragma once

#include <QString>

namespace torvane::calc {

enum class CellKind { Option, Number };

// Every grid control is reached by a composed name: "ComboBox" or "Edit"
// followed by the decimal digits of tab, row and column run together
// (tab 3, row 10, column 1 is "Edit3101"). With at most 9 tabs and 5 columns
// the digits always read back one way.
struct GridName {
    static qint32 number(int tab, int row, int column)
    {
        return QString(QString::number(tab) + QString::number(row) + QString::number(column)).toInt();
    }
    static QString of(CellKind kind, int tab, int row, int column)
    {
        return QString::fromLatin1(kind == CellKind::Option ? "ComboBox" : "Edit") + QString::number(tab)
            + QString::number(row) + QString::number(column);
    }
};

} // namespace torvane::calc
