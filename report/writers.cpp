#include "base/programmodule.h"
#include "report/writermodule.h"
#include "report/xlswriter.h"
#include "report/xlsxwriter.h"

namespace torvane::report {

namespace {

const WriterModule &writerModule()
{
    const auto &module = base::programModule<WriterModule>(kWriterModuleName, kWriterModuleEntry, kWriterModuleVersion);
    if (module.workbookSize != sizeof(Workbook))
        base::refuseForeignModule(kWriterModuleName);
    return module;
}

} // namespace

QByteArray XlsWriter::write(const Workbook &book)
{
    return writerModule().writeXls(book);
}

QByteArray XlsxWriter::write(const Workbook &book)
{
    return writerModule().writeXlsx(book);
}

} // namespace torvane::report
