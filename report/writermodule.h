#pragma once

#include "report/workbook.h"

#include <QByteArray>

namespace torvane::report {

// The two file-format writers are a module of their own, loaded on the first
// export: linked into the program, libgsf and libxlsxwriter with what they
// pull in would cost every start a few milliseconds and megabytes.
struct WriterModule {
    int version;
    std::size_t workbookSize; // a module built from other sources is refused
    // Both throw std::runtime_error when the book cannot be written.
    QByteArray (*writeXls)(const Workbook &book);
    QByteArray (*writeXlsx)(const Workbook &book);
};

inline constexpr int kWriterModuleVersion = 2; // 2: formulas and filter ranges
inline constexpr char kWriterModuleEntry[] = "torvane_writer_module";
inline constexpr char kWriterModuleName[] = "torvane_writers";

// Inside the module.
QByteArray writeXlsBytes(const Workbook &book);
QByteArray writeXlsxBytes(const Workbook &book);

} // namespace torvane::report

extern "C" const torvane::report::WriterModule *torvane_writer_module();
