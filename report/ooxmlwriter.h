#pragma once

#include "report/workbook.h"

#include <QByteArray>

namespace torvane::report {

// Writes an Office Open XML workbook (.xlsx) through libxlsxwriter.
class OoxmlWriter {
public:
    // Throws std::runtime_error when the book cannot be stored or the
    // library reports an error.
    static QByteArray write(const Workbook &book);
};

} // namespace torvane::report
