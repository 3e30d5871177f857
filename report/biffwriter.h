#pragma once

#include "report/workbook.h"

#include <QByteArray>

namespace torvane::report {

// Writes an Excel 97-2003 (BIFF8) workbook: a "Workbook" stream of BIFF
// records inside an OLE2 compound file.
class BiffWriter {
public:
    // Throws std::runtime_error when the book cannot be stored in this format
    // (bad sheet name, cell outside 65536 x 256, text over 32767 units, ...).
    static QByteArray write(const Workbook &book);
};

} // namespace torvane::report
