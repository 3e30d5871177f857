#pragma once

#include <QString>

namespace torvane::report {

// The kinds of file the program writes the budget into, told by the ending
// of their name, whatever its case; nobody else looks at a file's ending.
enum class OutputFormat { None, Xlsx, Xls, Pdf };

OutputFormat outputFormatOf(const QString &path);
// The ending, with its dot: ".xlsx".
QString suffixOf(OutputFormat format);
inline bool isWorkbook(OutputFormat format) { return format == OutputFormat::Xlsx || format == OutputFormat::Xls; }

} // namespace torvane::report
