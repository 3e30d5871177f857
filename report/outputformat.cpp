#include "report/outputformat.h"

#include <QFileInfo>

namespace torvane::report {

using namespace Qt::StringLiterals;

OutputFormat outputFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"xlsx"_s)
        return OutputFormat::Xlsx;
    if (suffix == u"xls"_s)
        return OutputFormat::Xls;
    if (suffix == u"pdf"_s)
        return OutputFormat::Pdf;
    return OutputFormat::None;
}

QString suffixOf(OutputFormat format)
{
    switch (format) {
    case OutputFormat::Xlsx: return u".xlsx"_s;
    case OutputFormat::Xls: return u".xls"_s;
    case OutputFormat::Pdf: return u".pdf"_s;
    case OutputFormat::None: break;
    }
    return {};
}

} // namespace torvane::report
