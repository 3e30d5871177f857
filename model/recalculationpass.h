#pragma once

#include "model/sectionentries.h"
#include "model/sectiontexts.h"

#include <QString>
#include <QVector>

#include <variant>

namespace torvane::base {
class DecimalFormat;
}

namespace torvane::model {

struct CellRef {
    int tab = 0;
    int row = 0;
    int column = 0;
    friend bool operator==(const CellRef &, const CellRef &) = default;
};

struct RowFigure {
    CellRef cell; // the row's sum field
    QString text;
};

// Everything one successful pass writes.
struct SectionFigures {
    QVector<RowFigure> rows; // in pass order
    QStringList subtotals;   // SumEdit1..SumEditT
    QString total;           // Edit1
};

// Why a pass wrote nothing.
struct PassFailure {
    enum class Kind {
        InvalidQuantity, // a text that is not a whole number from 0 to 2147483647
        RowTooLarge,     // a row's amount is beyond what the program can hold
        SubtotalTooLarge,
        TotalTooLarge,
    };
    Kind kind = Kind::InvalidQuantity;
    QString text;           // InvalidQuantity: the offending text
    CellRef where;          // the field, or the row (column 0) the failure is pinned on
    QVector<CellRef> cells; // fields to mark
};

using PassResult = std::variant<SectionFigures, PassFailure>;

// Prices every row of every tab, then the subtotals and the total, from the
// entries alone. Every input is read and checked before anything is
// returned, so a failed pass leaves whatever showed the last figures as it was.
PassResult recalculate(const SectionEntries &entries, const base::DecimalFormat &format);

// The message of a quantity text that cannot be read, as the program has always worded it.
QString invalidQuantityMessage(const QString &text);

} // namespace torvane::model
