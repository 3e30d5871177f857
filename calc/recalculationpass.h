#pragma once

#include "calc/catalogue.h"

#include <QString>
#include <QVector>

#include <variant>

namespace torvane::calc {

class DecimalFormat;

struct CellRef {
    int tab = 0;
    int row = 0;
    int column = 0;
    friend bool operator==(const CellRef &, const CellRef &) = default;
};

// Where the pass reads a section's inputs: the screen's controls, or a test's table.
class SectionInputs
{
public:
    virtual ~SectionInputs() = default;
    virtual int position(int tab, int row, int column) const = 0; // -1: no selection
    virtual QString text(int tab, int row, int column) const = 0;
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

// Why a pass wrote nothing: a quantity that is not a whole number in range,
// or an amount too large to compute.
struct PassFailure {
    QString text;           // the offending text
    QString message;
    QVector<CellRef> cells; // fields to mark
};

using PassResult = std::variant<SectionFigures, PassFailure>;

// Prices every row of every tab, then the subtotals and the total. Inputs are
// all read and checked before anything is returned, so a failed pass leaves
// the screen as it was.
PassResult recalculate(const SectionCatalogue &catalogue, const SectionInputs &inputs, const DecimalFormat &format);

// Number of options a choice cell offers (0 for other cells).
int optionCount(const ColumnSpec &column, int row);

} // namespace torvane::calc
